// The one application object of the program vornal. Its start-up turns a
// command line into a running workplace: the login arguments, the
// application core and its interpreter, the configuration archive, the
// profile branch, the database, the login and the workplace, the checks of
// user and database, one instance per server, workplace and user, the main
// frame, the period views, the one-time schema steps, the modules and the
// configuration's "Load()". Its end undoes what start-up built.
#pragma once
#include "CVornalGlobalApp.h"
#include "afx.h"

#include <map>

class CVR_MainFrame;

class CVornalApp : public CVornalGlobalApp {
public:
    CVornalApp();

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnIdle(LONG lCount) override;

    int LoadConfigurationArchive();
    int SetProfileBranch();
    int ConnectDatabase();
    int CheckHashKey();
    void RegisterGridControls(const char* folder);

    // The status panes of the main frame.
    void ShowUserInStatusBar();
    void ShowPeriodInStatusBar();
    // Puts the workplace's toolbar lists on the frame's toolbars.
    void LoadToolbarImages(int);

    const CString& GetLoginString() const { return m_strLogin; }
    BOOL ModulesLoaded() const { return m_bModulesLoaded; }
    CVR_MainFrame* GetMainFrame() const { return m_pFrame; }

    afx_msg void OnAppAbout();
    afx_msg void OnCloseAllWindows();
    afx_msg void OnCalculator();
    afx_msg void OnPeriodByMonth();
    afx_msg void OnPeriodByKind();
    afx_msg void OnSettings();
    afx_msg void OnPrintDirect();
    afx_msg void OnUpdatePrintDirect(CCmdUI* pCmdUI);

protected:
    // The roads of start-up: 1 going on, 0 failed, -1 ended quietly.
    int RunDatabaseChooser();
    int OpenWithLoginDialog();
    int OpenWithLoginArguments();
    BOOL VerifyAndClaimInstance(BOOL loginGiven);
    BOOL CreateMainFrame();
    void RegisterPeriodTemplates();
    BOOL RunSchemaSteps();
    BOOL LoadModulesAndScripts();
    void FinishMenuBar();
    BOOL FailStartup();
    void DeleteToolbarBitmaps();

    CString m_strLogin;
    CString m_strFolder;
    BOOL m_bModulesLoaded = FALSE;
    CVR_MainFrame* m_pFrame = nullptr;
    // Copies of the toolbar buttons' pictures, by toolbar and position.
    std::map<int, HBITMAP> m_toolbarBitmaps;

    DECLARE_MESSAGE_MAP()
};
