// The literal helpers on hostile input: every value ends up as one SQL value
// (quoted and escaped for the dialect, or a plain number, or NULL).
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

class SqlLiteralsTest : public ::testing::Test {
protected:
    void SetUp() override { SetDriverId(1); }
    void TearDown() override { SetDriverId(1); }
};

struct LiteralCase {
    const char* what;
    CString (*helper)(LPCTSTR);
    const char* input;
    const char* mysql;
    const char* postgres;
};

CString ChangeDate(LPCTSTR text) { return ChangeDateUS0(text, 0); }

TEST_F(SqlLiteralsTest, HostileInputBecomesOneValue)
{
    const LiteralCase cases[] = {
        {"quote", NullStr, "O'Brien", "'O''Brien'", "'O''Brien'"},
        {"backslash before quote", NullStr, "a\\'; drop table tn; --", "'a\\\\''; drop table tn; --'",
         "'a\\''; drop table tn; --'"},
        {"backslash-n stays two characters", NullStr, "c:\\new", "'c:\\\\new'", "'c:\\new'"},
        {"line feed kept inside quotes", NullStr, "a\nb", "'a\nb'", "'a\nb'"},
        {"Cyrillic", NullStr, "Ёлка «№1»", "'Ёлка «№1»'", "'Ёлка «№1»'"},
        {"empty text", NullStr, "", "NULL", "NULL"},
        {"escape only", MakeSqlStr, "it's \\", "it''s \\\\", "it''s \\"},
        {"decimal comma", NullInt0, "12,50", "12.50", "12.50"},
        {"grouped amount", DB_Digit, "1 234 567,891", "1234567.891", "1234567.891"},
        {"no truncation", NullInt0, "0.005", "0.005", "0.005"},
        {"negative", NullFloat, "-.5", "-0.5", "-0.5"},
        {"malformed float", NullFloat, "1.2.3", "NULL", "NULL"},
        {"float with letters", NullFloat, "12abc", "NULL", "NULL"},
        {"float injection", NullFloat, "1 or 1=1", "NULL", "NULL"},
        {"leading zeros", NullInt0, "007", "7", "7"},
        {"empty number", DB_Digit, "", "NULL", "NULL"},
        {"injection in a number", NullInt0, "1); drop table tn; --", "NULL", "NULL"},
        {"two separators", DB_Digit, "1,234.56", "NULL", "NULL"},
        {"date", ChangeDate, "01.03.2024", "'2024-03-01'", "'2024-03-01'"},
        {"short date", ChangeDate, "1.3.2024", "'2024-03-01'", "'2024-03-01'"},
        {"built date", ChangeDate, "2024-3-1", "'2024-03-01'", "'2024-03-01'"},
        {"date with time", ChangeDate, "01.03.2024 08:05:09", "'2024-03-01 08:05:09'", "'2024-03-01 08:05:09'"},
        {"empty date", ChangeDate, "", "NULL", "NULL"},
        {"impossible date", ChangeDate, "31.02.2024", "NULL", "NULL"},
        {"date injection", ChangeDate, "01.01.2024') or ('1", "NULL", "NULL"},
    };
    for (const LiteralCase& c : cases) {
        SetDriverId(1);
        EXPECT_EQ(c.helper(c.input), CString(c.mysql)) << c.what << " (MySQL)";
        SetDriverId(2);
        EXPECT_EQ(c.helper(c.input), CString(c.postgres)) << c.what << " (PostgreSQL)";
    }
}

TEST_F(SqlLiteralsTest, SqlServerFormsAndToday)
{
    SetDriverId(0);
    EXPECT_EQ(ChangeDateUS("29.02.2024", 0), CString("'20240229'"));
    EXPECT_EQ(MakeSqlStr("c:\\x'"), CString("c:\\x''"));
    SetDriverId(1);
    const CString today = GetCurDateUS0(0);
    const CString now = GetCurDateUS0(1);
    EXPECT_EQ(today.GetLength(), 12);  // 'yyyy-mm-dd'
    EXPECT_EQ(now.GetLength(), 21);    // 'yyyy-mm-dd hh:mm:ss'
    EXPECT_EQ(now.Left(11), today.Left(11));
}

TEST_F(SqlLiteralsTest, ReservedColumnNameIsQuotedWhereTheDialectReservesIt)
{
    const std::pair<long, const char*> cases[] = {{0, "[do]"}, {1, "do"}, {2, "\"do\""}};
    for (const auto& [driver, text] : cases) {
        SetDriverId(driver);
        EXPECT_EQ(SqlReservedName("do"), CString(text)) << "driver " << driver;
    }
}

TEST_F(SqlLiteralsTest, RowLockInEveryDialect)
{
    const std::pair<long, const char*> cases[] = {
        {0, "select npp from perso_tn_nip with (updlock, rowlock, holdlock) where tn=1 and npp=2"},
        {1, "select npp from perso_tn_nip where tn=1 and npp=2 for update"},
        {2, "select npp from perso_tn_nip where tn=1 and npp=2 for update"},
    };
    for (const auto& [driver, text] : cases) {
        SetDriverId(driver);
        EXPECT_EQ(SqlLockRow("npp", "perso_tn_nip", "tn=1 and npp=2"), CString(text)) << "driver " << driver;
    }
}

TEST_F(SqlLiteralsTest, LikeTextKeepsLikesSignsLiteralInEveryDialect)
{
    struct Case {
        long driver;
        SqlLikeMatch match;
        const char* expected;
    };
    const Case cases[] = {
        {1, SqlLikeMatch::BeginsWith, R"(upper(f) like upper('O\\\\''a[\\%\\_%') escape '\\')"},
        {0, SqlLikeMatch::BeginsWith, R"(upper(f) like upper('O\\''a\[\%\_%') escape '\')"},
        {2, SqlLikeMatch::BeginsWith, R"(upper(f) like upper('O\\''a[\%\_%') escape '\')"},
        {2, SqlLikeMatch::Contains, R"(upper(f) like upper('%O\\''a[\%\_%') escape '\')"},
        {2, SqlLikeMatch::WholeWord,
         R"((upper(f) like upper('O\\''a[\%\_ %') escape '\' or upper(f) like upper('O\\''a[\%\_') escape '\'))"},
    };
    for (const Case& c : cases) {
        SetDriverId(c.driver);
        EXPECT_EQ(SqlLikeText("f", R"(O\'a[%_)", c.match), CString(c.expected)) << c.driver;
    }
}

TEST_F(SqlLiteralsTest, PadRDoesNotCut)
{
    EXPECT_EQ(PadR("Ёж", 5), CString("Ёж   "));
    EXPECT_EQ(PadR("123456", 3), CString("123456"));
}

TEST(MoneyText, RoundsAsWrittenAndNets)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{2.675, "2.68"}, {-2.675, "-2.68"}, {1234.5, "1234.50"}, {0.004, "0.00"},
                 {-0.004, "0.00"}, {999.995, "1000.00"}, {1e9 + 0.1, "1000000000.10"}, {0, "0.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(ftoa0(c.value), CString(c.text)) << c.value;
    double debit = 100.10, credit = 250.25;
    NormalizeOst(debit, credit);
    EXPECT_DOUBLE_EQ(debit, 0);
    EXPECT_DOUBLE_EQ(credit, 150.15);
    debit = 5;
    credit = 5;
    NormalizeOst(debit, credit);
    EXPECT_DOUBLE_EQ(debit + credit, 0);
}

}  // namespace
