#include "CVornalApp.h"
#include "app/AfxWorkers.h"

#include "CLoginArguments.h"
#include "CVR_MainFrame.h"
#include "CVR_Menu.h"
#include "SplashScreen.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

bool IsFilteredMessage(UINT message)
{
    return message == WM_SYSCOLORCHANGE || message == WM_USERCHANGED || message == WM_UPDATEUISTATE ||
           message == WM_THEMECHANGED;
}

} // namespace

BEGIN_MESSAGE_MAP(CVornalApp, CVornalGlobalApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_APP_CLOSE_ALL, OnCloseAllWindows)
    ON_COMMAND(ID_APP_CALCULATOR, OnCalculator)
    ON_COMMAND(ID_APP_PERIOD_MONTH, OnPeriodByMonth)
    ON_COMMAND(ID_APP_PERIOD_KIND, OnPeriodByKind)
    ON_COMMAND(ID_APP_SETTINGS, OnSettings)
    ON_COMMAND(ID_APP_PRINT_DIRECT, OnPrintDirect)
    ON_UPDATE_COMMAND_UI(ID_APP_PRINT_DIRECT, OnUpdatePrintDirect)
END_MESSAGE_MAP()

CVornalApp::CVornalApp() = default;

BOOL CVornalApp::InitInstance()
{
    m_bRegOCXs = (GetKeyState(VK_SHIFT) & 0x8000) ? TRUE : FALSE;
    m_strFolder = GetAppPath();
    CString arguments = m_lpCmdLine ? CString(m_lpCmdLine) : CString();
    arguments.Trim();
    if (!CVornalGlobalApp::InitInstance())
        return FailStartup();
    SetDbErrorHook(&ShowDbErrorReport);
    EnableSplash();
    if (!CInterpriter::mcc_dll_Global_init0())
        return FailStartup();
    if (CLoginArguments::IsChooserSwitch(arguments))
        return RunDatabaseChooser() < 0 ? FALSE : FailStartup();
    const CLoginArguments login = CLoginArguments::Parse(arguments);
    login.ApplyConnection();
    const BOOL loginGiven = login.HasLogin();
    const int opened = loginGiven ? OpenWithLoginArguments() : OpenWithLoginDialog();
    if (opened < 0)
        return FALSE;
    if (opened == 0)
        return FailStartup();
    BeginWaitCursor();
    if (!VerifyAndClaimInstance(loginGiven) || !CreateMainFrame())
        return FailStartup();
    RegisterPeriodTemplates();
    if (!RunSchemaSteps() || !LoadModulesAndScripts())
        return FailStartup();
    LoadStdProfileSettings(15);
    FinishMenuBar();
    EndSplashStartup();
    EndWaitCursor();
    return TRUE;
}

// Start-up failed: the splash, the configuration and the frame go.
BOOL CVornalApp::FailStartup()
{
    EndSplashStartup();
    DeleteSplash();
    GetDataArchive()->DeleteArchives();
    if (m_pFrame) {
        if (m_pFrame->GetSafeHwnd())
            m_pFrame->DestroyWindow();
        else
            delete m_pFrame;
        m_pFrame = nullptr;
        m_pMainWnd = nullptr;
    }
    EndWaitCursor();
    return FALSE;
}

int CVornalApp::ExitInstance()
{
    // Its workers may still run the modules' scripts and use the database:
    // the program waits for them before it unloads either.
    AfxWaitForWorkers();
    if (m_bModulesLoaded)
        CloseMono();
    CVR_Menu::DeleteSubmenus();
    DeleteToolbarBitmaps();
    CInterpriter::mcc_dll_Global_uninit();
    return CVornalGlobalApp::ExitInstance();
}

BOOL CVornalApp::PreTranslateMessage(MSG* pMsg)
{
    HideSplashOnFirstMessage(m_pMainWnd);
    if (IsFilteredMessage(pMsg->message))
        return FALSE;
    return CVornalGlobalApp::PreTranslateMessage(pMsg);
}

// The event loop's first turn after start-up is the first message the splash waits for.
BOOL CVornalApp::OnIdle(LONG lCount)
{
    HideSplashOnFirstMessage(m_pMainWnd);
    return CVornalGlobalApp::OnIdle(lCount);
}
