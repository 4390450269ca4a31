// CToolBarCtrl: the toolbar control's calls (TB_ messages) on a toolbar
// window, as CToolBar::GetToolBarCtrl gives them.
#pragma once
#include "bars/AfxBarDefs.h"
#include "wnd/AfxGeometry.h"

class CImageList;

class CToolBarCtrl {
public:
    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    int GetButtonCount() const;
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    UINT CommandToIndex(UINT nID) const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL SetButtonSize(CSize size);
    BOOL SetBitmapSize(CSize size);
    void AutoSize();
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    DWORD SetExtendedStyle(DWORD dwExStyle);
    DWORD GetExtendedStyle() const;
};
