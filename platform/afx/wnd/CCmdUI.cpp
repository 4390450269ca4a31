#include "wnd/CCmdUI.h"
#include "wnd/CWnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pOther)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pOther)
        m_pOther->SendMessage(BM_SETCHECK, (WPARAM)nCheck, 0);
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pOther)
        m_pOther->SetWindowText(lpszText);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (m_nID == 0 || !pTarget)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, (int)CN_UPDATE_COMMAND_UI, this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        // No update handler said: the item is enabled when the command has a
        // handler (a toolbar button added disabled becomes enabled), else not.
        AFX_CMDHANDLERINFO info = { nullptr, nullptr };
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return bResult;
}
