// The warehouse form base on two test forms: names (and a material's unit)
// shown as codes change, an override in a derived form taking the base's
// place, F3 in the fields that have a chooser, where the search is offered,
// the surname search (literal, whole word or beginning, trimmed and kept),
// and the reference-book search with one memory per book.
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "StockProgram.h"
#include "appcore.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/StockTestsResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

using stovantest::CStockBaseForm;
using stovantest::CStockMaterialForm;

class FormBase : public stovantest::StockProgram {
protected:
    void SetUp() override
    {
        StockProgram::SetUp();
        Run("delete from tn where tn between 60 and 64\n"
            "insert into tn (tn, f, i, o, dol) values (60, 'Иванов', 'Олег', 'Ильич', 5),"
            " (61, 'Иванова', 'Ида', 'Львовна', 3), (62, 'Иванов Крайний', 'Ян', NULL, 3),"
            " (63, 'О''Нил', 'Шон', NULL, NULL), (64, 'Сто%ва', 'Ада', NULL, NULL)\n"
            "delete from nv where id in (61,62)\n"
            "insert into nv (id, name) values (61, 'Склад: ведомость альфа'), (62, 'Склад: ведомость бета')");
    }
    static void Focus(CWnd* form, int id) { form->GetDlgItem(id)->SetFocus(); }
    static QString Shown(CWnd* form, int id) { return afxtest::text(form, id); }
    // The search dialog's step: the prompt and the text offered, then the
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

TEST_F(FormBase, CodesShowTheirNamesWhereTheFormHasThem)
{
    auto* form = OpenForm<CStockBaseForm>();
    auto* materials = OpenForm<CStockMaterialForm>();
    ASSERT_TRUE(form && materials);
    struct Case {
        CWnd* form;
        int code;
        const char* typed;
        int name;
        const char* shown;
    };
    const Case cases[] = {
        {form, IDC_PRD, "2", IDC_PRD_NAME, "Пищеблок"},
        {form, IDC_NV, "61", IDC_NV_NAME, "Склад: ведомость альфа"},
        {form, IDC_ORG, "4", IDC_ORG_NAME, "ИП Соколов Игорь Николаевич"},
        {form, IDC_TN, "51", IDC_FIO, "Иванов Пётр Сергеевич"},
        {form, IDC_KAB, "41", IDC_KAB_NAME, "Группа «Ромашка»"},
        {materials, IDC_MAT, "3", IDC_MAT_NAME, "Картофель"},
        {materials, IDC_MAT, "3", IDC_MAT_EI, "кг"},
        {materials, IDC_VR, "2", IDC_VR_NAME, "Уборка помещений"},
        {materials, IDC_VL, "1", IDC_VL_NAME, "Перевязка"},
        {form, IDC_PRD, "77", IDC_PRD_NAME, ""},
        {form, IDC_KAB, "4 1", IDC_KAB_NAME, ""},
        {materials, IDC_MAT, "99", IDC_MAT_NAME, ""},
        {materials, IDC_MAT, "99", IDC_MAT_EI, ""},
        {materials, IDC_MAT, "", IDC_MAT_EI, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        c.form->SetDlgItemText(c.code, "5");
        c.form->SetDlgItemText(c.code, c.typed);
        EXPECT_EQ(Shown(c.form, c.name), QString(c.shown)) << c.typed;
    }
    // A department code without the edit of its name is left alone.
    materials->SetDlgItemText(IDC_PRD, "1");
    EXPECT_TRUE(dbReports.reports().empty());

    const int before = form->organisationChanges;
    afxtest::typeInto(form, IDC_ORG, "1");
    EXPECT_GT(form->organisationChanges, before) << "the derived form's handler";
    EXPECT_EQ(Shown(form, IDC_ORG_NAME), QString("ООО \"Продторг\""));
}

TEST_F(FormBase, ButtonsOpenTheirChoosers)
{
    auto* form = OpenForm<CStockBaseForm>();
    auto* materials = OpenForm<CStockMaterialForm>();
    ASSERT_TRUE(form && materials);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"3   Медицинский кабинет"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"43   Группа"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_TRUE(pickertest::Rows(d).contains("51   Иванов Пётр Сергеевич   Рабочий по обслуживанию здания   "));
            pickertest::ClickRows(d, {"52   Римская"});
        })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   Моющее средство"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"3   Вакцинация"}); });
    afxtest::click(form, IDC_PRD_BTN);
    afxtest::click(form, IDC_KAB_BTN);
    afxtest::click(form, IDC_TN_BTN);
    afxtest::click(materials, IDC_MAT_BTN);
    afxtest::click(materials, IDC_VL_BTN);
    script.verify();
    EXPECT_EQ(Shown(form, IDC_PRD_NAME), QString("Медицинский кабинет"));
    EXPECT_EQ(Shown(form, IDC_KAB), QString("43"));
    EXPECT_EQ(Shown(form, IDC_FIO), QString("Римская Корсакова Алла Борисовна"));
    EXPECT_EQ(Shown(materials, IDC_MAT_EI), QString("л"));
    EXPECT_EQ(Shown(materials, IDC_VL_NAME), QString("Вакцинация"));

    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form);
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/stock_form_base.png"));
}

TEST_F(FormBase, F3OpensTheChooserOfTheFocusedField)
{
    auto* form = OpenForm<CStockBaseForm>();
    auto* materials = OpenForm<CStockMaterialForm>();
    ASSERT_TRUE(form && materials);
    struct Case {
        CWnd* form;
        int field;
        const char* row;  // a row of the chooser opened, "" for none
    };
    const Case cases[] = {
        {form, IDC_PRD, "1   Хозяйственный склад"}, {form, IDC_TN, "51   Иванов Пётр Сергеевич"},
        {form, IDC_FIO, "51   Иванов Пётр Сергеевич"}, {form, IDC_NV, "61   Склад: ведомость альфа"},
        {form, IDC_ORG, "1   ООО \"Продторг\""}, {form, IDC_KAB, ""},
        {form, IDC_STOCK_OTHER, ""}, {materials, IDC_MAT, ""},
        {materials, IDC_PRD, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        afxtest::InteractionScript script;
        if (*c.row)
            script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
                EXPECT_FALSE(pickertest::Rows(d).filter(QRegularExpression("^" + QRegularExpression::escape(c.row))).isEmpty());
                d.click(IDCANCEL);
            });
        afxtest::pressKey(c.form, c.field, Qt::Key_F3);
        EXPECT_EQ(script.finished(), !*c.row) << "posted, not sent";
        Settle();
        script.verify();
    }
}

TEST_F(FormBase, TheSearchIsOfferedInTheEmployeeAndBookFieldsOnly)
{
    auto* form = OpenForm<CStockBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        int field;
        BOOL enabled;
    };
    const Case cases[] = {{IDC_FIO, TRUE}, {IDC_TN, TRUE},   {IDC_NV, TRUE},         {IDC_PRD, TRUE},
                          {IDC_ORG, TRUE}, {IDC_KAB, FALSE}, {IDC_STOCK_OTHER, FALSE}};
    for (const Case& c : cases) {
        Focus(form, c.field);
        CTestCmdUI state;
        state.m_nID = ID_BUTTON_SIRCH;
        form->OnUpdateButtonSirch(&state);
        EXPECT_EQ(state.m_bEnabled, c.enabled) << c.field;
    }
}

TEST_F(FormBase, SurnameSearchFillsFindsNothingOrOffersTheMatches)
{
    auto* form = OpenForm<CStockBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* fragment;
        bool whole;
        const char* tn;       // the one found; "" when nothing or several
        int offered = 0;      // rows of the chooser opened on several
    };
    const Case cases[] = {
        {"  Иванов Край ", false, "62"}, {"Римская", true, "52"},   {"Иванова", true, "", 2},
        {"Иванов", true, "", 3},         {"Иванов", false, "", 5},  {"Иван", true, ""},
        {"о'нил", false, "63"},          {"сто%", false, "64"},     {"%", false, ""},
        {"_ванов", false, ""},
    };
    QString offered;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fragment);
        form->SetDlgItemText(IDC_TN, "");
        Focus(form, IDC_TN);
        afxtest::InteractionScript script;
        Fragment(script, "Укажите фрагменты Фамилии", offered, c.fragment, c.whole);
        if (c.offered)
            script.dialog(IDD_SPR_PICKER, [&](afxtest::DialogStep& d) {
                EXPECT_EQ(pickertest::Rows(d).size(), c.offered) << pickertest::Rows(d).join("\n").toStdString();
                d.click(IDCANCEL);
            });
        else if (!*c.tn)
            script.message(QString("По запросу ничего нет: ") + QString(c.fragment).trimmed(), IDOK);
        afxtest::command(form, ID_BUTTON_SIRCH);
        script.verify();
        EXPECT_EQ(Shown(form, IDC_TN), QString(c.tn));
        offered = QString(c.fragment).trimmed();
    }
}

TEST_F(FormBase, BookSearchKeepsOneMemoryPerBook)
{
    auto* form = OpenForm<CStockBaseForm>();
    ASSERT_NE(form, nullptr);
    const CString supplier = Text("select id as str from spr_org where name='ООО \"Медснаб\"'");
    struct Case {
        int field;
        const char* prompt;
        const char* offered;
        const char* fragment;
        CString code;        // the one found; "" when nothing or several
        bool several = false;
    };
    const Case cases[] = {
        {IDC_PRD, "Укажите фрагменты поиска", "", "склад ", "1"},
        {IDC_NV, "Укажите фрагменты ведомости", "", "склад: ведомость", "", true},
        {IDC_ORG, "Укажите фрагменты поиска", "", "медснаб", supplier},
        {IDC_PRD, "Укажите фрагменты поиска", "склад ", "кабинет", "3"},
        {IDC_NV, "Укажите фрагменты ведомости", "склад: ведомость", "альфа", "61"},
        {IDC_ORG, "Укажите фрагменты поиска", "медснаб", "нет такой", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fragment);
        form->SetDlgItemText(c.field, "");
        Focus(form, c.field);
        afxtest::InteractionScript script;
        Fragment(script, c.prompt, c.offered, c.fragment);
        if (c.several)
            script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
                EXPECT_EQ(pickertest::Rows(d).size(), 2);
                pickertest::ClickRows(d, {"62   Склад"});
            });
        else if (c.code.IsEmpty())
            script.message(QString("По запросу ничего нет: ") + c.fragment, IDOK);
        afxtest::command(form, ID_BUTTON_SIRCH);
        script.verify();
        EXPECT_EQ(Shown(form, c.field), c.several ? QString("62") : c.code.ToQString());
    }
    EXPECT_EQ(Shown(form, IDC_PRD_NAME), QString("Медицинский кабинет")) << "the warehouse's own departments";
}

TEST_F(FormBase, ATableWithoutABookSearchesWithoutAMemory)
{
    auto* form = OpenForm<CStockBaseForm>();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(I_GetSprId("spr_kat_dovolstv"), appcore::kNoSprId);
    for (int round = 0; round < 2; ++round) {
        afxtest::InteractionScript script;
        Fragment(script, "Укажите фрагменты поиска", "", "дети");
        script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d).size(), 2);
            d.click(IDCANCEL);
        });
        form->SearchBook("spr_kat_dovolstv", IDC_STOCK_OTHER);
        script.verify();
    }
}

} // namespace
