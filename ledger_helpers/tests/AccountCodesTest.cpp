// The account-code functions that work on the text alone.
#include "AccountCodes.h"
#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

TEST(AccountCodes, ReadableSchetKeepsFullCodesAndPadsShortOnes)
{
    const TextCase cases[] = {
        {"230405000", "230405000"},
        {"20", "002000000"},  // an off-balance account written with two digits
        {"17", "001700000"},
        {"017", "001700000"}, // three digits give 9 characters too, not 10
        {"7", "000700000"},
        {"", ""},
        {"2304050", "2304050"}, // cannot be a code: shown as given
        {"2304050001", "2304050001"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(GL_GetReadableSchet(c.input), c.expected) << c.input;
    EXPECT_STREQ(GL_GetReadableSchet(nullptr), "");
}

TEST(AccountCodes, FullSchTurnsPointFormIntoCode)
{
    const TextCase cases[] = {
        {"304.05.2", "230405000"},
        {"201.34.1", "120134000"},
        {"230405000", "230405000"}, // no point: unchanged
        {"304", "304"},
        {"304..2", "2304000"},      // an empty field stays in its place
        {"", ""},
    };
    for (const auto& c : cases) {
        CString text(c.input);
        EXPECT_STREQ(GetFullSch(text), c.expected) << c.input;
    }
    CString text("304.05.2");
    EXPECT_STREQ(GetShortSch(text), "304.05.2");
}

TEST(AccountCodes, ValidSch1ChecksTheLengthOfTheForm)
{
    struct Case {
        const char* code;
        int shortForm;
        int expected;
    } cases[] = {
        {"304", 1, 1},       {"304", 0, 0},       {"230405000", 0, 1}, {"230405000", 1, 0},
        {"23040500", 0, 0},  {"2304050001", 0, 0}, {"", 1, 0},         {nullptr, 0, 0},
        {"3я4", 1, 1}, // characters are counted, not bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(GL_Valid_Sch1(c.code, c.shortForm), c.expected) << (c.code ? c.code : "null") << " " << c.shortForm;
}

TEST(AccountCodes, Col0NameNamesTheSourcesOfFinancing)
{
    const TextCase cases[] = {
        {"0", "По всем источникам"}, {"", "По всем источникам"}, {"1", "Бюджет"}, {"2", "Платный"},
        {"3", "ЦС и БП"},            {"4", "Целевые"},           {"7", ""},       {"-1", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(GL_GetCol0_Name(c.input), c.expected) << c.input;
    EXPECT_STREQ(GL_GetCol0_Name(nullptr), "По всем источникам");
}

} // namespace
