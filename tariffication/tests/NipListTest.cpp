// The list of an employee's positions on the staff test program: what it
// lists and in which order, that nothing in it can be changed, how Enter and
// a double click choose a row for the form that asked, and that a list asked
// again answers the new form for the new employee.
#include "CNipListDoc.h"
#include "CNipListView.h"
#include "CVenz.h"
#include "GuiDriver.h"
#include "StaffProgram.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QTableView>
#include <QDate>
#include <QTest>

namespace {

using nvenzol::CNipListView;
using nvenzol::CVenz;
using stafftest::CStaffTestForm;

class NipList : public stafftest::StaffProgram {
protected:
    // Asks for the list of `tn` from the form, as its "..." button does.
    CNipListView* Show(CStaffTestForm* form, const char* tn)
    {
        CVenz::ShowNipList(form, tn);
        Settle();
        auto lists = Open<CNipListView>();
        return lists.size() == 1 ? lists.front() : nullptr;
    }
    static QStringList Row(CNipListView* list, long row)
    {
        QStringList cells;
        for (long col = 0; col < list->m_grid.GetNCols(); ++col)
            cells << list->m_grid.GetCellValue(col, row).ToQString();
        return cells;
    }
    static void DoubleClick(CNipListView* list, long col, long row)
    {
        auto* table = qobject_cast<QTableView*>(list->m_grid.GetQWidget());
        ASSERT_NE(table, nullptr);
        const QPoint centre = table->visualRect(table->model()->index(row, col)).center();
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, centre);
    }
    static QString Title(CNipListView* list) { return list->GetDocument()->GetTitle().ToQString(); }
};

// A day of the demo data: the n-th day of the year (MAKEDATE) as dd.mm.yyyy.
QString DayOfYear(int year, int n)
{
    return QDate(year, 1, 1).addDays(n - 1).toString("dd.MM.yyyy");
}

TEST_F(NipList, ListsTheAssignmentsByRunningNumberWithTheirNames)
{
    const int y = QDate::currentDate().year();
    CNipListView* list = Show(OpenTestForm("4"), "4");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Title(list), QString("Список должностей работника Кузнецова Ольга Ивановна"));
    ASSERT_EQ(list->m_grid.GetNRows(), 3) << "written 3, 1, 2";
    EXPECT_EQ(Row(list, 0), QStringList({"1", "4", "Младший воспитатель", "3", DayOfYear(y - 1, 60),
                                         QString("31.12.%1").arg(y - 1), "1", "Прием на работу"}));
    EXPECT_EQ(Row(list, 1), QStringList({"2", "5", "Повар", "2", DayOfYear(y, 1), "", "2",
                                         "Перевод на другую должность"}));
    EXPECT_EQ(Row(list, 2), QStringList({"3", "6", "Кухонный рабочий", "2", DayOfYear(y, 60), "", "3",
                                         "Совмещение должностей"}));
    EXPECT_EQ(list->m_grid.GetCurRow(), 0);
}

TEST_F(NipList, MissingNamesAndNoAssignmentsLeaveCellsAndGridEmpty)
{
    Run("delete from perso_tn_nip where tn in (50, 51)\n"
        "delete from tn where tn in (50, 51)\n"
        "insert into tn (tn, f, i, o) values (50, 'Новикова', 'Анна', 'Олеговна'), (51, 'Орлов', 'Иван', NULL)\n"
        "insert into perso_tn_nip (tn, npp, st, kpr, d1, prd, dol) values (51, 1, 0.5, 7, '2024-03-01', 3, 99)");
    CNipListView* list = Show(OpenTestForm("51"), "51");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(Row(list, 0), QStringList({"1", "99", "", "3", "01.03.2024", "", "7", ""}))
        << "no such position or order kind, no end date";
    list->OnCancel();
    Settle();

    list = Show(OpenTestForm("50"), "50");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_grid.GetNRows(), 0);
    EXPECT_EQ(Title(list), QString("Список должностей работника Новикова Анна Олеговна"));
}

TEST_F(NipList, ANumberThatIsNoNumberListsNothingAndRunsNoQuery)
{
    EXPECT_TRUE(nvenzol::NipListQuery("1;drop").IsEmpty());
    EXPECT_TRUE(nvenzol::NipListQuery("").IsEmpty());
    EXPECT_NE(nvenzol::NipListQuery(" 4 ").Find("where perso_tn_nip.tn=4 order by"), -1);
    const long long rows = Count("select count(*) from perso_tn_nip");
    CNipListView* list = Show(OpenTestForm("1;drop"), "1;drop");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->m_grid.GetNRows(), 0);
    EXPECT_EQ(Count("select count(*) from perso_tn_nip"), rows);
}

TEST_F(NipList, TypingInACellChangesNothing)
{
    CNipListView* list = Show(OpenTestForm("4"), "4");
    ASSERT_NE(list, nullptr);
    list->m_grid.SetCurCell(2, 1);
    list->m_grid.SetFocus();
    afxtest::typeKeys(list->m_grid.GetQWidget(), "Шеф");
    afxtest::pressKey(list->m_grid.GetQWidget(), Qt::Key_F2);
    afxtest::typeKeys(nullptr, "9");
    Settle();
    EXPECT_EQ(list->m_grid.GetCellValue(2, 1), CString("Повар"));
    EXPECT_EQ(Open<CNipListView>().size(), 1u);
}

TEST_F(NipList, EnterChoosesOnceAndTheFormLoadsTheRunningNumber)
{
    CStaffTestForm* form = OpenTestForm("4");
    CNipListView* list = Show(form, "4");
    ASSERT_NE(list, nullptr);
    list->m_grid.SetCurCell(0, 1);
    list->m_grid.SetFocus();
    QWidget* grid = list->m_grid.GetQWidget();
    afxtest::pressKey(grid, Qt::Key_Return);
    afxtest::pressKey(grid, Qt::Key_Return);
    Settle();
    EXPECT_EQ(form->loads, std::vector<CString>({"2"}));
    EXPECT_EQ(afxtest::text(form, IDC_NPP), QString("2"));
    EXPECT_TRUE(Open<CNipListView>().empty()) << "the list closed";
}

TEST_F(NipList, ADoubleClickChoosesTheRowClicked)
{
    CStaffTestForm* form = OpenTestForm("4");
    CNipListView* list = Show(form, "4");
    ASSERT_NE(list, nullptr);
    DoubleClick(list, 3, 2);
    Settle();
    EXPECT_EQ(form->loads, std::vector<CString>({"3"}));
    EXPECT_TRUE(Open<CNipListView>().empty());
}

TEST_F(NipList, AskedAgainFromAnotherFormTheListAnswersThatFormForItsEmployee)
{
    CStaffTestForm* first = OpenTestForm("4");
    CNipListView* list = Show(first, "4");
    ASSERT_NE(list, nullptr);
    CStaffTestForm* second = OpenTestForm("3");
    ASSERT_EQ(Show(second, "3"), list) << "the open list is brought forward";
    EXPECT_EQ(Title(list), QString("Список должностей работника Смирнова Елена Викторовна"));
    ASSERT_EQ(list->m_grid.GetNRows(), 2);
    EXPECT_EQ(list->m_grid.GetCellValue(2, 1), CString("Музыкальный руководитель"));
    DoubleClick(list, 0, 1);
    Settle();
    EXPECT_TRUE(first->loads.empty());
    EXPECT_EQ(second->loads, std::vector<CString>({"2"}));
}

TEST_F(NipList, AClosedCallingFormGetsNothingAndTheListCloses)
{
    CStaffTestForm* form = OpenTestForm("4");
    CNipListView* list = Show(form, "4");
    ASSERT_NE(list, nullptr);
    form->OnCancel();
    Settle();
    ASSERT_TRUE(Open<CStaffTestForm>().empty());
    DoubleClick(list, 0, 0);
    Settle();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(NipList, TheListOfAnEmployeeWithThreeAssignmentsAsShown)
{
    CNipListView* list = Show(OpenTestForm("4"), "4");
    ASSERT_NE(list, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(list->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/nip_list.png"));
}

} // namespace
