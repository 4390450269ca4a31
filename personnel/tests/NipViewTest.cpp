// The two assignment forms, the personnel clerk's ("NipView") and the
// tariffication form ("NipView_venz"), on one save routine: numbering, the
// questions, the checks in their order, numbers with a comma, texts stored
// exactly, a row deleted or added by another clerk meanwhile, the current
// assignment proposed for an employee, the position list answering the form,
// and the pay columns kept by the personnel form.
#include "../../tariffication/CNipListView.h"
#include "../../tariffication/CNipView.h"
#include "../CNipView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "StaffProgram.h"
#include "ndbcore.h"
#include "../res/resource.h"
#include "../../tariffication/res/resource.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <thread>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<int, const char*>>;

enum class Form { Perso, Venz };

class NipForms : public stafftest::StaffProgram {
protected:
    void SetUp() override
    {
        StaffProgram::SetUp();
        Run("delete from perso_tn_nip where tn between 60 and 62\n"
            "delete from tn where tn between 60 and 62\n"
            "insert into tn (tn, f, i, o, fio_r) values (60, 'Новая', 'Ия', 'Петровна', 'Новая Ия Петровна'),"
            " (61, 'Двойная', 'Ада', 'Львовна', 'Двойная Ада Львовна'),"
            " (62, 'Бывшая', 'Ева', 'Юрьевна', 'Бывшая Ева Юрьевна')\n"
            "insert into perso_tn_nip (tn, npp, st, kpr, d1, d2, prd, kat, dol, noprik) values"
            " (61, 1, 1, 1, '2024-01-10', NULL, 3, 1, 3, '1-к'), (61, 3, 1, 1, '2024-02-01', NULL, 2, 2, 5, '2-к'),"
            " (62, 1, 1, 1, '2020-01-10', '2021-05-31', 3, 1, 3, '3-к')");
    }
    CWnd* OpenForm(Form form)
    {
        CHelpers::FN_OpenDocument0(form == Form::Venz ? "NipView_venz" : "NipView", 0, nullptr);
        if (form == Form::Venz)
            return Active<nvenzol::CNipView>();
        return Active<nperso::CNipView>();
    }
    static QString Shown(CWnd* form, int id) { return afxtest::text(form, id); }
    static void Fill(CWnd* form, const Fields& fields)
    {
        for (const auto& [id, text] : fields)
            form->SetDlgItemText(id, text);
    }
    // A whole assignment, as a clerk types it.
    static void FillValid(CWnd* form, Form kind)
    {
        Fill(form, {{IDC_VID_PRIK, "1"}, {IDC_NIP_NOPRIK, "5-к"}, {IDC_NIP_DPRIK, "31.01.2024"}, {IDC_NIP_ST, ""},
                    {IDC_PRD, "3"}, {IDC_KAT, "1"}, {IDC_DOL, "3"}, {IDC_NIP_D1, "01.02.2024"}, {IDC_NIP_D2, ""}});
        if (kind == Form::Venz)
            Fill(form, {{IDC_VENZ_VF, "1"}, {IDC_VENZ_KOF, "1,25"}, {IDC_VENZ_PLUS_KAT, "15,5"}});
    }
    CString Stored(const char* tn, const char* npp, const char* column)
    {
        return Text(FormatText("select %s as str from perso_tn_nip where tn=%s and npp=%s", column, tn, npp));
    }
    static bool Selected(CWnd* form, int id)
    {
        auto* edit = qobject_cast<QLineEdit*>(form->GetDlgItem(id)->GetQWidget());
        return edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
    }
};

TEST_F(NipForms, BothFormsNumberAskCheckAndSaveAlike)
{
    struct Case {
        const char* what;
        bool venzOnly;
        const char* tn;
        const char* npp;  // typed; "" for the next
        Fields fields;    // changed from a whole assignment
        const char* message;  // the question, or the refusal
        int answer;
        int focus;             // the field refused, 0 when saved
        bool selected;
        const char* saved;     // the running number written; nullptr for none
        std::vector<std::pair<const char*, const char*>> stored;
    };
    const Case cases[] = {
        {"the first of an employee", false, "60", "", {}, "Добавить новую запись ? ", IDYES, 0, false, "1",
         {{"st", "1.00"}, {"d1", "01.02.2024"}, {"noprik", "5-к"}}},
        {"after 1 and 3", false, "61", "", {}, "Добавить новую запись ? ", IDYES, 0, false, "4", {}},
        {"typed and new", false, "61", "7", {}, "Добавить новую запись ? ", IDYES, 0, false, "7", {}},
        {"stored", false, "61", "1", {{IDC_NIP_ST, "0,5"}, {IDC_NIP_D2, "01.02.2024"}}, "Записать изменения ? ",
         IDYES, 0, false, "1", {{"st", "0.50"}, {"d2", "01.02.2024"}, {"d1", "01.02.2024"}}},
        {"declined", false, "61", "", {}, "Добавить новую запись ? ", IDNO, 0, false, nullptr, {}},
        {"an end before the start", false, "61", "1", {{IDC_NIP_D2, "31.01.2024"}},
         "Дата начала должна предшествовать дате окончания", IDOK, IDC_NIP_D1, false, nullptr, {}},
        {"no such category", false, "61", "1", {{IDC_PRD, "2"}, {IDC_KAT, "9"}}, "Нет такой категории", IDOK, IDC_KAT,
         true, nullptr, {}},
        {"no date", false, "61", "1", {{IDC_NIP_D1, "31.02.2024"}}, "Неверная дата начала", IDOK, IDC_NIP_D1, true,
         nullptr, {}},
        {"no rates", false, "61", "1", {{IDC_NIP_ST, "1/2"}}, "Укажите число: Количество ставок", IDOK, IDC_NIP_ST,
         true, nullptr, {}},
        {"a hostile order number", false, "61", "3", {{IDC_NIP_NOPRIK, "7'к\\; drop table tn; --"}},
         "Записать изменения ? ", IDYES, 0, false, "3", {{"noprik", "7'к\\; drop table tn; --"}}},
        {"no form type", true, "61", "1", {{IDC_VENZ_VF, "9"}}, "Нет такого вида формы", IDOK, IDC_VENZ_VF, true,
         nullptr, {}},
        {"a percent that is no number", true, "61", "1", {{IDC_VENZ_PLUS_KAT, "abc"}},
         "Укажите число: Надбавка за категорию %", IDOK, IDC_VENZ_PLUS_KAT, true, nullptr, {}},
        {"pay data with commas", true, "61", "1", {{IDC_VENZ_OKL, "12 500,50"}, {IDC_VENZ_PR_ZV, ""}},
         "Записать изменения ? ", IDYES, 0, false, "1",
         {{"kof", "1.2500"}, {"plus_kat", "15.50"}, {"okl", "12500.50"}, {"pr_zv", ""}, {"vf", "1"}}},
    };
    for (Form kind : {Form::Perso, Form::Venz}) {
        CWnd* form = OpenForm(kind);
        ASSERT_NE(form, nullptr);
        for (const Case& c : cases) {
            if (c.venzOnly && kind != Form::Venz)
                continue;
            SCOPED_TRACE(std::string(c.what) + (kind == Form::Venz ? " (tariffication)" : " (personnel)"));
            Run("delete from perso_tn_nip where tn=60 or (tn=61 and npp not in (1, 3))");
            form->SetDlgItemText(IDC_TN, c.tn);
            form->SetDlgItemText(IDC_NPP, c.npp);
            FillValid(form, kind);
            Fill(form, c.fields);
            const long long rows = Count("select count(*) as cnt from perso_tn_nip");
            afxtest::InteractionScript script;
            script.message(c.message, c.answer);
            afxtest::click(form, IDOK);
            script.verify();
            EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the normal cursor is back";
            if (c.focus) {
                EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
                EXPECT_EQ(Selected(form, c.focus), c.selected);
            }
            if (!c.saved) {
                EXPECT_EQ(Count("select count(*) as cnt from perso_tn_nip"), rows);
                EXPECT_EQ(Shown(form, IDC_NPP), QString(c.npp)) << "the form stays as typed";
                EXPECT_EQ(Shown(form, IDC_NIP_NOPRIK), QString("5-к"));
                continue;
            }
            EXPECT_EQ(Shown(form, IDC_NPP), QString(c.saved));
            EXPECT_EQ(Count(FormatText("select count(*) as cnt from perso_tn_nip where tn=%s and npp=%s", c.tn,
                                       c.saved)),
                      1);
            for (const auto& [column, text] : c.stored)
                EXPECT_EQ(Stored(c.tn, c.saved, column), CString(text)) << column;
            EXPECT_EQ(Shown(form, IDC_NIP_NOPRIK), Stored(c.tn, c.saved, "noprik").ToQString()) << "loaded back";
            if (kind == Form::Venz) {
                EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));
            }
        }
    }
}

TEST_F(NipForms, TheEmployeesCurrentAssignmentIsProposedOrTheFormCleared)
{
    Run("update perso_tn_nip set uch=1, uch_vred=1, UchStaj=1, vf=2 where tn=3 and npp=1");
    CWnd* form = OpenForm(Form::Venz);
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "3");
    EXPECT_EQ(Shown(form, IDC_NPP), QString("1"));
    EXPECT_EQ(Shown(form, IDC_DOL_NAME), QString("Заведующий"));
    EXPECT_EQ(Shown(form, IDC_VENZ_VF_NAME), QString("Медицинские работники"));
    for (int box : {IDC_VENZ_UCH, IDC_VENZ_UCH_VRED, IDC_VENZ_UCH_STAJ})
        EXPECT_EQ(form->IsDlgButtonChecked(box), 1u) << box;

    form->SetDlgItemText(IDC_TN, "62");
    EXPECT_EQ(Shown(form, IDC_NPP), QString());
    for (int field : {IDC_VID_PRIK, IDC_NIP_D1, IDC_NIP_ST, IDC_DOL, IDC_DOL_NAME, IDC_VENZ_OKL, IDC_VENZ_VF_NAME})
        EXPECT_EQ(Shown(form, field), QString()) << field;
    for (int box : {IDC_VENZ_UCH, IDC_VENZ_UCH_VRED, IDC_VENZ_UCH_STAJ})
        EXPECT_EQ(form->IsDlgButtonChecked(box), 0u) << box;

    // Employee 19's assignment ends on the working month's first day; of
    // two starting on one day the first by number is proposed.
    form->SetDlgItemText(IDC_TN, "19");
    EXPECT_EQ(Shown(form, IDC_NPP), QString("1"));
    Run("insert into perso_tn_nip (tn, npp, st, kpr, d1, prd, kat, dol) values (61, 2, 1, 1, '2024-01-10', 3, 1, 4)");
    form->SetDlgItemText(IDC_TN, "61");
    EXPECT_EQ(Shown(form, IDC_NPP), QString("1"));
}

TEST_F(NipForms, EachModuleOpensItsOwnFormAndTheListAnswersIt)
{
    CWnd* perso = OpenForm(Form::Perso);
    CWnd* venz = OpenForm(Form::Venz);
    ASSERT_NE(perso, nullptr);
    ASSERT_NE(venz, nullptr);
    EXPECT_EQ(perso->GetParentFrame()->GetQWidget()->windowTitle(), QString("Назначение на должность"));
    EXPECT_EQ(venz->GetParentFrame()->GetQWidget()->windowTitle(), QString("Назначение (тарификация)"));

    perso->SetDlgItemText(IDC_TN, "4");
    EXPECT_EQ(Shown(perso, IDC_NPP), QString("2"));
    afxtest::click(perso, IDC_NPP_BTN);
    Settle();
    auto lists = Open<nvenzol::CNipListView>();
    ASSERT_EQ(lists.size(), 1u);
    auto* table = qobject_cast<QTableView*>(lists.front()->m_grid.GetQWidget());
    ASSERT_NE(table, nullptr);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(2, 0)).center());
    Settle();
    EXPECT_EQ(Shown(perso, IDC_NPP), QString("3"));
    EXPECT_EQ(Shown(perso, IDC_DOL_NAME), QString("Кухонный рабочий"));
    EXPECT_EQ(Shown(perso, IDC_NIP_ST), QString("0.50"));
}

TEST_F(NipForms, AnotherClerksChangeMeanwhileIsNeitherOverwrittenNorWrittenAgain)
{
    CWnd* form = OpenForm(Form::Perso);
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "61");
    form->SetDlgItemText(IDC_NPP, "");
    FillValid(form, Form::Perso);
    afxtest::InteractionScript script;
    auto otherClerk = [](const char* sql) {
        return [sql] {
            std::thread other([sql] {
                CDbThreadSession session;
                EXPECT_NE(ExecuteSql(sql), 0);
            });
            other.join();
        };
    };
    script.message("Добавить новую запись ? ", IDYES,
                   otherClerk("insert into perso_tn_nip (tn, npp, st, kpr, d1, prd, kat, dol, noprik)"
                              " values (61, 4, 1, 2, '2024-03-01', 2, 2, 5, 'другой')"));
    afxtest::click(form, IDOK);
    script.verify();
    ASSERT_EQ(dbReports.reports().size(), 1u);
    EXPECT_EQ(dbReports.reports()[0].kind, DbErrorKind::Constraint);
    dbReports.clear(1);
    EXPECT_EQ(Stored("61", "4", "noprik"), CString("другой")) << "not overwritten";

    form->SetDlgItemText(IDC_NPP, "3");
    form->SetDlgItemText(IDC_NIP_NOPRIK, "поздний");
    script.message("Записать изменения ? ", IDYES, otherClerk("delete from perso_tn_nip where tn=61 and npp=3"))
        .message("Запись не найдена в базе данных: её удалил другой пользователь.", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(Count("select count(*) as cnt from perso_tn_nip where tn=61 and npp=3"), 0);
}

TEST_F(NipForms, ThePersonnelFormKeepsThePayAndTheTariffFormShowsTheAppointment)
{
    CWnd* venz = OpenForm(Form::Venz);
    ASSERT_NE(venz, nullptr);
    venz->SetDlgItemText(IDC_TN, "61");
    venz->SetDlgItemText(IDC_NPP, "1");
    Fill(venz, {{IDC_VENZ_VF, "3"}, {IDC_VENZ_KOF, "1,25"}, {IDC_VENZ_PLUS_DOPL, "10"}, {IDC_VENZ_PLUS_OPAS, "4,5"}});
    venz->CheckDlgButton(IDC_VENZ_UCH_STAJ, 1);
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(venz, IDOK);
    script.verify();
    EXPECT_EQ(Shown(venz, IDC_VENZ_KOF), QString("1.2500"));
    EXPECT_EQ(Shown(venz, IDC_VENZ_PLUS_OPAS), QString("4.50"));

    CWnd* perso = OpenForm(Form::Perso);
    ASSERT_NE(perso, nullptr);
    perso->SetDlgItemText(IDC_TN, "61");
    perso->SetDlgItemText(IDC_NPP, "1");
    Fill(perso, {{IDC_NIP_NOPRIK, "9-к"}, {IDC_NIP_ST, "0,75"}});
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(perso, IDOK);
    script.verify();
    EXPECT_EQ(Stored("61", "1", "kof"), CString("1.2500"));
    EXPECT_EQ(Stored("61", "1", "plus_dopl"), CString("10.00"));
    EXPECT_EQ(Stored("61", "1", "vf"), CString("3"));
    EXPECT_EQ(Stored("61", "1", "UchStaj"), CString("1"));

    venz->SetDlgItemText(IDC_NPP, "");
    venz->SetDlgItemText(IDC_NPP, "1");
    EXPECT_EQ(Shown(venz, IDC_NIP_NOPRIK), QString("9-к"));
    EXPECT_EQ(Shown(venz, IDC_NIP_ST), QString("0.75"));
    EXPECT_EQ(venz->IsDlgButtonChecked(IDC_VENZ_UCH_STAJ), 1u);
}

TEST_F(NipForms, TheTariffFormOfTheHeadsAssignment)
{
    CWnd* form = OpenForm(Form::Venz);
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "3");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(form->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/nip_view_venz.png"));
    CWnd* perso = OpenForm(Form::Perso);
    ASSERT_NE(perso, nullptr);
    perso->SetDlgItemText(IDC_TN, "3");
    Settle();
    QCoreApplication::processEvents();
    EXPECT_TRUE(afxtest::grab(perso->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/nip_view.png"));
}

} // namespace
