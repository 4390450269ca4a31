// The database layer against a server of this test alone: the server is
// stopped and started between two saves, and its default SQL mode is one the
// program must not inherit.
#include "DbReportRecorder.h"
#include "PrivateServer.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

using vornal::testing::PrivateServer;

class PrivateServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        server = new PrivateServer;
        ASSERT_TRUE(server->Start());
    }
    static void TearDownTestSuite()
    {
        UnInitDll();
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(server->Use(QStringLiteral("layer")));
        ASSERT_TRUE(ExecuteSql("create table if not exists saves (id int primary key, note varchar(20)) engine=InnoDB\n"
                               "delete from saves"));
        reports.clear(0);
    }
    static BOOL Save(int id)
    {
        CDbTransaction save;
        CString sql;
        sql.Format("insert into saves (id, note) values (%d, 'сохранено')", id);
        return ExecuteSql(sql) && save.Commit();
    }

    static PrivateServer* server;
    vornal::testing::DbReportRecorder reports;
};

PrivateServer* PrivateServerTest::server = nullptr;

TEST_F(PrivateServerTest, TheSaveAfterAServerRestartSucceeds)
{
    ASSERT_TRUE(Save(1));
    ASSERT_TRUE(server->Stop());
    ASSERT_TRUE(server->Start());
    EXPECT_TRUE(Save(2));
    EXPECT_EQ(ExecuteCount("select count(*) from saves"), 2);
    EXPECT_TRUE(reports.reports().empty()) << (LPCTSTR)reports.reports()[0].message;
}

TEST_F(PrivateServerTest, AStoppedServerIsReportedWithoutSpeakingOfASave)
{
    ASSERT_TRUE(server->Stop());
    EXPECT_EQ(ExecuteString("select 1"), CString());
    ASSERT_TRUE(server->Start());
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(reports.reports()[0].kind, DbErrorKind::ConnectionLost);
    EXPECT_EQ(reports.reports()[0].message.Find("не сохранены"), -1) << (LPCTSTR)reports.reports()[0].message;
    EXPECT_EQ(ExecuteString("select 1"), CString("1")) << "the next call connects again";
}

// A customer's server whose default allows neither backslash escapes nor
// double-quoted texts: the session sets its own mode, so texts escaped by the
// literal helpers are stored as typed and strict checks still refuse.
TEST_F(PrivateServerTest, TheSessionSetsItsSqlModeWhateverTheServersDefault)
{
    _ConnectionPtr admin;
    admin.CreateInstance(__uuidof(Connection));
    admin->Open(_bstr_t(server->ConnectionString(QStringLiteral("mysql"))));
    admin->Execute("set global sql_mode='NO_BACKSLASH_ESCAPES,ANSI_QUOTES'", nullptr, adExecuteNoRecords);
    ASSERT_TRUE(server->Use(QStringLiteral("layer")));  // a new session under the new default
    const CString typed = "О'Нил \\ \"кв.\\n5\"";
    CString sql;
    sql.Format("insert into saves (id, note) values (1, '%s')", (LPCTSTR)MakeSqlStr(typed));
    EXPECT_NE(ExecuteSql(sql), 0);
    EXPECT_EQ(ExecuteString("select note from saves where id=1"), typed);
    EXPECT_EQ(ExecuteSql("insert into saves (id, note) values (2, '123456789012345678901')"), 0)
        << "a text longer than its column is refused, not cut";
    EXPECT_EQ(reports.reports().size(), 1u);
    admin->Execute("set global sql_mode=default", nullptr, adExecuteNoRecords);
}

}  // namespace
