// What each kind of cell lets through as it is typed, and what a finished
// edit keeps.
#include "CellInput.h"
#include "CellworkModel.h"

#include <gtest/gtest.h>

namespace {

using namespace gridbase;

TEST(CellInputTest, TypingByKind)
{
    struct Case {
        int kind;
        const char* typed;
        bool accepted;
        const char* becomes;
    } const cases[] = {
        { CellAmount, "-12,5", true, "-12.5" },  { CellAmount, "12.345", false, "12.345" },
        { CellAmount, "1a", false, "1a" },        { CellNumber, "0,125", true, "0.125" },
        { CellNumber, "1.2.3", false, "1.2.3" },  { CellCount, "-1", false, "-1" },
        { CellCount, "7,5", true, "7.5" },        { CellCode, "Б27x", true, "Б27x" },
        { CellCode, "Б 2", false, "Б 2" },        { CellDate, "010", true, "01.0" },
        { CellDate, "01.023", true, "01.02.3" },  { CellDate, "1a", false, "1a" },
        { CellText, "a\x01" "b\tc", true, "abc" },
    };
    for (const Case& c : cases) {
        CellValidator validator(c.kind, nullptr);
        QString input = QString::fromUtf8(c.typed);
        int pos = int(input.size());
        EXPECT_EQ(validator.validate(input, pos) == QValidator::Acceptable, c.accepted) << c.typed;
        EXPECT_EQ(input, QString::fromUtf8(c.becomes)) << c.typed;
    }
}

TEST(CellInputTest, FinishedTextByKind)
{
    struct Case {
        int kind;
        const char* typed;
        const char* kept;
    } const cases[] = {
        { CellAmount, "-", "" },          { CellAmount, "12.", "12" },    { CellNumber, ".5", "0.5" },
        { CellNumber, "-.5", "-0.5" },    { CellCount, "3,", "3" },       { CellDate, "1.2.24", "01.02.2024" },
        { CellDate, "31.04.2024", "31.04.2024" },                         { CellText, " a\x02" "b ", "a b" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FinishedCellText(c.kind, QString::fromUtf8(c.typed)), QString::fromUtf8(c.kept)) << c.typed;
}

} // namespace
