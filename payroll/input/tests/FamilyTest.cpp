// An employee's children and disability: the children numbered within the
// employee, the form on the last child, the checks of a save and a delete,
// the child and the single-parent mark saved together, the list of employees
// with children; the children who reach an age in the month, in each
// dialect; the disability row replaced whole.
#include "CDetiView.h"
#include "CDetiVozView.h"
#include "CInvView.h"
#include "ChildrenAge.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ChooserForm.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace {

using npaymar::CDetiView;
using npaymar::CDetiVozView;
using npaymar::CInvView;

bool Selected(CWnd* form, int id)
{
    auto* edit = qobject_cast<QLineEdit*>(form->GetDlgItem(id)->GetQWidget());
    return edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
}

class Children : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // 70 without children; 71 with children 1 and 3 (2 was deleted).
        Run("delete from paymar_iz where tn between 70 and 72\n"
            "delete from paymar_bux where tn between 70 and 72\n"
            "delete from paymar_inv where tn between 70 and 72\n"
            "delete from tn where tn between 70 and 72\n"
            "insert into tn (tn, f, i, o, m_o) values (70, 'Белова', 'Инна', 'Павловна', 0),"
            " (71, 'Гусева', 'Анна', 'Ивановна', 1), (72, 'Дёмина', 'Вера', 'Олеговна', 0)\n"
            "insert into paymar_iz (tn, npp, dr, b15, b3) values (71, 1, '2019-05-04', 0, 0),"
            " (71, 3, '2024-07-15', 1, 1)");
    }
    CDetiView* OpenChildren()
    {
        CHelpers::FN_OpenDocument0("DetiView", 0, nullptr);
        return Active<CDetiView>();
    }
    CString Child(const char* tn, const char* npp, const char* column)
    {
        return Text(FormatText("select %s as str from paymar_iz where tn=%s and npp=%s", column, tn, npp));
    }
    static QString Shown(CWnd* form, int id) { return afxtest::text(form, id); }
    static void Save(CWnd* form)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDYES);
        afxtest::click(form, IDOK);
        script.verify();
    }
};

TEST_F(Children, TheFormShowsTheLastChildAndANewChildFollowsTheHighestNumber)
{
    CDetiView* form = OpenChildren();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Дети"));
    form->SetDlgItemText(IDC_TN, "71");
    EXPECT_EQ(Shown(form, IDC_FIO), QString("Гусева Анна Ивановна"));
    EXPECT_EQ(form->m_numbers.GetCount(), 2);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("3"));
    EXPECT_EQ(Shown(form, IDC_DETI_DR), QString("15.07.2024"));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_DETI_B15), BST_CHECKED);
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_DETI_B3), BST_CHECKED);
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_DETI_MO), BST_CHECKED);

    // Chosen from the list, and typed.
    afxtest::chooseEntry(form, IDC_REC_NPP, "1");
    Settle();
    EXPECT_EQ(Shown(form, IDC_DETI_DR), QString("04.05.2019"));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_DETI_B15), BST_UNCHECKED);
    afxtest::typeInto(form, IDC_REC_NPP, "");
    afxtest::pressKey(form, IDC_REC_NPP, Qt::Key_Backspace);
    EXPECT_EQ(Shown(form, IDC_DETI_DR), QString("")) << "no number: a new child";

    // A new child of 71 is 4; child 3 stays as it was.
    form->SetDlgItemText(IDC_DETI_DR, "01.02.2025");
    afxtest::setChecked(form, IDC_DETI_B15, true);
    afxtest::setChecked(form, IDC_DETI_MO, false);
    Save(form);
    EXPECT_EQ(Child("71", "4", "dr"), CString("01.02.2025"));
    EXPECT_EQ(Child("71", "4", "concat(b15, b3)"), CString("10"));
    EXPECT_EQ(Child("71", "3", "concat(dr, b15, b3)"), CString("2024-07-1511"));
    EXPECT_EQ(Text("select m_o as str from tn where tn=71"), CString("0"));
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("4")) << "the list again, on its last child";
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    EXPECT_TRUE(Selected(form, IDC_TN));

    // The first child of 70 is 1; the mark is his.
    form->SetDlgItemText(IDC_TN, "70");
    EXPECT_EQ(form->m_numbers.GetCount(), 0);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString(""));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_DETI_MO), BST_UNCHECKED);
    form->SetDlgItemText(IDC_DETI_DR, "3.4.2023");
    afxtest::setChecked(form, IDC_DETI_MO, true);
    Save(form);
    EXPECT_EQ(Child("70", "1", "dr"), CString("03.04.2023"));
    EXPECT_EQ(Text("select m_o as str from tn where tn=70"), CString("1"));
}

TEST_F(Children, EachCheckRefusesInItsOrderAndNothingIsWritten)
{
    CDetiView* form = OpenChildren();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* tn;
        const char* npp;
        const char* born;
        const char* message;
        int focus;
        bool selected;
    };
    const Case cases[] = {
        {"", "", "01.01.2024", "Укажите табельный №", IDC_TN, false},
        {"999", "", "01.01.2024", "Нет такого работника", IDC_TN, true},
        {"70;drop", "", "01.01.2024", "Нет такого работника", IDC_TN, true},
        {"70", "", "", "Укажите Дату рождения", IDC_DETI_DR, false},
        {"70", "", "31.02.2024", "Неверная дата: Дата рождения", IDC_DETI_DR, true},
        {"70", "", "01.13.2024", "Неверная дата: Дата рождения", IDC_DETI_DR, true},
        {"70", "1 or 1=1", "01.01.2024", "Укажите целое число: н/п", IDC_REC_NPP, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, c.tn);
        form->m_numbers.SetWindowText(c.npp);
        form->SetDlgItemText(IDC_DETI_DR, c.born);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        if (c.focus != IDC_REC_NPP) {
            EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
            EXPECT_EQ(Selected(form, c.focus), c.selected);
        }
        EXPECT_EQ(Count("select count(*) from paymar_iz where tn=70"), 0);
    }
    // Answered No: nothing either.
    form->SetDlgItemText(IDC_TN, "70");
    form->m_numbers.SetWindowText("");
    form->SetDlgItemText(IDC_DETI_DR, "01.01.2024");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDNO);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(Count("select count(*) from paymar_iz where tn=70"), 0);
}

TEST_F(Children, AFailedSaveKeepsTheChildAndTheMark)
{
    CDetiView* form = OpenChildren();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    form->SetDlgItemText(IDC_DETI_DR, "20.07.2024");
    afxtest::setChecked(form, IDC_DETI_B3, false);
    afxtest::setChecked(form, IDC_DETI_MO, false);
    // The insert after the delete fails.
    Run("create trigger paymar_iz_refuse before insert on paymar_iz for each row "
        "signal sqlstate '45000' set message_text='refused'");
    Save(form);
    Run("drop trigger paymar_iz_refuse");
    EXPECT_FALSE(dbReports.reports().empty()) << "the failure is reported";
    dbReports.clear(1);
    EXPECT_EQ(Child("71", "3", "concat(dr, b15, b3)"), CString("2024-07-1511"));
    EXPECT_EQ(Text("select m_o as str from tn where tn=71"), CString("1"));
}

TEST_F(Children, ADeleteChecksTheNumberAsksAndRemovesTheChild)
{
    CDetiView* form = OpenChildren();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    struct Case {
        const char* npp;
        const char* message;
    };
    for (const Case& c : {Case{"", "Укажите н/п"}, Case{"2", "Нет такого н/п"}, Case{"1;", "Нет такого н/п"}}) {
        SCOPED_TRACE(c.npp);
        form->m_numbers.SetWindowText(c.npp);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    form->m_numbers.SetWindowText("3");
    {
        afxtest::InteractionScript script;
        script.message("Удалить эту запись ? ", IDNO).message("Удалить эту запись ? ", IDYES);
        afxtest::click(form, IDC_REC_DELETE);
        EXPECT_EQ(Count("select count(*) from paymar_iz where tn=71"), 2);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    EXPECT_EQ(Text("select group_concat(npp) as str from paymar_iz where tn=71"), CString("1"));
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("1"));
    EXPECT_EQ(Shown(form, IDC_DETI_DR), QString("04.05.2019"));
}

TEST_F(Children, TheListOfEmployeesWithChildrenLeavesOutThoseDismissedBeforeTheMonth)
{
    Run("insert into paymar_iz (tn, npp, dr) values (72, 1, '2020-01-01'), (70, 1, '2021-01-01')");
    const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth));
    Run("update tn set du=" + first + " - interval 1 day where tn=72");
    Run("update tn set du=" + first + " where tn=70");
    CDetiView* form = OpenChildren();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        EXPECT_TRUE(rows.filter("Белова").size() == 1) << rows.join('\n').toStdString();
        EXPECT_TRUE(rows.filter("Гусева").size() == 1) << "listed once for two children";
        EXPECT_TRUE(rows.filter("Дёмина").isEmpty()) << "dismissed the day before the month";
        pickertest::ClickRows(d, {"71   "});
    });
    afxtest::click(form, IDC_TN_LIST);
    script.verify();
    EXPECT_EQ(Shown(form, IDC_TN), QString("71"));
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("3"));
}

class ChildrenOfAge : public Children {
protected:
    void SetUp() override
    {
        Children::SetUp();
        // 70 on leave (every row closed), 71 with a row still open, 72
        // dismissed at the start of the year.
        Run("insert into paymar_bux (tn, npp, d1, d2) values (70, 1, '2020-01-01', '2024-03-01'),"
            " (71, 1, '2020-01-01', '2024-03-01'), (71, 2, '2024-03-02', NULL), (72, 1, '2020-01-01', '2024-03-01')\n"
            "update tn set du='2025-01-01' where tn=72\n"
            "delete from paymar_iz where tn=71\n"
            "insert into paymar_iz (tn, npp, dr, b15, b3) values (70, 1, '2024-03-10', 1, 0),"
            " (70, 2, '2022-10-05', 0, 1), (70, 3, '2024-03-02', 1, 1), (70, 4, '2024-02-29', 1, 0),"
            " (71, 1, '2024-03-12', 1, 0), (72, 1, '2024-03-15', 1, 0)");
    }
    // The rows as "tn.npp by birth date: age, reached, days", sorted.
    QStringList Listed(long year, long month, const char* parameter)
    {
        g_lYear = year;
        g_lMonth = month;
        CHelpers::FN_OpenDocument0("DetiVozView", 0, parameter);
        auto* list = Active<CDetiVozView>();
        QStringList rows;
        if (!list) {
            ADD_FAILURE() << "no list";
            return rows;
        }
        for (long row = 0; row < list->m_grid.GetNRows(); ++row) {
            // The demo's children are not this test's.
            const long tn = atol(list->m_grid.GetCellValue(0, row));
            if (tn < 70 || tn > 72)
                continue;
            QStringList cells;
            for (long col = 0; col < 6; ++col)
                cells << list->m_grid.GetCellValue(col, row).ToQString();
            rows << cells.join(' ');
        }
        list->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
        rows.sort();
        return rows;
    }
};

TEST_F(ChildrenOfAge, TheListHoldsTheChildrenReachingTheAgeWithTheDaysOfTheMonthUpToIt)
{
    const QString fio = "Белова Инна Павловна ";
    struct Case {
        long year, month;
        const char* parameter;
        QStringList rows;
    };
    const Case cases[] = {
        // One and a half: only b15; on the 10th of a 30-day month 10 days;
        // exactly 1 year 6 months (and 28 days) listed; the 29 February child
        // reached it on 28 August, before the month.
        {2025, 9, "1:6:0",
         {"70 " + fio + "02.03.2024 1-6-28 02.09.2025 2", "70 " + fio + "10.03.2024 1-6-20 10.09.2025 10"}},
        // Three: only b3; reached after the month, the month's days.
        {2025, 9, "3:0:0",
         {"70 " + fio + "02.03.2024 1-6-28 02.03.2027 30", "70 " + fio + "05.10.2022 2-11-25 05.10.2025 30"}},
        // Another age: every mark.
        {2025, 9, "2:0:0",
         {"70 " + fio + "02.03.2024 1-6-28 02.03.2026 30", "70 " + fio + "10.03.2024 1-6-20 10.03.2026 30",
          "70 " + fio + "29.02.2024 1-7-1 28.02.2026 30"}},
        // 1 year 7 months at the month's end is one month too old, whatever the day.
        {2025, 9, "1:6:40",
         {"70 " + fio + "02.03.2024 1-6-28 12.10.2025 30", "70 " + fio + "10.03.2024 1-6-20 20.10.2025 30"}},
        // Born on 29 February: one and a half on 28 August of a year without one.
        {2025, 8, "1:6:0",
         {"70 " + fio + "02.03.2024 1-5-29 02.09.2025 31", "70 " + fio + "10.03.2024 1-5-21 10.09.2025 31",
          "70 " + fio + "29.02.2024 1-6-2 28.08.2025 28"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.parameter) + " in " + std::to_string(c.month));
        EXPECT_EQ(Listed(c.year, c.month, c.parameter).join('\n').toStdString(), c.rows.join('\n').toStdString());
    }
    EXPECT_TRUE(dbReports.reports().empty());
}

TEST_F(ChildrenOfAge, TheQueryOfEachDialectAddsYearsMonthsAndDaysInTurn)
{
    const npaymar::ChildAge age = npaymar::ParseChildAge("1:6:0");
    auto inDialect = [&](long driver) {
        const long saved = GetDriverId(-1);
        SetDriverId(driver);
        const QString text = npaymar::ChildrenReachingAgeSql(age, "'2025-09-01'").ToQString();
        SetDriverId(saved);
        return text;
    };
    const QString postgres = inDialect(2);
    EXPECT_TRUE(postgres.contains("(cast(cast(paymar_iz.dr + interval '1 year' as date) + interval '6 month' as "
                                  "date) + 0)>cast('2025-09-01' as date)"))
        << postgres.toStdString();
    EXPECT_TRUE(postgres.contains("as \"do\""));
    EXPECT_TRUE(postgres.contains("du>='2025-09-01'"));
    EXPECT_TRUE(postgres.contains("and b15=1 group by"));
    EXPECT_FALSE(postgres.contains("DATE_ADD") || postgres.contains("date('"));
    const QString server = inDialect(0);
    EXPECT_TRUE(server.contains("DATEADD(day, 0, DATEADD(month, 6, DATEADD(year, 1, paymar_iz.dr)))>'2025-09-01'"))
        << server.toStdString();
    EXPECT_TRUE(server.contains("du>='2025-09-01'") && server.contains("and b15=1 group by"));
    const QString maria = inDialect(1);
    EXPECT_TRUE(maria.contains("DATE_ADD(DATE_ADD(DATE_ADD(paymar_iz.dr, interval 1 year), interval 6 month), "
                               "interval 0 day)>date('2025-09-01')"))
        << maria.toStdString();
    EXPECT_EQ(npaymar::ChildAgeFlag(npaymar::ParseChildAge("3:0:0")), CString("and b3=1"));
    EXPECT_EQ(npaymar::ChildAgeFlag(npaymar::ParseChildAge("1:6:1")), CString(""));
}

TEST_F(ChildrenOfAge, TheListIsReadOnlyAndItsButtonsFollowTheFormsFoot)
{
    g_lYear = 2025;
    g_lMonth = 9;
    CHelpers::FN_OpenDocument0("DetiVozView", 0, "1:6:0");
    auto* list = Active<CDetiVozView>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetParentFrame()->GetQWidget()->windowTitle(), QString("Дети, достигающие 1,5 лет"));
    ASSERT_GE(list->m_grid.GetNRows(), 2);
    const CString name = list->m_grid.GetCellValue(1, 0);
    list->m_grid.ForceEditCell(1, 0);
    Settle();
    EXPECT_EQ(list->m_grid.GetCellValue(1, 0), name);
    list->GetParentFrame()->MoveWindow(0, 0, 700, 400);
    Settle();
    CRect client, grid, ok;
    list->GetClientRect(&client);
    list->m_grid.GetWindowRect(&grid);
    list->ScreenToClient(&grid);
    list->GetDlgItem(IDOK)->GetWindowRect(&ok);
    list->ScreenToClient(&ok);
    EXPECT_EQ(grid.bottom, client.bottom - 35);
    EXPECT_EQ(grid.right, client.right);
    EXPECT_EQ(ok.left, 10);
    EXPECT_EQ(ok.top, client.bottom - 25);
    const QImage picture = afxtest::grab(list->GetParentFrame());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/children_of_age.png"));
    afxtest::click(list, IDOK);
    Settle();
    EXPECT_TRUE(Open<CDetiVozView>().empty()) << "OK closes the list";
}

class Disability : public Children {
protected:
    CInvView* OpenInv()
    {
        CHelpers::FN_OpenDocument0("InvView", 0, nullptr);
        return Active<CInvView>();
    }
    CString Row(const char* column) { return Text(FormatText("select %s as str from paymar_inv where tn=70", column)); }
};

TEST_F(Disability, ASaveReplacesTheRowAndKeepsTextsAsTyped)
{
    CInvView* form = OpenInv();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "70");
    form->SetDlgItemText(IDC_INV_GR, "2");
    form->SetDlgItemText(IDC_INV_SER, "МСЭ-2011");
    form->SetDlgItemText(IDC_INV_NUMBER, "12'5\\");
    form->SetDlgItemText(IDC_INV_D, "5.6.2024");
    afxtest::click(form, IDOK);
    EXPECT_EQ(Row("concat_ws('|', gr, ser, number, d)"), CString("2|МСЭ-2011|12'5\\|2024-06-05"));
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));

    // Saved again: one row, the empty date none, the empty texts empty.
    form->SetDlgItemText(IDC_INV_GR, "3");
    form->SetDlgItemText(IDC_INV_SER, "");
    form->SetDlgItemText(IDC_INV_NUMBER, "");
    form->SetDlgItemText(IDC_INV_D, "");
    afxtest::click(form, IDOK);
    EXPECT_EQ(Count("select count(*) from paymar_inv where tn=70"), 1);
    EXPECT_EQ(Row("concat(gr, '|', ser, '|', number, '|', d is null)"), CString("3|||1"));

    // Shown again for the number.
    form->SetDlgItemText(IDC_TN, "");
    EXPECT_EQ(afxtest::text(form, IDC_INV_GR), QString(""));
    form->SetDlgItemText(IDC_TN, "70");
    EXPECT_EQ(afxtest::text(form, IDC_INV_GR), QString("3"));
    EXPECT_EQ(afxtest::text(form, IDC_FIO), QString("Белова Инна Павловна"));
}

TEST_F(Disability, BadInputIsRefusedByNameAndAFailedSaveKeepsTheRow)
{
    Run("insert into paymar_inv (tn, gr, ser, number, d) values (70, 1, 'А', '1', '2020-01-01')");
    CInvView* form = OpenInv();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* tn;
        const char* group;
        const char* date;
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {"", "2", "", "Укажите табельный №", IDC_TN},
        {"998", "2", "", "Нет такого работника", IDC_TN},
        {"70", "", "", "Укажите группу", IDC_INV_GR},
        {"70", "2)", "", "Укажите целое число: Группа инв.", IDC_INV_GR},
        {"70", "2", "30.02.2024", "Неверная дата: Дата справки", IDC_INV_D},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, c.tn);
        form->SetDlgItemText(IDC_INV_GR, c.group);
        form->SetDlgItemText(IDC_INV_D, c.date);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
        EXPECT_EQ(Row("concat(gr, ser, number)"), CString("1А1"));
    }
    form->SetDlgItemText(IDC_TN, "70");
    form->SetDlgItemText(IDC_INV_GR, "2");
    form->SetDlgItemText(IDC_INV_D, "");
    Run("create trigger paymar_inv_refuse before insert on paymar_inv for each row "
        "signal sqlstate '45000' set message_text='refused'");
    afxtest::click(form, IDOK);
    Run("drop trigger paymar_inv_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Row("concat(gr, ser, number, d)"), CString("1А12020-01-01")) << "the row deleted before is back";
}

TEST_F(Disability, ADeleteAsksAndEmptiesTheForm)
{
    Run("insert into paymar_inv (tn, gr) values (70, 1)");
    CInvView* form = OpenInv();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "70");
    afxtest::InteractionScript script;
    script.message("Удалить этого работника из списка инвалидов ?", IDNO)
        .message("Удалить этого работника из списка инвалидов ?", IDYES);
    afxtest::click(form, IDC_REC_DELETE);
    EXPECT_EQ(Count("select count(*) from paymar_inv where tn=70"), 1);
    afxtest::click(form, IDC_REC_DELETE);
    script.verify();
    EXPECT_EQ(Count("select count(*) from paymar_inv where tn=70"), 0);
    EXPECT_EQ(afxtest::text(form, IDC_TN), QString(""));
    EXPECT_EQ(afxtest::text(form, IDC_INV_GR), QString(""));
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
}

} // namespace
