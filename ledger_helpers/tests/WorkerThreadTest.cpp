// A worker thread beside the user-interface thread, as the payroll run works:
// each with its own connection and its own interpreter, both making bridge
// calls, script calls and queries at the same time and both reading one
// shared text, with every answer as it would be alone.
#include "LedgerDatabase.h"
#include "ledmark.h"

#include <appcore.h>
#include <ndbcore.h>

#include <atomic>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace {

using ledmark_test::LedgerDatabase;

struct Answers {
    CString name;        // a bridge call: the chart's name of an account
    CString valid;       // a script call through the core
    long long accounts = 0;  // a query
    bool operator==(const Answers&) const = default;
};

Answers Ask()
{
    Answers a;
    a.name = GetSchName("120134510");
    CHelpers::EXEC_GetFunctionValue("GL_Verify_Date0(\"15.03.2024\")", a.valid, nullptr);
    a.accounts = ExecuteCount("select count(*) as cnt from spr_plan_sch");
    return a;
}

// Long texts made before the threads start, whose UTF-8 forms both threads
// ask for first: long enough that a form one thread is reading is a block of
// memory of its own, gone at once if the other thread replaced it.
std::vector<CString> FreshTexts(int count)
{
    std::vector<CString> texts;
    for (int i = 0; i < count; ++i)
        texts.emplace_back(QStringLiteral("Счёт %1 — ").arg(i).repeated(30000));
    return texts;
}

// Both threads ask for each text's UTF-8 form at the same moment (`met`
// counts the arrivals of both at each text).
int WrongTexts(const std::vector<CString>& texts, const std::vector<std::string>& expected, std::atomic<int>& met)
{
    int wrong = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
        const int arrived = ++met;
        while (met < 2 * int(i + 1) && arrived <= 2 * int(i + 1))
            ;
        wrong += expected[i] != texts[i].GetString();
    }
    return wrong;
}

class WorkerThread : public LedgerDatabase {
protected:
    void SetUp() override
    {
        LedgerDatabase::SetUp();
        appcore::GetScriptHooks().evaluating = nullptr;  // the recorder is not made for two threads
    }
};

TEST_F(WorkerThread, RunsBridgesScriptsAndQueriesBesideTheUserInterfaceThread)
{
    const Answers alone = Ask();
    ASSERT_FALSE(alone.name.IsEmpty());
    ASSERT_EQ(alone.valid, CString("1"));
    ASSERT_GT(alone.accounts, 0);

    const int rounds = 150;
    std::vector<CString> shared = FreshTexts(30);
    std::vector<std::string> expected;
    for (const CString& text : shared)
        expected.push_back(text.ToQString().toUtf8().toStdString());
    std::atomic<bool> go{false};
    std::atomic<int> met{0};
    int workerWrong = 0, workerTexts = 0;
    bool workerReady = false;
    std::thread worker([&] {
        CDbThreadSession session;
        CThreadInterpriter scripts;
        workerReady = session.IsOpen() && scripts.IsReady();
        while (!go)
            std::this_thread::yield();
        workerTexts = WrongTexts(shared, expected, met);
        for (int i = 0; i < rounds; ++i)
            workerWrong += !(Ask() == alone);
    });
    go = true;
    const int mainTexts = WrongTexts(shared, expected, met);
    int mainWrong = 0;
    for (int i = 0; i < rounds; ++i)
        mainWrong += !(Ask() == alone);
    worker.join();
    EXPECT_TRUE(workerReady);
    EXPECT_EQ(mainWrong, 0);
    EXPECT_EQ(workerWrong, 0);
    EXPECT_EQ(mainTexts + workerTexts, 0);
    EXPECT_TRUE(dbReports.reports().empty());
}

// A worker's interpreter that starts while the program replaces its
// configuration (a program started again in the same process, its last run's
// worker still starting) loads a whole configuration, the old or the new,
// never one half replaced.
TEST_F(WorkerThread, AWorkersInterpreterStartingWhileTheConfigurationIsReplacedLoadsAWholeOne)
{
    const CConfigContents contents = GetDataArchive()->GetContents();
    std::atomic<bool> done{false};
    int notReady = 0, wrong = 0;
    std::thread worker([&] {
        CDbThreadSession session;
        for (int i = 0; i < 40; ++i) {
            CThreadInterpriter scripts;
            notReady += !scripts.IsReady();
            CString valid;
            CHelpers::EXEC_GetFunctionValue("GL_Verify_Date0(\"15.03.2024\")", valid, nullptr);
            wrong += valid != CString("1");
        }
        done = true;
    });
    while (!done)
        GetDataArchive()->SetContents(contents);
    worker.join();
    EXPECT_EQ(notReady, 0);
    EXPECT_EQ(wrong, 0);
}

// A worker that took no interpreter of its own never reaches the
// user-interface thread's one: its script call is refused and reported.
TEST_F(WorkerThread, AScriptCallOnAWorkerWithoutItsOwnInterpreterIsRefused)
{
    int done = -1;
    CString answer = "?";
    std::thread worker([&] { done = CHelpers::EXEC_GetFunctionValue("GL_Verify_Date0(\"15.03.2024\")", answer, nullptr); });
    worker.join();
    EXPECT_EQ(done, 0);
    EXPECT_EQ(answer, CString());
    ASSERT_EQ(scripts.errors.size(), 1u);
    EXPECT_NE(scripts.errors[0].find("нет своего интерпретатора"), std::string::npos) << scripts.errors[0];
    scripts.Clear();
}

} // namespace
