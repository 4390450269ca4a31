// CWinApp: the one application object of a program. It owns the document
// templates that the program and its modules add, keeps the application's
// names (m_pszAppName, m_pszRegistryKey, m_pszProfileName: malloc'ed texts that
// a program may free and replace, as MFC allows), reads and writes the
// profile, and runs the program: AfxWinMain (app/AfxWinMain.h) calls
// InitInstance, Run (the Qt event loop) and ExitInstance.
//
// Commands the frames do not handle reach the application last (command
// routing: view, document, frame, application). Its own map handles
// ID_APP_EXIT and the recent-file entries.
#pragma once
#include "app/CWinThread.h"
#include "core/AfxLists.h"
#include "core/CString.h"

class CDocTemplate;
class CDocument;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    HINSTANCE m_hInstance = nullptr;
    // The arguments of the command line, without the program (Windows form).
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = -1;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnIdle(LONG lCount) override;

    // The application's names and the profile (core/CProfileStore.h).
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // Document templates: the application owns every template added.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
    int GetOpenDocumentCount();
    virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    void CloseAllDocuments(BOOL bEndSession);
    BOOL SaveAllModified();

    // The wait cursor: 1 begins, -1 ends, 0 restores it.
    virtual void DoWaitCursor(int nCode);
    void HideApplication();

    afx_msg void OnAppExit();
    afx_msg void OnFileNew();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

    // The recent-file list that LoadStdProfileSettings read (newest first).
    const CStringList& GetRecentFiles() const { return m_recentFiles; }

    // Called by AfxWinMain once QApplication exists: names, command line and
    // the PreTranslateMessage hook.
    void InitApplicationState();
    // Deletes the templates (with any document still open).
    void DeleteTemplates();

protected:
    CPtrList m_templateList;

private:
    CStringList m_recentFiles;
    UINT m_nMaxMRU = 0;
    int m_nWaitCursorCount = 0;
    void WriteRecentFiles();

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
// The whole command line in Windows form: the program's path in double
// quotes, then the arguments joined by blanks.
LPTSTR GetCommandLine();
#define GetCommandLineA GetCommandLine
void PostQuitMessage(int nExitCode);
void AfxPostQuitMessage(int nExitCode);
