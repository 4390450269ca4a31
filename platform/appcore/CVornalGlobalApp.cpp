#include "CVornalGlobalApp.h"

#include "ScriptUserHooks.h"
#include "gridbase.h"
#include "ndbcore.h"

IMPLEMENT_DYNAMIC(CVornalGlobalApp, CWinApp)

CVornalGlobalApp::CVornalGlobalApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}

CVornalGlobalApp::~CVornalGlobalApp() = default;

BOOL CVornalGlobalApp::InitInstance()
{
    SetDLL_Appcore(AFX_CALLER_MODULE);
    appcore::RouteScriptMessagesToUser();
    return CWinApp::InitInstance();
}

int CVornalGlobalApp::ExitInstance()
{
    return CWinApp::ExitInstance();
}

namespace appcore {

void ReadApplicationSettings()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    g_bAskExit = app->GetProfileInt("Application", "AskExit", g_bAskExit) ? TRUE : FALSE;
    g_bMultyProcess = app->GetProfileInt("Application", "MultyProcess", g_bMultyProcess) ? TRUE : FALSE;
    g_lReportTipe = long(int(app->GetProfileInt("Application", "ReportTipe", int(g_lReportTipe))));
    m_bPlayWavFiles = app->GetProfileInt("Settings", "PlayWavFiles", m_bPlayWavFiles) ? TRUE : FALSE;
}

} // namespace appcore
