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

} // namespace
