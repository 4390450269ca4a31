// The employee forms that hand their body to a script, and the tax cards'
// own list: the call texts and contexts as the forms build them (checked
// numbers only), the pages the configuration's scripts show, a failing script
// ending the run, and the refusals that keep a form open.
#include "EmployeeScriptForms.h"
#include "../res/resource.h"
#include "CPrnNalogKartView.h"
#include "CPrnRaschVedView.h"
#include "CPrnSvPrdView.h"
#include "CReportView.h"
#include "EmployeeForms.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ScriptHooks.h"
#include "ndbcore.h"
#include "res/DlgkitIds.h"

#include <QCoreApplication>
#include <QTextBrowser>

namespace {

using namespace npaymar;

class EmployeeScriptForms : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        // The scripts' pages go to the report window, as in the program.
        appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
            CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
        };
        g_lYear = 2009;
        g_lMonth = 3;
        // Employee 7: January to March 2009 on sheets 3 and 5, in department 1.
        Run("delete from paymar_nuz where g=2009\ndelete from paymar_m where "
            "g=2009\n"
            "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values "
            "(2009,1,7,1,3,1,1000.00),(2009,2,7,1,5,1,1500.50),"
            "(2009,3,7,1,3,1,2000.00),(2009,3,7,1,3,201,260.00),(2009,2,8,1,3,1,"
            "700.00)\n"
            "insert into paymar_m (g,ms,tn,kat,prd) values "
            "(2009,1,7,1,1),(2009,2,7,1,1),(2009,3,7,1,1),"
            "(2009,2,8,1,1)");
    }

    template <class View> View* OpenForm(const char* name, int kind = 0)
    {
        CHelpers::FN_OpenDocument0(name, kind, nullptr);
        return Active<View>();
    }
    static void Tick(CCellwork& list, std::initializer_list<long> keys)
    {
        for (long key : keys)
            for (long row = 0; row < list.GetNRows(); ++row)
                if (atol(list.GetCellValue(0, row)) == key)
                    list.SetBCheck(row, 1);
    }
    std::vector<std::string> Calls(const char* prefix) const
    {
        std::vector<std::string> found;
        for (const auto& call : scripts.calls)
            if (call.call.rfind(prefix, 0) == 0)
                found.push_back(call.call + " @ " + call.context);
        return found;
    }
    // The text of the report window in front; pictured into "paymar_<picture>.png"
    // beside the test program when named.
    QString ShownText(const char* picture = nullptr)
    {
        auto* report = Active<CReportView>();
        if (report && picture) {
            QCoreApplication::processEvents();
            afxtest::grab(report->GetParentFrame())
                .save(QCoreApplication::applicationDirPath() + "/paymar_" + picture + ".png");
        }
        return report ? report->GetPage()->Browser()->toPlainText() : QString();
    }
    void Picture(CView* view, const char* name)
    {
        QCoreApplication::processEvents();
        afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/paymar_" + name + ".png");
    }
    void CloseReports()
    {
        while (auto* report = Active<CReportView>()) {
            report->GetParentFrame()->SendMessage(WM_CLOSE);
            Settle();
        }
    }
};

TEST_F(EmployeeScriptForms, TheCardCertificateIsTheFormScriptsAndAFailedScriptMarksThePage)
{
    auto* view = OpenForm<CEmployeePageView>("PrnKSView");
    ASSERT_NE(view, nullptr);
    Tick(view->Employees(), {7});
    afxtest::command(view, IDOK);
    Settle();
    EXPECT_EQ(Calls("GetKS("), std::vector<std::string>({"GetKS(7,3) @ Form.PrnKSView"}));
    const QString text = ShownText("PrnKSView");
    EXPECT_TRUE(text.contains(QStringLiteral("Карточка-справка за март 2009 г."))) << text.toStdString();
    EXPECT_TRUE(text.contains("1740.00")) << "2000.00 less the tax";
    CloseReports();

    // The script fails: the page says so and the run ends.
    Run("rename table paymar_nuz to paymar_nuz_away");
    view = OpenForm<CEmployeePageView>("PrnKSView");
    ASSERT_NE(view, nullptr);
    Tick(view->Employees(), {7, 8});
    scripts.calls.clear();
    afxtest::command(view, IDOK);
    Run("rename table paymar_nuz_away to paymar_nuz");
    Settle();
    EXPECT_EQ(Calls("GetKS(").size(), 1u) << "the run stops at the failure";
    // The script's failed read is the one report.
    dbReports.clear(1);
    EXPECT_TRUE(ShownText().contains(QStringLiteral("Отчет неполный: сценарий GetKS не выполнен")));
    CloseReports();
}

TEST_F(EmployeeScriptForms, TheTaxCardsListTheYearsEmployeesAndRefuseAnEmptyChoice)
{
    auto* view = OpenForm<CPrnNalogKartView>("PrnNalogKartView");
    ASSERT_NE(view, nullptr);
    Picture(view, "PrnNalogKartView_form");
    EXPECT_EQ(view->GetDocument()->GetTitle(), CString("Налоговая карточка"));
    ASSERT_EQ(view->m_listEmployees.GetCount(), 2);
    CString line;
    view->m_listEmployees.GetText(0, line);
    EXPECT_TRUE(line.ToQString().startsWith(QStringLiteral("   7   "))) << line.ToQString().toStdString();
    EXPECT_EQ(long(view->m_listEmployees.GetItemData(0)), 7);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Выберите работника"), IDOK);
        afxtest::click(view, IDC_NALOG_KART_OK);
        script.verify();
    }
    Settle();
    EXPECT_EQ(Active<CPrnNalogKartView>(), view) << "the form stays open";
    afxtest::click(view, IDC_NALOG_KART_ALL);
    EXPECT_EQ(view->m_listEmployees.GetCheck(1), 1);
    afxtest::click(view, IDC_NALOG_KART_CLEAR);
    EXPECT_EQ(view->m_listEmployees.GetCheck(1), 0);
    view->m_listEmployees.SetCheck(0, 1);
    afxtest::click(view, IDC_NALOG_KART_OK);
    Settle();
    EXPECT_TRUE(Open<CPrnNalogKartView>().empty());
    const QString text = ShownText("PrnNalogKartView");
    EXPECT_TRUE(text.contains(QStringLiteral("Налоговая карточка по учету доходов"))) << text.toStdString();
    EXPECT_TRUE(text.contains("4500.50")) << "the income of January to March";
    CloseReports();
}

TEST_F(EmployeeScriptForms, TheAverageEarningsAskForMonthsAndRunTheirKindsCommand)
{
    const struct {
        int kind;
        const char* call;
    } kinds[] = {{0, "GetSred(7,6) @ Form.ПечатьСправкаСреднСубсидии"},
                 {1, "GetSred2(7,6) @ Form.ПечатьСправкаСреднБанк"}};
    for (const auto& k : kinds) {
        auto* view = OpenForm<CPrnSredView>("PrnSredView", k.kind);
        ASSERT_NE(view, nullptr);
        Tick(view->Employees(), {7});
        // Cancel, "0" and a negative number run nothing; the form stays.
        const struct {
            const char* typed;
            int button;
            const char* message;
        } refusals[] = {
            {"6", IDCANCEL, nullptr}, {"0", IDOK, nullptr}, {"-3", IDOK, "Укажите число месяцев: целое число от 1"}};
        for (const auto& r : refusals) {
            afxtest::InteractionScript script;
            script.dialog(IDD_DLGKIT_SIRCH, [&](afxtest::DialogStep& d) {
                EXPECT_EQ(d.text(IDC_SIRCH_TEXT), QStringLiteral("6"));
                d.setText(IDC_SIRCH_TEXT, r.typed);
                d.click(r.button);
            });
            if (r.message)
                script.message(r.message, IDOK);
            afxtest::command(view, IDOK);
            script.verify();
            Settle();
            EXPECT_EQ(Active<CPrnSredView>(), view) << r.typed;
        }
        scripts.calls.clear();
        afxtest::InteractionScript script;
        script.dialog(IDD_DLGKIT_SIRCH, [](afxtest::DialogStep& d) { d.click(IDOK); });
        afxtest::command(view, IDOK);
        script.verify();
        Settle();
        EXPECT_EQ(Calls("GetSred"), std::vector<std::string>({k.call}));
        EXPECT_TRUE(Open<CPrnSredView>().empty());
        EXPECT_TRUE(ShownText(k.kind ? "PrnSredView_bank" : "PrnSredView")
                        .contains(QStringLiteral("Среднемесячный заработок за 6 мес.")));
        CloseReports();
    }

    // A kind of neither certificate is named; nothing runs.
    auto* view = OpenForm<CPrnSredView>("PrnSredView", 2);
    ASSERT_NE(view, nullptr);
    Tick(view->Employees(), {7});
    scripts.calls.clear();
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Неизвестный вид справки о среднем заработке: 2"), IDOK);
        afxtest::command(view, IDOK);
        script.verify();
    }
    EXPECT_TRUE(Calls("GetSred").empty());
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // A command answering 0 stops the loop: employee 990 is gone when it runs.
    Run("insert into tn (tn,f,i,o) values (990,'Аавакян','Ашот','Ашотович')");
    view = OpenForm<CPrnSredView>("PrnSredView", 0);
    ASSERT_NE(view, nullptr);
    Tick(view->Employees(), {990, 7});
    Run("delete from tn where tn=990");
    scripts.calls.clear();
    afxtest::InteractionScript script;
    script.dialog(IDD_DLGKIT_SIRCH, [](afxtest::DialogStep& d) { d.click(IDOK); });
    afxtest::command(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(Calls("GetSred"), std::vector<std::string>({"GetSred(990,6) @ Form.ПечатьСправкаСреднСубсидии"}));
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_EQ(scripts.messages.front(), "Справка о среднем заработке не построена: нет работника 990");
    scripts.messages.clear();
}

TEST_F(EmployeeScriptForms, TheSummaryRunsPerSheetOrSummedAndStaysOpen)
{
    auto* view = OpenForm<CPrnSvPrdView>("PrnSvPrdView");
    ASSERT_NE(view, nullptr);
    Picture(view, "PrnSvPrdView_form");
    EXPECT_TRUE(view->GetDlgItem(IDC_ONE_REPORT)->IsWindowVisible());
    Tick(view->m_gridMonths, {1, 2});
    view->FillSheets();
    Tick(view->m_gridSheets, {3, 5});
    scripts.calls.clear();
    afxtest::command(view, IDC_SELECT_PRINT);
    Settle();
    EXPECT_EQ(Calls("prn("), std::vector<std::string>(
                                 {"prn(\"1,2\",\"3\") @ Form.PrnSvPrdView", "prn(\"1,2\",\"5\") @ Form.PrnSvPrdView"}));
    EXPECT_TRUE(ShownText().contains(QStringLiteral("Свод по видам оплат и удержаний за январь, февраль 2009 г.")));
    CloseReports();
    ASSERT_EQ(Active<CPrnSvPrdView>(), view) << "the form stays open";

    scripts.calls.clear();
    afxtest::setChecked(view, IDC_ONE_REPORT, true);
    afxtest::command(view, IDC_SELECT_PRINT);
    Settle();
    EXPECT_EQ(Calls("prn("), std::vector<std::string>({"prn(\"1,2\",\"3,5\") @ Form.PrnSvPrdView"}));
    // January and February on both sheets: 1000.00 + 1500.50 + 700.00.
    EXPECT_TRUE(ShownText("PrnSvPrdView").contains("3200.50")) << ShownText().toStdString();
    CloseReports();
}

TEST_F(EmployeeScriptForms, TheYearsCertificateAndTheDepartmentsSheetRunTheirScripts)
{
    auto* ndfl = OpenForm<CPrnNDFL2View>("prn_ndfl2");
    ASSERT_NE(ndfl, nullptr);
    Tick(ndfl->Employees(), {7});
    afxtest::command(ndfl, IDOK);
    Settle();
    EXPECT_EQ(Calls("PrepareTheReport("), std::vector<std::string>({"PrepareTheReport(7,2009,3) @ Form.prn_ndfl2"}));
    EXPECT_TRUE(Open<CPrnNDFL2View>().empty());
    const QString certificate = ShownText("prn_ndfl2");
    EXPECT_TRUE(certificate.contains(QStringLiteral("Справка о доходах физического лица за 2009 год")));
    EXPECT_TRUE(certificate.contains("4500.50") && certificate.contains("260.00")) << certificate.toStdString();
    CloseReports();

    auto* sheet = OpenForm<CPrnRaschVedView>("PrnRaschVedView");
    ASSERT_NE(sheet, nullptr);
    Picture(sheet, "PrnRaschVedView_form");
    Tick(sheet->Departments(), {1});
    scripts.calls.clear();
    afxtest::command(sheet, IDOK);
    Settle();
    EXPECT_EQ(Calls("prn("), std::vector<std::string>({"prn(1) @ Form.PrnRaschVedView"}));
    EXPECT_TRUE(Open<CPrnRaschVedView>().empty());
    const QString text = ShownText("PrnRaschVedView");
    EXPECT_TRUE(text.contains(QStringLiteral("Расчетная ведомость за март 2009 г."))) << text.toStdString();
    EXPECT_TRUE(text.contains("1740.00"));
    CloseReports();
}

} // namespace
