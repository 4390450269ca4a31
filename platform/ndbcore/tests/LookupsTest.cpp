// Reference-book and employee lookups, the session's ids and period dates.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "WorkingPeriodBounds.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class LookupsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql("create table if not exists spr_test (id int auto_increment primary key, "
                               "name varchar(100), ls varchar(20))"));
        ASSERT_TRUE(ExecuteSql("delete from spr_test"));
        ASSERT_TRUE(ExecuteSql("insert into spr_test (id, name, ls) values (1, 'Молоко 3,2%', '40')\n"
                               "insert into spr_test (id, name, ls) values (2, 'Молоко_топлёное', '41')\n"
                               "insert into spr_test (id, name, ls) values (3, 'Хлеб ржаной', null)\n"
                               "insert into spr_test (id, name, ls) values (7, 'Д''Артаньян и сыновья', null)"));
        ASSERT_TRUE(ExecuteSql(CString("insert into spr_test (id, name) values (8, '") + MakeSqlStr("Папка C:\\Документы")
                               + "')"));
    }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(LookupsTest, ReferenceBookRows)
{
    EXPECT_EQ(GetFromSPR("spr_test", "3", NULL), CString("Хлеб ржаной"));
    EXPECT_EQ(GetFromSPR("spr_test", "1", "ls"), CString("40"));
    EXPECT_EQ(GetFromSPR("spr_test", "99"), CString(""));
    EXPECT_EQ(GetFromSPR("spr_test", ""), CString(""));
    EXPECT_EQ(GetFromSPR("spr_test", "1' or '1'='1"), CString(""));
    EXPECT_TRUE(SprOk("spr_test", "2"));
    EXPECT_FALSE(SprOk("spr_test", "4"));
    EXPECT_FALSE(SprOk("spr_test", "2abc")) << "a code is the whole id, not a number's prefix";
    EXPECT_TRUE(reports.reports().empty());
    EXPECT_EQ(GetFromSPR("spr_test; drop table tn", "1"), CString(""));
    EXPECT_EQ(reports.reports().size(), 1u) << "a table name that is no identifier is refused";
}

TEST_F(LookupsTest, UniqueByNameFragments)
{
    long id = 0;
    EXPECT_EQ(SuUniqByName("spr_test", "хлеб", id), 1);
    EXPECT_EQ(id, 3);
    EXPECT_EQ(SuUniqByName("spr_test", "молоко", id), 2);
    EXPECT_EQ(SuUniqByName("spr_test", "мол 3,2", id), 1);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(SuUniqByName("spr_test", "%", id), 1) << "LIKE signs are plain characters";
    EXPECT_EQ(SuUniqByName("spr_test", "б_р", id), 0) << "\"_\" is no wildcard either";
    EXPECT_EQ(SuUniqByName("spr_test", "\\", id), 1) << "nor is the backslash an escape";
    EXPECT_EQ(id, 8);
    CString code;
    EXPECT_EQ(SuUniqByName("spr_test", "_топл", code), 1);
    EXPECT_EQ(code, CString("2"));
    EXPECT_EQ(SuUniqByName("spr_test", "сыр", id), 0);
}

TEST_F(LookupsTest, LikeTextMatchesLiterallyWithoutRegardToCase)
{
    struct Case {
        SqlLikeMatch match;
        const char* text;
        const char* ids;
    };
    const Case cases[] = {
        {SqlLikeMatch::BeginsWith, "молоко", "1,2"},
        {SqlLikeMatch::BeginsWith, "МОЛОКО_", "2"},
        {SqlLikeMatch::BeginsWith, "%", ""},
        {SqlLikeMatch::BeginsWith, "д'ар", "7"},
        {SqlLikeMatch::Contains, "3,2%", "1"},
        {SqlLikeMatch::Contains, "_", "2"},
        {SqlLikeMatch::WholeWord, "молоко", "1"},
        {SqlLikeMatch::WholeWord, "хлеб ржаной", "3"},
        {SqlLikeMatch::WholeWord, "хле", ""},
    };
    for (const Case& c : cases) {
        CString ids;
        _RecordsetPtr rows = GetConnection()->Execute(
            _bstr_t("select id from spr_test where " + SqlLikeText("name", c.text, c.match) + " order by id"),
            nullptr, adCmdText);
        for (; !rows->GetadoEOF(); rows->MoveNext())
            ids += (ids.IsEmpty() ? CString() : CString(",")) + CString(rows->GetCollect(0L).text());
        EXPECT_EQ(ids, CString(c.ids)) << c.text;
    }
}

TEST_F(LookupsTest, UniqueByNameWithinACondition)
{
    ASSERT_TRUE(ExecuteSql("insert into spr_test (id, name, ls) values (4, 'Сок \\'яблочный\\'', '40')"));
    struct Case {
        const char* condition;
        const char* fragments;
        int answer;
        long id;
    } cases[] = {
        {"ls='40'", "молоко", 1, 1},
        {"ls='41'", "молоко", 1, 2},
        {"ls is null", "молоко", 0, 0},
        {"", "молоко", 2, 0},
        {"ls='40' or ls='41'", "молоко", 2, 0},  // the condition is bracketed before the name
        {"ls='40'", "'ябл", 1, 4},
        {"ls='40'", "%", 1, 1},
        {"ls='40'", "   ", 0, 0},
    };
    for (const Case& c : cases) {
        long id = 0;
        EXPECT_EQ(SuUniqByName("spr_test", c.condition, c.fragments, id), c.answer) << c.condition << " / " << c.fragments;
        if (c.answer == 1) {
            EXPECT_EQ(id, c.id) << c.condition << " / " << c.fragments;
        }
    }
    // The picker's list is the same set when it is opened on the same text.
    const CString where = "where (ls='40' or ls='41') and " + SqlNameCondition("мол");
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from spr_test " + where), 2);
    EXPECT_EQ(SqlNameCondition("  "), CString(""));
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from spr_test where " + SqlLikeText("spr_test.name", "_т", SqlLikeMatch::Contains)), 1);
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(LookupsTest, EmployeesIdsAndPeriods)
{
    EXPECT_EQ(GetFio("1"), CString("Петрова Анна Сергеевна"));
    EXPECT_EQ(GetFio("1 or 1=1"), CString(""));
    EXPECT_EQ(ExecuteCount("select count(tn) as cnt from tn where tn=1 and pass='123'", 0, 0), 1);
    EXPECT_EQ(GetServerId(), ExecuteCount("select connection_id()"));
    ASSERT_TRUE(ExecuteSql("insert into spr_test (name) values ('Соль')"));
    const long key = LastInsertId();
    EXPECT_GT(key, 3);
    EXPECT_EQ(GetConstant("ORG_NAME").IsEmpty(), false);
    EXPECT_EQ(LastInsertId(), key) << "the layer's own reads leave the key alone";
    ASSERT_TRUE(ExecuteSql("delete from otp where g=2031\n"
                           "insert into otp (g,ms,d1,d2) values (2031,2,'2031-01-26','2031-02-25')"));
    EXPECT_EQ(GetOtpD1(2031, 2), CString("26.01.2031"));
    EXPECT_EQ(GetOtpD2(2031, 2), CString("25.02.2031"));
    EXPECT_EQ(GetOtpD2(2032, 2), CString("29.02.2032")) << "no period row: the calendar month";
    // Both bounds at once answer as the two calls do: the period's row, a missing
    // date in it, no row, no month.
    ASSERT_TRUE(ExecuteSql("insert into otp (g,ms,d1,d2) values (2031,3,'2031-02-26',null)"));
    const struct {
        long year, month;
    } periods[] = {{2031, 2}, {2031, 3}, {2032, 2}, {2031, 13}};
    for (const auto& p : periods) {
        const OtpBounds bounds = GetOtpBounds(p.year, p.month);
        EXPECT_EQ(bounds.first, GetOtpD1(p.year, p.month)) << p.year << "-" << p.month;
        EXPECT_EQ(bounds.last, GetOtpD2(p.year, p.month)) << p.year << "-" << p.month;
    }
    EXPECT_EQ(GetOtpBounds(2031, 3).last, CString("31.03.2031"));
    EXPECT_TRUE(reports.reports().empty());
}

}  // namespace
