// CString on Cyrillic text: characters are counted, not UTF-8 bytes, and the
// checked Format never reads an argument as the wrong type.
#include "afx.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* what;
    std::function<CString()> make;
    const char* expected;
};

TEST(CString, CountsCharactersAndEditsCyrillic)
{
    const CString s("Приход-расход");
    EXPECT_EQ(s.GetLength(), 13);
    EXPECT_EQ(s.Find('-'), 6);
    EXPECT_EQ(s.Find("рас"), 7);
    EXPECT_EQ(s.Find("рас", 8), -1);
    EXPECT_EQ(s.Find(u'х'), 3);
    EXPECT_EQ(s.ReverseFind(u'х'), 10);
    EXPECT_EQ(s.FindOneOf("-д"), 5);
    EXPECT_TRUE(s[6] == '-');
    EXPECT_TRUE(s.GetAt(0) == u'П');
    EXPECT_THROW(s.GetAt(13), std::out_of_range);

    const TextCase cases[] = {
        {"Mid", [&] { return s.Mid(7); }, "расход"},
        {"Mid count", [&] { return s.Mid(2, 3); }, "ихо"},
        {"Mid past end", [&] { return s.Mid(10, 50); }, "ход"},
        {"Left", [&] { return s.Left(6); }, "Приход"},
        {"Right", [&] { return s.Right(6); }, "расход"},
        {"MakeUpper", [&] { CString t = s; return t.MakeUpper(); }, "ПРИХОД-РАСХОД"},
        {"MakeLower", [] { CString t("ЁЛКА Ok"); return t.MakeLower(); }, "ёлка ok"},
        {"Replace", [] { CString t("deb_счет_deb"); t.Replace("deb", "kred"); return t; }, "kred_счет_kred"},
        {"Remove", [] { CString t("1 000 000"); t.Remove(' '); return t; }, "1000000"},
        {"Insert", [] { CString t("Счт"); t.Insert(2, u'е'); return t; }, "Счет"},
        {"Delete", [] { CString t("Счёт"); t.Delete(2); return t; }, "Счт"},
        {"Trim", [] { CString t(" \t Итого \r\n"); return t.Trim(); }, "Итого"},
        {"Trim chars", [] { CString t("**Итого*"); return t.Trim("*"); }, "Итого"},
        {"TrimLeft zero", [] { CString t("000120"); return t.TrimLeft('0'); }, "120"},
        {"SpanIncluding", [] { return CString("230405000счёт").SpanIncluding("0123456789"); }, "230405000"},
        {"SpanExcluding", [] { return CString("Иванов;Пётр").SpanExcluding(";,"); }, "Иванов"},
        {"concatenation", [&] { return "<" + s.Left(1) + '>' + u'я'; }, "<П>я"},
        {"char count", [] { return CString(u'ж', 3); }, "жжж"},
    };
    for (const TextCase& c : cases)
        EXPECT_STREQ(c.make(), c.expected) << c.what;
}

TEST(CString, TokenizeWalksAllTokens)
{
    const CString s(";Бюджет;;Платный;ЦС и БП;");
    CString seen;
    int pos = 0;
    for (CString t = s.Tokenize(";", pos); pos >= 0; t = s.Tokenize(";", pos))
        seen += t + "|";
    EXPECT_STREQ(seen, "Бюджет|Платный|ЦС и БП|");
}

TEST(CString, ComparesAndConvertsToUtf8)
{
    const CString a("абв");
    const CString b("АБВ");
    EXPECT_TRUE(a == "абв");
    EXPECT_TRUE("абв" == a);
    EXPECT_TRUE(a != b);
    EXPECT_EQ(a.CompareNoCase(b), 0);
    EXPECT_LT(b.Compare(a), 0);
    EXPECT_TRUE(CString("a") < CString("b"));
    const char* utf8 = a;
    EXPECT_EQ(std::strlen(utf8), 6u); // three two-byte letters
    CString copy = a;
    EXPECT_EQ(static_cast<const char*>(a), utf8) << "the pointer stays while the text is unchanged";
    EXPECT_STREQ(CString(std::string("текст")), "текст");
    EXPECT_EQ(CString(QString("текст")).GetLength(), 5);
}

TEST(CString, BufferIsCopiedBackOnRelease)
{
    CString s("счёт");
    char* buf = s.GetBuffer(64);
    std::strcat(buf, " №5");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "счёт №5");
    EXPECT_EQ(s.GetLength(), 7);
}

TEST(CString, FormatsWithCheckedArguments)
{
    const CString name("Иванов");
    const TextCase cases[] = {
        {"%s CString", [&] { return FormatText("Сотрудник %s.", name); }, "Сотрудник Иванов."},
        {"%s const char*", [] { return FormatText("[%s]", "Касса"); }, "[Касса]"},
        {"%s std::string, QString",
         [] { return FormatText("%s/%S", std::string("а"), QString("б")); }, "а/б"},
        {"width counts characters", [&] { return FormatText("[%8s][%-8s][%.3s]", name, name, name); },
         "[  Иванов][Иванов  ][Ива]"},
        {"%d %i %u", [] { return FormatText("%d %i %u", -5, 7L, 12u); }, "-5 7 12"},
        {"%02d", [] { return FormatText("%02d.%02d.%04d", 3, 11, 2024); }, "03.11.2024"},
        {"%.2f", [] { return FormatText("%.2f", 1234.5); }, "1234.50"},
        {"%%", [] { return FormatText("100%% и %d%%", 5); }, "100% и 5%"},
        {"star width and precision", [] { return FormatText("[%*.*f]", 8, 3, 2.5); }, "[   2.500]"},
        {"%x %X %o", [] { return FormatText("%x %X %o %#x", 255, 255u, 8, 16); }, "ff FF 10 0x10"},
        {"negative %u in its own width", [] { return FormatText("%u", -1); }, "4294967295"},
        {"%ld %lu %lld", [] { return FormatText("%ld %lu %lld", 1L, 2UL, 3LL); }, "1 2 3"},
        {"%c", [] { return FormatText("%c%c%c", 'A', u'Ж', 66); }, "AЖB"},
        {"%e %g flags", [] { return FormatText("%+.1e %g %08.3f", 12345.0, 0.5, -3.14159); },
         "+1.2e+04 0.5 -003.142"},
        {"AppendFormat", [] { CString t("№"); t.AppendFormat("%d", 42); return t; }, "№42"},
    };
    for (const TextCase& c : cases)
        EXPECT_STREQ(c.make(), c.expected) << c.what;
}

TEST(CString, FormatRefusesMismatchedArguments)
{
    const std::function<void()> bad[] = {
        [] { FormatText("%d", "текст"); },
        [] { FormatText("%s", 5); },
        [] { FormatText("%f", 5); },
        [] { FormatText("%d", 2.5); },
        [] { FormatText("%d %d", 1); },
        [] { FormatText("%d", 1, 2); },
        [] { FormatText("%s %n", "a", 1); },
        [] { FormatText("итог %"); },
        [] { CString s; s.Format("%s", 1.5); },
    };
    for (size_t i = 0; i < std::size(bad); ++i) {
        try {
            bad[i]();
            ADD_FAILURE() << "case " << i << " did not throw";
        } catch (const CFormatException& e) {
            EXPECT_NE(std::string(e.what()).find(e.format()), std::string::npos) << e.what();
            EXPECT_FALSE(e.format().empty()) << "case " << i;
        }
    }
}

} // namespace
