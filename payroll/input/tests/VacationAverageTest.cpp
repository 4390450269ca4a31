// Vacation average earnings: the months and the divisor by the cut-over of
// 6 October 2006, the days each month counts, the sheets with earnings and
// those the department or the project type leave out, and one part's figures
// per sheet with premiums and indexation, the average and the pay.
#include "VacationAverage.h"
#include "VacationFixture.h"
#include "gridbase.h"
#include "ncalcset.h"

namespace {

using namespace npaymar;

TEST(VacationMonths, TwelveMonthsAnd29_4FromTheCutOverThreeAnd29_6Before)
{
    const struct {
        const char* start;
        long months;
        const char* divisor;
    } cases[] = {
        {"06.10.2006", 12, "29.4"}, {"15.07.2009", 12, "29.4"}, {"05.10.2006", 3, "29.6"},
        {"01.01.2000", 3, "29.6"},  {"", 0, "0"},               {"31.02.2009", 0, "0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetAveragingMonths(c.start), c.months) << c.start;
        EXPECT_EQ(GetMonthDaysDivisor(c.start), CString(c.divisor)) << c.start;
    }
}

class VacationAverage : public paytest::VacationProgram {
protected:
    static QString Months(const VacationMonths& period)
    {
        QStringList months;
        for (const VacationMonth& m : period.months)
            months << QString("%1.%2:%3").arg(m.month).arg(m.year).arg(Number(m.days, 0).ToQString());
        return months.join(' ');
    }
    VacationPart Compute(const char* code, const char* days, std::vector<VacationSheet> sheets, bool indexed = true)
    {
        VacationPartInput input;
        input.tn = "903";
        input.start = "15.07.2009";
        input.code = code;
        input.days = days;
        input.indexed = indexed;
        input.sheets = std::move(sheets);
        return ComputeVacationPart(input, false);
    }
};

TEST_F(VacationAverage, AMonthCountsTheDivisorWhenItsPlanIsMetElseItsShareOfTheCalendarDaysWorked)
{
    Worked(2009, 5, "21", "10", "10");  // 31 days, 10 of them worked: 0.95 × 10
    Worked(2009, 4, "", "");            // no plan: said, and counted whole
    Worked(2009, 2, "20", "12", "");    // plan not met, no calendar days: nothing
    const VacationMonths period = ComputePlannedDays("903", "15.07.2009", false, true);
    EXPECT_EQ(Months(period), QString("7.2008:29.4 8.2008:29.4 9.2008:29.4 10.2008:29.4 11.2008:29.4 12.2008:29.4 "
                                      "1.2009:29.4 2.2009:0 3.2009:29.4 4.2009:29.4 5.2009:9.5 6.2009:29.4"));
    EXPECT_EQ(Number(period.days, 0), CString("303.5"));
    ASSERT_EQ(period.unplanned.size(), 1u);
    EXPECT_EQ(period.unplanned[0], CString("апрель"));
    // Nearest month first, every "ms" the history's own.
    EXPECT_TRUE(period.filter.ToQString().startsWith("(((paymar_nuz.g=2009 and paymar_nuz.ms=6) or"))
        << period.filter.ToQString().toStdString();
    EXPECT_TRUE(period.filter.ToQString().endsWith("(paymar_nuz.g=2008 and paymar_nuz.ms=7)))"));

    // Before the cut-over: three months of 29.6.
    const VacationMonths old = ComputePlannedDays("903", "05.10.2006", false, true);
    EXPECT_EQ(Months(old), QString("7.2006:29.6 8.2006:29.6 9.2006:29.6"));
    EXPECT_EQ(old.unplanned.size(), 3u);
    // A history of less than two months: the start's own month is the last.
    EXPECT_EQ(Months(ComputePlannedDays("903", "15.07.2009", true, false)).section(' ', -1), QString("7.2009:0"));
    EXPECT_TRUE(ComputePlannedDays("903", "", false, true).filter.IsEmpty());
    EXPECT_TRUE(ComputePlannedDays("", "15.07.2009", false, true).filter.IsEmpty());
}

TEST_F(VacationAverage, TheSheetsWithEarningsLessThoseTheDepartmentOrTheProjectTypeLeaveOut)
{
    for (int nv : {1, 2, 3})
        Result(2009, 6, nv, 1, "1000.00");
    Result(2009, 5, 4, 202, "10.00");  // a deduction alone lists its sheet too
    const struct {
        long projectType;
        int department;
        const char* sheets;
    } cases[] = {
        {0, 5, "1 2 3 4"}, {0, 3, "2 3 4"}, {0, 1, "1 3 4"}, {0, 7, "1 3 4"}, {1, 3, "1 2 4"}, {2, 3, "1 2 3 4"},
    };
    for (const auto& c : cases) {
        g_lProjectType = c.projectType;
        Run(FormatText("update tn set prd=%d where tn=903", c.department));
        std::vector<VacationSheet> sheets;
        ASSERT_TRUE(VacationSheets(ComputePlannedDays("903", "15.07.2009", false, false).filter, "903", "30", sheets));
        QStringList ids;
        for (const VacationSheet& sheet : sheets)
            ids << sheet.id.ToQString();
        EXPECT_EQ(ids.join(' '), QString(c.sheets)) << c.projectType << " " << c.department;
    }
}

TEST_F(VacationAverage, EachSheetTakesItsEarningsAndItsOwnPremiumTimesTheIndexedMonthsCoefficient)
{
    Run("update nv set indexir=1 where id=1\n"
        "insert into spr_paymar_otp_kof (g,ms,kof) values (2009,6,1.05)");
    Result(2009, 6, 1, 1, "1000.01");
    Result(2009, 6, 1, 11, "100.05");  // the premium, on sheet 1 only
    Result(2009, 5, 1, 1, "2000.00");
    Result(2009, 5, 1, 202, "100.00");
    Result(2009, 6, 3, 1, "500.00");
    const VacationPart part = Compute("30", "28", {{"1", "Основная"}, {"3", "Платные услуги"}});
    ASSERT_TRUE(part.computed);
    ASSERT_EQ(part.sheets.size(), 2u);
    const VacationSheetFigures& main = part.sheets[0];
    ASSERT_EQ(main.months.size(), 2u);
    EXPECT_EQ(main.months[1].month, 6);
    EXPECT_DOUBLE_EQ(main.months[1].earnings, 1000.01);
    EXPECT_DOUBLE_EQ(main.months[1].premium, 100.05);
    EXPECT_DOUBLE_EQ(main.months[1].coefficient, 1.05);
    EXPECT_EQ(FormatNumber(main.months[1].total, "", 2), CString("1155.06"));  // 1050.01 + 105.05
    EXPECT_EQ(FormatNumber(main.months[0].total, "", 2), CString("1900.00"));  // the dues taken off, no coefficient
    EXPECT_EQ(FormatNumber(main.total, "", 2), CString("3055.06"));
    EXPECT_EQ(FormatNumber(main.average, "", 2), CString("8.66"));  // 3055.06 / 352.8
    EXPECT_EQ(FormatNumber(main.amount, "", 2), CString("242.48"));
    // Sheet 3 is not indexed and the premium was not paid on it.
    const VacationSheetFigures& other = part.sheets[1];
    ASSERT_EQ(other.months.size(), 1u);
    EXPECT_DOUBLE_EQ(other.months[0].premium, 0);
    EXPECT_DOUBLE_EQ(other.months[0].coefficient, 1);
    EXPECT_EQ(FormatNumber(other.amount, "", 2), CString("39.76"));  // 1.42 × 28
    EXPECT_EQ(FormatNumber(part.amount, "", 2), CString("282.24"));
    EXPECT_EQ(part.amountRecords, CString("1:242.48:8.66:3055.06;3:39.76:1.42:500.00"));
    EXPECT_TRUE(part.sheetRecords.ToQString().contains("1:2009:6:1000.01:100.05:1.05:1155.06"));
    EXPECT_TRUE(part.monthRecords.ToQString().endsWith("2009:5:29.4:1900.00:0.00;2009:6:29.4:1550.01:105.05"))
        << part.monthRecords.ToQString().toStdString();
    EXPECT_DOUBLE_EQ(GetPrem("903", 2009, 6, -1, nullptr), 100.05);
    // A part of 14.9 days is paid for 14.
    EXPECT_EQ(FormatNumber(Compute("30", "14,9", {{"1", ""}}).amount, "", 2), CString("121.24"));

    // A code without a group is not computed.
    EXPECT_FALSE(Compute("36", "28", {{"1", ""}}).computed);

    // The coefficient that counts as 1: the box off, a coefficient of 0 or
    // none, a sheet not indexed.
    const struct {
        const char* setup;
        bool indexed;
        const char* june;
    } cases[] = {
        {"", false, "1100.06"},
        {"update spr_paymar_otp_kof set kof=0", true, "1100.06"},
        {"update spr_paymar_otp_kof set kof=null", true, "1100.06"},
        {"delete from spr_paymar_otp_kof", true, "1100.06"},
        {"insert into spr_paymar_otp_kof (g,ms,kof) values (2009,6,1.1)\nupdate nv set indexir=0", true, "1100.06"},
        {"update nv set indexir=1 where id=1\nupdate spr_paymar_otp_kof set kof=1.2", true, "1320.07"},  // 1200.01 + 120.06
    };
    for (const auto& c : cases) {
        if (*c.setup)
            Run(c.setup);
        const VacationPart figures = Compute("30", "28", {{"1", "Основная"}}, c.indexed);
        ASSERT_EQ(figures.sheets.size(), 1u);
        EXPECT_EQ(FormatNumber(figures.sheets[0].months[1].total, "", 2), CString(c.june)) << c.setup;
    }

    EXPECT_TRUE(Compute("30", "28", {}).computed);
    EXPECT_TRUE(Compute("30", "28", {}).sheets.empty());
}

} // namespace
