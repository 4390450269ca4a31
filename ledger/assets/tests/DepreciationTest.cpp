// The monthly depreciation of fixed assets: the amount of one card from its
// figures as a table checked by hand, and runs over a small register of
// cards in two branches whose opening balances the database loads: the
// manual operation, register rows and postings of a run, a second run of the
// month that replaces the first, a rerun that finds nothing to book, the
// cards left out, a refused account, and the journal of depreciation.
#include "COSIznosView.h"
#include "DepreciationRules.h"
#include "DepreciationRun.h"
#include "FreshDatabase.h"
#include "SettlementsProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

// The journal's script shows its page through app.report.
using JournalWindow = settlementstest::ScriptReportsShown;

TEST(DepreciationRules, TheAmountOfACard)
{
    struct Case {
        const char* what;
        double value, quantity, accumulated;
        const char* start;
        int life;
        const char* month;
        DepreciationSkip skip;
        double amount;
        int monthsLeft;
    } cases[] = {
        {"below the lower limit", 2500, 1, 0, "10.01.2025", 60, "01.03.2026", DepreciationSkip::BelowLimit, 0, 0},
        {"between the limits: whole", 12500, 1, 0, "10.01.2025", 36, "01.03.2026", DepreciationSkip::None, 12500, 0},
        {"between the limits in the start month", 12500, 1, 0, "10.03.2026", 36, "01.03.2026",
         DepreciationSkip::None, 12500, 0},
        // 36000 a unit from February: March is the second month, 35 left.
        {"monthly", 72000, 2, 0, "15.01.2026", 36, "01.03.2026", DepreciationSkip::None, 2057.14, 35},
        // Started 31.12.2008 the limits are 1000/10000: 15000 is depreciated
        // monthly from January; from 01.01.2009 they are 3000/20000: whole.
        {"15000 from 31.12.2008", 15000, 1, 0, "31.12.2008", 60, "01.02.2009", DepreciationSkip::None, 254.24, 59},
        {"15000 from 01.01.2009", 15000, 1, 0, "01.01.2009", 60, "01.02.2009", DepreciationSkip::None, 15000, 0},
        {"2000 from 31.12.2008", 2000, 1, 0, "31.12.2008", 60, "01.02.2009", DepreciationSkip::None, 2000, 0},
        {"2000 from 01.01.2009", 2000, 1, 0, "01.01.2009", 60, "01.02.2009", DepreciationSkip::BelowLimit, 0, 0},
        {"accepted this month", 60000, 1, 0, "05.03.2026", 60, "01.03.2026", DepreciationSkip::NotStarted, 0, 0},
        {"accepted last month", 60000, 1, 0, "05.03.2026", 60, "01.04.2026", DepreciationSkip::None, 1000, 60},
        {"no useful life: whole", 30000, 1, 0, "05.01.2026", 0, "01.03.2026", DepreciationSkip::None, 30000, 0},
        // The month of the start counts as one month of a life of none.
        {"no useful life, accepted this month", 30000, 1, 0, "05.03.2026", 0, "01.03.2026",
         DepreciationSkip::NotStarted, 0, 0},
        {"useful life used up: the rest", 36000, 1, 30000, "15.01.2020", 36, "01.03.2026", DepreciationSkip::None,
         6000, 0},
        // 33333.34 a unit less 22222.22 accumulated, one month left: 3 x
        // 11111.12 would pass the book value by a kopeck.
        {"the last amount capped", 100000.01, 3, 66666.66, "15.01.2023", 37, "01.02.2026", DepreciationSkip::None,
         33333.35, 1},
        {"fully depreciated", 36000, 1, 36000, "15.01.2024", 36, "01.03.2026", DepreciationSkip::FullyDepreciated, 0,
         0},
        {"no value", 0, 1, 0, "15.01.2024", 36, "01.03.2026", DepreciationSkip::NoValue, 0, 0},
        {"no start date", 36000, 1, 0, "", 36, "01.03.2026", DepreciationSkip::NoStart, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AssetFigures f;
        f.value = c.value;
        f.quantity = c.quantity;
        f.accumulated = c.accumulated;
        f.start = c.start;
        f.usefulLife = c.life;
        f.monthStart = c.month;
        const AssetDepreciation d = DepreciateAsset(f);
        EXPECT_EQ(d.skip, c.skip);
        if (c.skip == DepreciationSkip::None) {
            EXPECT_DOUBLE_EQ(d.amount, c.amount);
            EXPECT_EQ(d.monthsLeft, c.monthsLeft);
        }
    }
}

// The demo as loaded: the first test of the program on the database, before
// the others empty its postings. Each card stands on its balance account with
// the quantity of its register, once: the opening balances of the year take
// only the cards on the books before it, a card bought in the year stands by
// its purchase alone; a card disposed of or moved off balance has nothing
// left there.
class DemoBooks : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(vornal::testing::UseFreshDatabase()); }
};

TEST_F(DemoBooks, EachCardStandsOnItsBalanceAccountOnce)
{
    EXPECT_EQ(ExecuteString("select group_concat(concat(c.id,' ',c.name,': ',cast(coalesce(b.kol,0) as char),"
                            "' of ',cast(c.kol as char)) separator '; ') as str from spr_osn_sr c left join "
                            "(select card,sum(kol) as kol from (select deb_sb1 as card,kol from ledmark_provodki "
                            "where deb1='101' union all select kred_sb1,-kol from ledmark_provodki "
                            "where kred1='101') m group by card) b on b.card=c.id "
                            "where coalesce(b.kol,0)<>if(c.d_vybit is null and substring(c.sch,2,3)='101',c.kol,0)"),
              CString());
}

// The demo database holds the previous month's run of both branches (this
// test runs before the others of the program empty the register).
class DemoDepreciation : public SettlementsProgram {
protected:
    JournalWindow journal;
};

TEST_F(DemoDepreciation, TheJournalOfThePreviousMonth)
{
    const QDate today = QDate::currentDate();
    if (today.month() == 1)
        GTEST_SKIP() << "the demo run is of a month of this year";
    const QDate last = QDate(today.year(), today.month(), 1).addDays(-1);
    const std::string date = last.toString("dd.MM.yyyy").toStdString();
    EXPECT_EQ(CHelpers::EXEC_Execute(("Command_PrnJrnAmort(\"" + date + "\")").c_str(), nullptr), 1);
    Settle();
    CWnd* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 2);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_iznos_demo_journal.png"));
    const QString page = ReportPage();
    for (const char* part : {"Ноутбук воспитателя", "Шкаф для одежды", "24000.00", "Холодильник", "Итого по филиалу"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QString::fromUtf8("Табурет"))) << "below the lower limit";
}

// A register of cards with opening balances on the first day of the year,
// run at the end of March.
class Depreciation : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        year = QDate::currentDate().year();
        Run("delete from ledmark_provodki\ndelete from ledmark_oper_by_hand\ndelete from ledmark_prn_iz\n"
            "delete from ledmark_prn_iz1\ndelete from ledmark_os_nach_ost\ndelete from spr_osn_sr\n"
            // The debit account keeps the economic code and the kind of expense.
            "update spr_plan_sch set sb1=3, sb2=10 where col0=1 and col1='401' and col2='01' and col3='271'");
        // id, branch, quantity, value, accounts, depreciate, taken on, put into service, life, kind of expense.
        Card(1, 1, 1, 2500, "110136310", "110436410", 1, "10.01", -1, "10.01", -1, "60", "1");       // below L
        Card(2, 1, 1, 12500, "110134310", "110434410", 1, "10.01", -1, "10.01", -1, "36", "2");      // between
        Card(3, 1, 2, 72000, "110134310", "110434410", 1, "15.01", 0, "15.01", 0, "36", "null");     // monthly
        Card(4, 1, 1, 30000, "110136310", "110436410", 1, "20.02", 0, "20.02", 0, "null", "1");      // no life
        Card(6, 1, 1, 40000, "110134310", "110434410", 1, "10.01", -1, "10.01", -1, "60", "1");      // disposed
        Card(7, 2, 1, 48000, "210134310", "210434410", 1, "10.12", -1, "10.12", -1, "48", "3");      // source 2
        Card(8, 1, 1, 60000, "110134310", "110434410", 1, "05.03", 0, "05.03", 0, "60", "1");        // this month
        Card(9, 1, 1, 24000, "110134310", "110434410", 1, "20.01", 0, "05.03", 0, "12", "1");        // kinds of date
        Card(10, 1, 1, 50000, "110134310", "110434410", 0, "10.01", -1, "10.01", -1, "60", "1");     // not flagged
        Run(FormatText("update spr_osn_sr set d_vybit='%d-03-20', no_vybit='1' where id=6", year));
        ASSERT_EQ(ExecuteSql(FormatText("call sproc_ledmark_vvod_noos('%d-01-01',1)", year)), 1);
        ASSERT_EQ(ExecuteSql(FormatText("call sproc_ledmark_vvod_noos('%d-01-01',2)", year)), 1);
        // Card 5 was moved off balance: its value stands on 021 alone.
        Card(5, 1, 1, 50000, "102100000", "110434410", 1, "10.01", -1, "10.01", -1, "60", "1");
        Run("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kol, s, fil_id) "
            "values (500, 1, makedate(year(curdate()), 1), '1', '021', '00', '000', '5', '3', 1, 50000, 1)");
    }
    // A card whose dates are day.month of the year `offset` years from this one.
    void Card(int id, int branch, int kol, int value, const char* sch, const char* schIz, int flag, const char* post,
              int postYear, const char* ekspl, int eksplYear, const char* life, const char* vrasx)
    {
        auto date = [this](const char* dayMonth, int offset) {
            return FormatText("str_to_date('%s.%d','%%d.%%m.%%Y')", dayMonth, year + offset);
        };
        Run(FormatText("insert into spr_osn_sr (id, name, code, fil_id, kol, first_price, sch, sch_iz, kbk_deb, kbk_kred, "
                       "iznos_all, mol, prd, vrasx, nach_izn, d_post, d_ekspl, norm_izn) values (%d, 'Карточка %d', "
                       "'И-%d', %d, %d, %d, '%s', '%s', %d, %d, 0, 3, 1, %s, %d, %s, %s, %s)",
                       id, id, id, branch, kol, value, sch, schIz, branch == 1 ? 2 : 5, branch == 1 ? 2 : 5, vrasx,
                       flag, date(post, postYear), date(ekspl, eksplYear), life));
    }
    CString March() const { return FormatText("31.03.%d", year); }
    // The register rows of the month: "card:amount:months left:debit:credit" in branch and card order.
    CString Register()
    {
        CString text;
        ForEachRow(FormatText("select id,s,mes_ost,deb,kred from ledmark_prn_iz where g=%d and ms=3 "
                              "order by fil_id,id",
                              year),
                   [&](_RecordsetPtr& rs) {
                       text += (text.IsEmpty() ? "" : " ") + SafeArayToString(rs->GetCollect("id")) + ":" +
                               SafeArayToString(rs->GetCollect("s")) + ":" +
                               SafeArayToString(rs->GetCollect("mes_ost")) + ":" +
                               SafeArayToString(rs->GetCollect("deb")) + ":" +
                               SafeArayToString(rs->GetCollect("kred"));
                   });
        return text;
    }
    // The run's postings: "debit values > credit card amount" in branch and line order.
    CString Postings()
    {
        CString text;
        ForEachRow("select p.deb0,p.deb1,p.deb2,p.deb3,p.deb_sb1,p.deb_sb2,p.kred0,p.kred1,p.kred2,p.kred3,p.kred_sb1,"
                   "p.s from ledmark_provodki p join ledmark_prn_iz1 r on r.doc_id=p.id order by r.fil_id,p.npp",
                   [&](_RecordsetPtr& rs) {
                       auto f = [&](const char* name) { return SafeArayToString(rs->GetCollect(name)); };
                       text += (text.IsEmpty() ? "" : " | ") + f("deb0") + f("deb1") + f("deb2") + f("deb3") + " " +
                               f("deb_sb1") + " " + f("deb_sb2") + " > " + f("kred0") + f("kred1") + f("kred2") +
                               f("kred3") + " " + f("kred_sb1") + " " + f("s");
                   });
        return text;
    }
    // The manual operations of the month: "branch:id:number:sum:note".
    CString Operations()
    {
        CString text;
        ForEachRow(FormatText("select fil_id,id,number,s,prim from ledmark_oper_by_hand where d='%d-03-31' "
                              "order by fil_id",
                              year),
                   [&](_RecordsetPtr& rs) {
                       auto f = [&](const char* name) { return SafeArayToString(rs->GetCollect(name)); };
                       text += (text.IsEmpty() ? "" : " ") + f("fil_id") + ":" + f("id") + ":" + f("number") + ":" +
                               f("s") + ":" + f("prim");
                   });
        return text;
    }
    BOOL RunMarch(int dateKind = 0, const char* debit = "040101271")
    {
        CDepreciationRun run(March(), debit, "210604340", dateKind);
        return run.Check() && run.Run();
    }
    int year = 0;
    JournalWindow journal;
};

const char* const kMarchRegister =
    "2:12500.00:0:140101271:110434410 3:2057.14:35:140101271:110434410 4:30000.00:0:140101271:110436410 "
    "9:2181.82:11:140101271:110434410 7:1043.48:46:210604340:210434410";
const char* const kMarchPostings =
    "140101271 271000 2 > 110434410 2 12500.00 | 140101271 271000 1 > 110434410 3 2057.14 | "
    "140101271 271000 1 > 110436410 4 30000.00 | 140101271 271000 1 > 110434410 9 2181.82 | "
    "210604340   > 210434410 7 1043.48";

TEST_F(Depreciation, ASecondRunOfTheMonthReplacesTheFirst)
{
    ASSERT_TRUE(RunMarch());
    EXPECT_EQ(Register(), CString(kMarchRegister));
    EXPECT_EQ(Postings(), CString(kMarchPostings));
    const CString operations = Operations();
    EXPECT_NE(operations.Find("1:"), -1) << (LPCTSTR)operations;
    EXPECT_NE(operations.Find(":46738.96:НАЧИСЛЕНИЕ АМОРТИЗАЦИИ"), -1) << (LPCTSTR)operations;
    EXPECT_NE(operations.Find(":1043.48:НАЧИСЛЕНИЕ АМОРТИЗАЦИИ"), -1) << (LPCTSTR)operations;

    // Another manual operation of the year takes the next number meanwhile;
    // the rerun keeps its document ids and numbers and books the same.
    Run(FormatText("insert into ledmark_oper_by_hand (id, d, number, prim, fil_id) values (990, '%d-03-31', '77', "
                   "'Справка', 3)",
                   year));
    ASSERT_TRUE(RunMarch());
    EXPECT_EQ(Register(), CString(kMarchRegister));
    EXPECT_EQ(Postings(), CString(kMarchPostings));
    EXPECT_EQ(Operations(), operations + " 3:990:77::Справка");
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_prn_iz1 where g=%d and ms=3", year)), 2);
}

TEST_F(Depreciation, ARerunThatFindsNothingRemovesTheEarlierRun)
{
    ASSERT_TRUE(RunMarch());
    const long long secondBranch =
        Count(FormatText("select doc_id as cnt from ledmark_prn_iz1 where g=%d and ms=3 and fil_id=2", year));
    ASSERT_GT(secondBranch, 0);
    Run("update spr_osn_sr set nach_izn=0 where id=7");
    CDepreciationRun run(March(), "040101271", "210604340", 0);
    ASSERT_TRUE(run.Check() && run.Run());
    ASSERT_EQ(run.Results().size(), 2u);
    EXPECT_EQ(run.Results()[0].outcome, BranchDepreciation::Written);
    EXPECT_EQ(run.Results()[1].outcome, BranchDepreciation::Removed);
    EXPECT_NE(run.Summary().Find("прежний расчет за месяц удален"), -1) << (LPCTSTR)run.Summary();
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%lld", secondBranch)), 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_oper_by_hand where id=%lld", secondBranch)), 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_prn_iz where g=%d and fil_id=2", year)), 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_prn_iz1 where g=%d and fil_id=2", year)), 0);
    // A branch with nothing to book and no earlier run writes nothing.
    CDepreciationRun again(March(), "040101271", "210604340", 0);
    ASSERT_TRUE(again.Check() && again.Run());
    EXPECT_EQ(again.Results()[1].outcome, BranchDepreciation::Nothing);
}

TEST_F(Depreciation, TheDateOfPuttingIntoServiceStartsTheDepreciation)
{
    ASSERT_TRUE(RunMarch(1));
    // Card 9 was put into service in March: nothing yet.
    EXPECT_EQ(Register(), CString("2:12500.00:0:140101271:110434410 3:2057.14:35:140101271:110434410 "
                                  "4:30000.00:0:140101271:110436410 7:1043.48:46:210604340:210434410"));
}

TEST_F(Depreciation, ARefusedAccountWritesAndPrintsNothing)
{
    SetDPV2(March());
    auto* view = Open<COSIznosView>("os_iznos");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_IZ_DEBIT), QStringLiteral("040101271"));
    EXPECT_EQ(afxtest::text(view, IDC_IZ_DEBIT2), QStringLiteral("210604340"));
    view->SetDlgItemText(IDC_IZ_DEBIT, "999999999");
    scripts.Clear();
    {
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8("Произвести расчет амортизации на ") + March().ToQString() + " ? ", IDYES);
        script.message(QString::fromUtf8("Неверный счет \"Дебет прочие\": 999999999"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_prn_iz1"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_oper_by_hand"), 0);
    for (const auto& call : scripts.calls)
        EXPECT_EQ(call.call.find("Command_PrnJrnAmort"), std::string::npos) << call.call;
    EXPECT_EQ(Active<COSIznosView>(), view) << "the form stays open";
}

TEST_F(Depreciation, TheFormRunsEveryBranchAndPrintsTheJournal)
{
    SetDPV2(March());
    auto* view = Open<COSIznosView>("os_iznos");
    ASSERT_NE(view, nullptr);
    Settle();
    QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_iznos.png"));
    scripts.Clear();
    {
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8("Произвести расчет амортизации на ") + March().ToQString() + " ? ", IDYES);
        script.messageContaining(QString::fromUtf8("начислено 46738.96, проводок 4"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Register(), CString(kMarchRegister));
    bool printed = false;
    for (const auto& call : scripts.calls)
        printed = printed || call.call == "Command_PrnJrnAmort(\"" + std::string(March()) + "\")";
    EXPECT_TRUE(printed);
    Settle();
    CWnd* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 2);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_iznos_journal.png"));
    const QString page = ReportPage();
    for (const char* part : {"ЖУРНАЛ НАЧИСЛЕНИЯ АМОРТИЗАЦИИ", "И-3", "2057.14", "46738.96", "1043.48", "47782.44"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_EQ(Active<COSIznosView>(), nullptr) << "the form closes";
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "m_nTypeDate", -1), 0);
}

} // namespace
