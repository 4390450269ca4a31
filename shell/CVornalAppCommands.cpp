// The application's own commands, its status panes and the toolbars' pictures.
#include "CVornalApp.h"

#include "CAboutDlg.h"
#include "CSettingsPropSheet.h"
#include "CVR_MainFrame.h"
#include "StatusPanes.h"
#include "appcore.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

constexpr COLORREF kPictureMask = RGB(192, 192, 192);

void OpenPeriodView(const char* documentName)
{
    CHelpers::FN_OpenDocument(documentName, "Выбор отчетного периода", MaxX() / 8, 0, -1, -1, nullptr, nullptr,
                              nullptr, nullptr, nullptr, nullptr);
}

} // namespace

void CVornalApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CVornalApp::OnCloseAllWindows()
{
    CHelpers::CloseAllOpenedWindows();
}

void CVornalApp::OnCalculator()
{
    CString result;
    GetCalculator(result, m_pMainWnd, nullptr);
}

void CVornalApp::OnPeriodByMonth()
{
    OpenPeriodView("OtpView");
}

void CVornalApp::OnPeriodByKind()
{
    OpenPeriodView("Otp0View");
}

void CVornalApp::OnPrintDirect()
{
    g_bPrintDirrect = g_bPrintDirrect ? FALSE : TRUE;
}

void CVornalApp::OnUpdatePrintDirect(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(g_bPrintDirrect ? 1 : 0);
}

void CVornalApp::ShowUserInStatusBar()
{
    ::ShowUserInStatusBar();
}

void CVornalApp::ShowPeriodInStatusBar()
{
    ::ShowPeriodInStatusBar();
}

// Every toolbar of the frame gets the buttons of its list of the workplace:
// a separator for an empty name, else the command with its picture (a copy
// kept until the program ends) or none.
void CVornalApp::LoadToolbarImages(int)
{
    const CArmRecord* arm = GetDataArchive()->GetArm(int(g_lARM));
    if (!arm || !m_pFrame)
        return;
    for (int t = 0; t < 2 && t < arm->GetToolbarCount(); ++t) {
        CToolBar* bar = m_pFrame->GetToolBar(t);
        if (!bar || !bar->GetSafeHwnd())
            continue;
        CToolBarCtrl& ctrl = bar->GetToolBarCtrl();
        auto images = reinterpret_cast<HIMAGELIST>(ctrl.SendMessage(TB_GETIMAGELIST));
        for (int i = ImageList_GetImageCount(images); i > 0; --i)
            ImageList_Remove(images, i - 1);
        for (int n = int(ctrl.SendMessage(TB_BUTTONCOUNT)); n > 0; --n)
            ctrl.SendMessage(TB_DELETEBUTTON, WPARAM(n - 1));
        const std::vector<CToolbarItem>& list = arm->GetToolbar(t);
        for (size_t pos = 0; pos < list.size(); ++pos) {
            TBBUTTON button = {};
            button.iBitmap = -1;
            if (list[pos].m_strName.IsEmpty()) {
                button.fsStyle = TBSTYLE_SEP;
            } else {
                button.idCommand = list[pos].m_nId;
                if (HBITMAP copy = CBitmapToIcon::Clone(I_GetCommandHBitMap(list[pos].m_strName, 16, 16))) {
                    button.iBitmap = ImageList_AddMasked(images, copy, kPictureMask);
                    HBITMAP& kept = m_toolbarBitmaps[t * 0x10000 + int(pos)];
                    if (kept)
                        DeleteObject(kept);
                    kept = copy;
                }
            }
            ctrl.SendMessage(TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&button));
        }
    }
}

void CVornalApp::DeleteToolbarBitmaps()
{
    for (auto& kept : m_toolbarBitmaps)
        DeleteObject(kept.second);
    m_toolbarBitmaps.clear();
}

// The settings take effect at once and the profile keeps them for the next start.
void CVornalApp::OnSettings()
{
    CSettingsPropSheet sheet(IDR_MAINFRAME, nullptr, 0);
    if (sheet.DoModal() != IDOK)
        return;
    g_bAskExit = sheet.m_bAskExit;
    g_bMultyProcess = sheet.m_bMultyProcess;
    ::m_bPlayWavFiles = sheet.m_bPlayWavFiles;
    WriteProfileInt("Application", "AskExit", g_bAskExit);
    WriteProfileInt("Application", "MultyProcess", g_bMultyProcess);
    WriteProfileInt("Settings", "PlayWavFiles", ::m_bPlayWavFiles);
    g_lReportTipe = sheet.m_lReportTipe;
    WriteProfileInt("Application", "ReportTipe", int(g_lReportTipe));
}
