// ExecuteSql batches and the scalar reads against the real server.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "ndbcore.h"
#include "DbLossWatch.h"

#include <QStringList>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <thread>

namespace {

class ExecuteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql("create table if not exists x_rows (id int primary key, t varchar(100), "
                               "s decimal(15,2), d date, dt datetime)"));
        ASSERT_TRUE(ExecuteSql("delete from x_rows"));
    }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(ExecuteTest, FailingThirdStatementLeavesNothingOfTheFirstTwo)
{
    const int result = ExecuteSql("insert into x_rows (id) values (1)\n"
                                  "insert into x_rows (id) values (2);\n"
                                  "insert into x_rows (id) values (1)\n",
                                  NULL, 1, 1, -1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from x_rows", NULL, 0), 0);
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint);
    EXPECT_NE(reports.reports()[0].details.Find("Duplicate"), -1) << (LPCTSTR)reports.reports()[0].details;

    EXPECT_NE(ExecuteSql("insert into x_rows (id, t) values (1, 'a;b') -- first\r\ninsert into x_rows (id) values (2)",
                         1, 1, -1), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 2);
    EXPECT_EQ(ExecuteString("select t from x_rows where id=1"), CString("a;b"));
}

// A procedure's statements commit one by one in autocommit: its call gets
// the batch's transaction, so a statement that fails inside it takes back
// those before it, and a call that succeeds keeps them all.
TEST_F(ExecuteTest, AProcedureCallIsOneTransaction)
{
    _ConnectionPtr administrator = vornal::testing::OpenRawConnection();
    administrator->Execute("drop procedure if exists x_two_rows", nullptr, adExecuteNoRecords);
    administrator->Execute("create procedure x_two_rows(in first int, in second int) begin "
                           "insert into x_rows (id) values (first); insert into x_rows (id) values (second); end",
                           nullptr, adExecuteNoRecords);
    EXPECT_EQ(ExecuteSql("call x_two_rows(1, 1)"), 0) << "the second row repeats the key";
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0) << "the first row is taken back";
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint) << (LPCTSTR)reports.reports()[0].details;
    EXPECT_NE(ExecuteSql("  CALL x_two_rows(1, 2)"), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 2);
    EXPECT_FALSE(InTransaction()) << "the call's transaction ended";
}

// Long batches go to the server in parts; a failure in a late part still
// takes back the parts already run.
TEST_F(ExecuteTest, LongBatchRollsBackAcrossItsParts)
{
    CString batch;
    for (int id = 1; id <= 250; ++id)
        batch.AppendFormat("insert into x_rows (id, t) values (%d, 'строка %d')\n", id, id);
    EXPECT_NE(ExecuteSql(batch), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 250);
    ASSERT_TRUE(ExecuteSql("delete from x_rows"));
    batch += "insert into x_rows (id) values (17)\n";
    EXPECT_EQ(ExecuteSql(batch), 0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0);
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint) << (LPCTSTR)reports.reports()[0].details;
}

TEST_F(ExecuteTest, EachRowOfAQueryInOrderAndAFailureReported)
{
    ASSERT_TRUE(ExecuteSql("insert into x_rows (id, t) values (2, 'два'), (1, 'один'), (3, null)"));
    QStringList seen;
    EXPECT_EQ(ForEachRow("select id, t from x_rows order by id",
                         [&](_RecordsetPtr& rs) {
                             seen << QString::number(long(rs->GetCollect("id")))
                                         + (rs->GetCollect("t").vt == VT_NULL ? QString("-") : QString("+"));
                         }),
              3);
    EXPECT_EQ(seen, QStringList({"1+", "2+", "3-"}));
    EXPECT_EQ(ForEachRow("select id from x_rows where id > 9", [](_RecordsetPtr&) {}), 0);
    EXPECT_TRUE(reports.reports().empty());
    EXPECT_EQ(ForEachRow("select nothing from x_rows", [](_RecordsetPtr&) {}), -1);
    EXPECT_EQ(ForEachRow("select id from x_rows", [](_RecordsetPtr& rs) { rs->GetCollect("nothing"); }), -1);
    EXPECT_EQ(reports.reports().size(), 2u);
    reports.clear(2);
}

TEST_F(ExecuteTest, CyrillicRoundTripsThroughTheLayer)
{
    const CString name = "Иванов Пётр «Ёж» — №7; 'кавычки' \\ слэш";
    CString sql;
    sql.Format("insert into x_rows (id, t) values (5, %s)", (LPCTSTR)NullStr(name));
    ASSERT_TRUE(ExecuteSql(sql));
    EXPECT_EQ(ExecuteString("select t as str from x_rows where id=5"), name);
    CString search;
    search.Format("select count(*) from x_rows where t='%s'", (LPCTSTR)MakeSqlStr(name));
    EXPECT_EQ(ExecuteCount(search), 1);
}

TEST_F(ExecuteTest, FirstColumnOfFirstRowWhateverTheAlias)
{
    ASSERT_TRUE(ExecuteSql("insert into x_rows values (1, null, 1234.5, '2024-02-29', '2024-03-01 00:00:00')\n"
                           "insert into x_rows values (2, 'b', -0.5, null, '2024-03-01 08:05:09')"));
    const struct {
        const char* sql;
        const char* text;
    } cases[] = {
        {"select s as str from x_rows order by id", "1234.50"},
        {"select cast(id as char), t from x_rows order by id desc", "2"},
        {"select d from x_rows where id=1", "29.02.2024"},
        {"select dt from x_rows where id=1", "01.03.2024 00:00:00"},
        {"select dt from x_rows where id=2", "01.03.2024 08:05:09"},
        {"select t from x_rows where id=1", ""},
        {"select t from x_rows where id=99", ""},
        {"select sum(s) from x_rows", "1234.00"},
        {"select 0.1e0 + 0.2e0", "0.30000000000000004"},
        {"select max(id)+1 as str from x_rows", "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExecuteString(c.sql, -1), CString(c.text)) << c.sql;
    EXPECT_EQ(ExecuteCount("select -2 as cnt"), -2);
    EXPECT_EQ(ExecuteCount("select s from x_rows where id=1"), 1234);
    EXPECT_EQ(ExecuteCount("select t from x_rows where id=1"), 0);
    EXPECT_EQ(ExecuteCount("select id from x_rows where id=99"), 0);
    EXPECT_EQ(ExecuteMony("select s as str from x_rows where id=2"), CString("-0.50"));
    EXPECT_EQ(ExecuteMony("select 2.675 as str"), CString("2.68"));
    EXPECT_EQ(ExecuteMony("select 10"), CString("10.00"));
    EXPECT_EQ(ExecuteMony("select s from x_rows where id=99"), CString(""));
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(ExecuteTest, FailuresAreReportedAndAnsweredEmpty)
{
    EXPECT_EQ(ExecuteString("select nothing from nowhere"), CString(""));
    EXPECT_EQ(ExecuteCount("selec 1"), 0);
    EXPECT_EQ(ExecuteSql("update nowhere set a=1"), 0);
    ASSERT_EQ(reports.reports().size(), 3u);
    EXPECT_EQ(reports.reports()[0].message, DbErrorMessage(DbErrorKind::Other));
    EXPECT_NE(reports.reports()[0].details.Find("nowhere"), -1);
}

// A page built of scalar values learns which of them failed: an empty answer
// alone does not tell a failure from a NULL or from no row.
TEST_F(ExecuteTest, TheScalarReadsSayWhetherTheyFailed)
{
    const struct {
        const char* sql;
        bool money;
        const char* text;
        bool ok;
    } cases[] = {
        {"select 2.675 as str", true, "2.68", true},
        {"select s from x_rows where id=99", true, "", true},
        {"select null as str", false, "", true},
        {"select 'a' as str", false, "a", true},
        {"select s from nowhere", true, "", false},
        {"select nothing from nowhere", false, "", false},
    };
    for (const auto& c : cases) {
        bool ok = !c.ok;
        const CString text = c.money ? ExecuteMony(c.sql, ok) : ExecuteString(c.sql, ok);
        EXPECT_EQ(text, CString(c.text)) << c.sql;
        EXPECT_EQ(ok, c.ok) << c.sql;
    }
    EXPECT_EQ(reports.reports().size(), 2u);
}

// A failure the test never looked at is no pass, nor one it cleared away
// without saying how many it expected.
TEST_F(ExecuteTest, AReportNobodyCheckedFailsTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            vornal::testing::DbReportRecorder unchecked;
            ExecuteSql("insert into no_such_table (id) values (1)");
        },
        "a database report the test never checked");
    EXPECT_NONFATAL_FAILURE(
        {
            vornal::testing::DbReportRecorder cleared;
            ExecuteSql("insert into no_such_table (id) values (1)");
            ExecuteSql("insert into no_such_table (id) values (2)");
            cleared.reports();
            cleared.clear(1);
        },
        "2 database reports where the test expected 1");
    EXPECT_NONFATAL_FAILURE(
        {
            vornal::testing::DbReportRecorder cleared;
            ExecuteSql("insert into no_such_table (id) values (1)");
            cleared.clear(0);
        },
        "no_such_table");
    vornal::testing::DbReportRecorder cleared;
    ExecuteSql("insert into no_such_table (id) values (1)");
    cleared.clear(1);
}

TEST_F(ExecuteTest, TransactionScopeJoinsCallsAndRollsBackUnlessCommitted)
{
    {
        CDbTransaction save;
        ASSERT_TRUE(save.IsUsable());
        ASSERT_TRUE(ExecuteSql("insert into x_rows (id) values (1)"));
        ASSERT_TRUE(ExecuteSql("insert into x_rows (id) values (2)\ninsert into x_rows (id) values (3)"));
        EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 3) << "the scope sees its own rows";
    }
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0) << "left without Commit: rolled back";
    {
        CDbTransaction save;
        ASSERT_TRUE(ExecuteSql("insert into x_rows (id) values (1)"));
        EXPECT_FALSE(ExecuteSql("insert into x_rows (id) values (1)"));
        EXPECT_FALSE(save.IsUsable());
        EXPECT_FALSE(save.Commit()) << "a failed call inside leaves only a rollback";
    }
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0);
    ASSERT_EQ(reports.reports().size(), 1u) << "the duplicate key, shown once the scope ended";
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint);
    {
        CDbTransaction save;
        {
            CDbTransaction inner;
            ASSERT_TRUE(ExecuteSql("insert into x_rows (id) values (7)"));
            EXPECT_TRUE(inner.Commit());
        }
        EXPECT_TRUE(save.Commit());
    }
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 1);
}

// A batch that begins and commits its own transaction: its statements before
// the start commit by themselves, a failure inside takes back the rest. Sent
// inside an open transaction its start would commit that transaction's work:
// it is refused there, and the open transaction can still take everything back.
TEST_F(ExecuteTest, ABatchWithItsOwnTransactionRunsOnlyOutsideOne)
{
    EXPECT_NE(ExecuteSqlInItsOwnTransaction("insert into x_rows (id) values (1)\nstart transaction\n"
                                            "insert into x_rows (id) values (2)\ncommit"),
              0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 2);
    EXPECT_EQ(ExecuteSqlInItsOwnTransaction("insert into x_rows (id) values (3)\nstart transaction\n"
                                            "insert into x_rows (id) values (4)\ninsert into x_rows (id) values (1)\n"
                                            "commit"),
              0);
    EXPECT_EQ(ExecuteString("select group_concat(id order by id) from x_rows"), CString("1,2,3"))
        << "the statement before the start stays, the transaction's rows do not";
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint);
    reports.clear(1);
    {
        CDbTransaction save;
        ASSERT_TRUE(ExecuteSql("insert into x_rows (id) values (10)"));
        EXPECT_EQ(ExecuteSqlInItsOwnTransaction("start transaction\ninsert into x_rows (id) values (11)\ncommit"), 0);
    }
    EXPECT_EQ(reports.reports().size(), 1u) << "refused inside the open transaction (told once it ended)";
    EXPECT_EQ(ExecuteString("select group_concat(id order by id) from x_rows"), CString("1,2,3"))
        << "the open transaction took back its row; nothing was committed under it";
}

}  // namespace

namespace {

// A batch in the SQL Server dialect goes to the server whole, and still runs
// in one transaction: a failing later statement leaves nothing of the first.
// (The statements are run here by the test server, which reads them alike.)
TEST_F(ExecuteTest, AWholeSqlServerBatchIsAtomicToo)
{
    const long driver = GetDriverId(-1);
    SetDriverId(0);
    const int result = ExecuteSql("insert into x_rows (id) values (1);\ninsert into x_rows (id) values (1)");
    SetDriverId(driver);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0) << "the first insert was rolled back";
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::Constraint);
}

// The server drops our connection (an administrator's KILL). Outside a
// transaction the next call opens a new connection with the same settings and
// runs; inside one the transaction fails once, with one report that says the
// changes were not saved, and the call after it connects again.
class DroppedConnection : public ExecuteTest {
protected:
    void Drop() { Drop(GetServerId()); }
    // Kills connection `id` as an administrator does.
    void Drop(long id)
    {
        administrator->Execute(FormatText("kill %ld", id).GetString(), nullptr, adExecuteNoRecords);
        // The server answers KILL before the connection is gone: wait until it
        // is, or a call made at once may still find it alive and lose it
        // half-way, which is not the drop this test is about.
        vornal::testing::WaitForCount(
            administrator, QStringLiteral("select count(*) from information_schema.processlist where id=%1").arg(id),
            [](long long alive) { return alive == 0; }, 2000);
    }
    _ConnectionPtr administrator = vornal::testing::OpenRawConnection();
};

TEST_F(DroppedConnection, CallsOutsideATransactionConnectAgainAndRun)
{
    Drop();
    EXPECT_EQ(ExecuteString("select 1"), CString("1")) << "a read is run again on a new connection";
    Drop();
    EXPECT_NE(ExecuteSql("insert into x_rows (id) values (1)"), 0) << "a write tests the connection first";
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 1) << "and is written once";
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(DroppedConnection, ATransactionFailsOnceWithOneReportAndTheNextCallConnects)
{
    {
        CDbTransaction save;
        ASSERT_TRUE(save.IsUsable());
        ASSERT_NE(ExecuteSql("insert into x_rows (id) values (1)"), 0);
        Drop();
        EXPECT_EQ(ExecuteSql("insert into x_rows (id) values (2)"), 0);
        EXPECT_EQ(ExecuteSql("insert into x_rows (id) values (3)"), 0);
        EXPECT_EQ(LastInsertId(), 0);
        EXPECT_FALSE(save.Commit());
    }
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::ConnectionLost) << (LPCTSTR)reports.reports()[0].details;
    EXPECT_EQ(reports.reports()[0].message, DbLostDuringSaveMessage());
    EXPECT_NE(reports.reports()[0].message.Find("последние изменения не сохранены"), -1);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0) << "nothing of the transaction stays";
    EXPECT_EQ(reports.reports().size(), 1u);
}

// The drop cuts a call of several statements after its first ran: the
// failure comes with the next statement's result, and is a lost connection
// (the statements may have been committed by the call itself), not an error
// of the statements.
TEST_F(DroppedConnection, ACallOfSeveralStatementsCutHalfWayIsALostConnection)
{
    ASSERT_EQ(ExecuteString("select 1"), CString("1"));
    const long id = GetServerId();
    std::thread drop([&] {
        vornal::testing::WaitForCount(administrator,
                                      QStringLiteral("select count(*) from information_schema.processlist "
                                                     "where id=%1 and info like 'do sleep%'")
                                          .arg(id),
                                      [](long long running) { return running > 0; });
        Drop(id);
    });
    {
        CDbTransaction save;
        EXPECT_EQ(ExecuteSql("insert into x_rows (id) values (1)\ndo sleep(5)\ninsert into x_rows (id) values (2)"), 0);
        EXPECT_FALSE(save.Commit());
    }
    drop.join();
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::ConnectionLost) << (LPCTSTR)reports.reports()[0].details;
    EXPECT_EQ(reports.reports()[0].message, DbLostDuringSaveMessage());
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0);
}

// The same cut in a call that ends with its own commit, after the commit:
// the server has stored the row, so the report must not say that nothing
// was saved; a save that watches for the break is told instead, unreported.
TEST_F(DroppedConnection, ACallCutAfterItsOwnCommitIsReportedAsUnknown)
{
    // Runs the call of row `row` and drops the connection during its sleep.
    auto cutAfterCommit = [&](int row) {
        EXPECT_EQ(ExecuteString("select 1"), CString("1"));  // a read connects again after a cut
        const long id = GetServerId();
        std::thread drop([&] {
            vornal::testing::WaitForCount(administrator,
                                          QStringLiteral("select count(*) from information_schema.processlist "
                                                         "where id=%1 and state='User sleep'")
                                              .arg(id),
                                          [](long long running) { return running > 0; });
            Drop(id);
        });
        const int done = ExecuteSqlInItsOwnTransaction(
            FormatText("start transaction\ninsert into x_rows (id) values (%d)\ncommit\ndo sleep(5)", row));
        drop.join();
        return done;
    };
    {
        CDbLossWatch outer;  // only the innermost watch is told
        CDbLossWatch loss;
        EXPECT_EQ(cutAfterCommit(1), 0);
        EXPECT_TRUE(loss.Unknown());
        EXPECT_FALSE(outer.Unknown());
    }
    EXPECT_TRUE(reports.reports().empty()) << "a watched break is not reported";
    EXPECT_EQ(cutAfterCommit(2), 0);
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].message, DbLostOutcomeUnknownMessage());
    EXPECT_EQ(reports.reports()[0].message.Find("не сохранены"), -1);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 2) << "both rows were committed before the cut";
}

// A worker thread that forgot its own session is refused: it never joins the
// user's open transaction on the shared connection.
TEST_F(ExecuteTest, AWorkerWithoutASessionOfItsOwnIsRefused)
{
    CDbTransaction users;
    ASSERT_NE(ExecuteSql("insert into x_rows (id) values (1)"), 0);
    int written = -1;
    std::thread worker([&] { written = ExecuteSql("insert into x_rows (id) values (2)"); });
    worker.join();
    EXPECT_EQ(written, 0);
    users.Rollback();
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_NE(reports.reports()[0].message.Find("рабочий поток"), -1) << (LPCTSTR)reports.reports()[0].message;
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 0);

    std::thread own([&] {
        CDbThreadSession session;
        written = ExecuteSql("insert into x_rows (id) values (3)");
    });
    own.join();
    EXPECT_EQ(written, 1);
    EXPECT_EQ(ExecuteCount("select count(*) from x_rows"), 1);
}

}  // namespace
