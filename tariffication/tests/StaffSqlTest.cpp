// The statements of the assignments and time-sheet marks on the real
// database: the next running number, the current-assignment rule, the keys
// that refuse a second row, texts stored exactly as typed, and nothing but
// checked numbers where numbers go.
#include "StaffDatabase.h"
#include "StaffSql.h"

#include <ndbcore.h>

#include <gtest/gtest.h>

namespace {

using namespace nvenzol;

class StaffStatements : public stafftest::StaffDatabase {
protected:
    void SetUp() override
    {
        StaffDatabase::SetUp();
        Run("delete from perso_trv where tn=100\n"
            "delete from perso_tn_nip where tn=100");
    }
    static NipRecord Nip(const char* npp)
    {
        return {{"tn", "100"}, {"npp", npp}, {"st", ""}, {"kpr", "1"}, {"d1", "01.02.2024"},
                {"prd", "3"},  {"kat", "1"},  {"dol", "3"}};
    }
    static CString Insert(const NipRecord& nip) { return NipInsertSql(PersoNipColumns(), nip); }
    static CString Update(const NipRecord& nip) { return NipUpdateSql(PersoNipColumns(), nip); }
};

TEST_F(StaffStatements, NextRunningNumberIsOneAboveTheHighest)
{
    struct Case {
        const char* existing;
        const char* next;
    };
    const Case cases[] = {{"", "1"}, {"1", "2"}, {"1 3", "4"}};
    for (const Case& c : cases) {
        Run("delete from perso_tn_nip where tn=100");
        for (const QString& npp : QString(c.existing).split(' ', Qt::SkipEmptyParts))
            Run(Insert(Nip(npp.toUtf8().constData())));
        EXPECT_EQ(Text(NipNextNumberSql("100")), CString(c.next)) << c.existing;
    }
}

TEST_F(StaffStatements, TheKeysRefuseASecondAssignmentOrMarkAndTextsAreStoredExactly)
{
    NipRecord nip = Nip("1");
    nip["noprik"] = "7'к\\%_";
    nip["st"] = "0,5";
    nip["d2"] = "";
    ASSERT_NE(ExecuteSql(Insert(nip)), 0);
    EXPECT_EQ(Text(NipColumnSql("noprik", "100", "1")), CString("7'к\\%_"));
    EXPECT_EQ(Text(NipColumnSql("st", "100", "1")), CString("0.50"));
    EXPECT_EQ(Text(NipColumnSql("d2", "100", "1")), CString(""));
    EXPECT_EQ(Text(NipCountSql("100", "1")), CString("1"));

    nip["st"] = "";
    nip["noprik"] = "";
    nip["d2"] = "31.12.2024";
    ASSERT_NE(ExecuteSql(Update(nip)), 0);
    EXPECT_EQ(Text(NipColumnSql("st", "100", "1")), CString("1.00")) << "an empty number of rates is one rate";
    EXPECT_EQ(Text(NipColumnSql("noprik", "100", "1")), CString(""));
    EXPECT_EQ(Text(NipColumnSql("d2", "100", "1")), CString("31.12.2024"));

    const TrvMark mark{"100", "1", "05.02.2024", "в'\\%"};
    ASSERT_NE(ExecuteSql(MarkInsertSql(mark)), 0);
    EXPECT_EQ(Text(MarkReadSql(mark)), CString("в'\\%"));
    EXPECT_EQ(Count(MarkCountSql(mark)), 1);

    EXPECT_EQ(ExecuteSql(MarkInsertSql({"100", "1", "05.02.2024", "8.00"})), 0) << "one mark per assignment and day";
    EXPECT_EQ(ExecuteSql(Insert(Nip("1"))), 0) << "one row per assignment";
    ASSERT_EQ(dbReports.reports().size(), 2u);
    EXPECT_EQ(dbReports.reports()[0].kind, DbErrorKind::Constraint);
    EXPECT_EQ(Text(MarkReadSql(mark)), CString("в'\\%"));

    ASSERT_NE(ExecuteSql(MarkDeleteSql(mark)), 0);
    EXPECT_EQ(Count(MarkCountSql(mark)), 0);
}

TEST_F(StaffStatements, OnlyCheckedNumbersGoWhereNumbersGo)
{
    NipRecord code = Nip("1");
    code["kpr"] = "1 or 1=1";
    NipRecord tn = Nip("1");
    tn["tn"] = "100;drop table tn";
    NipRecord percent = Nip("1");
    percent["plus_kat"] = "5 or 1=1";
    NipRecord date = Nip("1");
    date["Dprik"] = "1'; drop table tn; --";
    const CString built[] = {
        NipCountSql("1;drop", "1"), NipNextNumberSql("1 or 1=1"), Insert(code), Update(tn),
        NipInsertSql(VenzNipColumns(), percent), Update(date), NipLockSql("1", "1 or 1=1"),
        NipColumnSql("npp from tn;--", "1", "1"), NipColumnSql("st", "1", "-1"), FirstCurrentNipSql("x", "01.01.2024", false),
        MarkCountSql({"1", "1a", "01.01.2024", "8"}), MarkInsertSql({"", "1", "01.01.2024", "8"}),
    };
    for (const CString& sql : built)
        EXPECT_TRUE(sql.IsEmpty()) << sql.GetString();
    NipRecord empty = Nip("2");
    empty["kat"] = "";
    EXPECT_NE(Insert(empty).Find(",3,NULL,3,"), -1) << "an empty code is NULL";
}

TEST_F(StaffStatements, CurrentAssignmentsByTheDayRule)
{
    // Employee 19's assignment ends on the working month's first day.
    const CString first = GetOtpD1(g_lYear, g_lMonth);
    EXPECT_EQ(Text(FirstCurrentNipSql("19", first, false)), CString("1"));
    EXPECT_EQ(Text(FirstCurrentNipSql("19", first, true)), CString("")) << "the position sheet asks for an end after it";
    EXPECT_EQ(Text(FirstCurrentNipSql("4", first, false)), CString("2")) << "the oldest current one";
}

TEST(StaffStatementTexts, NextRunningNumberInEachDialect)
{
    struct Case {
        long driver;
        const char* text;
    };
    const Case cases[] = {
        {0, "select isnull(max(npp),0)+1 from perso_tn_nip where tn=5"},
        {1, "select ifnull(max(npp),0)+1 from perso_tn_nip where tn=5"},
        {2, "select coalesce(max(npp),0)+1 from perso_tn_nip where tn=5"},
    };
    for (const Case& c : cases) {
        SetDriverId(c.driver);
        EXPECT_EQ(NipNextNumberSql(" 5"), CString(c.text)) << c.driver;
    }
    SetDriverId(1);
}

} // namespace
