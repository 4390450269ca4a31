// The average daily earnings of sick pay and the child-care allowance: the
// window of months, the days each month counts, the bonus, the salary of a
// new employee, rounding, the days a month does not count, and a failed read
// answering nothing rather than part of a figure.
#include "CPaymar.h"
#include "PayrollProgram.h"
#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

namespace {

using npaymar::CPaymar;

// Employee 901 with one position row from `hired`, on sheet 1 of position 1;
// the pay-code group 95 holds the salary (1), the bonus (11) and the union
// dues (202, a deduction).
class PaymarAverage : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Run("delete from tn where tn=901\n"
            "delete from paymar_nuz where tn=901\ndelete from paymar_trv where tn=901\ndelete from perso_trv where tn=901\n"
            "delete from paymar_bol1 where tn=901\ndelete from paymar_otpusk where tn=901\n"
            "delete from spr_tvx where kou=95\ndelete from spr_vou where id=12\n"
            "insert into tn (tn,f,i,o,nv) values (901,'Тестова','Анна','Ивановна',1)\n"
            "insert into spr_tvx (kou,id) values (95,1),(95,11),(95,202)\n"
            "delete from spr_paymar_prem\n"
            "delete from spr_kl1 where id=1 and g in (2008,2009)");
        Hire("2005-01-10");
        // The five-day calendar's norm of 2008 and 2009: 21 days each month.
        for (int g = 2008; g <= 2009; ++g)
            for (int m = 1; m <= 12; ++m)
                Run(FormatText("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (1,%d,%d,21,30,168)", g, m));
    }
    void Hire(const char* date)
    {
        Run(FormatText("delete from paymar_bux where tn=901\n"
                       "insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1) values (901,1,1,1,1,1,'%s')",
                       date));
    }
    // A month of results (salary `s` under code 1) and its days in paymar_trv.
    void Month(int g, int m, const char* s, const char* dn, const char* kl = "NULL")
    {
        Run(FormatText("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,%d,901,1,1,1,%s)\n"
                       "insert into paymar_trv (tn,g,ms,dn,kl) values (901,%d,%d,%s,%s)",
                       g, m, s, g, m, dn, kl));
    }
    // Twelve months from March 2008 to February 2009 at 3650.00 and the full norm.
    void FullYear()
    {
        for (int i = 0; i < 12; ++i)
            Month(i < 10 ? 2008 : 2009, i < 10 ? i + 3 : i - 9, "3650.00", "21");
    }
    CString Average(const char* date, CCellwork* grid = nullptr)
    {
        CString filter;
        const CString average = CPaymar::BOL_SRED_DAY("901", date, "95", grid, filter, 12);
        lastFilter = filter;
        return average;
    }
    // The earnings grid of a sick-leave form: 13 rows of 5 columns.
    CCellwork* Grid()
    {
        if (!holder.GetSafeHwnd()) {
            EXPECT_TRUE(holder.CreateEx(0, nullptr, "", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 300), nullptr, 0));
            EXPECT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 280), &holder, 100));
            grid.SetNCols(5);
            grid.SetNRows(13);
        }
        return &grid;
    }
    CString lastFilter;
    CWnd holder;
    CCellwork grid;
};

TEST_F(PaymarAverage, TwelveMonthsOfLongServiceEndWithTheMonthBeforeTheDate)
{
    FullYear();
    EXPECT_EQ(Average("15.03.2009"), CString("120.00"));  // 43800.00 / 365 days
    EXPECT_TRUE(lastFilter.Find("((g=2009 and ms=2) or (g=2009 and ms=1) or (g=2008 and ms=12) or ") == 0) << lastFilter;
    EXPECT_TRUE(lastFilter.Right(22) == CString(" or (g=2008 and ms=3))")) << lastFilter;

    // Project type 1 leaves sheet 3 out.
    const long saved = g_lProjectType;
    g_lProjectType = 1;
    Average("15.03.2009");
    g_lProjectType = saved;
    EXPECT_TRUE(lastFilter.Right(10) == CString(" and nv<>3")) << lastFilter;
}

// How many days one month counts: its kl when filled; all calendar days when
// the days worked equal the norm; the calendar days less those not counted;
// else the days worked times 1.4. The other eleven months count their
// calendar days (337 in all), each at 3650.00.
TEST_F(PaymarAverage, EachMonthCountsItsDaysByTheFirstRuleThatApplies)
{
    const struct {
        const char* dn;
        const char* kl;
        const char* marks;  // of February 2009 in perso_trv: "" none, else a mark for the 10th, "8.00" the others
        const char* days;
    } cases[] = {
        {"19", "NULL", "", "27"},       // 19 x 1.4 = 26.6: no time sheet and no absences
        {"19", "25", "", "25.00"},      // kl as it stands, whatever dn is
        {"21", "NULL", "", "28"},       // the norm: the month's calendar days
        {"0", "NULL", "", "0"},         // nothing worked, nothing absent
        {"19", "NULL", "Б", "27"},      // one day not worked: 28 - 1
        {"19", "NULL", "8.00", "27"},   // every day worked: 26.6 again
    };
    for (const auto& c : cases) {
        Run("delete from paymar_nuz where tn=901\ndelete from paymar_trv where tn=901\ndelete from perso_trv where tn=901");
        for (int i = 0; i < 11; ++i)
            Month(i < 10 ? 2008 : 2009, i < 10 ? i + 3 : 1, "3650.00", "21");
        Month(2009, 2, "3650.00", c.dn, c.kl);
        if (*c.marks)
            for (int day = 1; day <= 28; ++day)
                Run(FormatText("insert into perso_trv (tn,npp,d,t) values (901,1,'2009-02-%02d','%s')", day,
                               day == 10 ? c.marks : "8.00"));
        const CString average = Average("15.03.2009", Grid());
        const double days = 337 + atof(c.days);
        EXPECT_EQ(grid.GetCellValue(2, 11), CString(c.days)) << c.dn << " " << c.kl << " " << c.marks;
        EXPECT_EQ(grid.GetCellValue(2, 12), Number(days, 0)) << c.dn << " " << c.kl << " " << c.marks;
        EXPECT_EQ(grid.GetCellValue(1, 12), CString("Итого:"));
        EXPECT_EQ(average, FormatNumber(43800.0 / days, "", 2)) << c.dn << " " << c.kl << " " << c.marks;
    }
}

TEST_F(PaymarAverage, DeductionsOfTheGroupSubtractAndBonusesCountByTheShareOfTheYear)
{
    FullYear();
    Run("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (2009,1,901,1,1,202,365.00)\n"
        "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (2008,12,901,1,1,11,730.00)\n"
        "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (2008,11,901,1,1,12,1000.00)\n"
        "insert into spr_vou (id,name) values (12,'Премия квартальная')\n"
        "insert into spr_paymar_prem (id,name,ms,dt_del,Real_npp) values (1,'Премия',1,NULL,11)\n"
        "insert into spr_paymar_prem (id,name,ms,dt_del,Real_npp) values (2,'Снятая',1,'2000-01-01',12)");
    // Earnings 43800 - 365 + 730 (code 11 is in the group too); bonus 730
    // counted for 365 of 365 days; code 12 is a bonus no longer in force.
    EXPECT_EQ(Average("15.03.2009", Grid()), FormatNumber((730.0 + 43800 - 365 + 730) / 365, "", 2));
    EXPECT_EQ(grid.GetCellValue(4, 12), CString("730"));
    EXPECT_EQ(grid.GetCellValue(3, 10), CString("3285"));  // January: 3650 - 365
}

TEST_F(PaymarAverage, AShortHistoryMovesTheWindowOnToTheMonthOfTheDate)
{
    Hire("2009-01-12");
    Month(2009, 1, "2000.00", "15", "20");
    Month(2009, 2, "3650.00", "21", "28");
    Month(2009, 3, "1000.00", "5", "10");
    EXPECT_EQ(Average("15.03.2009"), FormatNumber(6650.0 / 58, "", 2));
    EXPECT_TRUE(lastFilter.Find("((g=2009 and ms=3) or (g=2009 and ms=2) or ") == 0) << lastFilter;
}

TEST_F(PaymarAverage, UnderThreeMonthsOfServiceWithAFullHistoryTakesTheSalary)
{
    FullYear();
    Hire("2009-02-01");
    const CString salary = GetOKL_paymar("901");
    ASSERT_FALSE(salary.IsEmpty());
    // December, January, February at the salary for all their days.
    EXPECT_EQ(Average("15.03.2009", Grid()), FormatNumber(3 * atof(salary) / (31 + 31 + 28), "", 2));
    EXPECT_EQ(grid.GetCellValue(0, 0), CString("2009"));
    EXPECT_EQ(grid.GetCellValue(2, 2), CString("31"));  // December 2008
    EXPECT_EQ(grid.GetCellValue(2, 12), CString("90"));
}

TEST_F(PaymarAverage, AnAverageOfHalfAKopeckRoundsUpAndNoDaysAnswerNothing)
{
    Month(2009, 2, "20001.00", "21", "200");
    EXPECT_EQ(Average("15.03.2009"), CString("100.01"));  // 100.005

    Run("delete from paymar_nuz where tn=901\ndelete from paymar_trv where tn=901");
    EXPECT_EQ(Average("15.03.2009", Grid()), CString());
    EXPECT_EQ(grid.GetCellValue(1, 12), CString());
    EXPECT_EQ(Average("", Grid()), CString());
    EXPECT_EQ(CPaymar::BOL_SRED_DAY("1;drop", "15.03.2009", "95", nullptr, lastFilter, 12), CString());
}

// A read that fails after some months were summed answers nothing: the
// bonus codes cannot be read, so the months' earnings alone are no average.
TEST_F(PaymarAverage, AFailedReadAnswersNothingRatherThanPartOfTheFigure)
{
    FullYear();
    Run("rename table spr_paymar_prem to spr_paymar_prem_away");
    const CString average = Average("15.03.2009");
    Run("rename table spr_paymar_prem_away to spr_paymar_prem");
    EXPECT_EQ(average, CString());
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
}

// The days of a month not counted, by the time sheet's marks: the 10th of
// June 2009 carries the mark, every other day "8.00" (or nothing at all).
TEST_F(PaymarAverage, ADayOfTheTimeSheetCountsWhenAnyOfItsMarksIsWorked)
{
    const struct {
        const char* marks[2];  // the 10th's rows (npp 1 and 2); nullptr: no row
        int notCounted;
    } cases[] = {
        {{"NULL", nullptr}, -1}, {{"''", nullptr}, -1},    {{"'8.00'", nullptr}, -1}, {{"'0.00'", nullptr}, 1},
        {{"'ф'", nullptr}, -1},  {{"'ФЧ'", nullptr}, -1},  {{"'Б'", nullptr}, 1},     {{nullptr, nullptr}, 1},
        {{"'Б'", "'8.00'"}, -1}, {{"'0.00'", "'б'"}, 1},   {{"'к'", "'Б'"}, -1},
    };
    for (const auto& c : cases) {
        Run("delete from perso_trv where tn=901");
        for (int day = 1; day <= 30; ++day)
            if (day != 10)
                Run(FormatText("insert into perso_trv (tn,npp,d,t) values (901,1,'2009-06-%02d','8.00')", day));
        for (int npp = 0; npp < 2; ++npp)
            if (c.marks[npp])
                Run(FormatText("insert into perso_trv (tn,npp,d,t) values (901,%d,'2009-06-10',%s)", npp + 1,
                               c.marks[npp]));
        EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 6), c.notCounted)
            << (c.marks[0] ? c.marks[0] : "none") << " " << (c.marks[1] ? c.marks[1] : "");
    }
}

TEST_F(PaymarAverage, WithoutMarksTheMonthLosesItsSickLeavesAndVacations)
{
    Run("insert into paymar_bol1 (g,ms,tn,npp,d1,d2,dn,pr,npp1) values (2009,6,901,1,'2009-05-25','2009-06-05',12,100,1)");
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 6), 5);
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 5), 7);
    Run("insert into paymar_otpusk (g,ms,tn,npp,d1,d2) values (2009,6,901,1,'2009-06-10','2009-07-20')");
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 6), 26);
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 7), 20);
    Run("insert into paymar_otpusk (g,ms,tn,npp,d1,d2) values (2009,6,901,2,'2009-06-01','2009-06-30')");
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 6), 30);  // at most the month's days
    EXPECT_EQ(CPaymar::GetDNbol("901", 2009, 8), 0);
}

TEST_F(PaymarAverage, TheSalaryIsThatOfTheMainRowsPositionOnTheMainSheet)
{
    const CString okl = Text("select okl from spr_paymar_dol1 where id=1 and nv=1");
    EXPECT_EQ(GetOKL_paymar("901"), okl);
    Run("update tn set nv=2 where tn=901");  // position 1 has no salary on sheet 2
    EXPECT_EQ(GetOKL_paymar("901"), CString());
    Run("update tn set nv=1 where tn=901\nupdate paymar_bux set osn=0 where tn=901");
    EXPECT_EQ(GetOKL_paymar("901"), CString());
    EXPECT_EQ(GetOKL_paymar("901 or 1=1"), CString());
}

} // namespace
