// A grid stored as one text and read back: Cyrillic, empty cells and rows,
// and texts holding the separators or quotes, typed or set, come back as the
// same rows and cells.
#include "GridForm.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const char* const kHostile = "a\x01" "b\x02" "c;\"d\",'e'\\";

TEST(GridSerializeTest, RoundTripKeepsEveryRowAndCell)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    grid.SetNRows(4);
    grid.SetCellValue(0, 0, "Б27");
    grid.SetCellValue(1, 0, "Оплата «Ромашке», ёЁ");
    grid.SetCellValue(6, 0, "2");
    grid.SetCellValue(1, 2, kHostile);
    grid.SetCellValue(5, 3, "скрытая");
    EXPECT_EQ(grid.GetCellValue(1, 2), CString("a b c;\"d\",'e'\\")) << "a cell keeps no separator";

    const CString text = GetGridInOneString(grid, 0);
    ASSERT_EQ(Length(text, GetDelimiter()), 4);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(Length(GetPart(text, GetDelimiter(), r), GetDelimiter0()), 7) << "row " << r;

    grid.SetNRows(9);
    grid.SetCellValue(3, 8, "лишнее");
    form.take();
    SetGridFromOneString(grid, text, 0, 0);
    EXPECT_EQ(grid.GetNRows(), 4);
    EXPECT_EQ(GetGridInOneString(grid, 0), text);
    EXPECT_EQ(form.take().size(), 5) << "event 8 for each cell that got a text";
    SetGridFromOneString(grid, text, 1, 0);
    EXPECT_TRUE(form.take().isEmpty()) << "f1 = 1 raises nothing";

    grid.SetBCheck(2, 1);
    const CString checked = GetGridInOneString(grid, 1);
    EXPECT_EQ(Length(checked, GetDelimiter()), 1);
    EXPECT_EQ(GetPart(checked, GetDelimiter0(), 2), CString("a b c;\"d\",'e'\\"));

    SetGridFromOneString(grid, "", 0, 0);
    EXPECT_EQ(grid.GetNRows(), 0) << "an empty text gives an empty table";
    SetGridFromOneString(grid, CString("1") + GetDelimiter0() + "2" + GetDelimiter0() + "3" + GetDelimiter0() + "4"
                                   + GetDelimiter0() + "5" + GetDelimiter0() + "6" + GetDelimiter0() + "7"
                                   + GetDelimiter0() + "8" + GetDelimiter() + "x",
                         0, 0);
    EXPECT_EQ(grid.GetNRows(), 2);
    EXPECT_EQ(grid.GetCellValue(6, 0), CString("7")) << "cells past the last column are dropped";
    EXPECT_EQ(grid.GetCellValue(1, 1), CString(""));
}

TEST(GridSerializeTest, TypedSeparatorsNeverReachTheStoredText)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    grid.SetCurCell(1, 0);
    form.type(QStringLiteral("x"));
    ASSERT_NE(form.editor(), nullptr);
    form.editor()->insert(QString::fromLatin1(kHostile));
    form.press(Qt::Key_Return);
    EXPECT_EQ(grid.GetCellValue(1, 0), CString("xabc;\"d\",'e'\\"));
    EXPECT_EQ(Length(GetGridInOneString(grid, 0), GetDelimiter()), 3);
}

} // namespace
