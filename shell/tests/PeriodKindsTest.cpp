// The period kinds of a year: first and last days, leap years by the
// Gregorian rule (1900 and 2100 are not leap years, 2000 is).
#include "PeriodKinds.h"

#include <gtest/gtest.h>

namespace {

struct KindCase {
    int kind;
    int year;
    const char* first;
    const char* last;
};

const KindCase kCases[] = {
    {0, 2023, "01.01.2023", "31.01.2023"},   {1, 2023, "01.02.2023", "28.02.2023"},
    {1, 2024, "01.02.2024", "29.02.2024"},   {1, 1900, "01.02.1900", "28.02.1900"},
    {1, 2000, "01.02.2000", "29.02.2000"},   {1, 2100, "01.02.2100", "28.02.2100"},
    {2, 2024, "01.03.2024", "31.03.2024"},   {3, 2024, "01.01.2024", "31.03.2024"},
    {4, 2024, "01.04.2024", "30.04.2024"},   {5, 2024, "01.05.2024", "31.05.2024"},
    {6, 2024, "01.06.2024", "30.06.2024"},   {7, 2024, "01.04.2024", "30.06.2024"},
    {8, 2024, "01.01.2024", "30.06.2024"},   {9, 2024, "01.07.2024", "31.07.2024"},
    {10, 2024, "01.08.2024", "31.08.2024"},  {11, 2024, "01.09.2024", "30.09.2024"},
    {12, 2024, "01.07.2024", "30.09.2024"},  {13, 2024, "01.01.2024", "30.09.2024"},
    {14, 2024, "01.10.2024", "31.10.2024"},  {15, 2024, "01.11.2024", "30.11.2024"},
    {16, 2024, "01.12.2024", "31.12.2024"},  {17, 2024, "01.10.2024", "31.12.2024"},
    {18, 1900, "01.01.1900", "31.12.1900"},  {19, 2024, "", ""},
    {-1, 2024, "", ""},
};

TEST(PeriodKindsTest, DaysOfEveryKind)
{
    for (const KindCase& c : kCases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " year " << c.year);
        EXPECT_EQ(PeriodKindFirstDay(c.kind, c.year), CString(c.first));
        EXPECT_EQ(PeriodKindLastDay(c.kind, c.year), CString(c.last));
    }
}

TEST(PeriodKindsTest, NamesAndMonthNumbers)
{
    const int months[kPeriodKindCount] = {1, 2, 3, 0, 4, 5, 6, 0, 0, 7, 8, 9, 0, 0, 10, 11, 12, 0, 0};
    for (int kind = 0; kind < kPeriodKindCount; ++kind)
        EXPECT_EQ(PeriodKindMonth(kind), months[kind]) << kind;
    EXPECT_EQ(PeriodKindName(3), CString("I квартал"));
    EXPECT_EQ(PeriodKindName(13), CString("9 месяцев"));
    EXPECT_EQ(PeriodKindName(kPeriodKindYear), CString("за год"));
}

TEST(PeriodKindsTest, OnlyAPlainYearIsAYear)
{
    const struct {
        const char* text;
        int year;
    } cases[] = {{"2024", 2024}, {" 1900 ", 1900}, {"1899", 0},        {"", 0},     {"20 24", 0},
                 {"2024;", 0},   {"2024 or 1=1", 0}, {"-2024", 0},      {"２０２４", 0}, {"99999", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseYear(c.text), c.year) << c.text;
}

} // namespace
