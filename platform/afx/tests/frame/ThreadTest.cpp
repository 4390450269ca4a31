// A worker thread started with AfxBeginThread posting to a window: the
// messages run on the interface thread, in order, and the worker's last
// message ends a modal wait as the payroll run does.
#include "FrameTestKit.h"
#include <QApplication>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

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
