// An employee's income-tax benefits and writs of execution: the benefit's row
// completed from the book, the book's sum locked with a beep, the entry row,
// the save as one replacement with its checks, the month's benefits by the
// month chosen, the configuration's list of an employee's benefits; the
// writs numbered within the employee, what remains of a writ's total, the
// checks of a save in their order, texts kept as typed, and a delete with
// the writ's payments.
#include "CIspView.h"
#include "CLgotyView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "../res/resource.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QStringList>

namespace {

using npaymar::CIspView;
using npaymar::CLgotyEditView;
using npaymar::CLgotyView;

class Benefits : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // 901 of the book's sum, 902 typed for each employee, 903 marked
        // otherwise than "Да"; 70 has a standing benefit of each of the first
        // two and 902 in January.
        Run("delete from paymar_lgoty where tn between 70 and 71\n"
            "delete from paymar_m_ where tn between 70 and 71\n"
            "delete from spr_paymar_lgoty where id between 901 and 903\n"
            "delete from tn where tn between 70 and 71\n"
            "insert into tn (tn, f, i, o) values (70, 'Белова', 'Инна', 'Павловна'), (71, 'Гусева', 'Анна', 'Ивановна')\n"
            "insert into spr_paymar_lgoty (id, name, s, ss) values (901, 'На первого ребенка', 1400, NULL),"
            " (902, 'Имущественный вычет', NULL, 'Да'), (903, 'На налогоплательщика', 500, 'нет')\n"
            "insert into paymar_lgoty (tn, tip, s) values (70, 901, 1400), (70, 902, 2500.50)");
        Run(FormatText("insert into paymar_m_ (g, ms, tn, lg, s) values (%d, 1, 70, 902, 100)", g_lYear));
    }
    template <class T>
    T* OpenBenefits(const char* name, const char* tn = nullptr)
    {
        CHelpers::FN_OpenDocument0(name, 0, tn);
        return Active<T>();
    }
    static QStringList Rows(CCellwork& grid)
    {
        QStringList rows;
        for (long row = 0; row < grid.GetNRows(); ++row)
            rows << QString("%1|%2|%3")
                        .arg(grid.GetCellValue(0, row).ToQString(), grid.GetCellValue(1, row).ToQString(),
                             grid.GetCellValue(2, row).ToQString());
        return rows;
    }
    CString Stored(const char* table, const char* column, const char* where)
    {
        return Text(FormatText("select group_concat(concat_ws(':', %s, coalesce(s, 'null')) order by id) as str "
                               "from %s where %s",
                               column, table, where));
    }
};

TEST_F(Benefits, ARowTakesTheBooksSumOrATypedOneAndAFullGridOffersAnEntryRow)
{
    auto* form = OpenBenefits<CLgotyView>("lgoty");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Льготы"));
    // The book's sum changed after the benefit was stored: the book's is shown.
    Run("update spr_paymar_lgoty set s=1500 where id=901");
    form->SetDlgItemText(IDC_TN, "70");
    Settle();
    EXPECT_EQ(Rows(form->m_grid),
              QStringList({"901|На первого ребенка|1500.00", "902|Имущественный вычет|2500.50", "||"}));

    // The book's sum is not edited: a beep; the typed one is.
    afxtest::InteractionScript script;
    form->m_grid.ForceEditCell(2, 0);
    Settle();
    EXPECT_EQ(script.beeps().size(), 1);
    form->m_grid.ForceEditCell(2, 1);
    Settle();
    EXPECT_EQ(script.beeps().size(), 1);
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_Escape);

    // A code typed: its name and, not "Да", the book's sum; the grid full, a new row.
    form->m_grid.SetCellValue(0, 2, "903");
    Settle();
    EXPECT_EQ(form->m_grid.GetNRows(), 4);
    EXPECT_EQ(Rows(form->m_grid).at(2), QString("903|На налогоплательщика|500.00"));
    EXPECT_EQ(form->m_grid.GetCurRow(), 3);
    // "Да" leaves the sum to type: no new row while it is empty.
    form->m_grid.SetCellValue(0, 3, "902");
    Settle();
    EXPECT_EQ(form->m_grid.GetNRows(), 4);
    form->m_grid.SetCellValue(2, 3, "10");
    Settle();
    EXPECT_EQ(form->m_grid.GetNRows(), 5);
    script.verify();
}

TEST_F(Benefits, TheBooksPickerAnswersIntoTheRowItWasOpenedFor)
{
    auto* form = OpenBenefits<CLgotyView>("lgoty");
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    Settle();
    ASSERT_EQ(form->m_grid.GetNRows(), 1);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"901   "}); });
    form->m_grid.SetCurCell(0, 0);
    form->m_grid.SetFocus();
    afxtest::pressKey(form->m_grid.GetQWidget(), Qt::Key_F4);
    Settle();
    script.verify();
    EXPECT_EQ(Rows(form->m_grid).at(0), QString("901|На первого ребенка|1400.00"));
    EXPECT_EQ(form->m_grid.GetNRows(), 2);
}

TEST_F(Benefits, ASaveReplacesTheBenefitsAndRefusesABadRowWritingNothing)
{
    auto* form = OpenBenefits<CLgotyView>("lgoty");
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "70");
    Settle();
    form->m_grid.SetCellValue(2, 1, "1400,50");
    form->m_grid.SetCellValue(0, 2, "902");
    Settle();
    ASSERT_EQ(form->m_grid.GetNRows(), 3) << "the typed sum left empty";

    struct Case {
        long col, row;
        const char* text;
        const char* message;
    };
    const Case refused[] = {
        {0, 2, "999", "Нет такой льготы: строка 3"},
        {0, 2, "9;0", "Нет такой льготы: строка 3"},
        {2, 1, "14x", "Укажите число: Сумма, строка 2"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.message);
        const CString before = form->m_grid.GetCellValue(c.col, c.row);
        form->m_grid.SetCellValue(c.col, c.row, c.text);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        EXPECT_EQ(form->m_grid.GetCurRow(), c.row);
        EXPECT_EQ(form->m_grid.GetCurCol(), c.col);
        EXPECT_EQ(Stored("paymar_lgoty", "tip", "tn=70"), CString("901:1400.00,902:2500.50"));
        form->m_grid.SetCellValue(c.col, c.row, before);
    }
    // The comma's kopecks kept, the empty sum none.
    afxtest::click(form, IDOK);
    EXPECT_EQ(Stored("paymar_lgoty", "tip", "tn=70"), CString("901:1400.00,902:1400.50,902:null"));
    EXPECT_EQ(Count("select count(*) from paymar_lgoty where tn=70 and d1 is null and d2 is null"), 3);

    // A failure keeps what was stored.
    form->m_grid.SetCellValue(0, 2, "");
    Run("create trigger paymar_lgoty_refuse before insert on paymar_lgoty for each row "
        "signal sqlstate '45000' set message_text='refused'");
    afxtest::click(form, IDOK);
    Run("drop trigger paymar_lgoty_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored("paymar_lgoty", "tip", "tn=70"), CString("901:1400.00,902:1400.50,902:null"));

    // An empty grid deletes them all; a rejected number only takes the focus.
    form->m_grid.SetNRows(0);
    afxtest::click(form, IDOK);
    EXPECT_EQ(Count("select count(*) from paymar_lgoty where tn=70"), 0);
    Run("insert into paymar_lgoty (tn, tip, s) values (71, 901, 1400)");
    form->SetDlgItemText(IDC_TN, "99");
    afxtest::click(form, IDOK);
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    EXPECT_EQ(Count("select count(*) from paymar_lgoty where tn=71"), 1);
}

TEST_F(Benefits, OpenedWithANumberTheEmployeeIsFixed)
{
    auto* form = OpenBenefits<CLgotyView>("lgoty", "70");
    ASSERT_NE(form, nullptr);
    Settle();
    EXPECT_FALSE(form->GetDlgItem(IDC_TN)->IsWindowEnabled());
    EXPECT_EQ(afxtest::text(form, IDC_FIO), QString("Белова Инна Павловна"));
    EXPECT_EQ(form->m_grid.GetNRows(), 3);
}

TEST_F(Benefits, TheMonthsBenefitsFollowTheMonthChosen)
{
    const long working = g_lMonth;
    g_lMonth = 2;
    auto* form = OpenBenefits<CLgotyEditView>("lgoty_edit");
    g_lMonth = working;
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Льготы за месяц"));
    EXPECT_EQ(afxtest::text(form, IDC_LGOTY_MONTH), GetMonthName(2).ToQString());
    form->SetDlgItemText(IDC_TN, "70");
    Settle();
    EXPECT_EQ(Rows(form->m_grid), QStringList({"||"}));
    afxtest::chooseEntry(form, IDC_LGOTY_MONTH, GetMonthName(1).ToQString());
    Settle();
    EXPECT_EQ(Rows(form->m_grid), QStringList({"902|Имущественный вычет|100.00", "||"}));
    form->m_grid.SetCellValue(2, 0, "250");
    form->m_grid.SetCellValue(0, 1, "901");
    afxtest::click(form, IDOK);
    const CString january = FormatText("tn=70 and g=%d and ms=1", g_lYear);
    EXPECT_EQ(Stored("paymar_m_", "lg", january), CString("902:250.00,901:1400.00"));
    EXPECT_EQ(Count("select count(*) from paymar_m_ where tn=70"), 2) << "no other month written";
}

TEST_F(Benefits, TheEmployeesBenefitsFormListsHisStandingAndMonthsBenefitsOnly)
{
    Run(FormatText("insert into paymar_m_ (g, ms, tn, lg, s) values (%d, %d, 70, 903, 500)", g_lYear, g_lMonth));
    auto listed = [this](const char* parameter) {
        CString sql;
        EXPECT_EQ(CHelpers::EXEC_GetFunctionValue(FormatText("Fill(0, \"%s\")", parameter), sql,
                                                  "Form.ПаймарЛьготы"),
                  1);
        return Text("select group_concat(concat_ws(':', `Код`, `Наименование`, `Сумма`) order by `Код`) as str "
                    "from (" + sql + ") q");
    };
    EXPECT_EQ(listed("70"), CString("901:На первого ребенка:1400.00,902:Имущественный вычет:2500.50,"
                                    "903:На налогоплательщика:500.00"));
    EXPECT_EQ(listed(" 71 "), CString(""));
    EXPECT_EQ(listed("1;drop table paymar_lgoty"), CString(""));
    EXPECT_EQ(listed("70 or 1=1"), CString(""));
    EXPECT_EQ(Count("select count(*) from paymar_lgoty where tn=70"), 2);
}

class Writs : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // 71: writ 1 of 10 000 with two payments, writ 3 of 5 000 without.
        Run("delete from paymar_isp where tn between 70 and 71\n"
            "delete from paymar_isp1 where tn between 70 and 71\n"
            "delete from tn where tn between 70 and 71\n"
            "insert into tn (tn, f, i, o) values (70, 'Белова', 'Инна', 'Павловна'), (71, 'Гусева', 'Анна', 'Ивановна')\n"
            "insert ignore into spr_vou (id, name) values (200, 'Прочие начисления')\n"
            "insert into paymar_isp (tn, npp, pu, nd, kou, sv, ov, s, pr, d1, vp, fil, ls, one) values"
            " (71, 1, 1, 'ВС 012', 203, 10000, 10000, NULL, 25, '2025-01-01', 1, '8598/12', '40817', 0),"
            " (71, 3, 0, 'ФС 7', 204, 5000, 5000, 1000, NULL, NULL, 3, NULL, NULL, 1)\n"
            "insert into paymar_isp1 (tn, npp, g, ms, s) values (71, 1, 2025, 1, 1500), (71, 1, 2025, 2, 1000.50)");
    }
    CIspView* OpenWrits()
    {
        CHelpers::FN_OpenDocument0("IspView", 0, nullptr);
        return Active<CIspView>();
    }
    static QString Shown(CWnd* form, int id) { return afxtest::text(form, id); }
    static void Fill(CWnd* form, const std::vector<std::pair<int, const char*>>& fields)
    {
        for (const auto& [id, text] : fields)
            form->SetDlgItemText(id, text);
    }
    static void FillValid(CWnd* form)
    {
        Fill(form, {{IDC_VOU, "203"}, {IDC_ISP_SV, "10000"}, {IDC_ISP_S, ""}, {IDC_ISP_PR, "25"},
                    {IDC_PAY_D1, "01.03.2025"}, {IDC_PAY_D2, ""}, {IDC_VP, "1"}});
    }
    CString Writ(const char* tn, const char* npp, const char* column)
    {
        return Text(FormatText("select %s as str from paymar_isp where tn=%s and npp=%s", column, tn, npp));
    }
    static void Save(CWnd* form)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDYES);
        afxtest::click(form, IDOK);
        script.verify();
    }
};

TEST_F(Writs, TheFormShowsTheLastWritAndWhatRemainsOfEachTotal)
{
    CIspView* form = OpenWrits();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Исполнительные листы"));
    EXPECT_FALSE(form->GetDlgItem(IDC_ISP_CH)->IsWindowVisible());
    form->SetDlgItemText(IDC_TN, "71");
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("3"));
    const std::vector<std::pair<int, QString>> third = {
        {IDC_ISP_ND, "ФС 7"}, {IDC_VOU, "204"},     {IDC_VOU_NAME, "Удержание по исполнительному листу"},
        {IDC_ISP_SV, "5000.00"}, {IDC_ISP_OV, "5000.00"}, {IDC_ISP_S, "1000.00"},
        {IDC_VP, "3"},        {IDC_VP_NAME, "Служба судебных приставов"}, {IDC_PAY_D1, ""},
    };
    for (const auto& [id, text] : third)
        EXPECT_EQ(Shown(form, id), text) << id;
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_PU), BST_UNCHECKED);
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_ONE), BST_CHECKED);

    afxtest::chooseEntry(form, IDC_REC_NPP, "1");
    Settle();
    EXPECT_EQ(Shown(form, IDC_ISP_OV), QString("7499.50")) << "10 000 less 1 500 and 1 000.50";
    EXPECT_EQ(Shown(form, IDC_ISP_PR), QString("25.000"));
    EXPECT_EQ(Shown(form, IDC_PAY_D1), QString("01.01.2025"));
    EXPECT_EQ(Shown(form, IDC_ISP_LS), QString("40817"));
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_PU), BST_CHECKED);

    // No number: a new writ, deducted; a number not stored likewise.
    for (const char* npp : {"", "7"}) {
        afxtest::typeInto(form, IDC_REC_NPP, npp);
        if (!*npp)
            afxtest::pressKey(form, IDC_REC_NPP, Qt::Key_Backspace);
        EXPECT_EQ(Shown(form, IDC_ISP_SV), QString("")) << npp;
        EXPECT_EQ(Shown(form, IDC_ISP_OV), QString("")) << npp;
        EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_PU), BST_CHECKED) << npp;
        EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_ONE), BST_UNCHECKED) << npp;
    }
    form->SetDlgItemText(IDC_TN, "");
    EXPECT_EQ(form->IsDlgButtonChecked(IDC_ISP_PU), BST_UNCHECKED);
    EXPECT_EQ(npaymar::WritRemaining("71", "3", "0"), CString(""));
}

TEST_F(Writs, ANewWritTakesTheNextNumberItsTotalAsRemainingAndTextsAsTyped)
{
    CIspView* form = OpenWrits();
    ASSERT_NE(form, nullptr);
    const char* hostile = "'; delete from paymar_isp; -- \\";
    struct Case {
        const char* tn;
        const char* npp;
    };
    for (const Case& c : {Case{"71", "4"}, Case{"70", "1"}}) {
        SCOPED_TRACE(c.tn);
        form->SetDlgItemText(IDC_TN, c.tn);
        afxtest::typeInto(form, IDC_REC_NPP, "");
        afxtest::pressKey(form, IDC_REC_NPP, Qt::Key_Backspace);
        FillValid(form);
        Fill(form, {{IDC_ISP_ND, hostile}, {IDC_ISP_FIL, hostile}, {IDC_ISP_LS, hostile}, {IDC_ISP_OV, ""},
                    {IDC_ISP_SV, "10 000,5"}});
        afxtest::setChecked(form, IDC_ISP_ONE, true);
        Save(form);
        EXPECT_EQ(Writ(c.tn, c.npp, "concat_ws('|', pu, kou, sv, ov, pr, d1, vp, one, d2 is null, s is null)"),
                  CString("1|203|10000.50|10000.50|25.000|2025-03-01|1|1|1|1"));
        for (const char* column : {"nd", "fil", "ls"})
            EXPECT_EQ(Writ(c.tn, c.npp, column), CString(hostile)) << column;
        EXPECT_EQ(Shown(form, IDC_REC_NPP), QString(c.npp)) << "shown again, the last";
        EXPECT_EQ(Shown(form, IDC_ISP_OV), QString("10000.50"));
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    }
    EXPECT_EQ(Count("select count(*) from paymar_isp where tn=71"), 3);
}

TEST_F(Writs, EachCheckRefusesInItsOrderAndNothingIsWritten)
{
    CIspView* form = OpenWrits();
    ASSERT_NE(form, nullptr);
    struct Case {
        std::vector<std::pair<int, const char*>> fields;
        const char* message;
        int focus;
    };
    const Case cases[] = {
        {{{IDC_TN, ""}}, "Укажите табельный №", IDC_TN},
        {{{IDC_TN, "998"}}, "Нет такого работника", IDC_TN},
        {{{IDC_VOU, ""}}, "Укажите Код удержания", IDC_VOU},
        {{{IDC_VOU, "777"}}, "Нет такого кода оплат удержаний", IDC_VOU},
        {{{IDC_VOU, "20 3"}}, "Нет такого кода оплат удержаний", IDC_VOU},
        {{{IDC_VOU, "200"}}, "Код удержания должен быть больше 200", IDC_VOU},
        {{{IDC_PAY_D1, "31.02.2025"}}, "Неверная дата: Дата начала удержания", IDC_PAY_D1},
        {{{IDC_PAY_D2, "1.1"}}, "Неверная дата: Дата окончания", IDC_PAY_D2},
        {{{IDC_VP, ""}}, "Укажите Код получателя", IDC_VP},
        {{{IDC_VP, "99"}}, "Нет такого кода вида получателя", IDC_VP},
        {{{IDC_ISP_SV, "10000р"}}, "Укажите число: Общая сумма выплаты", IDC_ISP_SV},
        {{{IDC_ISP_S, "1,2,3"}}, "Укажите число: Сумма", IDC_ISP_S},
        {{{IDC_ISP_PR, "25%"}}, "Укажите число: Процент", IDC_ISP_PR},
        // The first failing check speaks.
        {{{IDC_VP, ""}, {IDC_VOU, "200"}}, "Код удержания должен быть больше 200", IDC_VOU},
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
        EXPECT_EQ(Count("select count(*) from paymar_isp where tn=70"), 0);
    }
    // 201 is a deduction.
    form->SetDlgItemText(IDC_TN, "70");
    FillValid(form);
    form->SetDlgItemText(IDC_VOU, "201");
    Save(form);
    EXPECT_EQ(Writ("70", "1", "kou"), CString("201"));
}

TEST_F(Writs, ADeleteTakesThePaymentsWithTheWritAndAFailureKeepsBoth)
{
    CIspView* form = OpenWrits();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "71");
    afxtest::chooseEntry(form, IDC_REC_NPP, "1");
    Settle();
    Run("create trigger paymar_isp1_refuse before delete on paymar_isp1 for each row "
        "signal sqlstate '45000' set message_text='refused'");
    {
        afxtest::InteractionScript script;
        script.message("Удалить эту запись ? ", IDYES);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    Run("drop trigger paymar_isp1_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Count("select count(*) from paymar_isp where tn=71 and npp=1"), 1);
    EXPECT_EQ(Count("select count(*) from paymar_isp1 where tn=71 and npp=1"), 2);

    // A save that fails keeps the writ it would replace.
    Run("create trigger paymar_isp_refuse before insert on paymar_isp for each row "
        "signal sqlstate '45000' set message_text='refused'");
    form->SetDlgItemText(IDC_ISP_SV, "1");
    Save(form);
    Run("drop trigger paymar_isp_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Writ("71", "1", "sv"), CString("10000.00"));

    afxtest::chooseEntry(form, IDC_REC_NPP, "1");
    Settle();
    afxtest::InteractionScript script;
    script.message("Удалить эту запись ? ", IDYES);
    afxtest::click(form, IDC_REC_DELETE);
    script.verify();
    EXPECT_EQ(Count("select count(*) from paymar_isp where tn=71 and npp=1"), 0);
    EXPECT_EQ(Count("select count(*) from paymar_isp1 where tn=71"), 0);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), QString("3"));
}

TEST_F(Writs, TheCodePickerOffersDeductionsOnlyAndTheFormIsDrawn)
{
    CIspView* form = OpenWrits();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        EXPECT_FALSE(rows.isEmpty());
        for (const QString& row : rows)
            EXPECT_GT(row.section(' ', 0, 0).toInt(), 200) << row.toStdString();
        pickertest::ClickRows(d, {"203   "});
    });
    afxtest::click(form, IDC_VOU_BTN);
    script.verify();
    EXPECT_EQ(Shown(form, IDC_VOU_NAME), QString("Алименты по исполнительному листу"));

    form->SetDlgItemText(IDC_TN, "71");
    afxtest::chooseEntry(form, IDC_REC_NPP, "1");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/writ.png"));
}

// Each form of the employee's records at its default size, on the demo data,
// as a picture to look at.
TEST_F(Writs, EachRecordFormIsDrawnAtItsDefaultSize)
{
    const struct {
        const char* form;
        const char* tn;
        const char* picture;
    } forms[] = {
        {"DetiView", "2", "children"}, {"InvView", "16", "disability"}, {"lgoty", "2", "benefits"},
        {"lgoty_edit", "5", "month_benefits"}, {"IspView", "26", "writ_demo"},
    };
    for (const auto& f : forms) {
        SCOPED_TRACE(f.form);
        CHelpers::FN_OpenDocument0(f.form, 0, nullptr);
        CMDIChildWnd* child = frame->MDIGetActive();
        ASSERT_NE(child, nullptr);
        CView* view = child->GetActiveView();
        view->SetDlgItemText(IDC_TN, f.tn);
        Settle();
        QCoreApplication::processEvents();
        const QImage picture = afxtest::grab(child);
        EXPECT_GT(afxtest::distinctColours(picture), 20);
        EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/" + f.picture + ".png"));
        child->SendMessage(WM_CLOSE);
        Settle();
    }
}

} // namespace
