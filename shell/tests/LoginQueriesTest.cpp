// The login's queries on the demo database (user 1, password 123, five
// workplaces): typed text never reaches SQL raw, and letter case counts.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "LoginQueries.h"
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class LoginQueriesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vornal::testing::UseFreshDatabase()); }
    vornal::testing::DbReportRecorder reports;
};

TEST_F(LoginQueriesTest, PasswordCheck)
{
    ASSERT_TRUE(ExecuteSql("delete from tn where tn in (40, 41);\n"
                           "insert into tn (tn, f, pass) values (40, 'Тест', 'Пароль-1');\n"
                           "insert into tn (tn, f, pass) values (41, 'Без пароля', NULL)"));
    const struct {
        const char* tn;
        const char* password;
        bool known;
    } cases[] = {
        {"1", "123", true},
        {" 1 ", "123", true},
        {"1", "1234", false},
        {"2", "123", false},
        {"40", "Пароль-1", true},
        {"40", "пароль-1", false},
        {"1", "' or '1'='1", false},
        {"1 or 1=1", "123", false},
        {"1;drop table tn", "x", false},
        {"abc", "123", false},
        {"", "123", false},
        {"41", "", false},
        {"1", "123\\", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bool(IsUserPassword(c.tn, c.password)), c.known) << c.tn << " / " << c.password;
    EXPECT_TRUE(reports.reports().empty()) << "no check may break the query";
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from tn where tn=1"), 1);
}

TEST_F(LoginQueriesTest, PersonnelNumbers)
{
    EXPECT_EQ(ParsePersonnelNumber("17"), 17);
    EXPECT_EQ(ParsePersonnelNumber(" 0017 "), 17);
    EXPECT_EQ(ParsePersonnelNumber("-1"), -1);
    EXPECT_EQ(ParsePersonnelNumber("1e3"), -1);
    EXPECT_EQ(ParsePersonnelNumber("1234567890"), -1);
    EXPECT_EQ(ParsePersonnelNumber("１２"), -1);
}

TEST_F(LoginQueriesTest, WorkplacesOfAUser)
{
    ASSERT_TRUE(ExecuteSql("delete from system_tn_arm where tn in (50, 51);\n"
                           "insert into system_tn_arm (tn, arm) values (50, 'СТОВАН');\n"
                           "insert into system_tn_arm (tn, arm) values (51, 'ПЕРСО');\n"
                           "insert into system_tn_arm (tn, arm) values (51, NULL);\n"
                           "insert into system_tn_arm (tn, arm) values (51, 'ЛЕДМАРК');\n"
                           "insert into system_tn_arm (tn, arm) values (51, 'ПЕРСО')"));
    EXPECT_EQ(CountUserArms(50), 1);
    EXPECT_EQ(FirstUserArm(50), CString("СТОВАН"));
    EXPECT_EQ(CountUserArms(51), 3) << "a NULL workplace is not counted";
    EXPECT_EQ(CountUserArms(52), 0);
    EXPECT_EQ(FirstUserArm(52), CString(""));

    std::vector<CString> arms;
    ReadUserArms(51, arms);
    ASSERT_EQ(arms.size(), 3u);
    EXPECT_EQ(arms[0], CString("ЛЕДМАРК"));
    EXPECT_EQ(arms[1], CString("ПЕРСО"));
    EXPECT_EQ(arms[2], CString("ПЕРСО"));
    arms.clear();
    ReadUserArms(1, arms);
    EXPECT_EQ(arms.size(), 5u);
}

} // namespace
