// The time sheets: the day sheet's fill by day and department (kept for the
// same choice, asked about unsaved marks before another), the marks typed or
// chosen and how they are stored, the period's bounds, the windows' own
// rows, the question on closing; the position sheet's assignment offer and
// its month of days; the save as one transaction.
#include "CTrvDView.h"
#include "CTrvFView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "StaffProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QImage>

namespace {

using namespace nperso;

class TrvSheet : public stafftest::StaffProgram {
protected:
    void SetUp() override
    {
        StaffProgram::SetUp();
        first = GetOtpD1(g_lYear, g_lMonth);
        last = GetOtpD2(g_lYear, g_lMonth);
        // The first Monday to Friday of the working month: the demo has its marks.
        workday = first;
        while (qwDMG(workday).GetDayOfWeek() == 1 || qwDMG(workday).GetDayOfWeek() == 7)
            workday = DMGtoStr(qwDMG(workday) + COleDateTimeSpan(1.0));
        nextWorkday = DMGtoStr(qwDMG(workday) + COleDateTimeSpan(1.0));
        while (qwDMG(nextWorkday).GetDayOfWeek() == 1 || qwDMG(nextWorkday).GetDayOfWeek() == 7)
            nextWorkday = DMGtoStr(qwDMG(nextWorkday) + COleDateTimeSpan(1.0));
    }

    CTrvDView* OpenDay()
    {
        auto* view = OpenForm<CTrvDView>();
        Settle();
        return view;
    }
    CTrvFView* OpenPosition()
    {
        auto* view = OpenForm<CTrvFView>();
        Settle();
        return view;
    }
    // A department chosen with the keys while the list is closed (the list's
    // popup would take the window's activation from the grid typed into next).
    static void Choose(CTrvDView* view, const char* department)
    {
        auto* combo = static_cast<CComboBox*>(view->GetDlgItem(IDC_TRV_PRD));
        const int item = combo->FindStringExact(-1, department);
        ASSERT_GE(item, 0) << department;
        combo->SetCurSel(item);
        view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TRV_PRD, CBN_SELENDOK), LPARAM(combo->GetSafeHwnd()));
    }
    static void TypeMark(CCellwork& grid, long col, long row, const char* text)
    {
        grid.SetFocus0();
        grid.SetCurCell(col, row);
        afxtest::typeKeys(grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(grid.GetQWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // Empties a cell as a user does: a character typed over it, taken back.
    static void ClearMark(CCellwork& grid, long col, long row)
    {
        grid.SetFocus0();
        grid.SetCurCell(col, row);
        afxtest::typeKeys(grid.GetQWidget(), QStringLiteral("1"));
        afxtest::pressKey(grid.GetQWidget(), Qt::Key_Backspace);
        afxtest::pressKey(grid.GetQWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    static long RowOf(CTrvDView* view, const char* key)
    {
        for (long row = 0; row < view->m_grid.GetNRows(); ++row)
            if (view->m_grid.GetCellValue(0, row) == CString(key))
                return row;
        return -1;
    }
    static QStringList Keys(CTrvDView* view)
    {
        QStringList keys;
        for (long row = 0; row < view->m_grid.GetNRows(); ++row)
            keys << view->m_grid.GetCellValue(0, row).ToQString();
        return keys;
    }
    CString Stored(const char* tn, const char* npp, const CString& day)
    {
        return Text(FormatText("select t from perso_trv where tn=%s and npp=%s and d=%s", tn, npp,
                               ChangeDateUS0(day, 0)));
    }
    long long StoredCount(const char* tn, const char* npp, const CString& day)
    {
        return Count(FormatText("select count(*) from perso_trv where tn=%s and npp=%s and d=%s", tn, npp,
                                ChangeDateUS0(day, 0)));
    }
    // The assignments current in the month, as the day sheet lists them.
    QStringList CurrentKeys(const char* department)
    {
        QStringList keys;
        const CString start = ChangeDateUS0(first, 0);
        ForEachRow(FormatText("select concat(a.tn,'.',a.npp) from perso_tn_nip a join tn on tn.tn=a.tn where "
                              "(a.d2 is null or a.d2>=%s) and (tn.du is null or tn.du>=%s)%s order by a.tn, a.npp",
                              start, start, department),
                   [&keys](_RecordsetPtr& row) { keys << SafeArayToString(row->GetCollect(0L)).ToQString(); });
        return keys;
    }

    CString first, last, workday, nextWorkday;
};

TEST_F(TrvSheet, TheSameChoiceKeepsTheRowsAnotherAsksAboutUnsavedMarksFirst)
{
    struct Case {
        const char* what;
        int answer;         // to "Записать изменения ? "
        const char* stored; // the mark of 3.1 on the day afterwards
    };
    const Case cases[] = {
        {"No drops the marks", IDNO, "8.00"},
        {"Yes writes them", IDYES, "7.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run("update perso_trv set t='8.00' where tn=3 and npp=1");
        auto* view = OpenDay();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->m_grid.GetNRows(), 0) << "no day yet";
        view->SetDlgItemText(IDC_TRV_DAY, workday);
        Choose(view, "Администрация");
        const long row = RowOf(view, "3.1");
        ASSERT_GE(row, 0);
        EXPECT_EQ(view->m_grid.GetCellValue(4, row), CString("8.00"));
        EXPECT_EQ(view->m_grid.GetCellValue(1, row), CString("Смирнова Елена Викторовна"));
        TypeMark(view->m_grid, 4, row, "7,5");
        EXPECT_EQ(view->m_grid.GetCellValue(4, row), CString("7.50"));

        afxtest::InteractionScript none;  // the same department again: no question, the mark stays
        Choose(view, "Администрация");
        none.verify();
        EXPECT_EQ(view->m_grid.GetCellValue(4, row), CString("7.50"));

        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", c.answer);
        Choose(view, "Пищеблок");
        script.verify();
        EXPECT_EQ(RowOf(view, "3.1"), -1);
        EXPECT_NE(RowOf(view, "9.1"), -1);
        EXPECT_EQ(Stored("3", "1", workday), CString(c.stored));
        afxtest::InteractionScript quiet;  // nothing unsaved now: another day refills without a word
        view->SetDlgItemText(IDC_TRV_DAY, nextWorkday);
        quiet.verify();
        view->OnCancel();
        Settle();
    }
}

TEST_F(TrvSheet, MarksAreStoredAsNumbersWithTwoDecimalsOrAsCodes)
{
    struct Case {
        const char* key;
        const char* typed;
        const char* shown;
        const char* stored;  // nullptr: no row
    };
    const Case cases[] = {
        {"1.1", "7,5", "7.50", "7.50"},   {"3.1", "7.5", "7.50", "7.50"},    {"11.1", "8", "8.00", "8.00"},
        {"12.1", "ф", "ф", "ф"},          {"26.1", " б ", "б", "б"},          {"26.2", "", "", nullptr},
        {"27.1", "zz", "4.00", "4.00"},   // an unknown code is refused: the mark stays
    };
    Run("update perso_trv set t='4.00' where tn=27 and npp=1");
    for (const CString& day : {workday, nextWorkday})
        Run(FormatText("insert ignore into perso_trv (tn, npp, d, t) values (26, 2, %s, '4.00')", ChangeDateUS0(day, 0)));
    auto* view = OpenDay();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    EXPECT_EQ(view->GetDocument()->IsModified(), FALSE);
    afxtest::InteractionScript script;
    script.message("Нет такой отметки в справочнике: zz", IDOK);
    for (const Case& c : cases) {
        const long row = RowOf(view, c.key);
        ASSERT_GE(row, 0) << c.key;
        if (*c.typed)
            TypeMark(view->m_grid, 4, row, c.typed);
        else
            ClearMark(view->m_grid, 4, row);
        EXPECT_EQ(view->m_grid.GetCellValue(4, row), CString(c.shown)) << c.key;
    }
    script.verify();
    EXPECT_EQ(view->GetDocument()->IsModified(), TRUE);

    script.message("Записать изменения ? ", IDNO);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(StoredCount("26", "2", workday), 1) << "No writes nothing";

    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(view->GetDocument()->IsModified(), FALSE);
    for (const Case& c : cases) {
        const QString key = QString::fromUtf8(c.key);
        const CString tn(key.section('.', 0, 0)), npp(key.section('.', 1, 1));
        if (c.stored)
            EXPECT_EQ(Stored(tn, npp, workday), CString(c.stored)) << c.key;
        else
            EXPECT_EQ(StoredCount(tn, npp, workday), 0) << c.key;
    }
    EXPECT_EQ(StoredCount("26", "2", nextWorkday), 1) << "another day of the assignment is kept";
}

// Marks as other programs may have stored them are shown as a mark set into
// the cell is (a number with "." and two decimals, a code as it is), every row
// of the query with its texts, and the filled sheet holds nothing unsaved.
TEST_F(TrvSheet, TheFillShowsEveryRowWithItsMarkAsASetMarkIsShown)
{
    struct Case {
        const char* key;
        const char* stored;  // nullptr: no row of the day
        const char* shown;
    };
    const Case cases[] = {
        {"1.1", "8", "8.00"}, {"3.1", "7,5", "7.50"}, {"11.1", "ф", "ф"}, {"12.1", nullptr, ""}, {"26.1", "к", "к"},
    };
    const CString day = ChangeDateUS0(workday, 0);
    for (const Case& c : cases) {
        const QString key = QString::fromUtf8(c.key);
        const CString tn(key.section('.', 0, 0)), npp(key.section('.', 1, 1));
        Run(FormatText("delete from perso_trv where tn=%s and npp=%s and d=%s", tn, npp, day));
        if (c.stored)
            Run(FormatText("insert into perso_trv (tn, npp, d, t) values (%s, %s, %s, '%s')", tn, npp, day, c.stored));
    }
    auto* view = OpenDay();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    for (const Case& c : cases)
        EXPECT_EQ(view->m_grid.GetCellValue(4, RowOf(view, c.key)), CString(c.shown)) << c.key;
    EXPECT_EQ(view->GetDocument()->IsModified(), FALSE);
    QStringList read, shown;
    ForEachRow(TrvDaySql(workday, long(view->m_prd.GetItemData(view->m_prd.GetCurSel())), first),
               [&read](_RecordsetPtr& row) {
                   for (long col = 0; col < 4; ++col)
                       read << SafeArayToString(row->GetCollect(col)).ToQString();
               });
    for (long row = 0; row < view->m_grid.GetNRows(); ++row)
        for (long col = 0; col < 4; ++col)
            shown << view->m_grid.GetCellValue(col, row).ToQString();
    EXPECT_EQ(shown, read);
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(view->m_grid.GetCurCol(), 4);
}

// A mark already written with two decimals is shown as it is; any other
// number is written anew, and a code stays as typed.
TEST(MarkText, ANumberIsWrittenWithTwoDecimalsOnce)
{
    const char* const cases[][2] = {
        {"8.00", "8.00"},   {"12.50", "12.50"}, {"0.50", "0.50"},       {"123456.00", "123456.00"},
        {"08.00", "8.00"},  {"00.50", "0.50"},  {"7.5", "7.50"},        {"7,5", "7.50"},
        {"7,50", "7.50"},   {" 8.00 ", "8.00"}, {"8.005", "8.01"},      {"8.0.0", "8.00"},
        {"8", "8.00"},      {"ф", "ф"},         {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormalisedMark(c[0]), CString(c[1])) << c[0];
        EXPECT_EQ(ShownMark(CString(c[0]).Trim()), CString(c[1])) << c[0];
    }
}

TEST_F(TrvSheet, TheChooserPutsTheCodeIntoItsRowAgainAndAgain)
{
    auto* view = OpenDay();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    afxtest::InteractionScript script;
    for (long row : {RowOf(view, "11.1"), RowOf(view, "1.1")}) {
        script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"б   Болезнь"}); });
        view->m_grid.SetFocus0();
        view->m_grid.SetCurCell(4, row);
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_F4);
        script.verify();
        EXPECT_EQ(view->m_grid.GetCellValue(4, row), CString("б")) << row;
        EXPECT_EQ(view->m_grid.GetCurRow(), row);
    }
    EXPECT_EQ(view->GetDocument()->IsModified(), TRUE);
    // Columns other than the mark refuse editing.
    TypeMark(view->m_grid, 1, 0, "x");
    TypeMark(view->m_grid, 3, 0, "x");
    EXPECT_NE(view->m_grid.GetCellValue(1, 0), CString("x"));
    EXPECT_NE(view->m_grid.GetCellValue(3, 0), CString("x"));
    EXPECT_EQ(view->Write(0), 1);
    EXPECT_EQ(Stored("1", "1", workday), CString("б"));
}

TEST_F(TrvSheet, TheDayMustLieInTheWorkingMonth)
{
    auto* view = OpenDay();
    ASSERT_NE(view, nullptr);
    // The department list closed without a choice: all departments.
    auto* combo = static_cast<CComboBox*>(view->GetDlgItem(IDC_TRV_PRD));
    AfxComboUserOpen(combo);
    AfxComboUserPick(combo, combo->GetCount());
    EXPECT_EQ(combo->GetCurSel(), -1);
    view->SetDlgItemText(IDC_TRV_DAY, first);
    EXPECT_EQ(Keys(view), CurrentKeys(""));
    EXPECT_TRUE(Keys(view).contains("19.1")) << "ending and dismissed on the first day, still listed";
    EXPECT_EQ(afxtest::text(view, IDC_TRV_WEEKDAY), GetDayOfWeekName(qwDMG(first).GetDayOfWeek()).ToQString());

    view->SetDlgItemText(IDC_TRV_DAY, last);
    EXPECT_GT(view->m_grid.GetNRows(), 0) << "the last day";
    view->SetDlgItemText(IDC_TRV_DAY, DMGtoStr(qwDMG(last) + COleDateTimeSpan(1.0)));
    EXPECT_EQ(view->m_grid.GetNRows(), 0) << "the day after";
    EXPECT_EQ(afxtest::text(view, IDC_TRV_WEEKDAY), QString());
    view->SetDlgItemText(IDC_TRV_DAY, "");
    EXPECT_EQ(view->m_grid.GetNRows(), 0);

    // One department, by category first.
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    EXPECT_EQ(Keys(view), QStringList({"3.1", "30.1", "1.1", "11.1", "12.1", "26.1", "26.2", "27.1"}));
}

TEST_F(TrvSheet, EachWindowKeepsItsOwnDayAndRows)
{
    Run(FormatText("update perso_trv set t='к' where tn=1 and npp=1 and d=%s", ChangeDateUS0(workday, 0)));
    Run(FormatText("insert into perso_trv (tn, npp, d, t) values (1, 1, %s, '8.00') on duplicate key update t='8.00'",
                   ChangeDateUS0(nextWorkday, 0)));
    auto* a = OpenDay();
    a->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(a, "Администрация");
    auto* b = OpenDay();
    b->SetDlgItemText(IDC_TRV_DAY, nextWorkday);
    Choose(b, "Администрация");
    ASSERT_NE(a, b);
    EXPECT_EQ(a->m_grid.GetCellValue(4, RowOf(a, "1.1")), CString("к"));
    // The first window's new choice is what the second shows: it refills all the same.
    a->SetDlgItemText(IDC_TRV_DAY, nextWorkday);
    EXPECT_EQ(a->m_grid.GetCellValue(4, RowOf(a, "1.1")), CString("8.00"));
    TypeMark(a->m_grid, 4, RowOf(a, "1.1"), "о");
    EXPECT_EQ(a->Write(0), 1);
    EXPECT_EQ(Stored("1", "1", nextWorkday), CString("о"));
    EXPECT_EQ(Stored("1", "1", workday), CString("к"));
    EXPECT_EQ(b->m_lastDay, nextWorkday);
}

TEST_F(TrvSheet, ClosingWithUnsavedMarksAsksFirst)
{
    auto* view = OpenDay();
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    TypeMark(view->m_grid, 4, RowOf(view, "1.1"), "о");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDCANCEL);
    afxtest::click(view, IDCANCEL);
    Settle();
    script.verify();
    ASSERT_EQ(Active<CTrvDView>(), view) << "Cancel keeps the window";
    script.message("Записать изменения ? ", IDCANCEL);
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    script.verify();
    ASSERT_EQ(Active<CTrvDView>(), view) << "so does Cancel when the frame is closed";
    script.message("Записать изменения ? ", IDYES);
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    script.verify();
    EXPECT_EQ(ChildCount(), 0);
    EXPECT_EQ(Stored("1", "1", workday), CString("о"));
}

TEST_F(TrvSheet, AFailingRowLeavesEveryMarkAsItWasAndTheSheetUnsaved)
{
    // The fixture: the database refuses the mark "о" of employee 11, the middle of three rows written.
    Run("alter table perso_trv add constraint perso_trv_refuse check (tn <> 11 or t <> 'о')");
    auto* view = OpenDay();
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Администрация");
    const CString before1 = Stored("1", "1", workday), before12 = Stored("12", "1", workday);
    for (const char* key : {"1.1", "11.1", "12.1"})
        TypeMark(view->m_grid, 4, RowOf(view, key), "о");
    EXPECT_EQ(view->Write(0), 0);
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);
    EXPECT_EQ(Stored("1", "1", workday), before1);
    EXPECT_EQ(Stored("12", "1", workday), before12);
    EXPECT_EQ(view->GetDocument()->IsModified(), TRUE);
    EXPECT_EQ(view->m_grid.GetCellValue(4, RowOf(view, "12.1")), CString("о"));
    // The question before another department: Yes fails, so the choice and the marks stay.
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    Choose(view, "Пищеблок");
    script.verify();
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);
    EXPECT_EQ(view->m_lastDay, workday);
    EXPECT_EQ(view->m_lastPrd, 1);
    EXPECT_EQ(afxtest::text(view, IDC_TRV_PRD), QStringLiteral("Администрация"));
    EXPECT_EQ(view->m_grid.GetCellValue(4, RowOf(view, "12.1")), CString("о"));
    Run("alter table perso_trv drop constraint perso_trv_refuse");
    EXPECT_EQ(view->Write(0), 1);
    EXPECT_EQ(Stored("12", "1", workday), CString("о"));
}

TEST_F(TrvSheet, TheDaySheetOfADepartmentRenders)
{
    auto* view = OpenDay();
    view->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(view, "Группы");
    TypeMark(view->m_grid, 4, 0, "7,5");
    const QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/trv_day_sheet.png"));
    view->GetDocument()->SetModifiedFlag(FALSE);
}

TEST_F(TrvSheet, ThePositionSheetOffersTheCurrentAssignment)
{
    struct Case {
        const char* tn;
        const char* npp;
        bool enabled;
    };
    const Case cases[] = {
        {"1", "1", false},   // one current assignment
        {"4", "2", true},    // two current (and one ended): the earliest, the field open
        {"19", "", false},   // the only one ends on the month's first day: not current here
        {"", "", true},
    };
    auto* view = OpenPosition();
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        view->SetDlgItemText(IDC_TN, c.tn);
        EXPECT_EQ(afxtest::text(view, IDC_NPP), QString(c.npp)) << c.tn;
        EXPECT_EQ(view->GetDlgItem(IDC_NPP)->IsWindowEnabled() != FALSE, c.enabled) << c.tn;
    }
    view->SetDlgItemText(IDC_TN, "4");
    view->SetDlgItemText(IDC_NPP, "3");
    EXPECT_EQ(afxtest::text(view, IDC_DOL_NAME), Text("select name from ssv where id=6").ToQString());
    EXPECT_EQ(afxtest::text(view, IDC_NIP_ST), QStringLiteral("0.50"));
}

TEST_F(TrvSheet, ThePositionSheetListsTheMonthWithWeekendsInRed)
{
    CString weekend = first;
    while (qwDMG(weekend).GetDayOfWeek() != 1 && qwDMG(weekend).GetDayOfWeek() != 7)
        weekend = DMGtoStr(qwDMG(weekend) + COleDateTimeSpan(1.0));
    Run(FormatText("delete from perso_trv where tn=1 and npp=1 and d=%s", ChangeDateUS0(weekend, 0)));
    Run(FormatText("insert ignore into perso_trv (tn, npp, d, t) values (1, 1, %s, '8.00')",
                   ChangeDateUS0(nextWorkday, 0)));
    auto* view = OpenPosition();
    view->SetDlgItemText(IDC_TN, "1");
    CCellwork& grid = view->m_grid;
    const long days = long((qwDMG(last) - qwDMG(first)).GetDays()) + 1;
    ASSERT_EQ(grid.GetNRows(), days);
    for (long row = 0; row < days; ++row) {
        const COleDateTime day = qwDMG(first) + COleDateTimeSpan(double(row));
        const int weekday = day.GetDayOfWeek();
        EXPECT_EQ(grid.GetCellValue(0, row), DMGtoStr(day));
        EXPECT_EQ(grid.GetCellValue(1, row), GetDayOfWeekName(weekday));
        EXPECT_EQ(grid.GetRowFgClr(row), weekday == 1 || weekday == 7 ? COLORREF(255) : COLORREF(0)) << row;
        EXPECT_EQ(grid.GetCellValue(2, row), Stored("1", "1", DMGtoStr(day))) << row;
    }

    // Marks of three days typed, one day cleared: the day sheet of those days shows them.
    const long workRow = long((qwDMG(workday) - qwDMG(first)).GetDays());
    const long nextRow = long((qwDMG(nextWorkday) - qwDMG(first)).GetDays());
    const long weekendRow = long((qwDMG(weekend) - qwDMG(first)).GetDays());
    TypeMark(grid, 2, workRow, "6");
    TypeMark(grid, 2, weekendRow, "в");
    ClearMark(grid, 2, nextRow);
    const long long marksBefore = Count("select count(*) from perso_trv where tn=1");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(Stored("1", "1", workday), CString("6.00"));
    EXPECT_EQ(StoredCount("1", "1", nextWorkday), 0);
    EXPECT_EQ(Count("select count(*) from perso_trv where tn=1"), marksBefore) << "one inserted, one deleted";

    auto* day = OpenDay();
    day->SetDlgItemText(IDC_TRV_DAY, workday);
    Choose(day, "Администрация");
    EXPECT_EQ(day->m_grid.GetCellValue(4, RowOf(day, "1.1")), CString("6.00"));
}

} // namespace
