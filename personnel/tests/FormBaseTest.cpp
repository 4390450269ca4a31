// The form base of the staff forms on the test program: names shown as codes
// change, choosers by button and by F3, where the search is offered, the
// surname search (literal, without regard to case, in each module's column),
// the reference-book search with its memories, and the list of positions
// asked for without a usable personnel number.
#include "ChooserForm.h"
#include "InteractionScript.h"
#include "StaffProgram.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/StaffTestsResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

using stafftest::CPersoBaseForm;
using stafftest::CVenzBaseForm;

class FormBase : public stafftest::StaffProgram {
protected:
    void SetUp() override
    {
        StaffProgram::SetUp();
        Run("delete from tn where tn between 60 and 63\n"
            "insert into tn (tn, f, i, o, fio_r) values (60, 'О''Нил', 'Шон', NULL, 'О''Нил Шон '),"
            " (61, 'Сто%ва', 'Ида', 'Львовна', 'Сто%ва Ида Львовна'),"
            " (62, 'Стоянова', 'Ада', 'Львовна', 'Стоянова Ада Львовна'),"
            " (63, 'Зимина', 'Ева', 'Олеговна', NULL)");
    }
    static void Focus(CWnd* form, int id) { form->GetDlgItem(id)->SetFocus(); }
    static QString Text(CWnd* form, int id) { return afxtest::text(form, id); }
    // The search dialog's step: the prompt it shows and the text it offers,
    // then the fragment typed (whole words when asked) and OK.
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

TEST_F(FormBase, CodesShowTheirNamesAndButtonsOpenTheirChoosers)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "3");
    form->SetDlgItemText(IDC_VID_PRIK, "2");
    form->SetDlgItemText(IDC_KAT, "1");
    form->SetDlgItemText(IDC_DOL, "5");
    EXPECT_EQ(Text(form, IDC_FIO), QString("Смирнова Елена Викторовна"));
    EXPECT_EQ(Text(form, IDC_VID_PRIK_NAME), QString("Перевод на другую должность"));
    EXPECT_EQ(Text(form, IDC_KAT_NAME), QString("Педагогические работники"));
    EXPECT_EQ(Text(form, IDC_DOL_NAME), QString("Повар"));

    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2   Пищеблок"}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_EQ(pickertest::Rows(d).filter(QRegularExpression("^5   Повар   ")).size(), 1)
                << pickertest::Rows(d).join('\n').toStdString();
            d.click(IDCANCEL);
        })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
            EXPECT_TRUE(pickertest::Rows(d).contains("14   Лебедева Анастасия Игоревна   Воспитатель   "));
            pickertest::ClickRows(d, {"14   Лебедева"});
        });
    afxtest::click(form, IDC_PRD_BTN);
    afxtest::click(form, IDC_DOL_BTN);
    afxtest::click(form, IDC_TN_BTN);
    script.verify();
    EXPECT_EQ(Text(form, IDC_PRD), QString("2"));
    EXPECT_EQ(Text(form, IDC_PRD_NAME), QString("Пищеблок"));
    EXPECT_EQ(Text(form, IDC_DOL), QString("5"));
    EXPECT_EQ(Text(form, IDC_FIO), QString("Лебедева Анастасия Игоревна"));
}

TEST_F(FormBase, HandlersDoNothingWhereTheFormHasNoSuchFields)
{
    auto* form = OpenTestForm("3");
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;  // no chooser and no message may come
    form->OnPRDbtn();
    form->OnKATbtn();
    form->OnVIDPRIKbtn();
    form->OnDOLbtn();
    form->OnChangeTn();
    form->OnChangePrd();
    form->OnChangeDol();
    EXPECT_EQ(Text(form, IDC_TN), QString("3"));
}

TEST_F(FormBase, F3OpensTheChooserOfTheFocusedFieldButNotOfThePosition)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_TRUE(pickertest::Rows(d).contains("1   Администрация"));
        EXPECT_EQ(pickertest::Rows(d).size(), 4);
        d.click(IDCANCEL);
    });
    afxtest::pressKey(form, IDC_PRD, Qt::Key_F3);
    Settle();
    script.verify();
    afxtest::pressKey(form, IDC_DOL, Qt::Key_F3);
    afxtest::pressKey(form, IDC_STAFF_OTHER, Qt::Key_F3);
    Settle();
    EXPECT_EQ(Text(form, IDC_PRD), QString());
}

TEST_F(FormBase, TheSearchIsOfferedInTheEmployeeAndBookFieldsOnly)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        int field;
        BOOL enabled;
    };
    const Case cases[] = {{IDC_FIO, TRUE}, {IDC_TN, TRUE},   {IDC_PRD, TRUE},         {IDC_KAT, TRUE},
                          {IDC_VID_PRIK, TRUE}, {IDC_NPP, FALSE}, {IDC_DOL, FALSE}, {IDC_STAFF_OTHER, FALSE}};
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
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* fragment;
        bool whole;
        const char* tn;  // "" when nothing is found
    };
    const Case cases[] = {
        {"лебедева", false, "14"},  {"  Лебедева  ", false, "14"}, {"о'н", false, "60"},
        {"сто%", false, "61"},      {"ива", true, ""},             {"иванова", true, "2"},
        {"Жук", false, ""},         {"зимина", false, ""},
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
        afxtest::command(form, ID_BUTTON_SIRCH);
        script.verify();
        EXPECT_EQ(Text(form, IDC_TN), QString(c.tn));
        EXPECT_EQ(Text(form, IDC_FIO).isEmpty(), !*c.tn) << "the name shown with the number";
        offered = c.fragment;
    }
}

TEST_F(FormBase, SeveralSurnamesOpenTheEmployeeChooserOnThem)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    Focus(form, IDC_TN);
    afxtest::InteractionScript script;
    Fragment(script, "Укажите фрагменты Фамилии", "", "н");
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::Rows(d), QStringList({"24   Никитина Анна Викторовна   Кухонный рабочий   ",
                                                    "20   Николаева Елена Геннадьевна   Музыкальный руководитель   ",
                                                    "9   Новикова Людмила Андреевна   Повар   "}));
        QCoreApplication::processEvents();
        const QImage picture = afxtest::grab(d.window());
        EXPECT_GT(afxtest::distinctColours(picture), 20);
        EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/surname_chooser.png"));
        pickertest::ClickRows(d, {"9   Новикова"});
    });
    afxtest::command(form, ID_BUTTON_SIRCH);
    script.verify();
    EXPECT_EQ(Text(form, IDC_TN), QString("9"));
    EXPECT_EQ(Text(form, IDC_FIO), QString("Новикова Людмила Андреевна"));
}

TEST_F(FormBase, TheTariffFormBaseSearchesTheSurnameColumn)
{
    auto* form = OpenForm<CVenzBaseForm>();
    ASSERT_NE(form, nullptr);
    Focus(form, IDC_TN);
    afxtest::InteractionScript script;
    Fragment(script, "Укажите фрагменты Фамилии", "", "зимина");
    afxtest::command(form, ID_BUTTON_SIRCH);
    script.verify();
    EXPECT_EQ(Text(form, IDC_TN), QString("63")) << "found by f where fio_r is empty";
}

TEST_F(FormBase, BookSearchFillsFindsNothingOrOpensTheChooserAndRemembersPerBook)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    const QString prompt = "Укажите фрагменты поиска";
    afxtest::InteractionScript script;
    Fragment(script, prompt, "", "пищ");
    Fragment(script, prompt, "пищ", "склад");
    script.message("По запросу ничего нет: склад", IDOK);
    Fragment(script, prompt, "склад", "а");
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        EXPECT_EQ(pickertest::Rows(d), QStringList({"1   Администрация", "4   Филиал: группы"}));
        pickertest::ClickRows(d, {"4   Филиал"});
    });
    Fragment(script, prompt, "", "прием");
    Focus(form, IDC_PRD);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_PRD), QString("2"));
    EXPECT_EQ(Text(form, IDC_PRD_NAME), QString("Пищеблок"));
    Focus(form, IDC_PRD);
    afxtest::command(form, ID_BUTTON_SIRCH);
    Focus(form, IDC_PRD);
    afxtest::command(form, ID_BUTTON_SIRCH);
    EXPECT_EQ(Text(form, IDC_PRD), QString("4"));
    Focus(form, IDC_VID_PRIK);
    afxtest::command(form, ID_BUTTON_SIRCH);
    script.verify();
    EXPECT_EQ(Text(form, IDC_VID_PRIK), QString("1"));
    EXPECT_EQ(Text(form, IDC_VID_PRIK_NAME), QString("Прием на работу"));
}

TEST_F(FormBase, ABookWithoutAClassIsSearchedWithoutAMemory)
{
    Run("create table if not exists staff_test_book (id int primary key, name varchar(50))\n"
        "delete from staff_test_book\n"
        "insert into staff_test_book values (1, 'Первая'), (2, 'Вторая')");
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(I_GetSprId("staff_test_book"), appcore::kNoSprId);
    afxtest::InteractionScript script;
    Fragment(script, "Укажите фрагменты поиска", "", "втор");
    Fragment(script, "Укажите фрагменты поиска", "", "перв");
    form->SearchBook("staff_test_book", IDC_STAFF_OTHER);
    EXPECT_EQ(Text(form, IDC_STAFF_OTHER), QString("2"));
    form->SearchBook("staff_test_book", IDC_STAFF_OTHER);
    script.verify();
    EXPECT_EQ(Text(form, IDC_STAFF_OTHER), QString("1"));
}

TEST_F(FormBase, ThePositionListNeedsAKnownPersonnelNumber)
{
    auto* form = OpenForm<CPersoBaseForm>();
    ASSERT_NE(form, nullptr);
    afxtest::InteractionScript script;
    script.message("Укажите табельный №", IDOK).message("Нет такого табельного номера", IDOK);
    afxtest::click(form, IDC_NPP_BTN);
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    form->SetDlgItemText(IDC_TN, "999");
    afxtest::click(form, IDC_NPP_BTN);
    script.verify();
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
    auto* edit = qobject_cast<QLineEdit*>(form->GetDlgItem(IDC_TN)->GetQWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), QString("999"));

    form->SetDlgItemText(IDC_TN, "4");
    afxtest::click(form, IDC_NPP_BTN);
    Settle();
    EXPECT_EQ(ChildCount(), 2) << "the list of employee 4's positions";
}

} // namespace
