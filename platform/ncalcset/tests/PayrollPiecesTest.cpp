// The payroll pieces on a three-month fixture figured by hand: employee 71 of
// 2009 earns 1000.00, then 1000.00 with a bonus of 500.50, then 2000.00 on two
// sheets (1500.00 and 500.00); the income tax is 130.00, 195.07 and 260.00,
// the union dues of February 10.00. A personnel number that is no number
// asks nothing; a month without rows gives an empty piece; a database error
// says the piece is incomplete; every text of the database is escaped.
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

class PayrollPieces : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql("delete from tn where tn=71\ndelete from paymar_nuz where "
                               "tn=71\ndelete from paymar_bux where tn=71\n"
                               "insert into tn (tn,f,i,o,inn) values (71,'Иванов "
                               "<b>&%','Пётр','Ильич','500100732259')\n"
                               "insert into paymar_bux (tn,npp,osn,prd,dol,kat,kou) values "
                               "(71,1,1,1,1,1,1)\n"
                               "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values "
                               "(2009,1,71,1,1,1,1000.00),(2009,1,71,1,1,201,130.00),"
                               "(2009,2,71,1,1,1,1000.00),(2009,2,71,1,1,11,500.50),(2009,"
                               "2,71,1,1,201,195.07),"
                               "(2009,2,71,1,1,202,10.00),"
                               "(2009,3,71,1,1,1,1500.00),(2009,3,71,1,2,1,500.00),(2009,3,"
                               "71,1,1,201,260.00),"
                               "(2008,12,71,1,1,1,9999.99)"));
        savedYear = g_lYear;
        g_lYear = 2009;
    }
    void TearDown() override { g_lYear = savedYear; }

    long savedYear = 0;
};

// The cells of a piece's amounts in order, as text.
QStringList Amounts(const CString& piece)
{
    QStringList found;
    static const QRegularExpression amount(QStringLiteral(">(?:<b>)?(-?\\d+\\.\\d\\d)(?:</b>)?<"));
    for (const auto& match : amount.globalMatch(piece.ToQString()))
        found << match.captured(1);
    return found;
}

TEST_F(PayrollPieces, ThePaySlipShowsTheMonthsCodesTotalsAndNet)
{
    const CString slip = GetRaschList("71", 2);
    // Salary, bonus, accrued; tax, dues, deducted; net.
    EXPECT_EQ(Amounts(slip), QStringList({"1000.00", "500.50", "1500.50", "195.07", "10.00", "205.07", "1295.43"}));
    EXPECT_TRUE(slip.ToQString().contains(QStringLiteral("Расчетный лист за февраль 2009 г.")));
    const CString note = GetZapiskaRaschet(71, 2009, 2);
    EXPECT_TRUE(Amounts(note).endsWith("1295.43"));
    EXPECT_TRUE(note.ToQString().contains(QStringLiteral("Записка-расчет")));
}

TEST_F(PayrollPieces, IncomeByMonthAndFromTheYearsStart)
{
    EXPECT_EQ(Amounts(GetDoxMes(71, 2009, 3, 0)),
              QStringList({"1000.00", "130.00", "1500.50", "195.07", "2000.00", "260.00", "4500.50", "585.07"}));
    EXPECT_EQ(Amounts(GetDoxMes(71, 2009, 3, 1)),
              QStringList({"1000.00", "1000.00", "130.00", "130.00", "1500.50", "2500.50", "195.07", "325.07",
                           "2000.00", "4500.50", "260.00", "585.07", "4500.50", "585.07"}));
    // The tax card is cumulative too; the year's certificate sums by code.
    EXPECT_EQ(Amounts(GetNDFL1("71", 2, 1)), QStringList({"1000.00", "1000.00", "130.00", "130.00", "1500.50",
                                                          "2500.50", "195.07", "325.07", "2500.50", "325.07"}));
    EXPECT_EQ(Amounts(GetDoxGod(71, 3)), QStringList({"4000.00", "500.50", "4500.50", "585.07"}));
    // The card: code 1 by month and its total, ..., the amount paid of March.
    const QStringList card = Amounts(GetInd("71", 3));
    EXPECT_EQ(card.mid(0, 4), QStringList({"1000.00", "1000.00", "2000.00", "4000.00"}));
    EXPECT_EQ(card.value(card.size() - 1), QString("3905.43"));
    // The history keeps March's two sheets apart.
    const QStringList history = Amounts(GetKB("71", 3));
    EXPECT_TRUE(history.contains("1500.00") && history.contains("500.00")) << history.join(" ").toStdString();
    EXPECT_FALSE(history.contains("9999.99")) << "another year's month";
}

TEST_F(PayrollPieces, NothingToShowGivesAnEmptyPiece)
{
    vornal::testing::DbReportRecorder reports;
    EXPECT_EQ(GetRaschList("71", 4), CString());
    EXPECT_EQ(GetZapiskaRaschet(71, 2010, 1), CString());
    EXPECT_EQ(GetDoxMes(72, 2009, 3, 1), CString());
    EXPECT_EQ(GetDoxGod(71, 0), CString());
    for (const char* junk : {"", "71 or 1=1", "7x"}) {
        EXPECT_EQ(GetRaschList(junk, 2), CString()) << junk;
        EXPECT_EQ(GetInd(junk, 2), CString()) << junk;
        EXPECT_EQ(GetKB(junk, 2), CString()) << junk;
        EXPECT_EQ(GetNDFL1(junk, 2, 1), CString()) << junk;
    }
    EXPECT_TRUE(reports.reports().empty());
}

TEST_F(PayrollPieces, TextsOfTheDatabaseAreEscapedAndPercentDoubled)
{
    const QString slip = GetRaschList("71", 1).ToQString();
    EXPECT_TRUE(slip.contains(QStringLiteral("Иванов &lt;b&gt;&amp;%%"))) << slip.toStdString();
    EXPECT_FALSE(slip.contains(QStringLiteral("<b>&%")));
    // The only "%" are doubled ones.
    EXPECT_FALSE(QString(slip).replace(QStringLiteral("%%"), QString()).contains('%'));
}

TEST_F(PayrollPieces, ADatabaseErrorSaysThePieceIsIncomplete)
{
    ASSERT_TRUE(ExecuteSql("rename table paymar_nuz to paymar_nuz_away"));
    {
        vornal::testing::DbReportRecorder reports;
        bool ok = true;
        EXPECT_EQ(GetRaschList("71", 2, ok), CString());
        EXPECT_FALSE(ok);
        ok = true;
        GetDoxMes(71, 2009, 3, 1, ok);
        EXPECT_FALSE(ok);
        reports.clear(2);
    }
    ASSERT_TRUE(ExecuteSql("rename table paymar_nuz_away to paymar_nuz"));
    bool ok = true;
    EXPECT_NE(GetRaschList("71", 2, ok), CString());
    EXPECT_TRUE(ok);
}

TEST_F(PayrollPieces, ASheetsBankOrTheInstitutionsOwn)
{
    ASSERT_TRUE(ExecuteSql("update nv set rs='40701810000000000111',ks=null,bik='044525225',inn=' ' "
                           "where id=1\n"
                           "update nv set rs=null,ks=null,bik=null,inn=null where id=2\n"
                           "delete from system_const where name in "
                           "('ORG_RS','ORG_KS','ORG_BIK','ORG_INN')\n"
                           "insert into system_const (name,val) values "
                           "('ORG_RS','40102810000000000222'),"
                           "('ORG_KS','30101810000000000333'),('ORG_BIK','040173001'),('ORG_INN','"
                           "2225000000')"));
    const struct {
        long sheet;
        CString rs, ks, bik, inn;
    } cases[] = {
        {1, "40701810000000000111", "30101810000000000333", "044525225", "2225000000"},
        {2, "40102810000000000222", "30101810000000000333", "040173001", "2225000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetOrgRS(c.sheet), c.rs) << c.sheet;
        EXPECT_EQ(GetOrgKS(c.sheet), c.ks) << c.sheet;
        EXPECT_EQ(GetOrgBIK(c.sheet), c.bik) << c.sheet;
        EXPECT_EQ(GetOrgINN(c.sheet), c.inn) << c.sheet;
    }
}

} // namespace
