#include "app/CWinThread.h"
#include "app/AfxWorkers.h"
#include "app/CWinApp.h"
#include "frm/CFrameWnd.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

thread_local CWinThread* t_thread = nullptr;
std::atomic<DWORD> g_nextThreadId { 1 };

// The workers that were let run and have not yet returned: the program waits
// for them before it unloads what they may still use (its configuration,
// its scripts, its database settings).
struct RunningWorkers {
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;
};

RunningWorkers& Running()
{
    static RunningWorkers workers;
    return workers;
}

} // namespace

struct CWinThread::Worker {
    std::mutex mutex;
    std::condition_variable resumed;
    bool running = false;
};

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread() { delete m_pWorker; }

BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::ExitInstance() { return 0; }

CWnd* CWinThread::GetMainWnd() { return m_pActiveWnd ? m_pActiveWnd : m_pMainWnd; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* main = GetMainWnd();
    return CWnd::WalkPreTranslateTree(main ? main->m_hWnd : nullptr, pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    // The first round brings the main frame's bars up to date, as the
    // update handlers say; nothing is left for later rounds.
    if (lCount == 0) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(GetMainWnd()))
            AfxGuardedCall(frame, [&] { frame->OnIdleUpdateCmdUI(); });
    }
    return FALSE;
}

int CWinThread::Run()
{
    if (!qApp || QThread::currentThread() != qApp->thread())
        return ExitInstance();
    // Idle work runs each time the event loop is about to wait.
    bool inIdle = false;
    QMetaObject::Connection idle;
    if (QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance()) {
        idle = QObject::connect(d, &QAbstractEventDispatcher::aboutToBlock, [this, &inIdle] {
            if (inIdle)
                return;
            inIdle = true;
            for (LONG n = 0; n < 16 && OnIdle(n); ++n) {
            }
            inIdle = false;
        });
    }
    QApplication::exec();
    QObject::disconnect(idle);
    return ExitInstance();
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT, LPSECURITY_ATTRIBUTES)
{
    if (m_pWorker)
        return FALSE;
    m_pWorker = new Worker;
    m_pWorker->running = !(dwCreateFlags & CREATE_SUSPENDED);
    if (m_pWorker->running) {
        std::lock_guard counted(Running().mutex);
        ++Running().count;
    }
    m_nThreadID = g_nextThreadId++;
    m_hThread = reinterpret_cast<HANDLE>((UINT_PTR)m_nThreadID);
    std::thread([this] { RunWorker(); }).detach();
    return TRUE;
}

DWORD CWinThread::ResumeThread()
{
    if (!m_pWorker)
        return (DWORD)-1;
    std::lock_guard lock(m_pWorker->mutex);
    DWORD previous = m_pWorker->running ? 0 : 1;
    if (!m_pWorker->running) {
        std::lock_guard counted(Running().mutex);
        ++Running().count;
    }
    m_pWorker->running = true;
    m_pWorker->resumed.notify_all();
    return previous;
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    // The system schedules the worker; the priority is only remembered.
    m_nPriority = nPriority;
    return TRUE;
}

void CWinThread::RunWorker()
{
    {
        std::unique_lock lock(m_pWorker->mutex);
        m_pWorker->resumed.wait(lock, [this] { return m_pWorker->running; });
    }
    t_thread = this;
    try {
        if (m_pfnThreadProc)
            m_pfnThreadProc(m_pThreadParams);
        else if (InitInstance())
            ExitInstance();
        else
            ExitInstance();
    } catch (...) {
        // Shown on the user-interface thread, as every message box is.
        AfxReportException(std::current_exception(), nullptr);
    }
    t_thread = nullptr;
    if (m_bAutoDelete)
        delete this;
    std::lock_guard counted(Running().mutex);
    --Running().count;
    Running().ended.notify_all();
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (!pfnThreadProc)
        return nullptr;
    auto* thread = new CWinThread(pfnThreadProc, pParam);
    thread->SetThreadPriority(nPriority);
    if (!thread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
        delete thread;
        return nullptr;
    }
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}

CWinThread* AfxGetThread() { return t_thread ? t_thread : AfxGetApp(); }

void AfxWaitForWorkers()
{
    // A worker cannot wait for itself.
    if (t_thread)
        return;
    RunningWorkers& workers = Running();
    std::unique_lock lock(workers.mutex);
    const bool interfaceThread = qApp && QThread::currentThread() == qApp->thread();
    while (workers.count > 0) {
        if (!interfaceThread) {
            workers.ended.wait(lock);
            continue;
        }
        // A worker may be waiting for this thread (a message box it shows,
        // a window it asks): this thread goes on serving it while it waits.
        lock.unlock();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        lock.lock();
        workers.ended.wait_for(lock, std::chrono::milliseconds(20), [&] { return workers.count == 0; });
    }
}
