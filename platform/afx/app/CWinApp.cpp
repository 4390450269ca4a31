#include "app/CWinApp.h"
#include "app/AfxWorkers.h"
#include "app/AfxCommandLine.h"
#include "doc/CDocTemplate.h"
#include "doc/CDocument.h"
#include "doc/CView.h"
#include "frm/CFrameWnd.h"
#include "frm/AfxFrameDefs.h"
#include "res/AfxResources.h"
#include "wnd/CCmdUI.h"
#include "wnd/CWnd.h"
#include "wnd/MessagePump.h"
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QThread>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FIRST, ID_FILE_MRU_LAST, OnOpenRecentFile)
END_MESSAGE_MAP()

namespace {

CWinApp* g_app = nullptr;

// The names are malloc'ed, as MFC's are: a program may free one and put
// its own in its place.
void replaceName(LPCTSTR& member, const char* value)
{
    std::free(const_cast<char*>(member));
    member = value ? strdup(value) : nullptr;
}

} // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName)
        replaceName(m_pszAppName, lpszAppName);
    g_app = this;
    if (qApp)
        InitApplicationState();
}

CWinApp::~CWinApp()
{
    DeleteTemplates();
    if (g_app == this) {
        g_app = nullptr;
        if (qApp)
            AfxSetPreTranslateHook(nullptr);
    }
    for (LPCTSTR* name : { &m_pszAppName, &m_pszRegistryKey, &m_pszProfileName, &m_pszExeName, &m_pszHelpFilePath })
        replaceName(*name, nullptr);
    std::free(m_lpCmdLine);
}

void CWinApp::InitApplicationState()
{
    if (!m_pszExeName) {
        QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
        replaceName(m_pszExeName, exe.toUtf8().constData());
    }
    if (!m_pszAppName) {
        // The application's title string, else the program's name.
        CString title;
        if (AfxLoadString(AFX_IDS_APP_TITLE, title, nullptr) && !title.IsEmpty())
            replaceName(m_pszAppName, title);
        else
            replaceName(m_pszAppName, m_pszExeName);
    }
    if (!m_pszProfileName)
        replaceName(m_pszProfileName, m_pszAppName);
    if (!m_hInstance)
        m_hInstance = AfxGetInstanceHandle();
    std::free(m_lpCmdLine);
    m_lpCmdLine = strdup(AfxCommandLineArguments());
    if (QApplication::instance() && QThread::currentThread() == qApp->thread()) {
        AfxInstallMessagePump();
        AfxSetPreTranslateHook([](MSG* pMsg) -> BOOL {
            CWinApp* app = AfxGetApp();
            return app ? app->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(nullptr, pMsg);
        });
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    AfxWaitForWorkers();
    if (m_nMaxMRU > 0)
        WriteRecentFiles();
    return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) { return CWinThread::PreTranslateMessage(pMsg); }

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    replaceName(m_pszRegistryKey, lpszRegistryKey);
    replaceName(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    AfxLoadString(nIDRegistryKey, key, nullptr);
    SetRegistryKey(key);
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return CProfileStore(m_pszRegistryKey, m_pszProfileName).GetInt(lpszSection, lpszEntry, nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return CProfileStore(m_pszRegistryKey, m_pszProfileName).WriteInt(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return CProfileStore(m_pszRegistryKey, m_pszProfileName).GetString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return CProfileStore(m_pszRegistryKey, m_pszProfileName).WriteString(lpszSection, lpszEntry, lpszValue);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_nMaxMRU = qMin(nMaxMRU, (UINT)(ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1));
    m_recentFiles.RemoveAll();
    for (UINT i = 1; i <= m_nMaxMRU; ++i) {
        CString entry;
        entry.Format("File%u", i);
        CString path = GetProfileString("Recent File List", entry);
        if (!path.IsEmpty())
            m_recentFiles.AddTail(path);
    }
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_nMaxMRU == 0 || !lpszPathName || !*lpszPathName)
        return;
    CString path(lpszPathName);
    if (POSITION pos = m_recentFiles.Find(path))
        m_recentFiles.RemoveAt(pos);
    m_recentFiles.AddHead(path);
    while ((UINT)m_recentFiles.GetCount() > m_nMaxMRU)
        m_recentFiles.RemoveTail();
}

void CWinApp::WriteRecentFiles()
{
    WriteProfileString("Recent File List", nullptr, nullptr);
    UINT i = 1;
    for (POSITION pos = m_recentFiles.GetHeadPosition(); pos; ++i) {
        CString entry;
        entry.Format("File%u", i);
        WriteProfileString("Recent File List", entry, m_recentFiles.GetNext(pos));
    }
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) { pCmdUI->Enable(!m_recentFiles.IsEmpty()); }

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    POSITION pos = m_recentFiles.FindIndex((INT_PTR)(nID - ID_FILE_MRU_FIRST));
    if (!pos)
        return FALSE;
    CString path = m_recentFiles.GetAt(pos);
    if (!OpenDocumentFile(path))
        m_recentFiles.RemoveAt(m_recentFiles.Find(path));
    return TRUE;
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate && !m_templateList.Find(pTemplate))
        m_templateList.AddTail(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    return static_cast<CDocTemplate*>(m_templateList.GetNext(pos));
}

int CWinApp::GetOpenDocumentCount()
{
    int count = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* t = GetNextDocTemplate(pos);
        for (POSITION d = t->GetFirstDocPosition(); d; t->GetNextDoc(d))
            ++count;
    }
    return count;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    // The template that takes the file best; an open document of that file
    // is activated instead of opened again.
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument* open = nullptr;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        CDocTemplate* t = GetNextDocTemplate(pos);
        CDocument* match = nullptr;
        CDocTemplate::Confidence c = t->MatchDocType(lpszFileName, match);
        if (c > bestMatch) {
            bestMatch = c;
            best = t;
            open = match;
        }
    }
    if (bestMatch == CDocTemplate::yesAlreadyOpen && open) {
        POSITION v = open->GetFirstViewPosition();
        CView* view = v ? open->GetNextView(v) : nullptr;
        if (CFrameWnd* frame = view ? view->GetParentFrame() : nullptr)
            frame->ActivateFrame();
        return open;
    }
    return best ? best->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::DeleteTemplates()
{
    while (!m_templateList.IsEmpty())
        delete static_cast<CDocTemplate*>(m_templateList.RemoveHead());
}

void CWinApp::DoWaitCursor(int nCode)
{
    if (!qApp)
        return;
    if (nCode > 0) {
        ++m_nWaitCursorCount;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (nCode < 0) {
        if (m_nWaitCursorCount > 0 && QApplication::overrideCursor()) {
            --m_nWaitCursorCount;
            QApplication::restoreOverrideCursor();
        }
    } else if (m_nWaitCursorCount > 0 && !QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void CWinApp::HideApplication()
{
    if (m_pMainWnd)
        m_pMainWnd->ShowWindow(SW_HIDE);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnFileNew()
{
    POSITION pos = GetFirstDocTemplatePosition();
    if (CDocTemplate* t = pos ? GetNextDocTemplate(pos) : nullptr)
        t->OpenDocumentFile(nullptr);
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd()
{
    // A worker without a main window of its own speaks to the application's.
    CWinThread* thread = AfxGetThread();
    CWnd* main = thread ? thread->GetMainWnd() : nullptr;
    return main || !g_app ? main : g_app->GetMainWnd();
}

LPCTSTR AfxGetAppName() { return g_app ? g_app->m_pszAppName : nullptr; }

void PostQuitMessage(int nExitCode)
{
    if (qApp)
        QCoreApplication::exit(nExitCode);
}

void AfxPostQuitMessage(int nExitCode) { PostQuitMessage(nExitCode); }
