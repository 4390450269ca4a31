// COleDateTime: impossible dates are refused, DATE values and day arithmetic
// match the calendar across month, year and leap-year edges.
#include "afx.h"

#include <gtest/gtest.h>

namespace {

TEST(COleDateTime, RefusesImpossibleDates)
{
    struct Case {
        int y, m, d, h;
        bool valid;
    } const cases[] = {
        {2024, 2, 29, 0, true},   {2023, 2, 29, 0, false}, {1900, 2, 29, 0, false},
        {2000, 2, 29, 0, true},   {2024, 2, 31, 0, false}, {2024, 4, 31, 0, false},
        {2024, 13, 1, 0, false},  {2024, 0, 1, 0, false},  {2024, 1, 0, 0, false},
        {99, 12, 31, 0, false},   {10000, 1, 1, 0, false}, {2024, 1, 1, 24, false},
        {100, 1, 1, 23, true},    {9999, 12, 31, 23, true},
    };
    for (const Case& c : cases) {
        COleDateTime t;
        const int result = t.SetDateTime(c.y, c.m, c.d, c.h, 0, 0);
        const auto label = testing::Message() << c.d << "." << c.m << "." << c.y << " " << c.h << "h";
        EXPECT_EQ(result == 0, c.valid) << label;
        EXPECT_EQ(t.GetStatus(), c.valid ? COleDateTime::valid : COleDateTime::invalid) << label;
        if (c.valid) {
            EXPECT_EQ(t.GetYear(), c.y) << label;
            EXPECT_EQ(t.GetMonth(), c.m) << label;
            EXPECT_EQ(t.GetDay(), c.d) << label;
        } else {
            EXPECT_EQ(t.GetYear(), -1) << label;
            EXPECT_STREQ(t.Format("%d.%m.%Y"), "") << label;
        }
    }
}

TEST(COleDateTime, DateValuesAndParts)
{
    struct Case {
        COleDateTime date;
        DATE value;
        int dayOfWeek, dayOfYear;
    } const cases[] = {
        {COleDateTime(1899, 12, 30, 0, 0, 0), 0.0, 7, 364},
        {COleDateTime(1900, 1, 1, 0, 0, 0), 2.0, 2, 1},
        {COleDateTime(1899, 12, 29, 6, 0, 0), -1.25, 6, 363},
        {COleDateTime(2000, 1, 1, 12, 0, 0), 36526.5, 7, 1},
        {COleDateTime(2024, 12, 31, 0, 0, 0), 45657.0, 3, 366},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DATE(c.date), c.value) << c.date.Format();
        EXPECT_EQ(c.date.GetDayOfWeek(), c.dayOfWeek) << c.date.Format();
        EXPECT_EQ(c.date.GetDayOfYear(), c.dayOfYear) << c.date.Format();
        const COleDateTime back(c.value);
        EXPECT_EQ(back.Format(), c.date.Format());
    }
    EXPECT_LT(COleDateTime(1899, 12, 29, 0, 0, 0), COleDateTime(1899, 12, 29, 6, 0, 0))
        << "DATE -1.0 is earlier than -1.25";
}

TEST(COleDateTime, ArithmeticWithSpans)
{
    struct Case {
        COleDateTime from;
        COleDateTimeSpan span;
        const char* expected;
    } const cases[] = {
        {COleDateTime(2000, 2, 28, 0, 0, 0), COleDateTimeSpan(1, 0, 0, 0), "29.02.2000"},
        {COleDateTime(1900, 2, 28, 0, 0, 0), COleDateTimeSpan(1, 0, 0, 0), "01.03.1900"},
        {COleDateTime(2023, 12, 31, 23, 59, 59), COleDateTimeSpan(0, 0, 0, 1), "01.01.2024"},
        {COleDateTime(2024, 3, 1, 0, 0, 0), COleDateTimeSpan(-1, 0, 0, 0), "29.02.2024"},
        {COleDateTime(1899, 12, 30, 3, 0, 0), COleDateTimeSpan(-1, 0, 0, 0), "29.12.1899 03:00:00"},
        {COleDateTime(2024, 1, 31, 22, 0, 0), COleDateTimeSpan(0, 3, 0, 0), "01.02.2024 01:00:00"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ((c.from + c.span).Format(), c.expected) << c.from.Format();

    const COleDateTimeSpan february = COleDateTime(2024, 3, 1, 0, 0, 0) - COleDateTime(2024, 2, 1, 0, 0, 0);
    EXPECT_EQ(february.GetDays(), 29);
    const COleDateTimeSpan span = COleDateTime(2024, 1, 2, 13, 30, 15) - COleDateTime(2024, 1, 1, 0, 0, 0);
    EXPECT_EQ(span.GetDays(), 1);
    EXPECT_EQ(span.GetHours(), 13);
    EXPECT_EQ(span.GetMinutes(), 30);
    EXPECT_EQ(span.GetSeconds(), 15);
    EXPECT_NEAR(span.GetTotalHours(), 37.504166, 1e-5);

    COleDateTime none;
    none.SetDate(2024, 2, 30);
    EXPECT_EQ((none + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTime, FormatsAndParses)
{
    const COleDateTime t(2024, 3, 5, 9, 7, 0);
    EXPECT_STREQ(t.Format("%d.%m.%Y %H:%M"), "05.03.2024 09:07");
    EXPECT_STREQ(t.Format("%#d %B %Y, %A"), "5 Март 2024, Вторник");
    EXPECT_STREQ(t.Format(), "05.03.2024 09:07:00");
    EXPECT_STREQ(COleDateTime(2024, 3, 5, 0, 0, 0).Format(), "05.03.2024");

    struct Case {
        const char* text;
        DWORD flags;
        const char* expected; // nullptr: refused
    } const cases[] = {
        {"05.03.2024", 0, "05.03.2024"},
        {" 5.3.24 ", 0, "05.03.2024"},
        {"05.03.1999", 0, "05.03.1999"},
        {"2024-03-05", 0, "05.03.2024"},
        {"2024-03-05T10:20:30", 0, "05.03.2024 10:20:30"},
        {"05.03.2024 10:20", VAR_DATEVALUEONLY, "05.03.2024"},
        {"10:20", 0, "30.12.1899 10:20:00"},
        {"31.02.2024", 0, nullptr},
        {"", 0, nullptr},
        {"5 марта", 0, nullptr},
        {"05.03.2024 25:00", 0, nullptr},
    };
    for (const Case& c : cases) {
        COleDateTime d;
        const bool ok = d.ParseDateTime(c.text, c.flags);
        EXPECT_EQ(ok, c.expected != nullptr) << c.text;
        if (c.expected)
            EXPECT_STREQ(d.Format(), c.expected) << c.text;
        else
            EXPECT_EQ(d.GetStatus(), COleDateTime::invalid) << c.text;
    }
}

} // namespace
