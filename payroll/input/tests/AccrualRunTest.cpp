// The monthly accrual run: its window and worker, the lock against a second
// run from any workstation (and its take-over from a program that died), one
// transaction that a failure or a cancel rolls back, a second run giving the
// same month, and the child-care allowance with its limits.
#include "AccrualRun.h"
#include "CPaymar.h"
#include "CRnUd.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <FreshDatabase.h>

#include <QCoreApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <thread>

namespace {

using namespace npaymar;

// Pumps the user-interface thread's messages until `done` holds (at most 60 s:
// a worker that opens its session and loads its scripts on a loaded machine).
bool PumpUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

class AccrualRunTest : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Run("update system_const set val='null' where name='paymar_pereschet'");
    }
    CString Lock() { return Text("select val from system_const where name='paymar_pereschet'"); }
    // The month's results as one text: every row's key and amount.
    CString Month()
    {
        CString rows;
        ForEachRow(FormatText("select tn,npp,nv,kou,s from paymar_nu where g=%ld and ms=%ld order by tn,npp,nv,kou",
                              g_lYear, g_lMonth),
                   [&](_RecordsetPtr& row) {
                       for (const char* c : {"tn", "npp", "nv", "kou", "s"})
                           rows += SafeArayToString(row->GetCollect(c)) + " ";
                       rows += "\n";
                   });
        return rows;
    }
    // Runs the command; `during` acts on the open window (it may leave the
    // worker to end it, or cancel it). The window's result.
    int RunCommand(afxtest::InteractionScript& script, const std::function<void(afxtest::DialogStep&)>& during,
                   const std::function<void(afxtest::InteractionScript&)>& then = {})
    {
        int result = -1;
        script.dialog(IDD_RN_UD, [&](afxtest::DialogStep& d) {
            during(d);
            EXPECT_TRUE(PumpUntil([&] { return !d.request().widget->isVisible(); })) << "the window stays open";
            result = d.request().widget->result();
        });
        if (then)
            then(script);
        CPaymar::OnRlRn();
        script.verify();
        return result;
    }
    static void WaitForTheWorker(afxtest::DialogStep&) {}
};

TEST_F(AccrualRunTest, TheRunWritesTheMonthBeepsAndASecondRunGivesTheSameMonth)
{
    Run(FormatText("delete from paymar_nu where g=%ld and ms=%ld", g_lYear, g_lMonth));
    afxtest::InteractionScript script;
    CString status;
    EXPECT_EQ(RunCommand(script,
                         [&](afxtest::DialogStep& d) {
                             PumpUntil([&] { return !d.request().widget->isVisible(); });
                             status = d.text(IDC_RN_STATUS);
                         }),
              IDOK);
    EXPECT_EQ(script.beeps().size(), 1);
    EXPECT_TRUE(status.Find("Производится расчет удержаний") >= 0) << status;
    const CString first = Month();
    EXPECT_GT(Count(FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld and kou=1", g_lYear, g_lMonth)),
              10);
    EXPECT_GT(Count(FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld and kou=201", g_lYear, g_lMonth)),
              10);
    EXPECT_EQ(Count(FormatText("select count(*) from paymar_nuz where g=%ld and ms=%ld", g_lYear, g_lMonth)),
              Count(FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld", g_lYear, g_lMonth)));
    EXPECT_EQ(Lock(), CString("null"));
    // The mothers on leave: one row of code 21 each, the one of two children at least its minimum.
    EXPECT_EQ(Count(FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld and kou=21 and tn in (42,43)",
                               g_lYear, g_lMonth)),
              2);
    EXPECT_GE(atof(Text(FormatText("select s from paymar_nu where g=%ld and ms=%ld and kou=21 and tn=43", g_lYear,
                                   g_lMonth))),
              3597.01);

    afxtest::InteractionScript again;
    EXPECT_EQ(RunCommand(again, WaitForTheWorker), IDOK);
    EXPECT_EQ(Month(), first);
}

// A live run elsewhere holds the lock: the window says so, nothing runs,
// and cancelling it closes it at once and leaves the lock to its holder.
TEST_F(AccrualRunTest, ARunGoingOnElsewhereIsToldAndNothingRuns)
{
    const CString before = Month();
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->Execute(_bstr_t("select get_lock(concat(database(),'.paymar_pereschet'),0)"), nullptr, adCmdText);
    Run("update system_const set val='true' where name='paymar_pereschet'");
    afxtest::InteractionScript script;
    EXPECT_EQ(RunCommand(script,
                         [&](afxtest::DialogStep& d) {
                             EXPECT_TRUE(PumpUntil([&] { return d.text(IDC_RN_STATUS) == "Кто-то уже считает"; }));
                             d.click(IDCANCEL);
                         }),
              IDCANCEL);
    EXPECT_EQ(Lock(), CString("true"));
    EXPECT_EQ(Month(), before);
    other->Close();
}

// The program that set the lock died (its connection is gone): the next run
// takes the lock over and goes.
TEST_F(AccrualRunTest, ALockLeftByAProgramThatDiedIsTakenOver)
{
    _ConnectionPtr dead = vornal::testing::OpenRawConnection();
    dead->Execute(_bstr_t("select get_lock(concat(database(),'.paymar_pereschet'),0)"), nullptr, adCmdText);
    dead->Execute(_bstr_t("update system_const set val='true' where name='paymar_pereschet'"), nullptr, adCmdText);
    dead->Close();
    afxtest::InteractionScript script;
    EXPECT_EQ(RunCommand(script, WaitForTheWorker), IDOK);
    EXPECT_EQ(Lock(), CString("null"));
}

// Another workstation's uncommitted row of the month keeps the first run
// waiting in its transaction: a second run meanwhile is refused; the user
// cancels the first, which asks, closes at once, and the run then rolls back.
TEST_F(AccrualRunTest, ACancelledRunChangesNothingAndASecondRunMeanwhileIsRefused)
{
    const CString before = Month();
    _ConnectionPtr other = vornal::testing::OpenRawConnection();
    other->BeginTrans();
    other->Execute(_bstr_t(FormatText("insert into paymar_nu (g,ms,tn,npp,nv,kou,s) values (%ld,%ld,1,9,1,99,1)",
                                      g_lYear, g_lMonth)),
                   nullptr, adCmdText);
    std::shared_ptr<AccrualRun> first;
    AccrualRun second;
    second.year = g_lYear;
    second.month = g_lMonth;
    afxtest::InteractionScript script;
    EXPECT_EQ(RunCommand(script,
                         [&](afxtest::DialogStep& d) {
                             first = static_cast<CRnUd*>(d.window())->Run();
                             EXPECT_TRUE(PumpUntil([&] { return Lock() == "true"; }));
                             std::thread elsewhere([&] { RunAccrualOnThisThread(second); });
                             elsewhere.join();
                             d.click(IDCANCEL);
                         },
                         [](afxtest::InteractionScript& next) {
                             next.message(FormatText("Отменить расчет начислений/удержаний за %s %ldг.? ",
                                                     GetMonthName(g_lMonth), g_lYear)
                                              .ToQString(),
                                          IDYES);
                         }),
              IDCANCEL);
    EXPECT_TRUE(second.refused);
    EXPECT_FALSE(second.succeeded);
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->finished);  // the window is gone, the worker still waits
    other->RollbackTrans();
    other->Close();
    EXPECT_TRUE(PumpUntil([&] { return first->finished.load(); }));
    EXPECT_FALSE(first->succeeded);
    EXPECT_EQ(Month(), before);
    EXPECT_EQ(Lock(), CString("null"));
}

// A failing accrual script fails the run: the window closes without a
// question, the month and the lock are as they were.
TEST_F(AccrualRunTest, AFailedAccrualLeavesTheMonthAsItWas)
{
    afxtest::InteractionScript ok;
    ASSERT_EQ(RunCommand(ok, WaitForTheWorker), IDOK);
    const CString before = Month();
    Run("rename table paymar_trv_dol to paymar_trv_dol_away");
    afxtest::InteractionScript script;
    const int result = RunCommand(script, WaitForTheWorker);
    Run("rename table paymar_trv_dol_away to paymar_trv_dol");
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(Month(), before);
    EXPECT_EQ(Lock(), CString("null"));
    dbReports.clear(1);
}

// The worker's statements run on its own connection: an open transaction of
// the user-interface thread neither takes them in nor waits for them.
TEST_F(AccrualRunTest, TheWorkersStatementsStayOutsideTheUserInterfaceThreadsTransaction)
{
    Run(FormatText("delete from paymar_nu where g=%ld and ms=%ld", g_lYear, g_lMonth));
    AccrualRun run;
    run.year = g_lYear;
    run.month = g_lMonth;
    {
        CDbTransaction mine;
        ASSERT_TRUE(ExecuteSql("update system_const set val='x' where name='ORG_NAME'"));
        std::thread worker([&] { RunAccrualOnThisThread(run); });
        worker.join();
        mine.Rollback();
    }
    EXPECT_TRUE(run.succeeded);
    EXPECT_GT(Count(FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld", g_lYear, g_lMonth)), 10);
}

TEST_F(AccrualRunTest, TheRunsTextsInEachDialect)
{
    EXPECT_EQ(AccrualProcedureCall(2009, 3, 1), CString("sp_paymar_rn_sd_yet 2009,3,1"));
    EXPECT_EQ(DeductionsCall(2009, 3, 0), CString("call sp_paymar_ru(2009,3,0)"));
    const long saved = GetDriverId(-1);
    SetDriverId(2);
    const CString postgres = ChildCareChildrenSql(2009, 3);
    SetDriverId(saved);
    EXPECT_TRUE(postgres.Find("DATEDIFF") < 0 && postgres.Find("DATE_ADD") < 0) << postgres;
    EXPECT_TRUE(postgres.Find("iz.du>='2009-03-01'") > 0) << postgres;
    EXPECT_TRUE(postgres.Find("iz.dr>'2007-08-01'") > 0) << postgres;
    EXPECT_EQ(AccrualStatusText(0, 2009, 3),
              "\r\nЖ Д И Т Е\r\n Производится расчет начислений\r\nза " + GetMonthName(3) + " 2009г.");
}

TEST_F(AccrualRunTest, TheAllowanceIsCappedRaisedToTheMinimumAndPaidForItsDays)
{
    const struct {
        long year, month;
        double average;
        long due, children;
        double amount;
    } cases[] = {
        {2008, 6, 100, 30, 1, 1627.5},     // 1200.00 raised to the minimum of one child
        {2008, 6, 100, 30, 2, 3255.0},     // of two
        {2008, 6, 1000, 30, 1, 6510.0},    // 12000.00 capped
        {2008, 7, 1000, 31, 3, 6630.43},
        {2008, 7, 100, 31, 1, 1657.6},
        {2009, 1, 100, 31, 2, 3597.01},
        {2009, 1, 1000, 31, 1, 7194.03},
        {2009, 1, 200, 31, 1, 2480.0},     // 200 x 31 x 0.4, between the limits
        {2009, 1, 200, 10, 1, 800.0},      // 2480.00 x 10 / 31
        {2009, 1, 123.45, 7, 1, 406.12},   // 1798.51 x 7 / 31 = 406.1151...
        {2009, 1, 200, 0, 1, 0},           // no day due: nothing
    };
    for (const auto& c : cases) {
        const long days = atol(GetDaysPerMonth(c.month, c.year));
        EXPECT_DOUBLE_EQ(ChildCareAmount(c.average, c.due, days, c.children, ChildCareLimitsOf(c.year, c.month)),
                         c.amount)
            << c.year << "-" << c.month << " " << c.average << " " << c.due;
    }
}

// Parent 902 in March 2009 (31 days): her history gives an average of 120.00,
// so one child gets the minimum 1798.51 for a whole month.
TEST_F(AccrualRunTest, TheAllowanceGoesToAParentOnLeaveForTheDaysDue)
{
    const struct {
        const char* lastEnd;    // the end of her main row
        bool openRow;           // a second row still open
        const char* born;       // the child's birth date
        int olderChildren;      // children not due the allowance
        int osn;                // 1: the row is her main one
        const char* nv;         // her main sheet
        const char* stored;     // a code-21 row of the month already there
        const char* amount;     // "" none
    } cases[] = {
        {"2009-02-15", false, "2008-01-10", 0, 1, "1", nullptr, "1798.51"},
        {"2009-03-20", false, "2008-01-10", 0, 1, "1", nullptr, "696.20"},   // the 21st to the 31st, 12 days
        {"2009-02-15", true, "2008-01-10", 0, 1, "1", nullptr, ""},          // still works
        {"2009-04-02", false, "2008-01-10", 0, 1, "1", nullptr, ""},         // left after the month
        {"2009-01-31", false, "2007-09-10", 0, 1, "1", nullptr, "580.16"},   // one and a half on the 10th
        {"2009-03-05", false, "2007-09-10", 0, 1, "1", nullptr, "580.16"},   // the same, not 27 days
        {"2009-02-15", false, "2007-08-10", 0, 1, "1", nullptr, ""},         // one and a half before the month
        {"2009-02-15", false, "2008-01-10", 1, 1, "1", nullptr, "3597.01"},  // the minimum of two children
        {"2009-02-15", false, "2008-01-10", 0, 0, "1", nullptr, ""},         // no main row
        {"2009-02-15", false, "2008-01-10", 0, 1, "NULL", nullptr, ""},      // no main sheet
        {"2009-02-15", false, "2008-01-10", 0, 1, "1", "100.00", "1898.51"}, // added to the row there
    };
    Run("delete from spr_kl1 where id=1 and g in (2008,2009)");
    for (int g = 2008; g <= 2009; ++g)
        for (int m = 1; m <= 12; ++m)
            Run(FormatText("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (1,%d,%d,21,30,168)", g, m));
    for (const auto& c : cases) {
        Run("delete from tn where tn=902\ndelete from paymar_bux where tn=902\ndelete from paymar_iz where tn=902\n"
            "delete from paymar_nuz where tn=902\ndelete from paymar_trv where tn=902\n"
            "delete from paymar_nu where tn=902");
        Run(FormatText("insert into tn (tn,f,i,o,nv) values (902,'Матвеева','Ольга','Петровна',%s)\n"
                       "insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1,d2) values (902,1,%d,1,1,1,'2005-01-10','%s')\n"
                       "insert into paymar_iz (tn,npp,dr,b15) values (902,1,'%s',1)",
                       c.nv, c.osn, c.lastEnd, c.born));
        if (c.openRow)
            Run("insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1) values (902,2,0,1,1,1,'2009-01-10')");
        for (int i = 0; i < c.olderChildren; ++i)
            Run(FormatText("insert into paymar_iz (tn,npp,dr,b15) values (902,%d,'2001-05-05',0)", i + 2));
        if (c.stored)
            Run(FormatText("insert into paymar_nu (g,ms,tn,npp,nv,kou,s) values (2009,3,902,1,1,21,%s)", c.stored));
        for (int i = 0; i < 12; ++i)
            Run(FormatText("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,%d,902,1,1,1,3650)\n"
                           "insert into paymar_trv (tn,g,ms,dn) values (902,%d,%d,21)",
                           i < 10 ? 2008 : 2009, i < 10 ? i + 3 : i - 9, i < 10 ? 2008 : 2009, i < 10 ? i + 3 : i - 9));
        EXPECT_TRUE(AddChildCareAllowance(2009, 3)) << c.lastEnd << " " << c.born;
        EXPECT_EQ(Text("select s from paymar_nu where g=2009 and ms=3 and tn=902 and kou=21"), CString(c.amount))
            << c.lastEnd << " " << c.born;
        EXPECT_LE(Count("select count(*) from paymar_nu where g=2009 and ms=3 and tn=902 and kou=21"), 1);
    }
}

// The month's deductions of employee 903 in March 2009, whose two rows earn
// 10000 and 5000: the benefits lower the tax base from the first row on; each
// writ in force then deducts its sum, or its percentage of the pay left after
// the tax and the earlier writs, within its balance; a second call gives the
// same month and pays no writ twice.
TEST_F(AccrualRunTest, DeductionsLowerTheTaxByTheBenefitsAndPayTheWritsWithinTheirBalance)
{
    const struct {
        const char* benefits;   // statements that give the employee benefits
        const char* writs;      // statements that give the employee writs
        const char* tax;        // the month's code-201 rows, "npp:s" in row order
        const char* deducted;   // what each writ paid this month, "npp:s" in writ order
    } cases[] = {
        {"", "", "1:1300.00 2:650.00", ""},
        {"insert into paymar_lgoty (tn,tip,s) values (903,1,1400)\n"
         "insert into paymar_m_ (g,ms,tn,lg,s) values (2009,3,903,2,500)\n"
         "insert into paymar_m_ (g,ms,tn,lg,s) values (2009,2,903,2,700)\n"                // another month's
         "insert into paymar_lgoty (tn,tip,s,d1,d2) values (903,1,3000,'2008-01-01','2009-02-28')",  // ended
         "", "1:1053.00 2:650.00", ""},
        {"insert into paymar_lgoty (tn,tip,s) values (903,1,12000)", "", "2:390.00", ""},
        {"",
         "insert into paymar_isp (tn,npp,pu,kou,sv,pr) values (903,1,1,202,10000,25)\n"
         "insert into paymar_isp1 (tn,npp,g,ms,s) values (903,1,2009,2,1000)\n"
         "insert into paymar_isp (tn,npp,pu,kou,sv,s) values (903,2,1,203,1500,2000)\n"    // its balance only
         "insert into paymar_isp (tn,npp,pu,kou,sv,s) values (903,3,0,203,5000,100)\n"     // not deducted
         "insert into paymar_isp (tn,npp,pu,kou,sv,s,d2) values (903,4,1,203,5000,100,'2009-02-28')",  // ended
         "1:1300.00 2:650.00", "1:3262.50 2:1500.00"},
        {"",
         "insert into paymar_isp (tn,npp,pu,kou,sv,s) values (903,1,1,202,1000,700)\n"
         "insert into paymar_isp1 (tn,npp,g,ms,s) values (903,1,2009,1,800)\n"
         "insert into paymar_isp (tn,npp,pu,kou,s) values (903,2,1,202,20000)",                     // no total: what is left
         "1:1300.00 2:650.00", "1:200.00 2:12850.00"},
    };
    for (const auto& c : cases) {
        Run("delete from paymar_nu where tn=903\ndelete from paymar_nuz where tn=903\ndelete from paymar_lgoty where tn=903\n"
            "delete from paymar_m_ where tn=903\ndelete from paymar_isp where tn=903\ndelete from paymar_isp1 where tn=903\n"
            "insert into paymar_nu (g,ms,tn,npp,nv,kou,s) values (2009,3,903,1,1,1,10000)\n"
            "insert into paymar_nu (g,ms,tn,npp,nv,kou,s) values (2009,3,903,2,1,1,5000)");
        if (*c.benefits)
            Run(c.benefits);
        if (*c.writs)
            Run(c.writs);
        for (int call = 0; call < 2; ++call) {
            {
                // In a transaction of its own, as the run's worker calls it.
                CDbTransaction deductions;
                ASSERT_TRUE(ExecuteSql(DeductionsCall(2009, 3, 0))) << c.benefits << c.writs;
                ASSERT_TRUE(deductions.Commit());
            }
            CString tax, deducted;
            ForEachRow("select npp,s from paymar_nu where g=2009 and ms=3 and tn=903 and kou=201 order by npp",
                       [&](_RecordsetPtr& row) {
                           tax += (tax.IsEmpty() ? "" : " ") + SafeArayToString(row->GetCollect("npp")) + ":"
                                  + SafeArayToString(row->GetCollect("s"));
                       });
            ForEachRow("select npp,s from paymar_isp1 where g=2009 and ms=3 and tn=903 order by npp",
                       [&](_RecordsetPtr& row) {
                           deducted += (deducted.IsEmpty() ? "" : " ") + SafeArayToString(row->GetCollect("npp"))
                                       + ":" + SafeArayToString(row->GetCollect("s"));
                       });
            EXPECT_EQ(tax, CString(c.tax)) << c.benefits << c.writs << " call " << call;
            EXPECT_EQ(deducted, CString(c.deducted)) << c.writs << " call " << call;
            // The writs' codes carry what they paid, on the first row; the history has the month.
            EXPECT_EQ(Text("select coalesce(sum(s),0) from paymar_nu where g=2009 and ms=3 and tn=903 and kou>201"),
                      Text("select coalesce(sum(s),0) from paymar_isp1 where g=2009 and ms=3 and tn=903"));
            EXPECT_EQ(Count("select count(*) from paymar_nu where g=2009 and ms=3 and tn=903 and kou>201 and npp<>1"), 0);
            EXPECT_EQ(Count("select count(*) from paymar_nuz where g=2009 and ms=3 and tn=903"),
                      Count("select count(*) from paymar_nu where g=2009 and ms=3 and tn=903"));
        }
    }
}

// The month's sick pay and payments by average earnings, as their forms
// split them by pay sheet, stand in the month's results under their codes:
// a certificate on its position row, one without a row and a payment by
// average on the employee's main row (his first, or 0 when he has none);
// another month's entries stay out, and a second run gives the same month.
TEST_F(AccrualRunTest, TheMonthsSickPayAndAveragePayStandInItsResultsOnce)
{
    const long g = g_lYear, ms = g_lMonth;
    const long pg = ms == 1 ? g - 1 : g, pms = ms == 1 ? 12 : ms - 1;
    Run("delete from tn where tn in (904,905)\ndelete from paymar_bux where tn in (904,905)\n"
        "delete from paymar_bol where tn in (904,905)\ndelete from paymar_bol2 where tn in (904,905)\n"
        "delete from paymar_sred where tn in (904,905)\ndelete from paymar_sred1 where tn in (904,905)");
    Run(FormatText(
        "insert into tn (tn,f,i,o,nv) values (904,'Пахомов','Игорь','Львович',1),(905,'Рябова','Нина','Юрьевна',1)\n"
        "insert into paymar_bux (tn,npp,osn,kou,d1) values (904,1,0,1,'2005-01-10'),(904,2,1,1,'2005-01-10')\n"
        "insert into paymar_bol (g,ms,tn,npp,vou,npp_bux) values (%ld,%ld,904,1,5,1),(%ld,%ld,904,2,6,NULL),"
        "(%ld,%ld,904,1,5,1)\n"
        "insert into paymar_bol2 (g,ms,tn,npp,nv,s) values (%ld,%ld,904,1,1,1000.10),(%ld,%ld,904,1,2,500.05),"
        "(%ld,%ld,904,2,1,200.00),(%ld,%ld,904,1,1,999.00)\n"
        "insert into paymar_sred (g,ms,tn,kou,d) values (%ld,%ld,904,35,5),(%ld,%ld,905,35,1),(%ld,%ld,904,35,2)\n"
        "insert into paymar_sred1 (g,ms,tn,nv,kou,s) values (%ld,%ld,904,1,35,300.00),(%ld,%ld,904,2,35,150.50),"
        "(%ld,%ld,905,1,35,80.00),(%ld,%ld,904,1,35,777.00)",
        g, ms, g, ms, pg, pms, g, ms, g, ms, g, ms, pg, pms, g, ms, g, ms, pg, pms, g, ms, g, ms, g, ms, pg, pms));
    const CString expected = "904 1 1 5 1000.10\n904 1 2 5 500.05\n904 2 1 6 200.00\n904 2 1 35 300.00\n"
                             "904 2 2 35 150.50\n905 0 1 35 80.00\n";
    const auto rows = [&](const char* table) {
        CString text;
        ForEachRow(FormatText("select tn,npp,nv,kou,s from %s where g=%ld and ms=%ld and tn in (904,905) and kou<=200 "
                              "order by tn,npp,kou,nv",
                              table, g, ms),
                   [&](_RecordsetPtr& row) {
                       for (const char* c : {"tn", "npp", "nv", "kou"})
                           text += SafeArayToString(row->GetCollect(c)) + " ";
                       text += SafeArayToString(row->GetCollect("s")) + "\n";
                   });
        return text;
    };
    for (int round = 0; round < 2; ++round) {
        AccrualRun run;
        run.year = g;
        run.month = ms;
        std::thread worker([&] { RunAccrualOnThisThread(run); });
        worker.join();
        ASSERT_TRUE(run.succeeded) << "run " << round;
        EXPECT_EQ(rows("paymar_nu"), expected) << "run " << round;
        EXPECT_EQ(rows("paymar_nuz"), expected) << "run " << round;
        // Taxed with the rest of the month: 13 % of 904's first row on sheet 1.
        EXPECT_EQ(Text(FormatText("select s from paymar_nu where g=%ld and ms=%ld and tn=904 and npp=1 and nv=1 and kou=201",
                                  g, ms)),
                  CString("130.01"));
    }
}

// The run's window with its status, as the clerk sees it.
TEST_F(AccrualRunTest, TheWindowShowsWhatIsComputed)
{
    const QString file = QCoreApplication::applicationDirPath() + "/paymar_run_window.png";
    afxtest::InteractionScript script;
    RunCommand(script, [&](afxtest::DialogStep& d) {
        d.setText(IDC_RN_STATUS, AccrualStatusText(0, g_lYear, g_lMonth).ToQString());
        EXPECT_TRUE(d.request().widget->grab().save(file));
        PumpUntil([&] { return !d.request().widget->isVisible(); });
    });
    EXPECT_FALSE(QImage(file).isNull());
}

} // namespace
