#include "bars/CToolBarCtrl.h"
#include "gdi/CImageList.h"
#include "wnd/CWnd.h"

LRESULT CToolBarCtrl::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CToolBarCtrl::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int CToolBarCtrl::GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }

BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons)
{
    return (BOOL)SendMessage(TB_ADDBUTTONS, (WPARAM)nNumButtons, (LPARAM)lpButtons);
}

BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton)
{
    return (BOOL)SendMessage(TB_INSERTBUTTON, (WPARAM)nIndex, (LPARAM)lpButton);
}

BOOL CToolBarCtrl::DeleteButton(int nIndex) { return (BOOL)SendMessage(TB_DELETEBUTTON, (WPARAM)nIndex); }

BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const
{
    return (BOOL)SendMessage(TB_GETBUTTON, (WPARAM)nIndex, (LPARAM)lpButton);
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable)
{
    return (BOOL)SendMessage(TB_ENABLEBUTTON, (WPARAM)nID, MAKELPARAM(bEnable, 0));
}

BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck)
{
    return (BOOL)SendMessage(TB_CHECKBUTTON, (WPARAM)nID, MAKELPARAM(bCheck, 0));
}

BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide)
{
    return (BOOL)SendMessage(TB_HIDEBUTTON, (WPARAM)nID, MAKELPARAM(bHide, 0));
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, (WPARAM)nID); }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, (WPARAM)nID); }
UINT CToolBarCtrl::CommandToIndex(UINT nID) const { return (UINT)SendMessage(TB_COMMANDTOINDEX, nID); }

BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return (BOOL)SendMessage(TB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}

BOOL CToolBarCtrl::SetButtonSize(CSize size)
{
    return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
}

BOOL CToolBarCtrl::SetBitmapSize(CSize size)
{
    return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
}

void CToolBarCtrl::AutoSize() { SendMessage(TB_AUTOSIZE); }

CImageList* CToolBarCtrl::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST)));
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList)
{
    LRESULT old = SendMessage(TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle());
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(old));
}

DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle) { return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle); }
DWORD CToolBarCtrl::GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
