// The steps of the application's start-up, in the order InitInstance takes them.
#include "CVornalApp.h"

#include "CRegisterUser.h"
#include "CSelectPieriodMonthView.h"
#include "CSelectPieriodQwoterView.h"
#include "CVR_MainFrame.h"
#include "CWelcomeDlg.h"
#include "SchemaSteps.h"
#include "SplashScreen.h"
#include "StartupChecks.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <cstdlib>
#include <cstring>

namespace {

// The window class name of the login and of the database chooser.
const char* const kLoginClassName = "D2D82F64-D127-11d4-9EFD-902449C12710Vornal";

const CArmRecord* CurrentArm()
{
    return GetDataArchive()->GetArm(int(g_lARM));
}

} // namespace

int CVornalApp::LoadConfigurationArchive()
{
    return ::LoadConfigurationArchive();
}

int CVornalApp::ConnectDatabase()
{
    return ::ConnectDatabase();
}

int CVornalApp::CheckHashKey()
{
    return ::CheckHashKey(m_szHashKey);
}

// The grid controls are part of the program here: nothing to register.
void CVornalApp::RegisterGridControls(const char*)
{
}

// The profile lives under "SoftWare\Kestrom<hash key>"; a profile of the
// older branch "SoftWare\Vornal" is carried over once. The settings of the
// settings sheet are read from it.
int CVornalApp::SetProfileBranch()
{
    if (!CInterpriter::mcc_dll_Global_init_HashKey(m_szHashKey))
        return 0;
    CString branch;
    branch.Format("Kestrom%s", m_szHashKey);
    HKEY old = nullptr;
    if (RegOpenKeyEx(HKEY_CURRENT_USER, "SoftWare\\Vornal", 0, KEY_ALL_ACCESS, &old) == ERROR_SUCCESS) {
        HKEY current = nullptr;
        if (RegOpenKeyEx(HKEY_CURRENT_USER, "SoftWare\\" + branch, 0, KEY_ALL_ACCESS, &current) == ERROR_SUCCESS) {
            RegCloseKey(current);
        } else {
            HKEY software = nullptr;
            RegOpenKeyEx(HKEY_CURRENT_USER, "SoftWare", 0, KEY_ALL_ACCESS, &software);
            const LONG copied = RegCopyKey(old, software, branch);
            if (copied == ERROR_SUCCESS)
                RegDeleteTree(software, "Vornal");
            RegCloseKey(software);
            if (copied != ERROR_SUCCESS) {
                RegCloseKey(old);
                return 0;
            }
        }
        RegCloseKey(old);
    }
    std::free(const_cast<char*>(m_pszRegistryKey));
    m_pszRegistryKey = nullptr;
    SetRegistryKey(branch);
    return 1;
}

// "-$$$": the database chooser starts other programs; this one then ends.
int CVornalApp::RunDatabaseChooser()
{
    SetMyClassName(kLoginClassName);
    if (!FirstInstance(nullptr, "Выбор рабочей базы данных"))
        return -1;
    CWelcomeDlg chooser(nullptr);
    chooser.m_strFolder = m_strFolder;
    RegisterGridControls(m_strFolder);
    if (chooser.DoModal() == IDOK)
        Sleep(1000);
    return 0;
}

int CVornalApp::OpenWithLoginDialog()
{
    if (!LoadConfigurationArchive() || !SetProfileBranch())
        return 0;
    // A login dialog claims nothing: the user may log in to another server or
    // database, or on another display; the one program per server, database,
    // workplace and user is claimed once the login has named them.
    SetMyClassName(kLoginClassName);
    if (!ConnectDatabase())
        return 0;
    CRegisterUser login(nullptr);
    ShowSplash(&login);
    SetSplashText("Регистрация пользователя");
    RegisterGridControls(m_strFolder);
    if (login.DoModal() != IDOK)
        return 0;
    m_strLogin = login.m_strLogin;
    return 1;
}

int CVornalApp::OpenWithLoginArguments()
{
    m_strLogin = m_lpCmdLine ? CString(m_lpCmdLine) : CString();
    m_strLogin.Trim();
    return LoadConfigurationArchive() && SetProfileBranch() && ConnectDatabase() ? 1 : 0;
}

// The user of the login string, the database of the configuration, and one
// program per server, database, workplace and user unless several are allowed.
BOOL CVornalApp::VerifyAndClaimInstance(BOOL)
{
    g_lTN = VerifyUser(m_strLogin);
    if (g_lTN == -1 || !CheckHashKey())
        return FALSE;
    CString name;
    name.Format("Vornal_%s_%s_%d_%d", GetServerName(NULL), GetDataBaseName(NULL), g_lARM, g_lTN);
    SetMyClassName(name);
    if (!g_bMultyProcess && !FirstInstance(GetMyClassName(), nullptr))
        return FALSE;
    g_lProjectType = atol(GetConstant("const_ProjectType", 0));
    return TRUE;
}

BOOL CVornalApp::CreateMainFrame()
{
    SetSplashText("Загрузка меню");
    m_pFrame = new CVR_MainFrame;
    if (!m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        return FALSE;
    m_pMainWnd = m_pFrame;
    m_pFrame->GetMDIClient().RestoreMainFrameState(SW_SHOWMAXIMIZED);
    m_pFrame->UpdateWindow();
    SetSplashText("Загрузка панели управления");
    LoadToolbarImages(1);
    ShowPeriodInStatusBar();
    ShowUserInStatusBar();
    if (const CArmRecord* arm = CurrentArm())
        g_bAllowSprAdd = arm->m_bAllowSprAdd;
    return TRUE;
}

BOOL CVornalApp::RunSchemaSteps()
{
    SetSplashText("system_spr_del");
    std::vector<CString> tables;
    for (const CSprRecord& book : GetDataArchive()->GetSprs())
        tables.push_back(book.m_strTable);
    RunSprDelStep(tables);
    SetSplashText("system_mono");
    return RunMonoStep();
}

BOOL CVornalApp::LoadModulesAndScripts()
{
    SetSplashText("Загрузка внешних модулей");
    if (!CInterpriter::mcc_dll_Global_init())
        return FALSE;
    m_bModulesLoaded = TRUE;
    CString result;
    if (!CHelpers::EXEC_GetFunctionValue("Load()", result, nullptr) || atol(result) == 0)
        return FALSE;
    const CString context = "Arm." + I_GetArmId();
    return CHelpers::EXEC_GetFunctionValue("Load()", result, context) && atol(result) != 0;
}

void CVornalApp::FinishMenuBar()
{
    CVR_Menu::MakeOwnerDrawn(m_pFrame->GetMenu(), 1);
    m_pFrame->DrawMenuBar();
    m_pFrame->SetForegroundWindow();
    m_pFrame->BringWindowToTop();
}

// The two period views, by their document names "Otp0View" and "OtpView".
void CVornalApp::RegisterPeriodTemplates()
{
    AddDocTemplate(new CMultiDocTemplate(IDD_OTP_KIND, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
                                         RUNTIME_CLASS(CSelectPieriodQwoterView)));
    AddDocTemplate(new CMultiDocTemplate(IDD_OTP_MONTH, RUNTIME_CLASS(CderivedDocument), RUNTIME_CLASS(CderivedFrame),
                                         RUNTIME_CLASS(CSelectPieriodMonthView)));
}
