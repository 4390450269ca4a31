// A worker thread started with AfxBeginThread posting to a window: the
// messages run on the interface thread, in order, and the worker's last
// message ends a modal wait as the payroll run does. A program ends only
// after its workers, and serves a worker's message box while it waits.
#include "FrameTestKit.h"
#include "app/AfxWorkers.h"
#include "InteractionScript.h"
#include <QApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace frametest;

namespace {

constexpr UINT WM_PROGRESS = WM_APP + 1;

class ProgressWnd : public CWnd {
public:
    QList<int> steps;
    bool onInterfaceThread = true;
    bool done = false;
    afx_msg LRESULT OnProgress(WPARAM wParam, LPARAM)
    {
        onInterfaceThread = onInterfaceThread && QThread::currentThread() == qApp->thread();
        steps << (int)wParam;
        return 0;
    }
    afx_msg void OnDone() { done = true; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProgressWnd, CWnd)
    ON_MESSAGE(WM_PROGRESS, OnProgress)
    ON_COMMAND(IDOK, OnDone)
END_MESSAGE_MAP()

struct Job {
    HWND target;
    std::atomic<bool> finished { false };
    CWnd* mainSeenByWorker = nullptr;
};

UINT run(LPVOID param)
{
    auto* job = static_cast<Job*>(param);
    job->mainSeenByWorker = AfxGetMainWnd();
    for (int i = 1; i <= 20; ++i)
        PostMessage(job->target, WM_PROGRESS, (WPARAM)i, 0);
    PostMessage(job->target, WM_COMMAND, IDOK, 0);
    job->finished = true;
    return 0;
}

} // namespace

TEST(ThreadTest, AWorkersPostedMessagesRunOnTheInterfaceThread)
{
    TestApp app;
    ProgressWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "Расчет", WS_POPUP, CRect(0, 0, 100, 50), nullptr, 0));
    app.m_pMainWnd = &wnd;
    Job job { wnd.m_hWnd };
    CWinThread* thread = AfxBeginThread(run, &job, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(thread->GetThreadPriority(), THREAD_PRIORITY_NORMAL);
    QTest::qWait(20);
    EXPECT_FALSE(job.finished) << "suspended until resumed";
    thread->ResumeThread();
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd.done; }, 5000));
    QList<int> expected;
    for (int i = 1; i <= 20; ++i)
        expected << i;
    EXPECT_EQ(wnd.steps, expected);
    EXPECT_TRUE(wnd.onInterfaceThread);
    EXPECT_EQ(job.mainSeenByWorker, &wnd) << "a worker sees the application's main window";
    app.m_pMainWnd = nullptr;
    wnd.DestroyWindow();
}

namespace {

struct LateJob {
    bool asks = false;
    std::atomic<bool> started { false };
    std::atomic<bool> finished { false };
    int answer = 0;
};

UINT late(LPVOID param)
{
    auto* job = static_cast<LateJob*>(param);
    job->started = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    if (job->asks)
        job->answer = AfxMessageBox("Расчет прерван", MB_OKCANCEL);
    job->finished = true;
    return 0;
}

} // namespace

// The program's end waits for a worker still running (it would otherwise go
// on using what the program unloads), and a worker that shows a message while
// the program waits gets its answer instead of waiting for ever.
TEST(ThreadTest, AProgramEndsAfterItsWorkers)
{
    for (const bool asks : {false, true}) {
        TestApp app;
        afxtest::InteractionScript script;
        if (asks)
            script.message("Расчет прерван", IDOK);
        LateJob job;
        job.asks = asks;
        ASSERT_NE(AfxBeginThread(late, &job), nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return job.started.load(); }, 5000));
        app.ExitInstance();
        EXPECT_TRUE(job.finished) << "asks " << asks;
        if (asks)
            EXPECT_EQ(job.answer, IDOK);
        script.verify();
    }
}

// A suspended worker that is never let run does not hold the program's end.
TEST(ThreadTest, ASuspendedWorkerDoesNotHoldTheEnd)
{
    TestApp app;
    LateJob job;
    CWinThread* thread = AfxBeginThread(late, &job, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    app.ExitInstance();
    EXPECT_FALSE(job.started);
    thread->ResumeThread();
    AfxWaitForWorkers();
    EXPECT_TRUE(job.finished);
}
