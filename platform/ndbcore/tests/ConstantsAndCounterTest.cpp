// Database constants and the document counter, the latter under two real
// connections at once.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "DocCounterLock.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <thread>
#include <vector>

namespace {

class ConstantsAndCounterTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vornal::testing::UseFreshDatabase()); }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(ConstantsAndCounterTest, ConstantsReadBackAsWritten)
{
    EXPECT_EQ(GetConstant("never_set", 0), CString(""));
    EXPECT_EQ(GetConstant("ORG_NAME", 1), GetConstant("ORG_NAME", 0));
    EXPECT_TRUE(SetConstant("system_actual_date", "01.03.2024", NULL));
    EXPECT_TRUE(SetConstant("system_actual_date", "02.03.2024", NULL));
    EXPECT_EQ(GetConstant("system_actual_date", 0), CString("02.03.2024"));
    const CString hostile = "ООО «Ромашка» 'и' \\ сыновья";
    EXPECT_TRUE(SetConstant("ORG_NAME", hostile, 0));
    EXPECT_EQ(GetConstant("ORG_NAME", 1), hostile);
    EXPECT_TRUE(SetConstant("paymar_pereschet", nullptr));
    EXPECT_EQ(GetConstant("paymar_pereschet"), CString(""));
    const CString members = GetConstant("venzol_chlens");
    {
        CDbTransaction save;
        EXPECT_TRUE(SetConstant("venzol_chlens", "x"));
    }
    EXPECT_EQ(GetConstant("venzol_chlens"), members) << "inside an unfinished scope it rolled back";
    EXPECT_TRUE(reports.reports().empty());
}

// A second user holds the counter row inside an unfinished save: our number
// waits for it and follows its number.
TEST_F(ConstantsAndCounterTest, CounterWaitsForAnotherUsersSave)
{
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    const long before = GetNextDocId();
    ASSERT_GT(before, 0);
    other->BeginTrans();
    other->Execute("update system_doc_counter set last_id=last_id+1 where id=1", nullptr, adExecuteNoRecords);
    long ours = 0;
    std::thread user([&] {
        CDbThreadSession own;
        ours = GetNextDocId();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    other->CommitTrans();
    user.join();
    EXPECT_EQ(ours, before + 2);
}

TEST_F(ConstantsAndCounterTest, TwoConnectionsSavingAtOnceNeverShareANumber)
{
    const int perUser = 150;
    std::vector<long> mine, theirs;
    std::thread worker([&] {
        CDbThreadSession own;  // a connection of this thread's own
        ASSERT_TRUE(own.IsOpen());
        for (int i = 0; i < perUser; ++i)
            theirs.push_back(GetNextDocId());
    });
    for (int i = 0; i < perUser; ++i)
        mine.push_back(GetNextDocId());
    worker.join();
    std::set<long> all(mine.begin(), mine.end());
    all.insert(theirs.begin(), theirs.end());
    EXPECT_EQ(all.size(), static_cast<size_t>(2 * perUser));
    EXPECT_EQ(all.count(0), 0u);
    EXPECT_EQ(*all.rbegin() - *all.begin() + 1, 2 * perUser) << "no number lost either";
    EXPECT_TRUE(std::is_sorted(mine.begin(), mine.end()));
}

// A new document's save reads its id and asks its question (is its proposed
// number taken?) under the counter's row in one call, and takes the id with
// the statements it writes next.
TEST_F(ConstantsAndCounterTest, TheIdAndTheAnswerAreReadUnderTheCountersRowAndTheIdTakenByItsStatement)
{
    ASSERT_TRUE(ExecuteSql("create table if not exists x_numbers (number varchar(10) primary key) engine=InnoDB\n"
                           "delete from x_numbers"));
    const CString question = "select count(*) as cnt from x_numbers where number='7'";
    const long before = GetNextDocId();
    ASSERT_GT(before, 0);
    long long answer = -1;
    {
        CDbTransaction save;
        EXPECT_EQ(LockNextDocId(question, answer), before + 1);
        EXPECT_EQ(answer, 0);
        EXPECT_EQ(LockNextDocId(CString(), answer), before + 1) << "read, not taken";
        save.Commit();
    }

    // Another save holds the row and takes the number: ours waits for its
    // commit, then reads the next id and sees the number taken.
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->BeginTrans();
    other->Execute("update system_doc_counter set last_id=last_id+1 where id=1", nullptr, adExecuteNoRecords);
    other->Execute("insert into x_numbers (number) values ('7')", nullptr, adExecuteNoRecords);
    long ours = 0;
    answer = -1;
    std::thread user([&] {
        CDbThreadSession own;
        CDbTransaction save;
        ours = LockNextDocId(question, answer);
        EXPECT_TRUE(ExecuteSql(DocCounterTakes(ours)));
        save.Commit();
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    other->CommitTrans();
    user.join();
    EXPECT_EQ(ours, before + 2);
    EXPECT_EQ(answer, 1) << "the number the other save took";
    EXPECT_EQ(GetNextDocId(), before + 3) << "the id was taken";

    // The first document of a database: the counter gets its row.
    ASSERT_TRUE(ExecuteSql("delete from system_doc_counter"));
    {
        CDbTransaction save;
        EXPECT_EQ(LockNextDocId(question, answer), 1);
        EXPECT_EQ(answer, 1);
        EXPECT_TRUE(ExecuteSql(DocCounterTakes(1)));
        save.Commit();
    }
    EXPECT_EQ(GetNextDocId(), 2);
    EXPECT_TRUE(reports.reports().empty());
}

}  // namespace

namespace {

// Two users start the payroll run at the same moment: exactly one takes the mark.
TEST_F(ConstantsAndCounterTest, CompareAndSetGivesTheMarkToOneUser)
{
    ASSERT_TRUE(SetConstant("paymar_pereschet", "null"));
    for (int round = 0; round < 20; ++round) {
        int mine = 0, theirs = 0;
        std::thread other([&] {
            CDbThreadSession own;
            theirs = SetConstantIf("paymar_pereschet", "null", "true");
        });
        mine = SetConstantIf("paymar_pereschet", "null", "true");
        other.join();
        ASSERT_EQ(mine + theirs, 1) << "round " << round;
        ASSERT_TRUE(SetConstant("paymar_pereschet", "null"));
    }
    EXPECT_TRUE(SetConstantIf("never_marked", "", "1")) << "an unset constant matches the empty text";
    EXPECT_FALSE(SetConstantIf("never_marked", "", "2"));
    EXPECT_EQ(GetConstant("never_marked"), CString("1"));
    EXPECT_TRUE(reports.reports().empty());
}

}  // namespace
