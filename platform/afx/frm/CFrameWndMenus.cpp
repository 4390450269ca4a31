// CFrameWnd: its menu bar, the update handlers of a popup's items and the
// owner-drawn items' measuring and drawing; the CWnd menu calls.
#include "frm/CFrameWnd.h"
#include "menu/CMenu.h"
#include "menu/MenuTable.h"
#include "menu/OwnerDrawMenu.h"

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }

BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu()); }

void CWnd::DrawMenuBar() { ::DrawMenuBar(m_hWnd); }

void CFrameWnd::ApplyMenu()
{
    if (m_hMenuDefault)
        ::SetMenu(m_hWnd, m_hMenuDefault);
}

void CFrameWnd::OnInitMenu(CMenu*) { Default(); }

void CFrameWnd::OnInitMenuPopup(CMenu* pMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || !pMenu)
        return;
    CMenuCmdUI state;
    state.m_pMenu = pMenu;
    state.m_nIndexMax = pMenu->GetMenuItemCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pMenu->GetMenuItemID((int)state.m_nIndex);
        if (state.m_nID == 0)
            continue;  // a separator
        if (state.m_nID == (UINT)-1) {
            // A popup is offered under its first item's id, never disabled.
            state.m_pSubMenu = pMenu->GetSubMenu((int)state.m_nIndex);
            if (!state.m_pSubMenu || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0
                || state.m_nID == (UINT)-1)
                continue;
            state.DoUpdate(this, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        // An update handler may have added or removed items.
        UINT count = pMenu->GetMenuItemCount();
        if (count < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - count);
            while (state.m_nIndex < count && pMenu->GetMenuItemID((int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = count;
    }
}

void CFrameWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct && lpMeasureItemStruct->CtlType == ODT_MENU)
        AfxDefaultMeasureMenuItem(lpMeasureItemStruct);
    else
        Default();
}

void CFrameWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct && lpDrawItemStruct->CtlType == ODT_MENU)
        AfxDefaultDrawMenuItem(lpDrawItemStruct);
    else
        Default();
}
