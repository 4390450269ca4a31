// Dates as dd.mm.yyyy texts.
#include "gridbase.h"

#include <gtest/gtest.h>

namespace {

TEST(GridDates, DmgToStrGivesTheDayOrNothingForAnEmptyDate)
{
    EXPECT_EQ(DMGtoStr(COleDateTime(2024, 3, 5, 17, 45, 0)), CString("05.03.2024"));
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_EQ(DMGtoStr(none), CString(""));
    none.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(DMGtoStr(none), CString(""));
}

TEST(GridDates, GetLocalDateWritesOnlyDaysThatExist)
{
    const struct {
        int year, month, day;
        const char* text;
    } cases[] = {
        {2024, 1, 1, "01.01.2024"}, {2024, 2, 29, "29.02.2024"}, {2023, 2, 29, ""},
        {1900, 2, 29, ""},          {2000, 2, 29, "29.02.2000"}, {2024, 4, 31, ""},
        {2024, 12, 31, "31.12.2024"}, {2024, 13, 1, ""},         {2024, 0, 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetLocalDate(c.year, c.month, c.day), CString(c.text)) << c.year << "-" << c.month << "-" << c.day;
}

TEST(GridDates, DmgNormalisesTypedDatesAndGivesNothingForNoDate)
{
    const struct {
        const char* typed;
        int shortForms;
        const char* date;
    } cases[] = {
        {"05.03.2024", 0, "05.03.2024"},
        {"5.3.2024", 0, "05.03.2024"},
        {" 05.03.2024 ", 0, "05.03.2024"},
        {"2024-03-05", 0, "05.03.2024"},
        {"2024-3-1", 1, "01.03.2024"},
        {"05.03.2024 10:15:00", 0, "05.03.2024"},
        {"05.03.2024 25:00", 1, ""},
        {"29.02.2024", 1, "29.02.2024"},
        {"29.02.2023", 1, ""},
        {"31.02.2024", 1, ""},
        {"31.04.2024", 0, ""},
        {"29.02.1900", 1, ""},
        {"29.02.2000", 1, "29.02.2000"},
        {"31.12.1899", 1, ""},
        {"01.01.1900", 0, "01.01.1900"},
        {"05.03.24", 0, ""},
        {"05.03.24", 1, "05.03.2024"},
        {"05.03.95", 1, "05.03.1995"},
        {"29.02.00", 1, "29.02.2000"},
        {"050324", 0, ""},
        {"050324", 1, "05.03.2024"},
        {"05032024", 1, "05.03.2024"},
        {"5/3/2024", 1, "05.03.2024"},
        {"5,3,24", 1, "05.03.2024"},
        {"5-3-24", 1, "05.03.2024"},
        {"32.01.2024", 1, ""},
        {"00.01.2024", 1, ""},
        {"15.13.2024", 1, ""},
        {"", 1, ""},
        {"сегодня", 1, ""},
        {"1.2", 1, ""},
        {"12.03.2024г", 1, ""},
        {"12.03.2024; drop table x", 1, ""},
        {"5032024", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DMG(c.typed, c.shortForms, 0), CString(c.date)) << c.typed << " " << c.shortForms;
}

} // namespace
