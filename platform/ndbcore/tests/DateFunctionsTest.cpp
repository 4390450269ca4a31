// Date helpers of the layer on the texts the modules pass them.
#include "ndbcore.h"

#include <gtest/gtest.h>

namespace {

TEST(DateFunctions, AddDateMovesByYearsMonthsDays)
{
    const struct {
        const char* date;
        long years, months, days;
        const char* result;
    } cases[] = {
        {"31.12.2023", 0, 0, 1, "01.01.2024"},   // the day after
        {"31.01.2024", 0, 1, 0, "29.02.2024"},   // one month later, clamped
        {"29.02.2024", 1, 0, 0, "28.02.2025"},
        {"2024-3-1", 0, 0, -1, "29.02.2024"},
        {"15.01.2024", 0, -1, 0, "15.12.2023"},
        {"", 0, 0, 1, ""},
        {"32.01.2024", 0, 0, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddDate(c.date, c.years, c.months, c.days), CString(c.result)) << c.date;
}

TEST(DateFunctions, PeriodsAndDifferences)
{
    EXPECT_EQ(CalcVoz0("31.01.2023", "01.03.2023"), CString("0-1-1"));
    EXPECT_EQ(CalcVoz0("15.06.1980", "14.06.2024"), CString("43-11-30"));
    EXPECT_EQ(CalcVoz0("01.03.2024", "15.03.2024"), CString("0-0-14"));
    EXPECT_EQ(CalcVoz0("", "15.03.2024"), CString(""));
    EXPECT_EQ(CalcVoz0("16.03.2024", "15.03.2024"), CString(""));
    EXPECT_EQ(GetDateDif("01.02.2024", "10.02.2024"), CString("10"));
    EXPECT_EQ(GetDateDif("28.02.2024", "01.03.2024"), CString("3"));
    EXPECT_EQ(GetTotalMonths("15.01.2024", "31.01.2024"), 0);
    EXPECT_EQ(GetTotalMonths("15.11.2023", "01.02.2024"), 3);
    EXPECT_EQ(MinDate("01.03.2024", "2024-2-15"), CString("15.02.2024"));
    EXPECT_EQ(MinDate("", "2024-2-15"), CString("15.02.2024"));
    EXPECT_EQ(GetDaysPerMonth(2, 2024), CString("29"));
    EXPECT_EQ(GetDaysPerMonth(2, 1900), CString("28"));
    long year = 0, month = 0;
    EXPECT_TRUE(otp("05.11.2023", year, month));
    EXPECT_EQ(year, 2023);
    EXPECT_EQ(month, 11);
    EXPECT_FALSE(otp("вчера", year, month));
}

TEST(DateFunctions, QwDmgAndWorkingPeriod)
{
    const COleDateTime d = qwDMG("29.02.2024", 1);
    ASSERT_EQ(d.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(d.GetDay(), 29);
    EXPECT_EQ(qwDMG("", 1).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(qwDMG("30.02.2024", 1).GetStatus(), COleDateTime::invalid);
    SetDPV1("2009-01-01");
    SetDPV2("31.1.2009");
    EXPECT_EQ(GetDPV1(), CString("01.01.2009"));
    EXPECT_EQ(GetDPV2(), CString("31.01.2009"));
    SetDPV1("");
    EXPECT_EQ(GetDPV1(), CString(""));
}

TEST(PeriodNames, MonthsPeriodsAndWeekdays)
{
    EXPECT_EQ(GetMonthName(1), CString("январь"));
    EXPECT_EQ(GetMonthName0(5), CString("мая"));
    EXPECT_EQ(GetMonthName(13), CString(""));
    EXPECT_EQ(GetOtpName(3), CString("I квартал"));
    EXPECT_EQ(GetOtpName(18), CString("за год"));
    EXPECT_EQ(GetDayOfWeekName(1), CString("воскресенье"));
    EXPECT_EQ(GetDayOfWeekName(-1), CString(""));
    EXPECT_EQ(GetFioShort0("Петрова  Анна Сергеевна"), CString("Петрова А.С."));
    EXPECT_EQ(GetFioShort0("Вакансия"), CString("Вакансия"));
}

}  // namespace
