// The application's own commands, its status panes and the toolbars' pictures.
#include "CVornalApp.h"

#include "CAboutDlg.h"
#include "CVR_MainFrame.h"
#include "CommandPictures.h"
#include "StatusPanes.h"
#include "appcore.h"
#include "dlgkit.h"
#include "ndbcore.h"

namespace {

constexpr COLORREF kPictureMask = RGB(192, 192, 192);

// Opens a new view of the template whose document name is `documentName`.
void OpenPeriodView(const char* documentName)
{
    CWinApp* app = AfxGetApp();
    for (POSITION pos = app->GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* tmpl = app->GetNextDocTemplate(pos);
        CString name;
        if (tmpl->GetDocString(name, CDocTemplate::docName) && name == documentName) {
            tmpl->OpenDocumentFile(nullptr);
            return;
        }
    }
}

} // namespace

void CVornalApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CVornalApp::OnCloseAllWindows()
{
    AfxGetApp()->CloseAllDocuments(FALSE);
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
                if (HBITMAP copy = CBitmapToIcon::Clone(CommandBitmap(list[pos].m_strName))) {
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

void CVornalApp::OnSettings()
{
}
