// The calendar lists of days: a day set, cleared and set again; each mode's
// table; an unknown mode; a failing insert; the month's grid with its ticks.
#include "CSprSubView.h"
#include "CalendarDays.h"
#include "InteractionScript.h"
#include "StaffProgram.h"
#include "ndbcore.h"

#include <QDate>
#include <QHeaderView>
#include <QTableView>
#include <QTest>

namespace {

using namespace nperso;

class Calendar : public stafftest::StaffProgram {
protected:
    long long Rows(const char* table, const CString& day)
    {
        return ExecuteCount(FormatText("select count(*) from %s where d=%s", table, ChangeDateUS0(day, 0)));
    }
    CSprSubView* OpenList(int mode)
    {
        CHelpers::FN_OpenDocument0("spr_sub", mode, nullptr);
        return Active<CSprSubView>();
    }
    // The row of the day in the grid, -1 when it is not there.
    static long RowOf(CSprSubView* view, const CString& day)
    {
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            if (view->m_grid.GetCellValue(0, r) == day)
                return r;
        return -1;
    }
    static void Tick(CSprSubView* view, long row, bool on)
    {
        view->m_grid.SetCurRow(row);
        view->m_grid.SetBCheck(row, on ? 1 : 0);
        AfxFireEvent(&view->m_grid, 17, {});
    }
};

TEST_F(Calendar, EachModeKeepsOneRowPerSetDayInItsOwnTable)
{
    EXPECT_STREQ(CalendarTable(0), "spr_sub");
    EXPECT_STREQ(CalendarTable(1), "spr_vix_prazd");
    EXPECT_EQ(CalendarTable(2), nullptr);
    EXPECT_EQ(CalendarTable(-2), nullptr);

    const CString day = ThisYear("17.06");
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        const char* table = CalendarTable(mode);
        const char* other = CalendarTable(1 - mode);
        const long long otherBefore = Rows(other, day);
        EXPECT_TRUE(SetCalendarDay(table, day, true));
        EXPECT_FALSE(SetCalendarDay(table, day, false));
        EXPECT_EQ(Rows(table, day), 0);
        EXPECT_TRUE(SetCalendarDay(table, day, true));
        EXPECT_TRUE(SetCalendarDay(table, day, true));
        EXPECT_EQ(Rows(table, day), 1) << "on, off, on, on leaves one row";
        EXPECT_EQ(Rows(other, day), otherBefore) << "the other list is untouched";
        SetCalendarDay(table, day, false);
    }
}

TEST_F(Calendar, TheMonthShowsItsDaysWithTheStoredOnesTicked)
{
    auto* view = OpenList(1);
    ASSERT_NE(view, nullptr);
    const QDate first = QDate::fromString(GetOtpD1(g_lYear, g_lMonth).ToQString(), "dd.MM.yyyy");
    const QDate last = QDate::fromString(GetOtpD2(g_lYear, g_lMonth).ToQString(), "dd.MM.yyyy");
    ASSERT_TRUE(first.isValid() && last.isValid());
    ASSERT_EQ(view->m_grid.GetNRows(), first.daysTo(last) + 1);
    long ticked = 0;
    for (long r = 0; r < view->m_grid.GetNRows(); ++r) {
        const CString day = view->m_grid.GetCellValue(0, r);
        const QDate date = QDate::fromString(day.ToQString(), "dd.MM.yyyy");
        EXPECT_EQ(date, first.addDays(r));
        EXPECT_EQ(view->m_grid.GetCellValue(1, r), GetDayOfWeekName(date.dayOfWeek() % 7 + 1));
        EXPECT_EQ(view->m_grid.GetBCheck(r) != 0, Rows("spr_vix_prazd", day) > 0) << day.ToStdString();
        ticked += view->m_grid.GetBCheck(r) ? 1 : 0;
    }
    EXPECT_GE(ticked, 8) << "the demo's weekends";

    // A tick writes at once.
    const long row = RowOf(view, CString(first.addDays(2).toString("dd.MM.yyyy")));
    ASSERT_GE(row, 0);
    const bool was = view->m_grid.GetBCheck(row) != 0;
    Tick(view, row, !was);
    EXPECT_EQ(Rows("spr_vix_prazd", view->m_grid.GetCellValue(0, row)), was ? 0 : 1);
    Tick(view, row, was);
    EXPECT_EQ(Rows("spr_vix_prazd", view->m_grid.GetCellValue(0, row)), was ? 1 : 0);
}

// A box ticked with the mouse on a row that was not current stores that row's
// day, and the box shows what the table holds.
TEST_F(Calendar, AClickOnTheBoxOfAnotherRowStoresThatDay)
{
    auto* view = OpenList(1);
    ASSERT_NE(view, nullptr);
    afxtest::showActive(view->GetParentFrame());
    view->m_grid.SetCurCell(0, 0);
    auto* table = qobject_cast<QTableView*>(view->m_grid.GetQWidget());
    ASSERT_NE(table, nullptr);
    QHeaderView* rows = table->verticalHeader();
    const long row = 5;
    const CString day = view->m_grid.GetCellValue(0, row);
    const bool was = view->m_grid.GetBCheck(row) != 0;
    for (bool on : {!was, was}) {
        table->scrollTo(table->model()->index(int(row), 0));
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, QPoint(8, rows->sectionViewportPosition(int(row)) + 5));
        EXPECT_EQ(view->m_grid.GetBCheck(row) != 0, on);
        EXPECT_EQ(Rows("spr_vix_prazd", day), on ? 1 : 0) << day.ToStdString();
        EXPECT_EQ(Rows("spr_vix_prazd", view->m_grid.GetCellValue(0, 0)) > 0, view->m_grid.GetBCheck(0) != 0)
            << "the current row before the click is untouched";
    }
}

TEST_F(Calendar, AnUnknownModeSaysSoAndEditsNothing)
{
    const long long before = Count("select count(*) from spr_sub") + Count("select count(*) from spr_vix_prazd");
    afxtest::InteractionScript script;
    script.message("Неизвестный вид списка дат: 2", IDOK);
    auto* view = OpenList(2);
    script.verify();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_grid.GetNRows(), 0);
    AfxFireEvent(&view->m_grid, 17, {});
    EXPECT_EQ(Count("select count(*) from spr_sub") + Count("select count(*) from spr_vix_prazd"), before);
}

TEST_F(Calendar, AFailingInsertLeavesTheDayAndItsBoxAsTheyWere)
{
    auto* view = OpenList(0);
    ASSERT_NE(view, nullptr);
    const CString stored = view->m_grid.GetCellValue(0, 3);
    const CString free = view->m_grid.GetCellValue(0, 4);
    SetCalendarDay("spr_sub", stored, true);
    SetCalendarDay("spr_sub", free, false);
    view->Fill();
    Run("create trigger spr_sub_refuse before insert on spr_sub for each row "
        "signal sqlstate '45000' set message_text='refused'");
    Tick(view, 3, true);  // a day already set, set again: delete and insert fail together
    EXPECT_EQ(Rows("spr_sub", stored), 1) << "the stored day stays";
    EXPECT_EQ(view->m_grid.GetBCheck(3), 1);
    Tick(view, 4, true);
    EXPECT_EQ(Rows("spr_sub", free), 0);
    EXPECT_EQ(view->m_grid.GetBCheck(4), 0) << "the box shows what the table holds";
    dbReports.clear(2);  // each tick's failure is reported
    Run("drop trigger spr_sub_refuse");
    SetCalendarDay("spr_sub", stored, false);
}

} // namespace
