// Number texts: rounding at half a unit, grouping only where asked, nothing
// that atof cannot read back, quantities without lost decimals.
#include "gridbase.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(GridNumbers, FormatNumberRoundsHalfAwayFromZeroAndGroupsOnlyWithAComma)
{
    const struct {
        double value;
        const char* pattern;
        int decimals;
        const char* text;
    } cases[] = {
        {1234.5, "", 2, "1234.50"},
        {-1234.5, "-", 2, "-1234.50"},
        {0, "", 2, "0.00"},
        {-0.001, "", 2, "0.00"},
        {2.675, "", 2, "2.68"},
        {1.005, "", 2, "1.01"},
        {0.125, "", 2, "0.13"},
        {-0.125, "-", 2, "-0.13"},
        {0.1 + 0.2, "-", 10, "0.3000000000"},
        {29.4, "-", 0, "29"},
        {12.5, "", -1, "13"},
        {99999999999.99, "", 2, "99999999999.99"},
        {1e15, "", 2, "1000000000000000.00"},
        {1234567.891, ",", 3, "1,234,567.891"},
        {-1234567.5, "-,", 2, "-1,234,567.50"},
        {999.5, ",", 0, "1,000"},
        {-123456, "-,", 0, "-123,456"},
        {123, ",", 2, "123.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern, c.decimals), CString(c.text))
            << c.value << " [" << c.pattern << "] " << c.decimals;
}

TEST(GridNumbers, PlainFormatReadsBackWithAtofAsTheAmountRoundedToKopecks)
{
    for (double amount : {0.005, 1.015, 2.675, -10.555, 1234567.895, 0.1 + 0.2, 1e12 / 3})
        EXPECT_EQ(std::atof(FormatNumber(amount, "", 2)), RoundKopecks(amount)) << amount;
}

TEST(GridNumbers, ReportVariantsLeaveZeroEmptyOrDropTrailingZeros)
{
    EXPECT_EQ(FormatNumber0(0, "", 2), CString(""));
    EXPECT_EQ(FormatNumber0(0.004, "", 2), CString(""));
    EXPECT_EQ(FormatNumber0(0.005, "", 2), CString("0.01"));
    EXPECT_EQ(FormatNumber0(-5, "", 2), CString("-5.00"));
    EXPECT_EQ(FormatNumber1(12.5, "-", 5), CString("12.5"));
    EXPECT_EQ(FormatNumber1(7, "-", 5), CString("7"));
    EXPECT_EQ(FormatNumber1(1234.5, "-,", 3), CString("1,234.5"));
    EXPECT_EQ(FormatNumber1(1.000004, "-", 5), CString("1"));
}

TEST(GridNumbers, NumberKeepsEverySignificantDecimalAndPadsToTheMinimum)
{
    const struct {
        double value;
        int minDecimals;
        const char* text;
    } cases[] = {
        {29.4, 0, "29.4"},   {29, 0, "29"},       {3, 1, "3.0"},         {2.25, 1, "2.25"},
        {0.1 + 0.2, 0, "0.3"}, {-0.5, 0, "-0.5"}, {1e-12, 0, "0"},       {-1e-12, 0, "0"},
        {0.0001234, 0, "0.0001234"}, {123456789.125, 0, "123456789.125"}, {0, 2, "0.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Number(c.value, c.minDecimals), CString(c.text)) << c.value << " " << c.minDecimals;
    EXPECT_EQ(Number(CString("29.4"), 0), CString("29.4"));
    EXPECT_EQ(Number(CString(""), 0), CString("0"));
    EXPECT_EQ(Number0(0), CString(""));
    EXPECT_EQ(Number0(2.5), CString("2.5"));
    EXPECT_EQ(Number_(-3.25), CString("-3.25"));
}

TEST(GridNumbers, FtoaReadsBackAsExactlyTheSameDouble)
{
    for (double v : {0.1, 0.1 + 0.2, 1e-7, 123456789.125, -2.5, 1e20, 5e-324, 1.7976931348623157e308, 1234.56}) {
        const CString text = ftoa(v);
        EXPECT_EQ(std::atof(text), v) << (LPCTSTR)text;
        EXPECT_EQ(text.FindOneOf("eE,"), -1) << (LPCTSTR)text;
    }
    EXPECT_EQ(ftoa(0), CString("0"));
    EXPECT_EQ(ftoa(-0.0), CString("0"));
    EXPECT_EQ(ftoa(12.5), CString("12.5"));
    EXPECT_EQ(ftoa(1234.56), CString("1234.56"));
}

TEST(GridNumbers, WholeNumbersRtzAndTheDecimalPoint)
{
    EXPECT_EQ(utoa(42), CString("42"));
    EXPECT_EQ(utoa(-1), CString("-1"));
    EXPECT_EQ(utoa(0), CString("0"));
    EXPECT_EQ(utos(4294967295u), CString("4294967295"));
    EXPECT_EQ(utos(-2L), CString("-2"));
    EXPECT_EQ(utoa(static_cast<const CWnd*>(nullptr)), CString("0"));
    EXPECT_EQ(GetNumberDelimiter(), CString("."));

    const struct {
        const char* text;
        const char* trimmed;
    } cases[] = {
        {"12.500", "12.5"}, {"7.000", "7"}, {"100", "100"}, {"0.000", "0"}, {"-0.000", "0"},
        {"-1.10", "-1.1"},  {"", ""},       {"1,000.50", "1,000.5"}, {"2500", "2500"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rtz(c.text), CString(c.trimmed)) << c.text;
}

} // namespace
