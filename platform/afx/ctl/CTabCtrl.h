// CTabCtrl: the tab control ("SysTabControl32"): a row of tabs over a framed
// page area; the pages' controls are the dialog's own, shown and hidden by the
// form. The user's choice sends TCN_SELCHANGING (a nonzero answer keeps the
// old tab) and then TCN_SELCHANGE; SetCurSel sends nothing.
#pragma once
#include "wnd/CWnd.h"

#define TCIF_TEXT 0x0001
#define TCIF_PARAM 0x0008

struct TCITEM {
    UINT mask;
    DWORD dwState;
    DWORD dwStateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
};

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    LONG InsertItem(int nItem, LPCTSTR lpszItem);
    LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    int SetCurSel(int nItem);
    BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
    BOOL GetItemRect(int nItem, LPRECT lpRect) const;
    // The page area from the window rectangle (bLarger FALSE) or back.
    void AdjustRect(BOOL bLarger, LPRECT lpRect);
};

void AfxRegisterTabClass();
// A tab chosen as the user chooses it (with the notifications).
void AfxTabUserChoice(CTabCtrl* pTab, int nItem);
