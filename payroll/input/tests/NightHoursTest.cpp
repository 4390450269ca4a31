// The night hours of the month: the list read with its names, the pickers
// answering into the line they were opened for, the one-position jump, the
// entry line, the delete, the checks in their order, and the save that
// replaces the month whole (or, failing, leaves it as it was) and closes.
#include "CBookListView.h"
#include "CNochnyeView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "../res/resource.h"

#include <QCoreApplication>

namespace {

using npaymar::CNochnyeView;

class NightHours : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // The nurse 11 and the caretaker 27 have one position row each, 3
        // has two.
        Run(FormatText("delete from paymar_noch\n"
                       "insert into paymar_noch (g, ms, tn, npp, ch, kou) values (%ld, %ld, 27, 1, 8, 13),"
                       " (%ld, %ld, 11, 1, 16, 13), (%ld, %ld - 1, 11, 1, 5, 13)",
                       g_lYear, g_lMonth, g_lYear, g_lMonth, g_lYear, g_lMonth));
    }
    CNochnyeView* OpenNight()
    {
        CHelpers::FN_OpenDocument0("NochnyeView", 0, nullptr);
        Settle();
        return Active<CNochnyeView>();
    }
    static QStringList Lines(CNochnyeView* form)
    {
        QStringList lines;
        for (long row = 0; row < form->m_grid.GetNRows(); ++row) {
            QStringList cells;
            for (long col = 0; col < 6; ++col)
                cells << form->m_grid.GetCellValue(col, row).ToQString();
            lines << cells.join('|');
        }
        return lines;
    }
    static void Type(CNochnyeView* form, long row, std::initializer_list<const char*> cells)
    {
        const long cols[] = {0, 2, 4, 5};
        long i = 0;
        for (const char* text : cells)
            form->m_grid.SetCellValue(cols[i++], row, text);
    }
    CString Month()
    {
        return Text(FormatText("select group_concat(concat(tn, '.', npp, ':', ch, ':', kou) order by tn, ch "
                               "separator ' ') as str from paymar_noch where g=%ld and ms=%ld",
                               g_lYear, g_lMonth));
    }
};

const char* const kNurse = "11|Морозова Екатерина Сергеевна|1|Медицинская сестра|16|13";
const char* const kCaretaker = "27|Соловьёв Андрей Николаевич|1|Рабочий по обслуживанию здания|8|13";

TEST_F(NightHours, TheMonthsLinesShowTheirNamesAndAnEntryLine)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Ночные часы"));
    EXPECT_EQ(Lines(form), QStringList({kNurse, kCaretaker, "|||||"}));
    EXPECT_EQ(form->m_grid.GetCurRow(), 0);
    EXPECT_EQ(form->m_grid.GetCurCol(), 0);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/night_hours.png"));
}

TEST_F(NightHours, ANumberTypedFillsTheNamesAndOnePositionJumpsToTheHours)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    form->m_grid.SetCellValue(0, 2, "27");
    EXPECT_EQ(Lines(form).at(2), QString("27|Соловьёв Андрей Николаевич|1|Рабочий по обслуживанию здания||"));
    EXPECT_EQ(form->m_grid.GetCurCol(), 4);
    EXPECT_EQ(form->m_grid.GetCurRow(), 2);
    // Two position rows: the number is the clerk's to give.
    form->m_grid.SetCellValue(0, 2, "3");
    EXPECT_EQ(form->m_grid.GetCellValue(1, 2), CString("Смирнова Елена Викторовна"));
    EXPECT_EQ(form->m_grid.GetCellValue(2, 2), CString("1")) << "the number typed before stays";
    form->m_grid.SetCellValue(2, 2, "2");
    EXPECT_EQ(form->m_grid.GetCellValue(3, 2), CString("Музыкальный руководитель"));
    form->m_grid.SetCellValue(0, 2, "abc");
    EXPECT_EQ(form->m_grid.GetCellValue(1, 2), CString(""));
}

TEST_F(NightHours, ThePickersAnswerIntoTheLineTheyWereOpenedFor)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    // The employee's chooser from the grid's own picker key.
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"3   "}); });
    form->m_grid.SetCurCell(0, 2);
    form->m_grid.SetFocus();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F4);
    Settle();
    script.verify();
    EXPECT_EQ(form->m_grid.GetCellValue(0, 2), CString("3"));
    EXPECT_EQ(form->m_grid.GetCellValue(1, 2), CString("Смирнова Елена Викторовна"));

    // F3 in the position column: the employee's position rows.
    form->m_grid.SetCurCell(2, 2);
    form->m_grid.SetFocus();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F3);
    Settle();
    auto lists = Open<npaymar::CBookListView>();
    ASSERT_EQ(lists.size(), 1u);
    lists.front()->m_grid.SetCurCell(0, 1);
    lists.front()->Pick();
    Settle();
    EXPECT_EQ(form->m_grid.GetCellValue(2, 2), CString("2"));
    EXPECT_EQ(form->m_grid.GetCellValue(3, 2), CString("Музыкальный руководитель"));

    // The pay code's book, answering by message.
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"13   "}); });
    form->m_grid.SetCurCell(5, 2);
    form->m_grid.SetFocus();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F4);
    Settle();
    script.verify();
    EXPECT_EQ(form->m_grid.GetCellValue(5, 2), CString("13"));
    EXPECT_EQ(form->m_grid.GetCurCol(), 5);
}

TEST_F(NightHours, LeavingTheLastCompleteLineAddsOneAndDeleteMovesTheLinesUp)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    // The last line without its hours: no new line.
    Type(form, 2, {"27", "1", "", "13"});
    form->m_grid.SetCurCell(4, 2);
    form->m_grid.SetFocus();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_Down);
    Settle();
    EXPECT_EQ(form->m_grid.GetNRows(), 3);
    form->m_grid.SetCellValue(4, 2, "2");
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_Down);
    Settle();
    ASSERT_EQ(form->m_grid.GetNRows(), 4);
    EXPECT_EQ(form->m_grid.GetCurRow(), 3);
    EXPECT_EQ(form->m_grid.GetCurCol(), 0);

    // Delete: a line inside moves the later ones up, the last is emptied.
    form->m_grid.SetCurCell(0, 0);
    afxtest::click(form, 32790);
    EXPECT_EQ(Lines(form).at(0), QString(kCaretaker));
    EXPECT_EQ(form->m_grid.GetNRows(), 3);
    form->m_grid.SetCurCell(0, 2);
    afxtest::click(form, 32790);
    EXPECT_EQ(form->m_grid.GetNRows(), 3);
    EXPECT_EQ(Lines(form).at(2), QString("|||||"));
    form->m_grid.SetCurCell(0, 0);
    afxtest::click(form, 32790);
    afxtest::click(form, 32790);
    afxtest::click(form, 32790);
    EXPECT_EQ(form->m_grid.GetNRows(), 1) << "never fewer than one line";
}

TEST_F(NightHours, TheChecksStopAtTheFirstFaultInTheirOrderAndWriteNothing)
{
    struct Case {
        std::initializer_list<const char*> cells;
        long col;
        const char* message;
    };
    const Case cases[] = {
        {{"", "", "", "13"}, 0, "Укажите Табельный №"},
        {{"999", "", "8", "13"}, 0, "Нет такого Табельного номера"},
        {{"3", "", "8", "13"}, 2, "Укажите н/п в бухгалтерской книге"},
        {{"3", "7", "8", "13"}, 2, "Нет такого н/п в бухгалтерской книге"},
        {{"3", "1", "", "13"}, 4, "Укажите количество часов"},
        {{"3", "1", "0", "13"}, 4, "Укажите количество часов"},
        {{"3", "1", "abc", "13"}, 4, "Строка 3, таб. № 3: в графе «Часов» не число: «abc»"},
        {{"3", "1", "8", ""}, 5, "Укажите код оплат"},
        {{"3", "1", "8", "999"}, 5, "Нет такого кода оплат"},
    };
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    const CString before = Month();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Type(form, 2, c.cells);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        EXPECT_EQ(form->m_grid.GetCurRow(), 2);
        EXPECT_EQ(form->m_grid.GetCurCol(), c.col);
        EXPECT_EQ(Month(), before);
    }
}

TEST_F(NightHours, ASaveReplacesTheMonthClosesAndTheLinesComeBackWithTheirNames)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    Type(form, 2, {"3", "2", "0,5", "13"});
    form->m_grid.SetNRows(5);  // an empty line between is skipped
    Type(form, 4, {"11", "1", "7.5", "13"});
    form->m_grid.SetCellValue(4, 0, "12");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(form, IDOK);
    script.verify();
    Settle();
    EXPECT_TRUE(Open<CNochnyeView>().empty()) << "the form closed";
    EXPECT_EQ(Month(), CString("3.2:0.50:13 11.1:7.50:13 11.1:12.00:13 27.1:8.00:13"));
    EXPECT_EQ(Count(FormatText("select count(*) from paymar_noch where g=%ld and ms=%ld - 1", g_lYear, g_lMonth)), 1)
        << "another month stays";

    form = OpenNight();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Lines(form), QStringList({"3|Смирнова Елена Викторовна|2|Музыкальный руководитель|0.5|13",
                                        "11|Морозова Екатерина Сергеевна|1|Медицинская сестра|12|13",
                                        "11|Морозова Екатерина Сергеевна|1|Медицинская сестра|7.5|13", kCaretaker,
                                        "|||||"}));
}

TEST_F(NightHours, AFailedInsertLeavesTheMonthAsItWasAndTheFormOpen)
{
    CNochnyeView* form = OpenNight();
    ASSERT_NE(form, nullptr);
    Type(form, 2, {"3", "2", "4", "13"});
    const CString before = Month();
    // The second line's insert is refused by the server.
    Run("create trigger paymar_noch_refuse before insert on paymar_noch for each row "
        "set new.tn=if(new.ch=8, NULL, new.tn)");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(form, IDOK);
    script.verify();
    Run("drop trigger paymar_noch_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Month(), before);
    EXPECT_EQ(Open<CNochnyeView>().size(), 1u);
}

} // namespace
