// The staff position book and the tariffication list's print form on the demo
// staff: a position and its rates per pay statement saved in one transaction
// (statement 4 kept, numbers with a comma, new codes never clashing), who
// holds a position, and the print form's statements, forms, commission and
// the lists it asks for.
#include "CPrnVenzolView.h"
#include "CSprDolView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PositionBook.h"
#include "StaffProgram.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

#include <thread>
#include <vector>

namespace {

using nvenzol::CPrnVenzolView;
using nvenzol::CSprDolView;

class PositionBook : public stafftest::StaffProgram {
protected:
    void SetUp() override
    {
        StaffProgram::SetUp();
        Run("delete from ssv1 where id>15\n"
            "delete from ssv where id>15");
    }
    CSprDolView* OpenBook(const char* code)
    {
        CHelpers::FN_OpenDocument0("venz_spr_dol", 0, nullptr);
        auto* view = Active<CSprDolView>();
        if (view)
            view->SetDlgItemText(IDC_DOL, code);
        return view;
    }
    // "nv:st:s" of each rate row of the position, by statement.
    CString Rates(const char* code)
    {
        return Text(FormatText("select group_concat(concat(nv,':',coalesce(st,''),':',coalesce(s,'')) order by nv "
                               "separator ' ') as str from ssv1 where id=%s",
                               code));
    }
    // The grid's rows as "nv name st s".
    static QStringList Grid(CSprDolView* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            rows << QStringList{view->m_grid.GetCellValue(0, r).ToQString(), view->m_grid.GetCellValue(2, r).ToQString(),
                                view->m_grid.GetCellValue(3, r).ToQString()}
                        .join(' ');
        return rows;
    }
    static long RowOf(CSprDolView* view, const char* nv)
    {
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            if (view->m_grid.GetCellValue(0, r) == nv)
                return r;
        return -1;
    }
};

TEST_F(PositionBook, APositionLoadsWithItsRatesPerStatementButTheFourth)
{
    CSprDolView* view = OpenBook("10");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_DOL_NAME), QString("Дворник"));
    EXPECT_EQ(afxtest::text(view, IDC_SPR_DOL_RAZ), QString("1"));
    EXPECT_EQ(Grid(view), QStringList({"1 1 ", "2  ", "3  ", "5  "})) << "statement 4 is not listed";
    view->SetDlgItemText(IDC_DOL, "8");
    EXPECT_EQ(afxtest::text(view, IDC_SPR_DOL_KAT), QString("вторая"));
    EXPECT_EQ(afxtest::text(view, IDC_SPR_DOL_VR), QString("15.00"));
    EXPECT_EQ(afxtest::text(view, IDC_SPR_DOL_GR), QString("1"));
    EXPECT_EQ(Grid(view), QStringList({"1 1 ", "2  ", "3  ", "5 0.5 12500.00"}));
    view->SetDlgItemText(IDC_DOL, "");
    EXPECT_EQ(Grid(view), QStringList({"1  ", "2  ", "3  ", "5  "})) << "a new position: every statement, empty";
    EXPECT_EQ(afxtest::text(view, IDC_SPR_DOL_KAT), QString());
}

TEST_F(PositionBook, SavesAsTheClerkTypedOrRefusesAndWritesNothing)
{
    struct Case {
        const char* what;
        const char* code;        // typed
        const char* name;
        const char* group;
        const char* rate1;       // statement 1's rate, typed
        const char* contract3;   // statement 3's contract, typed
        const char* message;
        int answer;
        const char* saved;       // the code written, nullptr for none
        const char* rates;       // the rate rows then stored
    };
    const Case cases[] = {
        {"a new position", "", "Логопед 'ст.'", "", "1,5", "12 000", "Записать изменения ? ", IDYES, "16",
         "1:1.50: 3::12000.00"},
        {"the next one", "", "Логопед", "2", "", "", "Записать изменения ? ", IDYES, "17", ""},
        {"a stored one keeps statement 4", "10", "Дворник", "1", "0,75", "", "Записать изменения ? ", IDYES, "10",
         "1:0.75: 4::6000.00"},
        {"declined", "10", "Дворник", "1", "2", "", "Записать изменения ? ", IDNO, nullptr, "1:0.75: 4::6000.00"},
        {"no name", "10", " ", "1", "2", "", "Укажите наименование", IDOK, nullptr, "1:0.75: 4::6000.00"},
        {"no such group", "10", "Дворник", "7", "2", "", "Нет такой группы окладов", IDOK, nullptr,
         "1:0.75: 4::6000.00"},
    };
    CSprDolView* view = OpenBook("");
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        view->SetDlgItemText(IDC_DOL, c.code);
        view->SetDlgItemText(IDC_DOL_NAME, c.name);
        view->SetDlgItemText(IDC_SPR_DOL_GR, c.group);
        view->m_grid.SetCellValue(2, RowOf(view, "1"), c.rate1);
        view->m_grid.SetCellValue(3, RowOf(view, "3"), c.contract3);
        afxtest::InteractionScript script;
        script.message(c.message, c.answer);
        afxtest::click(view, IDOK);
        script.verify();
        const char* code = c.saved ? c.saved : "10";
        EXPECT_EQ(Rates(code), CString(c.rates));
        if (!c.saved) {
            EXPECT_EQ(afxtest::text(view, IDC_DOL), QString(c.code)) << "the form stays as typed";
            continue;
        }
        EXPECT_EQ(afxtest::text(view, IDC_DOL), QString(c.saved)) << "the position loaded back";
        EXPECT_EQ(Text(FormatText("select name as str from ssv where id=%s", code)), CString(c.name));
        EXPECT_EQ(afxtest::text(view, IDC_DOL_NAME), QString(c.name));
    }

    // The rate shown back saves as the same number.
    view->SetDlgItemText(IDC_DOL, "16");
    EXPECT_EQ(view->m_grid.GetCellValue(2, RowOf(view, "1")), CString("1.5"));
    EXPECT_EQ(view->m_grid.GetCellValue(3, RowOf(view, "3")), CString("12000.00"));
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(Rates("16"), CString("1:1.50: 3::12000.00"));
}

TEST_F(PositionBook, AFailingRateLeavesThePositionAsItWas)
{
    CSprDolView* view = OpenBook("8");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DOL_NAME, "Старшая медсестра");
    view->m_grid.SetCellValue(2, RowOf(view, "1"), "2");
    view->m_grid.SetCellValue(2, RowOf(view, "3"), "12345678901");  // beyond the column's range
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Text("select name as str from ssv where id=8"), CString("Медицинская сестра"));
    EXPECT_EQ(Rates("8"), CString("1:1.00: 5:0.50:12500.00"));
}

TEST_F(PositionBook, TwoClerksCreatingPositionsAtOnceKeepBoth)
{
    CSprDolView* view = OpenBook("");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DOL_NAME, "Логопед");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES, [] {
        std::thread other([] {
            CDbThreadSession session;
            nvenzol::PositionRecord record{"", "Тьютор", "", "", "", "", {{"1", "1", ""}}};
            EXPECT_EQ(nvenzol::WritePosition(record), nvenzol::PositionWritten::Yes);
            EXPECT_EQ(record.code, CString("16"));
        });
        other.join();
    });
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(afxtest::text(view, IDC_DOL), QString("17"));
    EXPECT_EQ(Text("select group_concat(name order by id separator ', ') as str from ssv where id>15"),
              CString("Тьютор, Логопед"));
}

TEST_F(PositionBook, WhoListsEveryHolderEndedOrNot)
{
    CSprDolView* view = OpenBook("4");
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        for (const char* holder : {"4   Кузнецова", "7   Соколова", "31   Вакансия"})
            EXPECT_TRUE(rows.filter(QRegularExpression("^" + QRegularExpression::escape(holder))).size() == 1)
                << holder << "\n" << rows.join('\n').toStdString();
        EXPECT_TRUE(rows.filter(QRegularExpression("^3 ")).isEmpty());
        d.click(IDCANCEL);
    });
    afxtest::click(view, IDC_SPR_DOL_WHO);
    script.verify();
}

TEST_F(PositionBook, ThePrintFormOffersStatementsFormsAndTheCommission)
{
    Run("update system_const set val='12,40,,7' where name='venzol_chlens'");
    CHelpers::FN_OpenDocument0("prn_venzol", 0, nullptr);
    auto* form = Active<CPrnVenzolView>();
    ASSERT_NE(form, nullptr);
    const QString members[] = {"12", "40", "", "7"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(afxtest::text(form, IDC_PRN_CHLEN1 + i), members[i]) << i;
    EXPECT_EQ(afxtest::text(form, IDC_PRN_CHLEN1_NAME), QString("Волкова Юлия Олеговна"));

    QStringList statements;
    for (long r = 0; r < form->m_nvGrid.GetNRows(); ++r)
        statements << form->m_nvGrid.GetCellValue(0, r).ToQString();
    EXPECT_EQ(statements, QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(form->m_vfGrid.GetNRows(), 0);
    EXPECT_EQ(form->GetNvFilter(), CString());

    auto tick = [&](int row, bool on) {
        form->m_nvGrid.SetBCheck(row, on ? 1 : 0);
        AfxFireEvent(&form->m_nvGrid, 17, {});
    };
    tick(2, true);
    tick(4, true);
    EXPECT_EQ(form->GetNvFilter(), CString("and (ssv1.nv=3 or ssv1.nv=5)"));
    QStringList forms;
    for (long r = 0; r < form->m_vfGrid.GetNRows(); ++r)
        forms << form->m_vfGrid.GetCellValue(0, r).ToQString() + ":" + form->m_vfGrid.GetCellValue(2, r).ToQString();
    EXPECT_EQ(forms, QStringList({"1:1", "2:2"})) << "the teachers under 3, the nurse under 5";
    tick(2, false);
    tick(4, false);
    EXPECT_EQ(form->m_vfGrid.GetNRows(), 0) << "no statement ticked, no form";

    // A date before any appointment: no statement, no form.
    tick(0, true);
    ASSERT_GT(form->m_vfGrid.GetNRows(), 0);
    form->m_d1 = form->m_d2 = qwDMG("01.01.2000", 1);
    form->UpdateData(FALSE);
    NMHDR header{form->GetDlgItem(IDC_PRN_D1)->GetSafeHwnd(), IDC_PRN_D1, DTN_DATETIMECHANGE};
    form->SendMessage(WM_NOTIFY, IDC_PRN_D1, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(form->m_nvGrid.GetNRows(), 0);
    EXPECT_EQ(form->m_vfGrid.GetNRows(), 0);
}

TEST_F(PositionBook, OkStoresTheSettingsThenPrintsEachStatementAndForm)
{
    Run("update system_const set val='' where name='venzol_chlens'");
    CHelpers::FN_OpenDocument0("prn_venzol", 0, nullptr);
    auto* form = Active<CPrnVenzolView>();
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(afxtest::text(form, IDC_PRN_CHLEN1 + i), QString()) << i;

    // A member that is no personnel number stops everything.
    form->SetDlgItemText(IDC_PRN_CHLEN2, "1,2");
    afxtest::InteractionScript script;
    script.message("Укажите табельный номер члена комиссии", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(GetConstant("venzol_chlens", 0), CString());

    // The settings are stored before the refusals.
    form->SetDlgItemText(IDC_PRN_CHLEN1, "3");
    form->SetDlgItemText(IDC_PRN_CHLEN2, "");
    form->SetDlgItemText(IDC_PRN_CHLEN4, "5");
    afxtest::setChecked(form, IDC_PRN_VREDN, true);
    script.message("Выберите ведомость", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    EXPECT_EQ(GetConstant("venzol_chlens", 0), CString("3,,,5"));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "m_bVredn", 0), 1u);
    EXPECT_FALSE(AfxGetApp()->GetProfileString("constants", "prn_venzol_d1", "").IsEmpty());

    for (long r : {0, 1}) {
        form->m_nvGrid.SetBCheck(r, 1);
        AfxFireEvent(&form->m_nvGrid, 17, {});
    }
    script.message("Выберите форму", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    ASSERT_EQ(form->m_vfGrid.GetNRows(), 4);
    for (long r : {0, 2, 3})
        form->m_vfGrid.SetBCheck(r, 1);
    afxtest::click(form, IDOK);
    using Printed = CPrnVenzolView::PrintedList;
    EXPECT_EQ(form->m_printed, (std::vector<Printed>{{1, 1, 1, true}, {1, 3, 3, true}, {1, 4, 4, true},
                                                      {2, 1, 1, true}, {2, 3, 3, true}, {2, 4, 4, true}}));
}

TEST_F(PositionBook, TheBookOfTheNurseWithItsRates)
{
    CSprDolView* view = OpenBook("8");
    ASSERT_NE(view, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/venz_spr_dol.png"));
    CHelpers::FN_OpenDocument0("prn_venzol", 0, nullptr);
    auto* form = Active<CPrnVenzolView>();
    ASSERT_NE(form, nullptr);
    form->m_nvGrid.SetBCheck(0, 1);
    AfxFireEvent(&form->m_nvGrid, 17, {});
    Settle();
    QCoreApplication::processEvents();
    EXPECT_TRUE(afxtest::grab(form->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/prn_venzol.png"));
}

// Last, as it empties the book: the first position of an empty book is 1.
TEST_F(PositionBook, TheFirstPositionOfAnEmptyBookIsOne)
{
    Run("delete from ssv1\n"
        "delete from ssv");
    CSprDolView* view = OpenBook("");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_DOL_NAME, "Заведующий");
    afxtest::InteractionScript script;
    script.message("Записать изменения ? ", IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(afxtest::text(view, IDC_DOL), QString("1"));
}

} // namespace
