// Parts and characters of texts: lists the forms split and the serialized
// grid's separators; Cyrillic counts in characters.
#include "gridbase.h"

#include <gtest/gtest.h>

namespace {

struct PartCase {
    const char* text;
    const char* delimiter;
    int from, to;
    const char* part;
};

TEST(GridText, GetPartCountsPartsFromOneAndKeepsDelimitersInsideARange)
{
    const PartCase cases[] = {
        {"230405000@12.50@3@0", "@", 1, 1, "230405000"},
        {"230405000@12.50@3@0", "@", 4, 4, "0"},
        {"230405000@12.50@3@0", "@", 5, 5, ""},
        {"230405000@12.50@3@0", "@", 0, 0, ""},
        {"230405000@12.50@3@0", "@", -1, -1, ""},
        {"a,,c", ",", 2, 2, ""},
        {"a,,c", ",", 3, 3, "c"},
        {"a,b,", ",", 3, 3, ""},
        {"", ",", 1, 1, ""},
        {"один", ",", 1, 1, "один"},
        {"Счёт: Касса: 201", ": ", 2, 2, "Касса"},
        {"Иванов Иван Иванович ст. бухгалтер", " ", 3, 255, "Иванович ст. бухгалтер"},
        {"a b c d", " ", 2, 3, "b c"},
        {"a b c d", " ", 3, 2, ""},
        {"a b c d", " ", 5, 9, ""},
        {"a<tr>b<tr>c", "<tr", 2, 2, ">b"},
        {"abc", "", 1, 1, "abc"},
        {"abc", "", 2, 2, ""},
    };
    for (const PartCase& c : cases) {
        const CString part = c.from == c.to ? GetPart(c.text, c.delimiter, c.from)
                                            : GetPart(c.text, c.delimiter, c.from, c.to);
        EXPECT_EQ(part, CString(c.part)) << c.text << " [" << c.delimiter << "] " << c.from << ".." << c.to;
    }
}

TEST(GridText, LengthOfAnEmptyTextIsZeroSoListLoopsRunNoTimes)
{
    const struct {
        const char* text;
        const char* delimiter;
        int length;
    } cases[] = {
        {"", ",", 0}, {"1", ",", 1}, {"1,2,3", ",", 3}, {"1,2,", ",", 3}, {",", ",", 2},
        {"<table><tr><td>1<tr><td>2", "<tr", 3}, {"ёлка,ель", ",", 2}, {"abc", "", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Length(c.text, c.delimiter), c.length) << c.text;
}

TEST(GridText, GridSeparatorsSplitRowsAndCellsWithoutClashingWithTypedText)
{
    const CString row = GetDelimiter(), cell = GetDelimiter0();
    EXPECT_EQ(row.GetLength(), 1);
    EXPECT_EQ(cell.GetLength(), 1);
    EXPECT_NE(row, cell);
    for (const char* typed : {"\n", "\r", ";", ",", "\"", " ", "\t", "'", "@", ":"}) {
        EXPECT_EQ(row.Find(typed), -1) << int(typed[0]);
        EXPECT_EQ(cell.Find(typed), -1) << int(typed[0]);
    }
    const CString grid = CString("Касса") + cell + "12.50" + cell + "" + row + "" + cell + "\"x\"; y, z";
    EXPECT_EQ(Length(grid, row), 2);
    EXPECT_EQ(GetPart(GetPart(grid, row, 1), cell, 1), CString("Касса"));
    EXPECT_EQ(GetPart(GetPart(grid, row, 1), cell, 3), CString(""));
    EXPECT_EQ(GetPart(GetPart(grid, row, 2), cell, 2), CString("\"x\"; y, z"));
    EXPECT_EQ(Length(GetPart(grid, row, 2), cell), 2);
}

TEST(GridText, GetFromToTakesCharactersNotBytesAndClipsToTheText)
{
    const struct {
        const char* text;
        int from, to;
        const char* part;
    } cases[] = {
        {"230405000", 0, 0, "2"},
        {"230405000", 1, 3, "304"},
        {"230405000", 6, 8, "000"},
        {"230405000", 0, 5, "230405"},
        {"230405000", 6, 20, "000"},
        {"230405000", -2, 1, "23"},
        {"230405000", 9, 9, ""},
        {"230405000", 4, 2, ""},
        {"Ёжик в тумане", 0, 3, "Ёжик"},
        {"Ёжик в тумане", 7, 12, "тумане"},
        {"", 0, 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetFromTo(c.text, c.from, c.to), CString(c.part)) << c.text << " " << c.from << ".." << c.to;
    EXPECT_EQ(GetFromTo("230405000", 0), CString("2"));
    EXPECT_EQ(GetFromTo("Щука", 3), CString("а"));
    EXPECT_EQ(GetFromTo("Щука", 4), CString(""));
    EXPECT_EQ(GetFromTo("Щука", -1), CString(""));
}

TEST(GridText, FiopNormalisesCapitalsOfEachWordAndHyphenatedPart)
{
    const struct {
        const char* typed;
        const char* name;
    } cases[] = {
        {"иванов", "Иванов"},
        {"ИВАНОВ", "Иванов"},
        {"  петров   пётр ", "Петров Пётр"},
        {"салтыков-щедрин", "Салтыков-Щедрин"},
        {"ёлкина", "Ёлкина"},
        {"Smith", "Smith"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FIOP(c.typed), CString(c.name)) << c.typed;
}

} // namespace
