// The main frame's command dispatch, tool tips, menu messages and closing.
#include "CVR_MainFrame.h"

#include "appcore.h"
#include "menu/OwnerDrawMenu.h"
#include "ndbcore.h"


namespace {

// Menu items without a command carry this id and are never enabled.
constexpr UINT kNoCommandId = 10000;

CString CommandName(UINT id)
{
    CString name;
    GetDataArchive()->GetCommandName(id, name);
    return name;
}

bool IsCVRMenu(HMENU hMenu)
{
    return dynamic_cast<CVR_Menu*>(CMenu::FromHandlePermanent(hMenu)) != nullptr;
}

} // namespace

CString& CVR_MainFrame::PendingCommand()
{
    static CString pending;
    return pending;
}

// A configuration command is either a window command, handed to the MDI
// client and then to the frame under the standard id, or a script command,
// run by the interpreter once this message has returned.
BOOL CVR_MainFrame::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const CString name = CommandName(id);
    if (name.IsEmpty())
        return CderivedMainFrame::OnCommand(wParam, lParam);
    const int windowId = GetDataArchive()->GetWindowCommand(id);
    if (windowId) {
        if (::SendMessage(m_hWndMDIClient, WM_COMMAND, WPARAM(windowId), lParam))
            return TRUE;
        return CderivedMainFrame::OnCommand(MAKEWPARAM(windowId, HIWORD(wParam)), lParam);
    }
    PendingCommand() = name;
    PostMessage(WM_EXECUTE_PENDING_COMMAND);
    return CderivedMainFrame::OnCommand(wParam, lParam);
}

LRESULT CVR_MainFrame::OnExecutePendingCommand(WPARAM, LPARAM)
{
    return CInterpriter::mcc_dll_execute_Command(PendingCommand());
}

BOOL CVR_MainFrame::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (nID == kNoCommandId)
        return FALSE;
    const CString name = CommandName(nID);
    if (!name.IsEmpty()) {
        const int windowId = GetDataArchive()->GetWindowCommand(nID);
        if (!windowId) {
            if (nCode == int(CN_UPDATE_COMMAND_UI) && pExtra)
                static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
            return TRUE;
        }
        if (nCode == int(CN_UPDATE_COMMAND_UI) && pExtra) {
            // The item of a configuration command shows the state of its window command.
            auto* ui = static_cast<CCmdUI*>(pExtra);
            const UINT itemId = ui->m_nID;
            ui->m_nID = UINT(windowId);
            const BOOL handled = CderivedMainFrame::OnCmdMsg(UINT(windowId), nCode, pExtra, pHandlerInfo);
            ui->m_nID = itemId;
            return handled;
        }
        return CderivedMainFrame::OnCmdMsg(UINT(windowId), nCode, pExtra, pHandlerInfo);
    }
    return CderivedMainFrame::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CVR_MainFrame::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    auto* tip = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    const UINT id = UINT(pNMHDR->idFrom);
    if ((tip->uFlags & TTF_IDISHWND) || id == 0)
        return FALSE;
    // At most 79 letters, as many as the tip's text buffer holds characters.
    const QString text = GetDataArchive()->GetCommandToolTip(CommandName(id)).ToQString();
    m_strToolTip = CString(text.left(int(sizeof tip->szText) - 1));
    tip->szText[0] = '\0';
    tip->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strToolTip));
    *pResult = 0;
    return TRUE;
}

void CVR_MainFrame::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
{
    if (lpMIS->CtlType == ODT_MENU && !IsCVRMenu(AfxMeasuringMenu())) {
        CVR_Menu::MeasureRecord(reinterpret_cast<const CVR_MenuItem*>(lpMIS->itemData), lpMIS);
        return;
    }
    // A CVR_Menu measures its own items.
    CderivedMainFrame::OnMeasureItem(nIDCtl, lpMIS);
}

void CVR_MainFrame::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
{
    if (lpDIS->CtlType == ODT_MENU && !IsCVRMenu(reinterpret_cast<HMENU>(lpDIS->hwndItem))) {
        CVR_Menu::DrawRecord(reinterpret_cast<const CVR_MenuItem*>(lpDIS->itemData), lpDIS);
        return;
    }
    CderivedMainFrame::OnDrawItem(nIDCtl, lpDIS);
}

void CVR_MainFrame::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CderivedMainFrame::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        CVR_Menu::MakeOwnerDrawn(pPopupMenu, 0);
}

void CVR_MainFrame::OnInitMenu(CMenu* pMenu)
{
    CderivedMainFrame::OnInitMenu(pMenu);
    CVR_Menu::MakeOwnerDrawn(pMenu, 0);
}

void CVR_MainFrame::OnClose()
{
    if (g_bAskExit &&
        AfxMessageBox("Вы действительно хотите выйти из программы?", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    CString result;
    const CString context = "Arm." + I_GetArmId();
    CHelpers::EXEC_GetFunctionValue("UnLoad()", result, context);
    CHelpers::EXEC_GetFunctionValue("UnLoad()", result, nullptr);
    CderivedMainFrame::OnClose();
}
