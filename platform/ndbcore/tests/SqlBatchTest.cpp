// Splitting batches into statements: the separators of every caller's texts,
// and the quoted text and comments they must not split.
#include "SqlBatch.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* what;
    SqlDialect dialect;
    const char* batch;
    QStringList statements;
};

TEST(SqlBatch, SplitsAtSeparatorsOutsideQuotesAndComments)
{
    const SqlDialect my = SqlDialect::MySql;
    const SplitCase cases[] = {
        {"line feeds without semicolons", my, "insert into a values (1)\ninsert into a values (2)\n",
         {"insert into a values (1)", "insert into a values (2)"}},
        {"semicolon and tabs", my, "delete from otp where g=1;\n\t\t\tinsert into otp values (1)",
         {"delete from otp where g=1", "insert into otp values (1)"}},
        {"CR LF", my, "update a set x=1\r\nupdate a set x=2\r\n", {"update a set x=1", "update a set x=2"}},
        {"separators inside quotes", my, "insert into a values ('x;y\nz', \"q;\", `c;d`)",
         {"insert into a values ('x;y\nz', \"q;\", `c;d`)"}},
        {"escaped and doubled quotes", my, "insert into a values ('it''s;', 'a\\';b')\nselect 1",
         {"insert into a values ('it''s;', 'a\\';b')", "select 1"}},
        {"comments", my, "-- note; here\ninsert into a values (1) /* x;\ny */\n# z;\n",
         {"insert into a values (1) /* x;\ny */"}},
        {"blank pieces dropped", my, ";;\n \n;select 1;", {"select 1"}},
        {"MySQL -- needs a blank", my, "select 5--1\n", {"select 5--1"}},
        {"PostgreSQL backslash is plain", SqlDialect::PostgreSql, "insert into a values ('c:\\');select 2",
         {"insert into a values ('c:\\')", "select 2"}},
        {"SQL Server batch stays whole", SqlDialect::SqlServer, "declare @id int\nset @id=1\nselect @id",
         {"declare @id int\nset @id=1\nselect @id"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(SplitSqlBatch(QString::fromUtf8(c.batch), c.dialect), c.statements) << c.what;
}

TEST(SqlBatch, AWholeTSqlBatchCountsTheStatementsItHolds)
{
    EXPECT_EQ(CountSqlStatements("declare @id int\nset @id=1;select @id", SqlDialect::SqlServer), 3);
    EXPECT_EQ(CountSqlStatements("update a set t='x;\ny' where id=1", SqlDialect::SqlServer), 1);
    EXPECT_EQ(CountSqlStatements("insert into a values (1);\n-- note\n", SqlDialect::MySql), 1);
}

}  // namespace
