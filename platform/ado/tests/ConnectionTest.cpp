// The connection against the real local server: text round trips, the
// diagnostics of failures and their kinds, and transactions.
#include "FreshDatabase.h"
#include "ado.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::CreateFreshDatabase());
        conn = vornal::testing::OpenRawConnection();
    }
    QString Scalar(const char* sql) { return conn->Execute(sql)->GetCollect(0L).text(); }

    _ConnectionPtr conn;
};

TEST_F(ConnectionTest, CyrillicRoundTripsWhateverTheLocale)
{
    std::setlocale(LC_ALL, "C");  // no UTF-8 locale: the wide calls must not need one
    conn->Execute("create table if not exists ado_text (id int primary key, t varchar(200))", nullptr,
                  adExecuteNoRecords);
    conn->Execute("delete from ado_text", nullptr, adExecuteNoRecords);
    const QString text = QStringLiteral("Ёжик «Ъ» — №5; ЩЯЮ ёщ");
    conn->Execute(_bstr_t(QStringLiteral("insert into ado_text values (1, '%1')").arg(text)), nullptr,
                  adExecuteNoRecords);
    EXPECT_EQ(Scalar("select t from ado_text where id=1"), text);
    EXPECT_EQ(Scalar("select char_length(t) from ado_text where id=1"), QString::number(text.size()));
    // A long text comes in pieces from the driver.
    const QString longText = QString(5000, QChar(0x0416));
    EXPECT_EQ(conn->Execute(_bstr_t(QStringLiteral("select repeat('Ж', 5000)")))->GetCollect(0L).text(), longText);
}

TEST_F(ConnectionTest, FailuresCarryDiagnosticsAndKind)
{
    conn->Execute("create table if not exists ado_keys (id int primary key)", nullptr, adExecuteNoRecords);
    conn->Execute("delete from ado_keys", nullptr, adExecuteNoRecords);
    conn->Execute("insert into ado_keys values (1)", nullptr, adExecuteNoRecords);
    try {
        conn->Execute("insert into ado_keys values (1)", nullptr, adExecuteNoRecords);
        FAIL() << "a duplicate key was accepted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Kind(), DbErrorKind::Constraint);
        EXPECT_EQ(e.SqlState(), QStringLiteral("23000"));
        EXPECT_EQ(e.NativeError(), 1062);
        EXPECT_TRUE(e.Doing().contains(QStringLiteral("insert into ado_keys"))) << e.Doing().toStdString();
        EXPECT_TRUE(FAILED(e.Error()));
    }
    try {
        conn->Execute("selec nothing");
        FAIL() << "bad SQL was accepted";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Kind(), DbErrorKind::Other);
        EXPECT_EQ(e.NativeError(), 1064);
        EXPECT_FALSE(e.Description().qstring().isEmpty());
    }
}

TEST_F(ConnectionTest, UnreachableServerIsALostConnection)
{
    _ConnectionPtr other;
    other.CreateInstance(__uuidof(Connection));
    other->ConnectionTimeout = 3;
    try {
        vornal::testing::TestServer closed;
        closed.port = 1;
        closed.database = QStringLiteral("x");
        other->Open(_bstr_t(vornal::testing::TestConnectionString(closed)));
        FAIL() << "connected to a closed port";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Kind(), DbErrorKind::ConnectionLost) << e.SqlState().toStdString() << " " << e.NativeError();
    }
    EXPECT_EQ(other->GetState(), adStateClosed);
}

TEST_F(ConnectionTest, RollbackUndoesAndCommitKeeps)
{
    conn->Execute("create table if not exists ado_tx (id int primary key)", nullptr, adExecuteNoRecords);
    conn->Execute("delete from ado_tx", nullptr, adExecuteNoRecords);
    conn->BeginTrans();
    conn->Execute("insert into ado_tx values (1)", nullptr, adExecuteNoRecords);
    conn->RollbackTrans();
    EXPECT_EQ(Scalar("select count(*) from ado_tx"), QStringLiteral("0"));
    conn->BeginTrans();
    conn->Execute("insert into ado_tx values (2)", nullptr, adExecuteNoRecords);
    conn->CommitTrans();
    _ConnectionPtr second = vornal::testing::OpenRawConnection();
    EXPECT_EQ(second->Execute("select count(*) from ado_tx")->GetCollect(0L).text(), QStringLiteral("1"));
}

TEST_F(ConnectionTest, CommandWithoutRowsGivesAClosedRecordsetAndTheCount)
{
    conn->Execute("create table if not exists ado_cnt (id int)", nullptr, adExecuteNoRecords);
    conn->Execute("delete from ado_cnt", nullptr, adExecuteNoRecords);
    _variant_t affected;
    _RecordsetPtr rs = conn->Execute("insert into ado_cnt values (1),(2),(3)", &affected, adCmdText);
    EXPECT_EQ(static_cast<long>(affected), 3);
    EXPECT_EQ(rs->GetState(), adStateClosed);
    EXPECT_THROW(static_cast<bool>(rs->adoEOF), _com_error);
    // Several statements in one text: the rows of the first result that has columns.
    EXPECT_EQ(Scalar("set @a := 5; select @a + 1"), QStringLiteral("6"));
}

// The kinds of failures by what the driver says: a write or a read on a
// socket the server has closed is a lost connection like the others.
TEST(ErrorKind, ByTheDriversStateAndNumber)
{
    const struct {
        const char* state;
        long native;
        DbErrorKind kind;
    } cases[] = {
        {"HY000", 5014, DbErrorKind::ConnectionLost},  // "Write error: Broken pipe (32)"
        {"HY000", 5013, DbErrorKind::ConnectionLost},  // a read error
        {"HY000", 2013, DbErrorKind::ConnectionLost},
        {"08S01", 0, DbErrorKind::ConnectionLost},
        {"23000", 1062, DbErrorKind::Constraint},
        {"HY000", 1406, DbErrorKind::Constraint},
        {"42000", 1064, DbErrorKind::Other},
        {"HY000", 5007, DbErrorKind::Other},
    };
    for (const auto& c : cases) {
        const _com_error e(E_FAIL, QStringLiteral("x"), QString(),
                           {DbDiagnostic{QString::fromLatin1(c.state), c.native, QStringLiteral("x")}});
        EXPECT_EQ(e.Kind(), c.kind) << c.state << " " << c.native;
    }
}

}  // namespace
