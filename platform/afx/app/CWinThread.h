// CWinThread: a thread of the program. The application object is the
// user-interface thread (its Run is the Qt event loop); AfxBeginThread starts
// a worker that runs one function on a thread of its own and speaks to the
// windows only by PostMessage (PostMessage is safe from any thread).
#pragma once
#include "wnd/CCmdTarget.h"
#include "wnd/AfxWinTypes.h"

class CWnd;

typedef UINT (*AFX_THREADPROC)(LPVOID);
typedef void* LPSECURITY_ATTRIBUTES;

#define CREATE_SUSPENDED 0x00000004
#define THREAD_PRIORITY_LOWEST (-2)
#define THREAD_PRIORITY_BELOW_NORMAL (-1)
#define THREAD_PRIORITY_NORMAL 0
#define THREAD_PRIORITY_ABOVE_NORMAL 1
#define THREAD_PRIORITY_HIGHEST 2
#define THREAD_PRIORITY_IDLE (-15)
#define THREAD_PRIORITY_TIME_CRITICAL 15

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    CWnd* m_pActiveWnd = nullptr;
    // A worker deletes its object when its function returns.
    BOOL m_bAutoDelete = TRUE;
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop: returns what ExitInstance returns.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Idle work after the message queue has emptied; TRUE asks for more.
    virtual BOOL OnIdle(LONG lCount);
    virtual CWnd* GetMainWnd();

    // Starts the worker (a CREATE_SUSPENDED thread waits for ResumeThread).
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
    DWORD ResumeThread();
    BOOL SetThreadPriority(int nPriority);
    int GetThreadPriority() const { return m_nPriority; }

    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;

private:
    struct Worker;
    Worker* m_pWorker = nullptr;
    int m_nPriority = THREAD_PRIORITY_NORMAL;
    void RunWorker();
};

// Starts a worker thread running pfnThreadProc(pParam).
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// The thread object of the calling thread (the application on the
// user-interface thread).
CWinThread* AfxGetThread();
