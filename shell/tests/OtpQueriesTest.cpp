// Reporting periods in table otp and the user's period in table tn.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "OtpQueries.h"
#include "SchemaSteps.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class OtpQueriesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vornal::testing::UseFreshDatabase()); }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(OtpQueriesTest, AddingYears)
{
    ASSERT_TRUE(ExecuteSql("delete from otp"));
    EXPECT_EQ(NextOtpYear(2024), 2024) << "on an empty table the current year itself";
    ASSERT_TRUE(AddOtpYear(2024));
    EXPECT_EQ(NextOtpYear(2024), 2025);
    ASSERT_TRUE(AddOtpYear(1900));
    EXPECT_EQ(NextOtpYear(2024), 2025);

    std::vector<int> years;
    ReadOtpYears(years);
    EXPECT_EQ(years, (std::vector<int>{1900, 2024}));

    std::vector<OtpMonthRow> rows;
    ReadOtpMonths(2024, rows);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[0].month, 1);
    EXPECT_EQ(rows[1].firstDay, CString("01.02.2024"));
    EXPECT_EQ(rows[1].lastDay, CString("29.02.2024"));
    EXPECT_EQ(rows[11].lastDay, CString("31.12.2024"));
    rows.clear();
    ReadOtpMonths(1900, rows);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[1].lastDay, CString("28.02.1900"));

    EXPECT_FALSE(AddOtpYear(2024)) << "a year twice is refused as a whole";
    ASSERT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from otp where g=2024"), 12);
}

TEST_F(OtpQueriesTest, ChangingAMonth)
{
    ASSERT_TRUE(ExecuteSql("delete from otp where g=2030"));
    ASSERT_TRUE(AddOtpYear(2030));
    ASSERT_TRUE(ChangeOtpMonth(2030, 3, "26.02.2030", "25.03.2030"));
    std::vector<OtpMonthRow> rows;
    ReadOtpMonths(2030, rows);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(rows[2].firstDay, CString("26.02.2030"));
    EXPECT_EQ(rows[2].lastDay, CString("25.03.2030"));
    EXPECT_EQ(rows[3].firstDay, CString("01.04.2030"));
}

TEST_F(OtpQueriesTest, UserPeriod)
{
    ASSERT_TRUE(SaveUserMonthPeriod(1, 2031, 2, "01.02.2031", "28.02.2031"));
    EXPECT_EQ(ExecuteString("select concat(g, '/', ms) as str from tn where tn=1"), CString("2031/2"));
    EXPECT_EQ(ExecuteString("select dpv2 as str from tn where tn=1"), CString("28.02.2031"));
    ASSERT_TRUE(SaveUserKindPeriod(1, 2032, 18, "01.01.2032", "31.12.2032"));
    EXPECT_EQ(ExecuteCount("select otp_id as cnt from tn where tn=1"), 18);
    EXPECT_EQ(ExecuteString("select dpv1 as str from tn where tn=1"), CString("01.01.2032"));
    EXPECT_TRUE(reports.reports().empty());
}

// The user's year and month change only with the stored period: when the
// update of tn fails after the year was taken, the session keeps its own.
TEST_F(OtpQueriesTest, AFailedUpdateOfTheUsersPeriodLeavesTheSessionsYearAsItWas)
{
    const long year = g_lYear, month = g_lMonth;
    g_lYear = 2024;
    g_lMonth = 5;
    ASSERT_TRUE(ExecuteSql("alter table tn add constraint tn_refused_period check (dpv2 is null or dpv2<>'2031-02-28')"));
    EXPECT_FALSE(SaveUserMonthPeriod(1, 2031, 2, "01.02.2031", "28.02.2031"));
    ASSERT_TRUE(ExecuteSql("alter table tn drop constraint tn_refused_period"));
    EXPECT_EQ(g_lYear, 2024);
    EXPECT_EQ(g_lMonth, 5);
    EXPECT_NE(ExecuteCount("select g as cnt from tn where tn=1"), 2031) << "nothing stored";
    EXPECT_EQ(reports.reports().size(), 1u);
    g_lYear = year;
    g_lMonth = month;
}

TEST_F(OtpQueriesTest, OneTimeSchemaSteps)
{
    ASSERT_TRUE(ExecuteSql("drop table if exists spr_old_a;\ndrop table if exists spr_new_b;\n"
                           "create table spr_old_a (id int, date_deleted date);\n"
                           "create table spr_new_b (id int, dt_del datetime);\n"
                           "insert into spr_old_a values (1, '2020-05-01')"));
    ASSERT_TRUE(SetConstant("system_spr_del", "0"));
    const std::vector<CString> tables = {"spr_old_a", "spr_new_b", "SPR_OLD_A", "", "spr_x; drop table tn",
                                         "spr_missing"};
    EXPECT_TRUE(RunSprDelStep(tables));
    EXPECT_TRUE(reports.reports().empty()) << "tables without the old column are left alone";
    EXPECT_EQ(GetConstant("system_spr_del"), CString("1"));
    EXPECT_EQ(ExecuteString("select dt_del as str from spr_old_a"), CString("01.05.2020 00:00:00"));
    EXPECT_GE(ExecuteCount("select count(*) as cnt from tn"), 1) << "a table name is never SQL text";

    // A rename that fails leaves the step to be done again at the next start.
    ASSERT_TRUE(ExecuteSql("drop table if exists spr_both_c;\n"
                           "create table spr_both_c (id int, date_deleted date, dt_del datetime)"));
    ASSERT_TRUE(SetConstant("system_spr_del", "0"));
    EXPECT_FALSE(RunSprDelStep({"spr_both_c"}));
    EXPECT_EQ(reports.reports().size(), 1u);
    EXPECT_EQ(GetConstant("system_spr_del"), CString("0"));
    reports.clear(1);

    ASSERT_TRUE(SetConstant("system_mono", "0"));
    EXPECT_TRUE(RunMonoStep());
    EXPECT_EQ(GetConstant("system_mono"), CString("1"));
    EXPECT_TRUE(ExecuteSql("insert into system_mono (id) values (7)"));
    EXPECT_TRUE(RunMonoStep()) << "done once: the table is not made again";
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from system_mono"), 1);
}

} // namespace
