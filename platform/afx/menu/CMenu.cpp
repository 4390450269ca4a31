#include "menu/CMenu.h"
#include "dlg/AfxInteraction.h"
#include "gdi/AfxGdi.h"
#include "menu/MenuTable.h"
#include "menu/OwnerDrawMenu.h"
#include <QMenu>

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::CMenu() = default;

CMenu::~CMenu() { DestroyMenu(); }

HMENU CMenu::GetSafeHmenu() const
{
    const CMenu* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hMenu : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    if (!rec)
        return nullptr;
    if (rec->object)
        return rec->object;
    if (!rec->temp) {
        rec->temp = std::make_unique<CMenu>();
        rec->temp->m_hMenu = hMenu;
    }
    return rec->temp.get();
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    return rec ? rec->object : nullptr;
}

BOOL CMenu::Attach(HMENU hNewMenu)
{
    MenuRecord* rec = MenuTable::find(hNewMenu);
    if (!rec || m_hMenu)
        return FALSE;
    rec->object = this;
    m_hMenu = hNewMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (MenuRecord* rec = MenuTable::find(h)) {
        if (rec->object == this)
            rec->object = nullptr;
    }
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HMENU h = ::LoadMenu(nullptr, lpszResourceName);
    return h && Attach(h);
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    // A temporary object (FromHandle) goes with its menu: nothing of this
    // object is touched after the menu is destroyed.
    HMENU h = Detach();
    return ::DestroyMenu(h);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem,
                        reinterpret_cast<LPCTSTR>(pBmp ? pBmp->m_hObject : nullptr));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
UINT CMenu::GetMenuItemCount() const { return (UINT)::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    char buffer[1024];
    int n = ::GetMenuString(m_hMenu, nIDItem, buffer, sizeof buffer, nFlags);
    rString = buffer;
    return n;
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::InsertMenuItem(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    if (!MenuTable::find(hMenu) || !hWnd)
        return FALSE;
    MenuTable::setOwner(hMenu, hWnd);
    AfxModalRequest req;
    req.kind = AfxModalKind::Chooser;
    req.chooser = "menu";
    req.show = [&](AfxModalRequest&) { return AfxExecMenu(hMenu, QPoint(x, y)); };
    int id = AfxRunModal(req);
    if (id <= 0)
        return FALSE;
    if (uFlags & TPM_RETURNCMD)
        return id;
    PostMessage(hWnd, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    return TRUE;
}

void CMenuCmdUI::Enable(BOOL bOn)
{
    if (!m_pMenu) {
        CCmdUI::Enable(bOn);
        return;
    }
    // A popup's state is its own, not its first item's.
    if (!m_pSubMenu)
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    m_bEnableChanged = TRUE;
}

void CMenuCmdUI::SetCheck(int nCheck)
{
    if (!m_pMenu) {
        CCmdUI::SetCheck(nCheck);
        return;
    }
    if (!m_pSubMenu)
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CMenuCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CMenuCmdUI::SetText(LPCTSTR lpszText)
{
    if (!m_pMenu) {
        CCmdUI::SetText(lpszText);
        return;
    }
    if (m_pSubMenu)
        return;
    // Owner-drawn items keep their item data; only a text item takes text.
    UINT state = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
    if (state & MF_OWNERDRAW)
        return;
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | (state & (MF_GRAYED | MF_DISABLED | MF_CHECKED)), m_nID,
                        lpszText);
}
