// The print of the time sheets: the departments with marks in the range, the
// refusals, the call per ticked department, a failing call, the disabled
// print commands and a department's time sheet in the report window.
#include "CPrnTrvView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ReportPage.h"
#include "ScriptHooks.h"
#include "StaffProgram.h"
#include "ndbcore.h"
#include "../res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nperso;

class PrnTrv : public stafftest::StaffProgram {
protected:
    CPrnTrvView* OpenPrint()
    {
        CHelpers::FN_OpenDocument0("PrnTrvView", 0, nullptr);
        return Active<CPrnTrvView>();
    }
    static QStringList Departments(CPrnTrvView* view)
    {
        QStringList ids;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            ids << view->m_grid.GetCellValue(0, r).ToQString();
        return ids;
    }
    static void SetRange(CPrnTrvView* view, const CString& d1, const CString& d2)
    {
        view->m_d1 = qwDMG(d1, 1);
        view->m_d2 = qwDMG(d2, 1);
        view->UpdateData(FALSE);
        NMHDR header{view->GetDlgItem(IDC_PRN_TRV_D2)->GetSafeHwnd(), IDC_PRN_TRV_D2, DTN_DATETIMECHANGE};
        view->SendMessage(WM_NOTIFY, IDC_PRN_TRV_D2, reinterpret_cast<LPARAM>(&header));
    }
    static long Ticked(CPrnTrvView* view)
    {
        long ticked = 0;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            ticked += view->m_grid.GetBCheck(r) ? 1 : 0;
        return ticked;
    }
    std::vector<std::string> PrintCalls() const
    {
        std::vector<std::string> found;
        for (const auto& call : scripts.calls)
            if (call.call.rfind("prn_GetTRV(", 0) == 0)
                found.push_back(call.call + " @" + call.context);
        return found;
    }
};

TEST_F(PrnTrv, ListsTheDepartmentsWithMarksAndRefusesWhatCannotPrint)
{
    // A mark whose assignment is gone has no department and is not listed.
    Run("insert into perso_trv (tn, npp, d, t) values (99, 9, " + ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0) + ", '8.00')");
    auto* view = OpenPrint();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_d1), GetOtpD1(g_lYear, g_lMonth));
    EXPECT_EQ(Departments(view), QStringList({"1", "2", "3"}));
    EXPECT_EQ(view->m_grid.GetCellValue(1, 0), Text("select name from spr_prd where id=1"));

    afxtest::click(view, IDC_PRN_TRV_ALL);
    EXPECT_EQ(Ticked(view), 3);
    afxtest::click(view, IDC_PRN_TRV_CLEAR);
    EXPECT_EQ(Ticked(view), 0);

    afxtest::InteractionScript script;
    view->m_grid.SetBCheck(1, 1);
    SetRange(view, ThisYear("10.01"), ThisYear("09.01"));
    EXPECT_EQ(Ticked(view), 0) << "a date change refills and clears the ticks";
    view->m_grid.SetBCheck(0, 1);
    script.message("Дата начала должна предшествовать дате окончания", IDOK);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_TRUE(PrintCalls().empty());

    // A range without marks: an empty list, and OK asks for a department.
    SetRange(view, "01.01.2000", "01.01.2000");
    EXPECT_EQ(view->m_grid.GetNRows(), 0);
    script.message("Выберите подразделение", IDOK);
    afxtest::click(view, IDOK);
    script.verify();

    // The framework's print commands are disabled; OK prints.
    for (UINT id : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(view, FALSE);
        EXPECT_FALSE(ui.m_bEnabled) << id;
    }
    Run("delete from perso_trv where tn=99");
}

TEST_F(PrnTrv, EachTickedDepartmentPrintsInTurnAndAFailureNamesIt)
{
    // The page goes to the report window, as in the program.
    struct ShownInTheReportWindow {
        decltype(appcore::ScriptHooks::showReport) saved = appcore::GetScriptHooks().showReport;
        ShownInTheReportWindow()
        {
            appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
                CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
            };
        }
        ~ShownInTheReportWindow() { appcore::GetScriptHooks().showReport = saved; }
    } hook;
    auto* view = OpenPrint();
    ASSERT_NE(view, nullptr);
    const CString first = GetOtpD1(g_lYear, g_lMonth);
    SetRange(view, first, first);  // equal days are accepted
    ASSERT_FALSE(Departments(view).isEmpty());
    SetRange(view, first, GetOtpD2(g_lYear, g_lMonth));
    view->m_grid.SetBCheck(0, 1);
    view->m_grid.SetBCheck(2, 1);
    scripts.calls.clear();
    afxtest::click(view, IDOK);
    Settle();
    const std::string range = "\"" + first.ToStdString() + "\",\"" + GetOtpD2(g_lYear, g_lMonth).ToStdString() + "\"";
    EXPECT_EQ(PrintCalls(), (std::vector<std::string>{"prn_GetTRV(" + range + ",1) @Form.PrnTrvView",
                                                       "prn_GetTRV(" + range + ",3) @Form.PrnTrvView"}));
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "perso_prn_trv_1", ""), first);

    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString html = report->GetPage()->Html();
    EXPECT_TRUE(html.contains("ТАБЕЛЬ"));
    EXPECT_TRUE(html.contains("Условные обозначения")) << "department 3 has sick-leave and holiday codes";
    report->GetParentFrame()->GetQWidget()->resize(1500, 900);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 5);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/time_sheet.png"));

    // A department the script cannot print stops the printing and is named.
    Run("update perso_tn_nip set prd=0 where tn=2 and npp=1");
    auto* again = OpenPrint();
    ASSERT_NE(again, nullptr);
    again->FillPrdGrid();
    ASSERT_EQ(Departments(again).value(0), QString("0"));
    afxtest::click(again, IDC_PRN_TRV_ALL);
    scripts.calls.clear();
    afxtest::InteractionScript script;
    script.message("Табель подразделения 0 «» не напечатан", IDOK);
    afxtest::click(again, IDOK);
    script.verify();
    EXPECT_EQ(PrintCalls().size(), 1u) << "nothing after the failure";
    scripts.Clear();
    Run("update perso_tn_nip set prd=3 where tn=2 and npp=1");
}

} // namespace
