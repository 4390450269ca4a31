// Text forms and conversions of field values, which every list and scalar
// read of the suite goes through.
#include "ado.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* what;
    _variant_t value;
    const char* text;
};

TEST(Variant, TextFormsFollowTheSuiteRules)
{
    const TextCase cases[] = {
        {"null", _variant_t::Null(), ""},
        {"empty", _variant_t(), ""},
        {"int", _variant_t(-42L), "-42"},
        {"int64", _variant_t(9007199254740993LL), "9007199254740993"},
        {"double", _variant_t(1234.5), "1234.5"},
        {"double without exponent", _variant_t(1e20), "100000000000000000000"},
        {"tiny double", _variant_t(0.000001), "0.000001"},
        {"decimal keeps its scale", _variant_t::FromDecimalText("12.50"), "12.50"},
        {"negative decimal below one", _variant_t::FromDecimalText("-0.05"), "-0.05"},
        {"decimal with leading zeros", _variant_t::FromDecimalText("007.50"), "7.50"},
        {"decimal without whole part", _variant_t::FromDecimalText(".5"), "0.5"},
        {"decimal ending in its point", _variant_t::FromDecimalText("5."), "5"},
        {"decimal zero", _variant_t::FromDecimalText("-0.00"), "0.00"},
        {"decimal with spaces", _variant_t::FromDecimalText(" -12.30 "), "-12.30"},
        {"decimal of 19 digits", _variant_t::FromDecimalText("1234567890.123456789"), "1234567890.123456789"},
        {"decimal of 18 places", _variant_t::FromDecimalText("-0.000000000000000001"), "-0.000000000000000001"},
        {"decimal with a plus", _variant_t::FromDecimalText("+3.10"), "3.10"},
        {"date", _variant_t::FromDate({2024, 2, 29, 0, 0, 0}, false), "29.02.2024"},
        {"date-time at midnight", _variant_t::FromDate({2024, 3, 1, 0, 0, 0}, true), "01.03.2024 00:00:00"},
        {"date-time", _variant_t::FromDate({1999, 12, 31, 23, 59, 58}, true), "31.12.1999 23:59:58"},
        {"impossible date is null", _variant_t::FromDate({2023, 2, 29, 0, 0, 0}, false), ""},
        {"bool", _variant_t(true), "1"},
        {"text", _variant_t("Ёлка «№1»"), "Ёлка «№1»"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(c.value.text().toStdString(), std::string(c.text)) << c.what;
}

TEST(Variant, NumbersConvertAndNullRefuses)
{
    EXPECT_EQ(static_cast<long>(_variant_t("  17 ")), 17);
    EXPECT_DOUBLE_EQ(static_cast<double>(_variant_t("12,75")), 12.75);
    EXPECT_DOUBLE_EQ(static_cast<double>(_variant_t::FromDecimalText("-3.25")), -3.25);
    EXPECT_EQ(static_cast<long>(_variant_t::FromDecimalText("2.50")), 3);
    EXPECT_THROW(static_cast<long>(_variant_t::Null()), _com_error);
    EXPECT_THROW(static_cast<double>(_variant_t("abc")), _com_error);
    EXPECT_EQ(static_cast<long>(_variant_t()), 0);
}

TEST(Variant, DateNumberMatchesTheCalendar)
{
    const _variant_t epoch = _variant_t::FromDate({1899, 12, 30, 0, 0, 0}, false);
    EXPECT_DOUBLE_EQ(epoch.date, 0.0);
    const _variant_t noon = _variant_t::FromDate({2000, 1, 1, 12, 0, 0}, true);
    EXPECT_DOUBLE_EQ(noon.date, 36526.5);
    const vornal::ado::DateParts back = vornal::ado::SplitOleDate(noon.date);
    EXPECT_EQ(back.year, 2000);
    EXPECT_EQ(back.hour, 12);
}

TEST(Bstr, KeepsCharactersAndGivesUtf8)
{
    const _bstr_t text("Сумма");
    EXPECT_EQ(text.length(), 5u);
    EXPECT_STREQ(static_cast<const char*>(text), "Сумма");
    EXPECT_EQ((text + _bstr_t(" итого")).qstring(), QStringLiteral("Сумма итого"));
}

}  // namespace
