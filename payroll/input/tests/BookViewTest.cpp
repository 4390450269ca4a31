// The pay record: the employee and his main row loaded as a number is typed,
// the position's facts and rates, the calendar field, the checks of a save in
// their order, numbering and the main flag, a failed save and two clerks
// saving at once, and the list of an employee's rows answering the form.
#include "BookSave.h"
#include "CBookListView.h"
#include "CBookView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <FreshDatabase.h>

#include <QCoreApplication>
#include <QDate>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <thread>
#include <utility>
#include <vector>

namespace {

using npaymar::CBookListView;
using npaymar::CBookView;
using Fields = std::vector<std::pair<int, const char*>>;

class PayRecord : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // 70 has no rows; 71 rows 1 (main) and 3; 72 two rows, neither main.
        // Positions 90 and 91 with their rates: 90 a salary on sheet 1, a
        // contract and second salary on sheet 2, nothing above 0 on sheet 3.
        Run("delete from spr_vou where id=200\n"
            "insert into spr_vou (id, name) values (200, 'Прочие начисления')\n"
            "delete from spr_paymar_dol1 where id in (90, 91)\n"
            "delete from spr_paymar_dol where id in (90, 91)\n"
            "insert into spr_paymar_dol (id, name, kat, raz, vr, vr2) values (90, 'Инструктор', 'высшая', '12', NULL,"
            " 15.00), (91, 'Сторож', NULL, NULL, 10.00, NULL)\n"
            "insert into spr_paymar_dol1 (id, nv, okl, kontr, okl2) values (90, 1, 9800, NULL, NULL),"
            " (90, 2, 0, 5000, 4900), (90, 3, 0, 0, 100)\n"
            "delete from paymar_bux where tn between 70 and 72\n"
            "delete from tn where tn between 70 and 72\n"
            "insert into tn (tn, f, i, o, prd, kat, nv, nsr, stj) values"
            " (70, 'Белова', 'Инна', 'Павловна', 1, 1, 1, '2015-03-01', NULL),"
            " (71, 'Гусева', 'Анна', 'Ивановна', 3, 1, 2, '2010-01-10', 10),"
            " (72, 'Дёмина', 'Вера', 'Олеговна', 3, 2, 1, '2012-05-05', NULL)\n"
            "insert into paymar_bux (tn, npp, osn, kpz, dprik, nprik, prd, dol, kat, kou, kl, d1, d2, plav, staj)"
            " values (71, 1, 1, 1, '2010-01-09', '1-к', 3, 90, 1, 1, 1, '2010-01-10', NULL, 3000, 0),"
            " (71, 3, 0, 3, NULL, NULL, 2, 91, 2, 3, 2, '2024-02-01', '2024-12-31', NULL, 1),"
            " (72, 1, 0, 1, NULL, NULL, 3, 3, 1, 1, 1, '2020-01-01', NULL, NULL, 0),"
            " (72, 2, 0, 3, NULL, NULL, 3, 4, 2, 3, 1, '2020-01-01', NULL, NULL, 0)");
    }
    CBookView* OpenBook()
    {
        CHelpers::FN_OpenDocument0("BookView", 0, nullptr);
        return Active<CBookView>();
    }
    static QString Shown(CWnd* form, int id) { return afxtest::text(form, id); }
    static void Fill(CWnd* form, const Fields& fields)
    {
        for (const auto& [id, text] : fields)
            form->SetDlgItemText(id, text);
    }
    // Every field a save needs, as a clerk types them.
    static void FillValid(CWnd* form)
    {
        Fill(form, {{IDC_BOOK_NSR, "01.03.2015"}, {IDC_BOOK_DU, ""}, {IDC_PAY_PRD, "1"}, {IDC_PAY_KAT, "1"},
                    {IDC_NV, "1"}, {IDC_PRIKAZ, "1"}, {IDC_PAY_PRD1, "3"}, {IDC_DOL, "3"}, {IDC_PAY_KAT1, "1"},
                    {IDC_VOU, "1"}, {IDC_KL, "1"}, {IDC_PAY_D1, "01.02.2024"}, {IDC_PAY_D2, ""},
                    {IDC_BOOK_STJ, "15"}, {IDC_BOOK_PLAV, ""}, {IDC_BOOK_DPRIK, ""}});
    }
    static bool Selected(CWnd* form, int id)
    {
        auto* edit = qobject_cast<QLineEdit*>(form->GetDlgItem(id)->GetQWidget());
        return edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
    }
    CString Row(const char* tn, const char* npp, const char* column)
    {
        return Text(FormatText("select %s as str from paymar_bux where tn=%s and npp=%s", column, tn, npp));
    }
    CString Employee(const char* tn, const char* column)
    {
        return Text(FormatText("select %s as str from tn where tn=%s", column, tn));
    }
    void Save(CBookView* form, const char* question, const char* warning = nullptr)
    {
        afxtest::InteractionScript script;
        script.message(question, IDYES);
        if (warning)
            script.message(warning, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
    }
};

TEST_F(PayRecord, TypingANumberLoadsTheEmployeeHisMainRowAndItsPosition)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Бухгалтерская книга"));
    form->SetDlgItemText(IDC_TN, "71");
    const std::vector<std::pair<int, QString>> shown = {
        {IDC_FIO, "Гусева Анна Ивановна"}, {IDC_PAY_PRD, "3"}, {IDC_PAY_PRD_NAME, "Группы"}, {IDC_NV, "2"},
        {IDC_BOOK_STJ, "10"}, {IDC_BOOK_NSR, "10.01.2010"}, {IDC_NPP, "1"}, {IDC_PRIKAZ, "1"},
        {IDC_BOOK_NPRIK, "1-к"}, {IDC_BOOK_DPRIK, "09.01.2010"}, {IDC_DOL, "90"}, {IDC_DOL_NAME, "Инструктор"},
        {IDC_BOOK_DOL_KAT, "высшая"}, {IDC_BOOK_DOL_RAZ, "12"}, {IDC_BOOK_DOL_VR, ""}, {IDC_BOOK_DOL_VR2, "15.00"}, {IDC_PAY_D1, "10.01.2010"}, {IDC_PAY_D2, ""}, {IDC_BOOK_PLAV, "3000"},
        {IDC_VOU_NAME, "Оклад"},
    };
    for (const auto& [id, text] : shown)
        EXPECT_EQ(Shown(form, id), text) << id;
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_BOOK_OSN), BST_CHECKED);
    // The position's rates on the sheets where it has a salary or contract.
    ASSERT_EQ(form->m_rates.GetNRows(), 2) << "not sheet 3";
    EXPECT_EQ(form->m_rates.GetCellValue(0, 0), CString("1"));
    EXPECT_EQ(form->m_rates.GetCellValue(1, 0), CString("9800"));
    EXPECT_EQ(form->m_rates.GetCellValue(2, 0), CString("")) << "no contract";
    EXPECT_EQ(form->m_rates.GetCellValue(0, 1), CString("2"));
    EXPECT_EQ(form->m_rates.GetCellValue(2, 1), CString("5000"));
    EXPECT_EQ(form->m_rates.GetCellValue(3, 1), CString("4900"));

    form->SetDlgItemText(IDC_NPP, "3");
    EXPECT_EQ(Shown(form, IDC_DOL_NAME), QString("Сторож"));
    EXPECT_EQ(Shown(form, IDC_BOOK_DOL_VR), QString("10.00"));
    EXPECT_EQ(Shown(form, IDC_BOOK_DOL_VR2), QString(""));
    EXPECT_EQ(form->m_rates.GetNRows(), 0) << "a position without rates";
    EXPECT_EQ(Shown(form, IDC_PAY_D2), QString("31.12.2024"));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_BOOK_OSN), BST_UNCHECKED);
    EXPECT_EQ(form->m_staj.GetCurSel(), 1);

    // An employee without a main row: the number emptied, an empty row.
    form->SetDlgItemText(IDC_TN, "72");
    EXPECT_EQ(Shown(form, IDC_NPP), QString(""));
    EXPECT_EQ(Shown(form, IDC_DOL), QString(""));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_BOOK_OSN), BST_UNCHECKED);
    EXPECT_EQ(form->m_rates.GetNRows(), 0);

    // The benefits are a form of the configuration, opened on the employee.
    afxtest::click(form, IDC_BOOK_LGOTY);
    Settle();
    auto* benefits = dynamic_cast<CderivedDocument*>(frame->MDIGetActive()->GetActiveDocument());
    ASSERT_NE(benefits, nullptr);
    EXPECT_EQ(benefits->GetFormName(), CString("ПаймарЛьготы"));
    EXPECT_EQ(benefits->m_strParam, CString("72"));
}

TEST_F(PayRecord, TheCalendarTheRatesAndTheMedicalServiceShownBeside)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    // Two calendars: a choice to make.
    form->SetDlgItemText(IDC_TN, "71");
    EXPECT_TRUE(form->GetDlgItem(IDC_KL)->IsWindowEnabled());
    // One calendar, the row's: nothing to choose; a row on none may take it.
    Run("delete from spr_kl where id=2");
    form->SetDlgItemText(IDC_NPP, "");
    form->SetDlgItemText(IDC_NPP, "1");
    EXPECT_FALSE(form->GetDlgItem(IDC_KL)->IsWindowEnabled());
    Run("update paymar_bux set kl=NULL where tn=71 and npp=1");
    form->SetDlgItemText(IDC_NPP, "");
    form->SetDlgItemText(IDC_NPP, "1");
    EXPECT_TRUE(form->GetDlgItem(IDC_KL)->IsWindowEnabled());
    Run("insert into spr_kl (id, name) values (2, 'Шестидневная рабочая неделя')");

    // A position whose rates are all 0 or empty shows none.
    Run("delete from spr_paymar_dol1 where id=99\n"
        "delete from spr_paymar_dol where id=99\n"
        "insert into spr_paymar_dol (id, name) values (99, 'Сторож')\n"
        "insert into spr_paymar_dol1 (id, nv, okl, kontr) values (99, 1, 0, NULL), (99, 2, NULL, 0)");
    form->SetDlgItemText(IDC_DOL, "99");
    EXPECT_EQ(form->m_rates.GetNRows(), 0);
    EXPECT_EQ(Shown(form, IDC_DOL_NAME), QString("Сторож"));
    EXPECT_EQ(Shown(form, IDC_BOOK_DOL_VR2), QString(""));

    // The medical service less the card's days of interruption.
    form->SetDlgItemText(IDC_TN, "11");
    const CString start = GetTN(11, "nsr");
    ASSERT_FALSE(start.IsEmpty());
    const CString today = DMGtoStr(COleDateTime::GetCurrentTime());
    EXPECT_EQ(Shown(form, IDC_BOOK_MED_STAJ), GetMedStaj(11, today, start).ToQString());
    EXPECT_NE(Shown(form, IDC_BOOK_MED_STAJ), MedStajText(today, start, 0).ToQString()) << "45 days less";
    form->SetDlgItemText(IDC_BOOK_NSR, "");
    EXPECT_EQ(Shown(form, IDC_BOOK_MED_STAJ), QString(""));
}

TEST_F(PayRecord, EachCheckRefusesInItsOrderAndNothingIsWritten)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    struct Case {
        Fields fields;  // changed from a whole record of employee 70
        const char* message;
        int focus;
        bool selected;
    };
    const Case cases[] = {
        {{{IDC_TN, ""}}, "Укажите табельный №", IDC_TN, false},
        {{{IDC_TN, "999"}}, "Нет такого работника", IDC_TN, true},
        {{{IDC_BOOK_NSR, ""}}, "Укажите дату начала медицинского стажа", IDC_BOOK_NSR, false},
        {{{IDC_BOOK_NSR, "31.02.2015"}}, "Неверная дата: Медицинский стаж с", IDC_BOOK_NSR, true},
        {{{IDC_BOOK_DU, "31.04.2024"}}, "Неверная дата: Дата увольнения", IDC_BOOK_DU, true},
        {{{IDC_PAY_PRD, ""}}, "Укажите цех затрат", IDC_PAY_PRD, false},
        {{{IDC_PAY_PRD, "9"}}, "Нет такого подразделения", IDC_PAY_PRD, true},
        {{{IDC_PAY_KAT, ""}}, "Укажите категорию", IDC_PAY_KAT, false},
        {{{IDC_PAY_KAT, "9"}}, "Нет такой категории", IDC_PAY_KAT, true},
        {{{IDC_NV, ""}}, "Укажите основную ведомость", IDC_NV, false},
        {{{IDC_NV, "9"}}, "Нет такой ведомости", IDC_NV, true},
        {{{IDC_PRIKAZ, ""}}, "Укажите код приказа", IDC_PRIKAZ, false},
        {{{IDC_PRIKAZ, "9"}}, "Нет такого кода приказа", IDC_PRIKAZ, true},
        {{{IDC_PAY_PRD1, ""}}, "Укажите подразделение", IDC_PAY_PRD1, false},
        {{{IDC_PAY_PRD1, "9"}}, "Нет такого подразделения", IDC_PAY_PRD1, true},
        {{{IDC_DOL, ""}}, "Укажите должность", IDC_DOL, false},
        {{{IDC_DOL, "98"}}, "Нет такой должности", IDC_DOL, true},
        {{{IDC_PAY_KAT1, ""}}, "Укажите категорию", IDC_PAY_KAT1, false},
        {{{IDC_PAY_KAT1, "9"}}, "Нет такой категории", IDC_PAY_KAT1, true},
        {{{IDC_VOU, ""}}, "Укажите код оплат удержаний", IDC_VOU, false},
        {{{IDC_VOU, "7"}}, "Нет такого кода оплат удержаний", IDC_VOU, true},
        {{{IDC_VOU, "201"}}, "Код оплат удержаний должен быть меньше 200", IDC_VOU, true},
        {{{IDC_KL, ""}}, "Укажите код календаря", IDC_KL, false},
        {{{IDC_KL, "9"}}, "Нет такого календаря", IDC_KL, true},
        {{{IDC_PAY_D1, ""}}, "Укажите дату начала", IDC_PAY_D1, false},
        {{{IDC_PAY_D1, "32.01.2024"}}, "Неверная дата: Дата работы с", IDC_PAY_D1, true},
        {{{IDC_PAY_D2, "30.02.2024"}}, "Неверная дата: Дата работы по", IDC_PAY_D2, true},
        {{{IDC_BOOK_DPRIK, "31.06.2024"}}, "Неверная дата: Дата приказа", IDC_BOOK_DPRIK, true},
        {{{IDC_BOOK_STJ, "10%"}}, "Укажите целое число: Допл.за стаж", IDC_BOOK_STJ, true},
        {{{IDC_BOOK_PLAV, "3000,5"}}, "Укажите целое число: Плановый аванс", IDC_BOOK_PLAV, true},
        // The first failing check speaks.
        {{{IDC_VOU, "201"}, {IDC_PAY_PRD, ""}, {IDC_PAY_D1, ""}}, "Укажите цех затрат", IDC_PAY_PRD, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, "70");
        FillValid(form);
        Fill(form, c.fields);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
        EXPECT_EQ(Selected(form, c.focus), c.selected);
        EXPECT_EQ(Count("select count(*) from paymar_bux where tn=70"), 0);
        EXPECT_EQ(Employee("70", "stj"), CString(""));
    }
}

TEST_F(PayRecord, TheFirstRowIsNumberOneAndMainAndEmptyDatesAreStoredAsNone)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "70");
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_BOOK_OSN), BST_CHECKED) << "no rows yet";
    EXPECT_EQ(Shown(form, IDC_NPP), QString(""));
    FillValid(form);
    Fill(form, {{IDC_VOU, "200"}, {IDC_BOOK_INN, "77'01\\"}, {IDC_BOOK_SNO, "123-456"}, {IDC_BOOK_NPRIK, "5'к"},
                {IDC_BOOK_DPRIK, "31.01.2024"}, {IDC_BOOK_PLAV, "2500"}});
    afxtest::setChecked(form, IDC_BOOK_PROF, true);
    Save(form, "Добавить новую запись ?");
    EXPECT_EQ(Shown(form, IDC_NPP), QString("1"));
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    EXPECT_TRUE(Selected(form, IDC_TN));
    const std::vector<std::pair<const char*, const char*>> row = {
        {"osn", "1"}, {"kou", "200"}, {"d1", "01.02.2024"}, {"d2", ""}, {"nprik", "5'к"}, {"dprik", "31.01.2024"},
        {"plav", "2500"}, {"dol", "3"}, {"prd", "3"}, {"kl", "1"}, {"staj", "0"},
    };
    for (const auto& [column, value] : row)
        EXPECT_EQ(Row("70", "1", column), CString(value)) << column;
    const std::vector<std::pair<const char*, const char*>> employee = {
        {"du", ""}, {"inn", "77'01\\"}, {"sno", "123-456"}, {"prof", "1"}, {"stj", "15"}, {"nsr", "01.03.2015"},
        {"prd", "1"}, {"kat", "1"}, {"nv", "1"},
    };
    for (const auto& [column, value] : employee)
        EXPECT_EQ(Employee("70", column), CString(value)) << column;
}

TEST_F(PayRecord, ANewRowFollowsTheHighestAndOneMainRowIsKeptOrMissedAloud)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    form->SetDlgItemText(IDC_NPP, "");
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_BOOK_OSN), BST_UNCHECKED) << "the employee has rows";
    FillValid(form);
    afxtest::setChecked(form, IDC_BOOK_OSN, true);
    Save(form, "Добавить новую запись ?");
    EXPECT_EQ(Shown(form, IDC_NPP), QString("4")) << "after 1 and 3";
    EXPECT_EQ(Row("71", "4", "osn"), CString("1"));
    EXPECT_EQ(Row("71", "1", "osn"), CString("0")) << "the former main row";
    EXPECT_EQ(Row("71", "3", "osn"), CString("0"));

    // The only main row saved without the flag: saved, and said.
    afxtest::setChecked(form, IDC_BOOK_OSN, false);
    Save(form, "Записать изменения ?", "ВНИМАНИЕ !!!\nУ табельного номера 71 не указана основная должность");
    EXPECT_EQ(Row("71", "4", "osn"), CString("0"));
    EXPECT_EQ(Count("select count(*) from paymar_bux where tn=71"), 3);
}

TEST_F(PayRecord, AFailedSaveLeavesTheEmployeeAndHisRowsAsTheyWere)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    FillValid(form);
    Fill(form, {{IDC_BOOK_STJ, "25"}, {IDC_PAY_PRD1, "1"}});
    Run("create trigger paymar_bux_refuse before insert on paymar_bux for each row "
        "signal sqlstate '45000' set message_text='refused'");
    Save(form, "Записать изменения ?");
    Run("drop trigger paymar_bux_refuse");
    EXPECT_FALSE(dbReports.reports().empty()) << "the failure is reported";
    dbReports.clear(1);
    EXPECT_EQ(Employee("71", "stj"), CString("10")) << "the employee as he was";
    EXPECT_EQ(Employee("71", "prd"), CString("3"));
    EXPECT_EQ(Row("71", "1", "prd"), CString("3")) << "the row deleted before the insert is back";
    EXPECT_EQ(Row("71", "1", "osn"), CString("1"));
}

TEST_F(PayRecord, TwoClerksFlaggingTwoRowsAtOnceLeaveOneMainRow)
{
    // The first clerk's clearing of the other rows' flags takes half a second
    // at row 3, so the second clerk's save of a new main row comes in the
    // middle of it.
    Run("insert into paymar_bux (tn, npp, osn, prd, dol, kat, kou, kl, d1) values (72, 3, 0, 3, 3, 1, 1, 1, "
        "'2020-01-01')\n"
        "create trigger paymar_bux_slow before update on paymar_bux for each row "
        "set @slept = sleep(if(old.tn=72 and old.npp=3, 0.5, 0))");
    auto record = [](const char* npp) {
        npaymar::BookRecord r;
        r.tn = "72";
        r.npp = npp;
        r.stj = r.nsr = r.du = r.plav = r.dprik = r.nprik = r.d2 = "NULL";
        r.prd = r.rowPrd = "3";
        r.kat = r.rowKat = r.nv = r.kl = r.kpz = r.kou = "1";
        r.inn = r.sno = "''";
        r.dol = "3";
        r.d1 = "'2020-01-01'";
        r.osn = 1;
        return r;
    };
    BOOL written[2] = {FALSE, FALSE};
    CString numbers[2];
    std::thread first([&] {
        CDbThreadSession session;
        written[0] = npaymar::WriteBookRecord(record("1"), numbers[0]);
    });
    _ConnectionPtr watch = vornal::testing::OpenRawConnection();
    EXPECT_TRUE(vornal::testing::WaitForCount(
        watch, "select count(*) from information_schema.processlist where state='User sleep'",
        [](long long n) { return n == 1; }));
    std::thread second([&] {
        CDbThreadSession session;
        written[1] = npaymar::WriteBookRecord(record(""), numbers[1]);
    });
    first.join();
    second.join();
    watch->Close();
    Run("drop trigger paymar_bux_slow");
    EXPECT_TRUE(written[0]);
    EXPECT_TRUE(written[1]);
    EXPECT_EQ(numbers[1], CString("4"));
    EXPECT_EQ(Count("select count(*) from paymar_bux where tn=72 and osn=1"), 1);
    EXPECT_EQ(Count("select count(*) from paymar_bux where tn=72"), 4);
}

class BookList : public PayRecord {
protected:
    CBookListView* Show(CBookView* form)
    {
        afxtest::click(form, IDC_NPP_BTN);
        Settle();
        auto lists = Open<CBookListView>();
        return lists.size() == 1 ? lists.front() : nullptr;
    }
};

TEST_F(BookList, ListsTheRowsInOrderAndAPickLoadsTheRowOnce)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    CBookListView* list = Show(form);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 2);
    QStringList cells;
    for (long col = 0; col < list->m_grid.GetNCols(); ++col)
        cells << list->m_grid.GetCellValue(col, 1).ToQString();
    EXPECT_EQ(cells, QStringList({"3", "91", "Сторож", "2", "01.02.2024", "31.12.2024", "3", "Совмещение должностей"}));
    EXPECT_EQ(list->m_grid.GetCurRow(), 0);

    // Enter twice: one pick.
    list->m_grid.SetCurCell(0, 1);
    list->m_grid.SetFocus();
    afxtest::pressKey(list->m_grid.GetQWidget(), Qt::Key_Return);
    afxtest::pressKey(list->m_grid.GetQWidget(), Qt::Key_Return);
    Settle();
    EXPECT_TRUE(Open<CBookListView>().empty()) << "the list closed";
    EXPECT_EQ(Shown(form, IDC_NPP), QString("3"));
    EXPECT_EQ(Shown(form, IDC_DOL_NAME), QString("Сторож"));

    // A double click on the first row.
    list = Show(form);
    ASSERT_NE(list, nullptr);
    auto* table = qobject_cast<QTableView*>(list->m_grid.GetQWidget());
    ASSERT_NE(table, nullptr);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(0, 2)).center());
    Settle();
    EXPECT_TRUE(Open<CBookListView>().empty());
    EXPECT_EQ(Shown(form, IDC_NPP), QString("1"));
    EXPECT_EQ(Shown(form, IDC_DOL_NAME), QString("Инструктор"));
}

TEST_F(BookList, AFormClosedBeforeThePickIsToldNothing)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    CBookListView* list = Show(form);
    ASSERT_NE(list, nullptr);
    form->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    EXPECT_TRUE(Open<CBookView>().empty());
    list->Pick();
    Settle();
    EXPECT_TRUE(Open<CBookListView>().empty()) << "the list closed all the same";
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(PayRecord, TheRecordOfAnEmployeeWithHisRates)
{
    CBookView* form = OpenBook();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "3");
    EXPECT_GT(form->m_rates.GetNRows(), 0);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/pay_record.png"));
}

} // namespace
