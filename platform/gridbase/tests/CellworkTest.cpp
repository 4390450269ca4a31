// The Cellwork grid as a bookkeeper and a form use it: a grid laid out by its
// template, typed into key by key, its chooser button, and the events the
// forms' handlers rely on, with the texts they hand back.
#include "CellworkDelegate.h"
#include "GridForm.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QTableView* table(GridForm& form) { return qobject_cast<QTableView*>(form.view()); }

QPoint cellCentre(GridForm& form, int col, int row)
{
    return table(form)->visualRect(table(form)->model()->index(row, col)).center();
}

void doubleClick(GridForm& form, int col, int row)
{
    QTest::mouseDClick(table(form)->viewport(), Qt::LeftButton, {}, cellCentre(form, col, row));
}

TEST(CellworkTest, TheTemplateLaysOutTheGrid)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    EXPECT_EQ(form.GetDlgItem(IDC_GRID)->m_hWnd, grid.m_hWnd) << "the DDX member is the template's grid";
    EXPECT_EQ(grid.GetNCols(), 7);
    EXPECT_EQ(grid.GetNRows(), 3);
    EXPECT_EQ(grid.GetColCaption(1), CString("Наименование"));
    EXPECT_EQ(grid.GetColCaption(4), CString("Итого, руб.")) << "a quoted caption keeps its comma";
    EXPECT_EQ(grid.GetColWidth(2), 60);
    EXPECT_EQ(grid.GetColType(0), 7);
    EXPECT_EQ(grid.GetColType(2), 5);
    EXPECT_EQ(grid.GetColLocked(4), 1);
    EXPECT_EQ(grid.GetColHidden(5), 1);
    EXPECT_TRUE(table(form)->isColumnHidden(5));
    EXPECT_EQ(table(form)->verticalHeader()->width(), 20);
    EXPECT_EQ(grid.GetCurRow(), 0) << "SetFocus0 makes the first cell current";
    EXPECT_EQ(CWnd::GetFocus(), &grid);
}

// Cyrillic typed key by key, Enter and Tab keeping the edit and moving on past
// the locked and hidden columns, Escape dropping it, an arrow keeping it.
TEST(CellworkTest, TypingMovesThroughTheRowsAsInALedger)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    grid.SetCurCell(1, 0);
    form.take();

    form.type(QStringLiteral("Касса №1"));
    ASSERT_NE(form.editor(), nullptr);
    form.press(Qt::Key_Return);
    EXPECT_EQ(form.take(), QStringList({ "3 1,0 ", "9 1,0 13 Касса №1", "8 1,0 Касса №1", "15 2,0" }));
    EXPECT_EQ(form.editor(), nullptr);

    form.type(QStringLiteral("12,345x"));
    EXPECT_EQ(form.editor()->text(), QStringLiteral("12.34")) << "an amount takes \",\" as the point and two decimals";
    form.press(Qt::Key_Tab);
    EXPECT_EQ(form.take(), QStringList({ "3 2,0 ", "9 2,0 9 12.34", "8 2,0 12.34", "15 3,0" }));

    form.type(QStringLiteral("99"));
    form.press(Qt::Key_Escape);
    EXPECT_EQ(grid.GetCellValue(3, 0), CString(""));
    EXPECT_TRUE(form.IsWindowVisible()) << "Escape in an editor stays in the grid";
    EXPECT_EQ(form.take(), QStringList({ "3 3,0 " }));

    form.press(Qt::Key_Return);
    EXPECT_EQ(form.take(), QStringList({ "15 6,0" })) << "Enter passes over the locked and the hidden column";
    form.press(Qt::Key_Return);
    EXPECT_EQ(form.take(), QStringList({ "2 0,1", "15 0,1" }));
    EXPECT_TRUE(form.IsWindowVisible()) << "Enter in a grid that takes input is not the default button";

    form.type(QStringLiteral("Б 2-7"));
    form.press(Qt::Key_Up);
    EXPECT_EQ(form.take(), QStringList({ "3 0,1 ", "9 0,1 38 Б27", "8 0,1 Б27", "2 0,0", "15 0,0" }));
    form.press(Qt::Key_Right);
    form.press(Qt::Key_Right);
    form.press(Qt::Key_Right);
    form.press(Qt::Key_Right);
    EXPECT_EQ(grid.GetCurCol(), 6) << "arrows step over the column that takes no focus";
}

TEST(CellworkTest, EditStartCanFillOrRefuseAndTheEditedTextCanBeReplaced)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    form.onEditStart = [](short col, short, CString* text, short* cancel) {
        if (col == 2 && text->IsEmpty())
            *text = "100";
        if (col == 1)
            *cancel = 1;
    };
    form.onCellEdited = [](short col, short, short, CString* text) {
        if (col == 0)
            text->MakeUpper();
    };
    grid.SetCurCell(2, 1);
    form.press(Qt::Key_F2);
    ASSERT_NE(form.editor(), nullptr);
    EXPECT_EQ(form.editor()->text(), QStringLiteral("100"));
    form.press(Qt::Key_Return);
    EXPECT_EQ(grid.GetCellValue(2, 1), CString("100"));

    grid.SetCurCell(0, 2);
    form.take();
    form.type(QStringLiteral("ав"));
    form.press(Qt::Key_Return);
    EXPECT_EQ(form.take().mid(1, 2), QStringList({ "9 0,2 13 ав", "8 0,2 АВ" }));
    EXPECT_EQ(grid.GetCellValue(0, 2), CString("АВ"));

    grid.SetCurCell(1, 1);
    form.take();
    form.type(QStringLiteral("xy"));
    EXPECT_EQ(form.editor(), nullptr) << "a refused edit opens no editor";
    EXPECT_EQ(form.take(), QStringList({ "3 1,1 ", "3 1,1 " }));
    grid.SetCurCell(4, 0);
    form.take();
    form.type(QStringLiteral("5"));
    EXPECT_TRUE(form.take().filter(QStringLiteral("3 ")).isEmpty()) << "typing over a locked cell asks nothing";
    doubleClick(form, 4, 0);
    EXPECT_EQ(form.take(), QStringList({ "dbl", "3 4,0 " })) << "a double click asks even where nothing is typed";
    EXPECT_EQ(form.editor(), nullptr);

    grid.ForceEditCell(2, 1);
    ASSERT_NE(form.editor(), nullptr);
    EXPECT_EQ(form.editor()->text(), QStringLiteral("100"));
    EXPECT_EQ(form.take(), QStringList({ "2 2,1", "15 2,1", "3 2,1 100" }));
}

TEST(CellworkTest, ChooserButtonByKeyMouseAndEditor)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    form.onChooser = [&grid](short col, short row) { grid.SetCellValue(col, row, "020104000"); };
    grid.SetCurCell(3, 0);
    form.take();
    form.press(Qt::Key_F4);
    EXPECT_EQ(form.take(), QStringList({ "5 3,0", "8 3,0 020104000" }));

    QTableView* view = table(form);
    const QRect button = gridbase::CellworkDelegate::chooserRect(view->visualRect(view->model()->index(0, 3)));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, button.center());
    EXPECT_EQ(form.take(), QStringList({ "5 3,0" }));

    grid.SetCurCell(3, 1);
    form.take();
    form.type(QStringLiteral("101"));
    auto* inEditor = form.editor()->findChild<QToolButton*>(QStringLiteral("chooserButton"));
    ASSERT_NE(inEditor, nullptr);
    QTest::mouseClick(inEditor, Qt::LeftButton);
    EXPECT_EQ(form.take(), QStringList({ "3 3,1 ", "9 3,1 0 101", "8 3,1 101", "5 3,1", "8 3,1 020104000" }))
        << "the typed text is kept before the chooser opens";
    EXPECT_EQ(form.editor(), nullptr);

    doubleClick(form, 3, 2);
    EXPECT_EQ(form.take(), QStringList({ "2 3,2", "15 3,2", "dbl", "5 3,2", "8 3,2 020104000" }))
        << "a double click on a button column chooses instead of editing";
}

TEST(CellworkTest, ProgramWritesRaiseCellChangedOnceAndTakeTheHandlersText)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    form.onCellChanged = [&grid](short col, short row, CString* text) {
        if (col == 0) {
            grid.SetCellValue(0, row, *text + "!");
            grid.SetCellValue(1, row, "итог");
        } else if (col == 1) {
            text->MakeUpper();
        }
    };
    form.take();
    grid.SetCellValue(0, 0, "а");
    EXPECT_EQ(form.take(), QStringList({ "8 0,0 а", "8 1,0 итог" })) << "no second event for the cell's own write";
    EXPECT_EQ(grid.GetCellValue(0, 0), CString("а!"));
    EXPECT_EQ(grid.GetCellValue(1, 0), CString("ИТОГ"));
    grid.SetCellValue(1, 0, "ИТОГ");
    grid.SetCellValue(9, 0, "вне");
    grid.SetCellValue(0, 7, "вне");
    EXPECT_TRUE(form.take().isEmpty()) << "the same text, or a cell outside, changes nothing";

    grid.SetCurCell(1, 1);
    form.take();
    form.type(QStringLiteral("касса"));
    grid.SetFocus0();
    form.GetDlgItem(IDC_NOTE)->SetFocus();
    EXPECT_EQ(form.take(), QStringList({ "3 1,1 ", "9 1,1 0 касса", "8 1,1 касса" }))
        << "the focus leaving the grid keeps the edit";
    EXPECT_EQ(grid.GetCellValue(1, 1), CString("КАССА"));
}

// A form's fill puts all its rows in at once: the texts as given, the rows'
// values, one change of the model, no event; an edit in progress is dropped,
// the columns keep their widths and hidden ones stay hidden, and what the
// user types afterwards raises its events as before.
TEST(CellworkTest, AFillReplacesEveryRowAtOnceAndRaisesNothing)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    QTableView* view = table(form);
    grid.SetRowData(2, _variant_t(5L));
    grid.SetBCheck(2, 1);
    grid.SetCurCell(1, 0);
    form.type(QStringLiteral("не записано"));
    ASSERT_NE(form.editor(), nullptr);
    const int width = view->columnWidth(1);
    form.take();
    QSignalSpy inserted(view->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(view->model(), &QAbstractItemModel::dataChanged);

    grid.SetRows({{"001", "Бумага", "12.50"},
                  {"002", CString("Тонер") + GetDelimiter() + "с" + GetDelimiter0() + "краской"},
                  {"003", "Картридж", "1.00", "", "", "", "", "лишняя", "ячейка"},
                  {}},
                 {_variant_t(10L), _variant_t(20L)});
    EXPECT_TRUE(form.take().isEmpty()) << "a fill raises no event";
    EXPECT_EQ(form.editor(), nullptr);
    EXPECT_EQ(inserted.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    ASSERT_EQ(grid.GetNRows(), 4);
    EXPECT_EQ(grid.GetCellValue(1, 0), CString("Бумага")) << "the edit in progress is dropped";
    EXPECT_EQ(grid.GetCellValue(2, 0), CString("12.50"));
    EXPECT_EQ(grid.GetCellValue(1, 1), CString("Тонер с краской")) << "the grid's delimiters never stand in a cell";
    EXPECT_EQ(grid.GetCellValue(2, 1), CString("")) << "a shorter row leaves the rest empty";
    EXPECT_EQ(grid.GetCellValue(6, 2), CString(""));
    EXPECT_EQ(view->model()->index(2, 1).data().toString(), QStringLiteral("Картридж"));
    EXPECT_EQ(grid.GetCellValue(0, 3), CString(""));
    EXPECT_EQ(grid.GetRowData(0).lVal, 10);
    EXPECT_EQ(grid.GetRowData(1).lVal, 20);
    EXPECT_EQ(grid.GetRowData(2).vt, VT_EMPTY) << "the old rows' values go with them";
    EXPECT_EQ(grid.GetBCheck(2), 0);
    EXPECT_EQ(grid.GetNCols(), 7);
    EXPECT_TRUE(view->isColumnHidden(5));
    EXPECT_EQ(view->columnWidth(1), width);

    grid.SetRows({{"004", "Скрепки"}});
    EXPECT_EQ(grid.GetNRows(), 1);
    EXPECT_EQ(grid.GetCellValue(1, 0), CString("Скрепки"));
    grid.SetCurCell(1, 0);
    form.take();
    form.type(QStringLiteral("Кнопки"));
    form.press(Qt::Key_Return);
    EXPECT_EQ(form.take().mid(0, 3), QStringList({"3 1,0 Скрепки", "9 1,0 13 Кнопки", "8 1,0 Кнопки"}));
    grid.SetRows({});
    EXPECT_EQ(grid.GetNRows(), 0);
}

TEST(CellworkTest, CheckMarksByClickAndSpace)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    form.take();
    QHeaderView* rows = table(form)->verticalHeader();
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(8, rows->sectionViewportPosition(1) + 5));
    EXPECT_EQ(grid.GetBCheck(1), 1);
    EXPECT_EQ(grid.GetCurRow(), 1) << "the row ticked is current when 17 is raised";
    grid.SetCurCell(1, 2);
    form.take();
    form.press(Qt::Key_Space);
    EXPECT_EQ(grid.GetBCheck(2), 1);
    EXPECT_EQ(form.editor(), nullptr) << "Space ticks the row, it starts no edit";
    grid.SetBCheck(0, 1);
    EXPECT_EQ(form.take(), QStringList({ "17" })) << "only the user's ticks raise 17";
    EXPECT_EQ(CellworkCheckedAll(grid), 1);
    grid.SetBCheckAll(0);
    EXPECT_EQ(CellworkChecked(grid), 0);
    EXPECT_EQ(CellworkCheckedAll(grid), 0);
}

// The form completes a row in event 9 and appends an empty one: Enter on the
// last cell of the last row then goes on into the new row.
TEST(CellworkTest, EnterOnTheLastRowGoesOnIntoTheRowTheFormAppends)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    form.onCellEdited = [&grid](short, short row, short, CString*) {
        if (row == grid.GetNRows() - 1)
            grid.SetNRows(grid.GetNRows() + 1);
    };
    grid.SetCurCell(6, 2);
    form.type(QStringLiteral("3"));
    auto* list = form.view()->findChild<QComboBox*>(QStringLiteral("cellList"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 4);
    form.press(Qt::Key_Return);
    EXPECT_EQ(grid.GetCellValue(6, 2), CString("3"));
    EXPECT_EQ(grid.GetNRows(), 4);
    EXPECT_EQ(grid.GetCurRow(), 3);
    EXPECT_EQ(grid.GetCurCol(), 0);
}

TEST(CellworkTest, AReportListLeavesEnterToTheFormAndStillAsksOnDoubleClick)
{
    GridForm form(IDD_LISTFORM);
    form.open();
    CCellwork& grid = form.m_grid;
    grid.SetNRows(2);
    grid.SetCellValue(0, 0, "Бухгалтерия");
    grid.SetCellValue(0, 1, "Кадры");
    form.onEditStart = [&form](short, short row, CString*, short* cancel) {
        *cancel = 1;
        form.m_grid.SetRowData(row, _variant_t(1L));
    };
    doubleClick(form, 0, 1);
    EXPECT_EQ(grid.GetRowData(1).lVal, 1);
    EXPECT_EQ(form.editor(), nullptr);
    grid.SetFocus0();
    form.press(Qt::Key_Return);
    EXPECT_FALSE(form.IsWindowVisible()) << "Enter chose the row with the default button";
}

// The captions' height is measured again when a caption or the font
// changes; the header keeps its measure while only the widths change.
TEST(CellworkTest, TheCaptionsHeightFollowsCaptionsAndFont)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    QHeaderView* header = table(form)->horizontalHeader();
    const int one = header->sizeHint().height();
    grid.SetColCaption(1, "Назначение\nплатежа");
    const int two = header->sizeHint().height();
    EXPECT_GT(two, one) << "a caption of two lines";
    grid.SetColWidth(1, 200);
    EXPECT_EQ(header->sizeHint().height(), two);
    grid.SetColCaption(1, "Назначение");
    EXPECT_EQ(header->sizeHint().height(), one);
    QFont larger = header->font();
    larger.setPointSize(larger.pointSize() * 2);
    header->setFont(larger);
    EXPECT_GT(header->sizeHint().height(), one) << "a larger font";
}

TEST(CellworkTest, KeepRatioSharesTheWidthOnResize)
{
    GridForm form;
    form.open();
    CCellwork& grid = form.m_grid;
    grid.KeepRatio();
    QTableView* view = table(form);
    for (int width : { 500, 800 }) {
        grid.MoveWindow(0, 0, width, 200);
        QCoreApplication::processEvents();
        const int available = view->viewport()->width();
        int total = 0;
        for (int c = 0; c < grid.GetNCols(); ++c)
            total += view->isColumnHidden(c) ? 0 : view->columnWidth(c);
        EXPECT_EQ(total, available) << "no horizontal scrolling at width " << width;
        EXPECT_NEAR(double(view->columnWidth(1)) / view->columnWidth(0), 120.0 / 40, 0.1);
        EXPECT_EQ(grid.GetColWidth(1), 120) << "the widths given are kept";
    }
    grid.SetCellValue(0, 0, "230");
    grid.SetCellValue(1, 0, "Оплата поставщику «Ромашка»");
    grid.SetCellValue(2, 0, "-1500.00");
    grid.SetRowFgClr(0, RGB(255, 0, 0));
    grid.SetBCheck(0, 1);
    QPixmap mark(16, 16);
    mark.fill(Qt::darkGreen);
    grid.SetRowIcon(1, AfxBitmapHandle(mark));
    grid.SetCurCell(3, 0);
    CRect client;
    form.GetClientRect(&client);
    grid.MoveWindow(10, 40, client.Width() - 20, client.Height() - 90);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(&form);
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/cellwork.png");
    QDir().mkpath(QFileInfo(path).path());
    EXPECT_TRUE(picture.save(path));
}

} // namespace
