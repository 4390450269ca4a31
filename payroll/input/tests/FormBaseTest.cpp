// The payroll form base on the test program: names shown as codes change (and
// nothing for a code that is no number), choosers by button, F3 and F4 by the
// focused field, where the search is offered, the surname search (literal,
// without regard to case), the book search with a memory per book, the check
// of the pay sheet and the organisation, and the list of position rows asked
// for with a usable personnel number only.
#include "../res/resource.h"
#include "ChooserForm.h"
#include "CBookListView.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/PayrollTestsResource.h"

#include <QLineEdit>

namespace {

using paytest::CPayBareForm;
using paytest::CPayBaseForm;
using paytest::CPayEkrForm;

class PaymarFormBase : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Run("delete from tn where tn between 60 and 63\n"
            "insert into tn (tn, f, i, o) values (60, 'О''Нил', 'Шон', NULL), (61, 'Сто%ва', 'Ида', 'Львовна'),"
            " (62, 'Стоянова', 'Ада', 'Львовна'), (63, 'Сто ва', 'Ева', 'Олеговна')");
    }
    static void Focus(CWnd* form, int id) { form->GetDlgItem(id)->SetFocus(); }
    static QString Text(CWnd* form, int id) { return afxtest::text(form, id); }
    static QString Selected(CWnd* form, int id)
    {
        auto* edit = qobject_cast<QLineEdit*>(form->GetDlgItem(id)->GetQWidget());
        return edit ? edit->selectedText() : QString();
    }
    // The search dialog's step: the prompt and the text it offers, then the
    // fragment typed (whole words when asked) and OK.
    static void Fragment(afxtest::InteractionScript& script, const QString& prompt, const QString& offered,
                         const QString& fragment, bool whole = false)
    {
        script.dialog(IDD_DLGKIT_SIRCH, [=](afxtest::DialogStep& d) {
            EXPECT_EQ(d.text(IDC_SIRCH_PROMPT), prompt);
            EXPECT_EQ(d.text(IDC_SIRCH_TEXT), offered);
            d.setText(IDC_SIRCH_TEXT, fragment);
            d.check(IDC_SIRCH_WHOLE, whole);
            d.click(IDOK);
        });
    }
};

TEST_F(PaymarFormBase, EveryCodeShowsItsNameAndTextThatIsNoCodeShowsNone)
{
    auto* form = OpenForm<CPayBaseForm>();
    auto* other = OpenForm<CPayEkrForm>();
    ASSERT_TRUE(form && other);
    struct Case {
        CWnd* form;
        int code;
        int name;
        const char* value;
        const char* shown;
    };
    const Case cases[] = {
        {form, IDC_TN, IDC_FIO, "3", "Смирнова Елена Викторовна"},
        {form, IDC_VOU, IDC_VOU_NAME, "201", "Налог на доходы физических лиц"},
        {form, IDC_KL, IDC_KL_NAME, "2", "Шестидневная рабочая неделя"},
        {form, IDC_KCN, IDC_KCN_NAME, "3", "Обязательное медицинское страхование"},
        {form, IDC_OTCHIS, IDC_OTCHIS_NAME, "2", "Взносы на обязательное социальное страхование"},
        {form, IDC_5PR, IDC_5PR_NAME, "2", "Удержание налога на доходы"},
        {form, IDC_DOL, IDC_DOL_NAME, "5", "Повар"},
        {form, IDC_VP, IDC_VP_NAME, "3", "Служба судебных приставов"},
        {form, IDC_NV, IDC_NV_NAME, "2", "Совместители"},
        {form, IDC_PAY_PRD, IDC_PAY_PRD_NAME, "2", "Пищеблок"},
        {form, IDC_PAY_PRD1, IDC_PAY_PRD1_NAME, "3", "Группы"},
        {form, IDC_PAY_KAT, IDC_PAY_KAT_NAME, "1", "Педагогические работники"},
        {form, IDC_PAY_KAT1, IDC_PAY_KAT1_NAME, "2", "Прочий персонал"},
        {form, IDC_PRIKAZ, IDC_PRIKAZ_NAME, "4", "Увольнение"},
        {other, IDC_EKR, IDC_EKR_NAME, "211000", "Заработная плата"},
        {other, IDC_ORG, IDC_ORG_NAME, "1", "ООО \"Продторг\""},
        // Text that is no whole number is no code.
        {form, IDC_VOU, IDC_VOU_NAME, "1 or 1=1", ""},
        {form, IDC_NV, IDC_NV_NAME, "2x", ""},
        {form, IDC_TN, IDC_FIO, "3'", ""},
        {form, IDC_DOL, IDC_DOL_NAME, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        c.form->SetDlgItemText(c.name, "прежнее");
        c.form->SetDlgItemText(c.code, c.value);
        EXPECT_EQ(Text(c.form, c.name), QString(c.shown)) << c.code;
    }
}

TEST_F(PaymarFormBase, ThePositionRowShowsItsPositionForNumbersOnly)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* tn;
        const char* npp;
        const char* shown;
    };
    const Case cases[] = {
        {"20", "2", "Воспитатель"}, {"20", "1", "Музыкальный руководитель"}, {"20", "3", ""},
        {"20", "1 or 1=1", ""},     {"20;", "1", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.tn) + "." + c.npp);
        form->SetDlgItemText(IDC_TN, c.tn);
        form->SetDlgItemText(IDC_NPP, c.npp);
        EXPECT_EQ(Text(form, IDC_NPP_DOL), QString(c.shown));
    }
    EXPECT_EQ(dbReports.reports().size(), 0u);
}

TEST_F(PaymarFormBase, ButtonsOpenTheirChoosersAndAFormWithoutTheFieldsIgnoresThem)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_TRUE(pickertest::Rows(d).contains("201   Налог на доходы физических лиц"))
            << pickertest::Rows(d).join('\n').toStdString();
        pickertest::ClickRows(d, {"201   "});
    });
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   Шестидневная"}); });
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_TRUE(pickertest::Rows(d).contains("14   Лебедева Анастасия Игоревна   Воспитатель   "));
        pickertest::ClickRows(d, {"14   Лебедева"});
    });
    afxtest::click(form, IDC_VOU_BTN);
    afxtest::click(form, IDC_KL_BTN);
    afxtest::click(form, IDC_TN_BTN);
    script.verify();
    EXPECT_EQ(Text(form, IDC_VOU_NAME), QString("Налог на доходы физических лиц"));
    EXPECT_EQ(Text(form, IDC_KL), QString("2"));
    EXPECT_EQ(Text(form, IDC_FIO), QString("Лебедева Анастасия Игоревна"));

    auto* bare = OpenForm<CPayBareForm>();
    ASSERT_NE(bare, nullptr);
    bare->SetDlgItemText(IDC_TN, "3");
    afxtest::InteractionScript none;  // no chooser and no message may come
    for (void (npaymar::CMyFormView1::*handler)() :
         {&npaymar::CMyFormView1::OnVOUbtn, &npaymar::CMyFormView1::OnKLbtn, &npaymar::CMyFormView1::OnKCNbtn,
          &npaymar::CMyFormView1::OnOTCHISbtn, &npaymar::CMyFormView1::On5PRbtn, &npaymar::CMyFormView1::OnDOLbtn,
          &npaymar::CMyFormView1::OnVPbtn, &npaymar::CMyFormView1::OnNVbtn, &npaymar::CMyFormView1::OnPRDbtn,
          &npaymar::CMyFormView1::OnPRD1btn, &npaymar::CMyFormView1::OnKATbtn, &npaymar::CMyFormView1::OnKAT1btn,
          &npaymar::CMyFormView1::OnPRIKAZbtn, &npaymar::CMyFormView1::OnORGbtn, &npaymar::CMyFormView1::OnEKRbtn,
          &npaymar::CMyFormView1::OnNPPbtn, &npaymar::CMyFormView1::OnChangeTn, &npaymar::CMyFormView1::OnChangeNpp,
          &npaymar::CMyFormView1::OnChangeVou, &npaymar::CMyFormView1::OnChangeOrg})
        (bare->*handler)();
    EXPECT_EQ(bare->TestOK(), 1) << "no sheet and no organisation to check";
    EXPECT_EQ(Text(bare, IDC_TN), QString("3"));
}

TEST_F(PaymarFormBase, F3AndF4PressTheButtonOfTheFocusedField)
{
    auto* form = OpenForm<CPayBaseForm>();
    auto* ekr = OpenForm<CPayEkrForm>();
    ASSERT_TRUE(form && ekr);
    // The forms' commands are recorded, not run: the keys' work is what they send.
    std::vector<int> sent;
    form->commands = &sent;
    ekr->commands = &sent;
    struct Case {
        CWnd* form;
        int field;
        Qt::Key key;
        int command;  // 0: none
    };
    const Case cases[] = {
        {form, IDC_VOU, Qt::Key_F3, IDC_VOU_BTN},           {form, IDC_KL, Qt::Key_F3, IDC_KL_BTN},
        {form, IDC_KCN, Qt::Key_F3, IDC_KCN_BTN},           {form, IDC_OTCHIS, Qt::Key_F3, IDC_OTCHIS_BTN},
        {form, IDC_5PR, Qt::Key_F3, IDC_5PR_BTN},           {form, IDC_DOL, Qt::Key_F3, IDC_DOL_BTN},
        {form, IDC_VP, Qt::Key_F3, IDC_VP_BTN},             {form, IDC_NV, Qt::Key_F3, IDC_NV_BTN},
        {form, IDC_PAY_PRD, Qt::Key_F3, IDC_PAY_PRD_BTN},   {form, IDC_PAY_PRD1, Qt::Key_F3, IDC_PAY_PRD1_BTN},
        {form, IDC_PAY_KAT, Qt::Key_F3, IDC_PAY_KAT_BTN},   {form, IDC_PAY_KAT1, Qt::Key_F3, IDC_PAY_KAT1_BTN},
        {form, IDC_PRIKAZ, Qt::Key_F3, IDC_PRIKAZ_BTN},     {ekr, IDC_EKR, Qt::Key_F3, IDC_EKR_BTN},
        {ekr, IDC_ORG, Qt::Key_F3, IDC_ORG_BTN},            {form, IDC_TN, Qt::Key_F3, IDC_TN_BTN},
        {form, IDC_FIO, Qt::Key_F3, IDC_TN_BTN},            {form, IDC_NPP, Qt::Key_F3, IDC_NPP_BTN},
        {form, IDC_F3_FIELD, Qt::Key_F3, IDC_F3_FIELD_BTN}, {form, IDC_PAY_OTHER, Qt::Key_F3, 0},
        {form, IDC_TN, Qt::Key_F4, IDC_TN_LIST},            {form, IDC_FIO, Qt::Key_F4, IDC_TN_LIST},
        {form, IDC_VOU, Qt::Key_F4, 0},                     {form, IDC_NPP, Qt::Key_F4, 0},
    };
    afxtest::InteractionScript none;  // the commands are only recorded
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        sent.clear();
        Focus(c.form, c.field);
        afxtest::pressKey(c.form, c.field, c.key);
        Settle();
        EXPECT_EQ(sent, c.command ? std::vector<int>{c.command} : std::vector<int>{});
    }
    form->commands = nullptr;
    ekr->commands = nullptr;
}

TEST_F(PaymarFormBase, TheSearchIsOfferedInTheEmployeesFieldsAndTheBooksCodes)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    const struct {
        int field;
        BOOL enabled;
    } cases[] = {
        {IDC_FIO, TRUE},      {IDC_TN, TRUE},           {IDC_VOU, TRUE},       {IDC_VP, TRUE},
        {IDC_NV, TRUE},       {IDC_5PR, TRUE},          {IDC_KCN, TRUE},       {IDC_OTCHIS, TRUE},
        {IDC_F3_FIELD, TRUE}, {IDC_DOL, TRUE},          {IDC_PAY_PRD1, TRUE},  {IDC_PAY_PRD, TRUE},
        {IDC_PAY_KAT1, TRUE}, {IDC_PAY_KAT, TRUE},      {IDC_KL, TRUE},        {IDC_PRIKAZ, TRUE},
        {IDC_NPP, FALSE},     {IDC_PAY_OTHER, FALSE},   {IDC_VOU_NAME, FALSE},
    };
    for (const auto& c : cases) {
        Focus(form, c.field);
        CTestCmdUI state;
        state.m_nID = ID_BUTTON_SIRCH;
        form->OnUpdateButtonSirch(&state);
        EXPECT_EQ(state.m_bEnabled, c.enabled) << c.field;
    }
}

TEST_F(PaymarFormBase, SurnameSearchFillsFindsNothingOrOffersTheMatches)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* fragment;
        bool whole;
        const char* tn;  // "" when nothing is found, "*" when the chooser is offered
    };
    const Case cases[] = {
        {"лебедева", false, "14"}, {"  Лебедева  ", false, "14"}, {"о'н", false, "60"}, {"сто%", false, "61"},
        {"сто_а", false, ""},      {"ива", true, ""},             {"иванова", true, "2"}, {"сто", true, "63"},
        {"сто", false, "*"},       {"Жук", false, ""},
    };
    QString offered;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fragment);
        form->SetDlgItemText(IDC_TN, "");
        Focus(form, IDC_FIO);
        afxtest::InteractionScript script;
        Fragment(script, "Укажите фрагменты Фамилии", offered, c.fragment, c.whole);
        if (!*c.tn)
            script.message(QString("По запросу ничего нет: ") + QString(c.fragment).trimmed(), IDOK);
        if (QString(c.tn) == "*")
            script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
                EXPECT_EQ(pickertest::Rows(d), QStringList({"63   Сто ва Ева Олеговна      ", "61   Сто%ва Ида Львовна      ",
                                                            "62   Стоянова Ада Львовна      "}));
                pickertest::ClickRows(d, {"62   "});
            });
        afxtest::command(form, ID_BUTTON_SIRCH);
        script.verify();
        EXPECT_EQ(Text(form, IDC_TN), QString(c.tn) == "*" ? QString("62") : QString(c.tn));
        offered = QString(c.fragment).trimmed();
    }
}

TEST_F(PaymarFormBase, BookSearchFillsFindsNothingOrOpensTheChooserAndRemembersPerBook)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    const QString pay = "Укажите фрагменты оплат/удержаний";
    afxtest::InteractionScript script;
    Fragment(script, pay, "", "налог");
    Fragment(script, "Укажите фрагменты календаря", "", "шести");
    Fragment(script, pay, "налог", "50%");
    script.message("По запросу ничего нет: 50%", IDOK);
    Fragment(script, pay, "50%", "оплата отпуск");
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::Rows(d), QStringList({"30   Оплата ежегодного отпуска",
                                                    "31   Оплата дополнительного отпуска"}));
        pickertest::ClickRows(d, {"31   "});
    });
    Fragment(script, "Укажите фрагменты поиска", "", "пищ");
    Focus(form, IDC_VOU);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_VOU), QString("201"));
    Focus(form, IDC_KL);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_KL), QString("2"));
    Focus(form, IDC_VOU);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_VOU), QString("201")) << "nothing found changes nothing";
    Focus(form, IDC_VOU);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_VOU), QString("31"));
    Focus(form, IDC_PAY_PRD1);
    afxtest::command(form, ID_BUTTON_SIRCH);
    script.verify();
    EXPECT_EQ(Text(form, IDC_PAY_PRD1), QString("2"));
    EXPECT_EQ(Text(form, IDC_PAY_PRD1_NAME), QString("Пищеблок"));
    EXPECT_EQ(form->m_memories[I_GetSprId("spr_vou")].text, CString("оплата отпуск"));
}

TEST_F(PaymarFormBase, TestOkChecksTheSheetAndTheOrganisationWhereTheFormHasThem)
{
    auto* form = OpenForm<CPayBaseForm>();
    auto* ekr = OpenForm<CPayEkrForm>();
    ASSERT_TRUE(form && ekr);
    // The order's pair shares 1033 with the organisation's code: the sheet and
    // the organisation are checked on a form without the order.
    auto* checked = ekr;
    struct Case {
        int field;
        const char* value;
        const char* message;  // null: accepted
        bool selected;
    };
    const Case cases[] = {
        {IDC_NV, "", "Укажите № ведомости", false},
        {IDC_NV, " ", "Укажите № ведомости", false},
        {IDC_NV, "9", "Нет такой ведомости", true},
        {IDC_NV, "1x", "Нет такой ведомости", true},
        {IDC_ORG, "", "Укажите код Организации", false},
        {IDC_ORG, "99", "Нет такого кода Организации", true},
        {IDC_ORG, "1'", "Нет такого кода Организации", true},
        {IDC_ORG, "2", nullptr, false},
    };
    checked->SetDlgItemText(IDC_ORG, "2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        checked->SetDlgItemText(IDC_NV, c.field == IDC_NV ? c.value : "3");
        checked->SetDlgItemText(IDC_ORG, c.field == IDC_ORG ? c.value : "2");
        Focus(checked, IDC_EKR);
        afxtest::InteractionScript script;
        if (c.message)
            script.message(c.message, IDOK);
        EXPECT_EQ(checked->TestOK(), c.message ? 0 : 1);
        script.verify();
        if (c.message) {
            EXPECT_EQ(CWnd::GetFocus(), checked->GetDlgItem(c.field));
            EXPECT_EQ(Selected(checked, c.field), c.selected ? QString(c.value) : QString());
        }
    }
    EXPECT_EQ(dbReports.reports().size(), 0u);
}

TEST_F(PaymarFormBase, ThePositionRowsListNeedsAKnownPersonnelNumber)
{
    auto* form = OpenForm<CPayBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* tn;
        const char* message;
    };
    const Case cases[] = {
        {"", "Укажите табельный №"},
        {"999", "Нет такого табельного номера"},
        {"12x", "Нет такого табельного номера"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tn);
        form->SetDlgItemText(IDC_TN, c.tn);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDC_NPP_BTN);
        script.verify();
        EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
        EXPECT_EQ(Selected(form, IDC_TN), QString(*c.tn ? c.tn : ""));
    }
    EXPECT_EQ(ChildCount(), 1);

    form->SetDlgItemText(IDC_TN, " 20 ");
    afxtest::click(form, IDC_NPP_BTN);
    auto* list = Active<npaymar::CBookListView>();
    ASSERT_NE(list, nullptr);
    CString title;
    list->GetParentFrame()->GetWindowText(title);
    EXPECT_EQ(title, CString("Список должностей в бухгалтерской книге работника Николаева Елена Геннадьевна"));
    EXPECT_EQ(list->GetDocument()->m_strParam, CString("20"));
    EXPECT_EQ(list->GetDocument()->GetParentWnd(), form);
}

} // namespace
