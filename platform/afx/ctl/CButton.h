// CButton: push buttons, check boxes, radio buttons and group boxes. A click
// sends BN_CLICKED; a check box or radio button without the AUTO style does
// not change its own state, as on Windows. Auto radio buttons between two
// WS_GROUP controls of a template form one group.
#pragma once
#include "wnd/CWnd.h"

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HICON SetIcon(HICON hIcon);
};

void AfxRegisterButtonClass();
// Joins the auto radio buttons of each WS_GROUP run among the windows of a parent.
void AfxGroupRadioButtons(CWnd* pParent);
