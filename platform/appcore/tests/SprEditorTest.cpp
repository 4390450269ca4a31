// The core's reference-book editor opened by a book's table name: rows
// changed, added and deleted written at once in one transaction (a table
// that keeps deleted rows marks them), user text quoted, a failed write that
// writes nothing and keeps the edits, adding refused where books are not
// extended, and the question on closing with edits.
#include "BookPicker.h"
#include "CoreProgram.h"
#include "DbReportRecorder.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

class SprEditor : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
        ASSERT_TRUE(ExecuteSql("delete from spr_prd\n"
                               "insert into spr_prd (id, name, dt_del) values (1, 'Бухгалтерия', null), "
                               "(2, 'Гараж', '2020-01-01'), (3, 'Аптека', null)\n"
                               "drop table if exists appcore_test_book\n"
                               "create table appcore_test_book (code varchar(10) primary key, "
                               "name varchar(100) not null, kol decimal(10,3) null, d date null, "
                               "kind int not null default 1)\n"
                               "insert into appcore_test_book values ('A1', 'Бумага', 5, null, 2)",
                               nullptr, 1, 1, -1));
        g_bAllowSprAdd = TRUE;
    }
    CSprEditView* Open(const char* table)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(table, 0, ""), 1) << table;
        return coretest::ActiveView<CSprEditView>(program);
    }
    static CCellwork& Grid(CSprEditView* view)
    {
        return *static_cast<CCellwork*>(view->GetDlgItem(IDC_SPR_EDIT_GRID));
    }
    coretest::Program program;
};

TEST_F(SprEditor, ChangesAdditionsAndDeletionsWrittenAtOnce)
{
    CSprEditView* view = Open("SPR_PRD");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument()->GetTitle(), CString("Подразделения"));
    CCellwork& grid = Grid(view);
    ASSERT_EQ(grid.GetNRows(), 2) << "the deleted department is not listed";
    EXPECT_EQ(grid.GetCellValue(1, 0), CString("Бухгалтерия"));

    grid.SetCellValue(1, 0, "Бухгалтерия и касса");
    afxtest::click(view, IDC_SPR_EDIT_ADD);
    grid.SetCellValue(1, 2, "Прачечная д'Артаньяна");
    grid.SetCurCell(1, 1);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Удалить запись ?"), IDYES);
    afxtest::click(view, IDC_SPR_EDIT_DELETE);
    script.verify();
    EXPECT_EQ(ExecuteString("select name as str from spr_prd where id=1"), CString("Бухгалтерия")) << "not yet";

    afxtest::command(view, IDOK);
    EXPECT_EQ(ExecuteString("select name as str from spr_prd where id=1"), CString("Бухгалтерия и касса"));
    EXPECT_EQ(ExecuteString("select name as str from spr_prd where id>3"), CString("Прачечная д'Артаньяна"));
    EXPECT_EQ(ExecuteString("select dt_del as str from spr_prd where id=3"),
              CString(QDate::currentDate().toString("dd.MM.yyyy"))) << "a department is marked, not removed";
    EXPECT_FALSE(view->IsEdited());
    EXPECT_EQ(grid.GetNRows(), 2) << "read again: the accounting office and the laundry";
}

TEST_F(SprEditor, AFailedWriteWritesNothingAndKeepsTheEdits)
{
    CSprEditView* view = Open("appcore_test_book");
    ASSERT_NE(view, nullptr);
    CCellwork& grid = Grid(view);
    ASSERT_EQ(grid.GetNCols(), 5) << "the key and the book's columns";
    afxtest::click(view, IDC_SPR_EDIT_ADD);
    grid.SetCellValue(0, 1, "B'2");
    grid.SetCellValue(1, 0, "Бумага А4");  // written first
    grid.SetCellValue(1, 1, "");  // the name may not be empty: the database refuses the later statement
    {
        vornal::testing::DbReportRecorder reports;
        afxtest::command(view, IDOK);
        EXPECT_EQ(reports.reports().size(), 1u);
    }
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from appcore_test_book"), 1) << "nothing written";
    EXPECT_EQ(ExecuteString("select name as str from appcore_test_book where code='A1'"), CString("Бумага"))
        << "the earlier statement is taken back too";
    EXPECT_TRUE(view->IsEdited());

    grid.SetCellValue(1, 1, "Скрепки");
    afxtest::command(view, IDOK);
    EXPECT_EQ(ExecuteString("select name as str from appcore_test_book where code='B''2'"), CString("Скрепки"));
    EXPECT_EQ(ExecuteString("select name as str from appcore_test_book where code='A1'"), CString("Бумага А4"));

    grid.SetCurCell(1, 0);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Удалить запись ?"), IDYES)
        .message(QStringLiteral("Записать изменения ? "), IDNO);
    afxtest::click(view, IDC_SPR_EDIT_DELETE);
    afxtest::command(view, IDCANCEL);
    script.verify();
    afxtest::deliverPosted();
    afxtest::flushDeletes();
    EXPECT_EQ(program.ChildCount(), 0) << "closed without writing";
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from appcore_test_book"), 2);
}

TEST_F(SprEditor, ABookWhoseTableIsNoPlainTableNameIsRefusedBeforeSql)
{
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Форма «spr_prd where 1=1» не найдена в конфигурации"), IDOK);
    EXPECT_NE(CHelpers::FN_OpenDocument0("spr_prd where 1=1", 0, ""), 1);
    script.verify();
    EXPECT_EQ(program.ChildCount(), 0);
}

// Numbers and dates are written as the user types them ("," as the decimal
// point, dd.mm.yyyy), a text that is neither is refused before anything is
// written, and an emptied column that takes no NULL gets its default.
TEST_F(SprEditor, NumbersAndDatesAsTyped)
{
    CSprEditView* view = Open("appcore_test_book");
    ASSERT_NE(view, nullptr);
    CCellwork& grid = Grid(view);
    ASSERT_EQ(grid.GetNCols(), 5);
    struct Case {
        const char* kol;
        const char* d;
        const char* kind;
        const char* refusal;  // nullptr: written
        const char* stored;   // kol|d|kind as read back
    } cases[] = {
        {"два", "01.03.2024", "3", "Неверное число: «два»", nullptr},
        {"1", "31.02.2024", "3", "Неверная дата: «31.02.2024» (нужна дата вида ДД.ММ.ГГГГ)", nullptr},
        {"2,5", "01.03.2024", "3", nullptr, "2.500|01.03.2024|3"},
        {"", "", "", nullptr, "||1"},
    };
    for (const Case& c : cases) {
        grid.SetCellValue(2, 0, c.kol);
        grid.SetCellValue(3, 0, c.d);
        grid.SetCellValue(4, 0, c.kind);
        if (c.refusal) {
            afxtest::InteractionScript script;
            script.message(QString::fromUtf8(c.refusal), IDOK);
            afxtest::command(view, IDOK);
            script.verify();
            EXPECT_TRUE(view->IsEdited()) << c.refusal;
            EXPECT_EQ(ExecuteString("select kol as str from appcore_test_book where code='A1'"), CString("5.000"))
                << "nothing written: " << c.refusal;
            continue;
        }
        afxtest::command(view, IDOK);
        EXPECT_FALSE(view->IsEdited()) << c.kol;
        EXPECT_EQ(ExecuteString("select concat_ws('|',coalesce(kol,''),coalesce(date_format(d,'%d.%m.%Y'),''),kind) "
                                "as str from appcore_test_book where code='A1'"),
                  CString(c.stored));
    }
}

TEST_F(SprEditor, ThePickerListsOnlyTheListedFields)
{
    appcore::PickerSetup setup;
    ASSERT_TRUE(appcore::BookPickerSetup("Товары", nullptr, setup));
    QStringList shown;
    for (const appcore::PickerColumn& column : setup.columns)
        shown << column.field.ToQString();
    EXPECT_EQ(shown, QStringList({"code", "name", "kol"})) << "the editor's date and kind are not listed";
}

TEST_F(SprEditor, AddingRefusedWhereBooksAreNotExtended)
{
    g_bAllowSprAdd = FALSE;
    CSprEditView* view = Open("spr_prd");
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("На этом рабочем месте справочники не пополняются"), IDOK);
    afxtest::click(view, IDC_SPR_EDIT_ADD);
    script.verify();
    EXPECT_EQ(Grid(view).GetNRows(), 2);
    EXPECT_FALSE(view->IsEdited());
}

} // namespace
