// Amounts and counts in words: the declension of рубль/копейка and of the
// scales (1, 2, 5, 11, 21), the feminine тысяча, kopecks in two figures and
// rounded, negative amounts and the count form of the cash book.
#include "CHelpers.h"

#include <gtest/gtest.h>

namespace {

struct AmountCase {
    double amount;
    const char* words;
};

TEST(WrittenRubles, MoneyTable)
{
    const AmountCase cases[] = {
        {0, "Ноль рублей 00 копеек"},
        {1, "Один рубль 00 копеек"},
        {2, "Два рубля 00 копеек"},
        {5, "Пять рублей 00 копеек"},
        {11, "Одиннадцать рублей 00 копеек"},
        {21, "Двадцать один рубль 00 копеек"},
        {112, "Сто двенадцать рублей 00 копеек"},
        {1000, "Одна тысяча рублей 00 копеек"},
        {2002, "Две тысячи два рубля 00 копеек"},
        {11000, "Одиннадцать тысяч рублей 00 копеек"},
        {1000000, "Один миллион рублей 00 копеек"},
        {2500000, "Два миллиона пятьсот тысяч рублей 00 копеек"},
        {1234567.89, "Один миллион двести тридцать четыре тысячи пятьсот шестьдесят семь рублей 89 копеек"},
        {0.01, "Ноль рублей 01 копейка"},
        {0.02, "Ноль рублей 02 копейки"},
        {12.21, "Двенадцать рублей 21 копейка"},
        {12.11, "Двенадцать рублей 11 копеек"},
        {2.675, "Два рубля 68 копеек"},
        {0.999, "Один рубль 00 копеек"},
        {-21.5, "Минус двадцать один рубль 50 копеек"},
    };
    for (const AmountCase& c : cases)
        EXPECT_EQ(CHelpers::GetWrittenRubles(c.amount, 0), CString(c.words)) << c.amount;
}

TEST(WrittenRubles, CountsHaveNoCurrency)
{
    const AmountCase cases[] = {
        {0, "ноль"}, {1, "один"}, {2, "два"}, {5, "пять"}, {11, "одиннадцать"},
        {21, "двадцать один"}, {1000, "одна тысяча"}, {1000000, "один миллион"},
    };
    for (const AmountCase& c : cases)
        EXPECT_EQ(CHelpers::GetWrittenRubles(c.amount, 1), CString(c.words)) << c.amount;
}

} // namespace
