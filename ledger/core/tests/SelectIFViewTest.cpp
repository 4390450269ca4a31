// The report base by sources of financing and the "hlam0" report in the
// program: the source conditions and lists as a table, the sources found in
// the postings with their checks kept in the profile, the budget
// classification codes chosen for a source, and one call text run as
// report 0 and then as report 1.
#include "CHlam0View.h"
#include "CReportView.h"
#include "DocumentOpener.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ReportPage.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QTextBrowser>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class SelectIF : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        AfxGetApp()->WriteProfileString("constants", "select_if", "");
        // Sources 1 and 2 on the debit side, 3 only on the credit side; source 3
        // appears in March only.
        Run(FormatText(
            "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kbk_deb,kred0,kred1,kred2,kred3,kbk_kred,s,fil_id) "
            "values (701,1,%s,'1','201','11','510',1,'1','401','01','130',1,500,1),"
            "(702,1,%s,'2','201','34','510',3,'2','401','01','130',3,200,2),"
            "(703,1,%s,null,null,null,null,null,'3','401','01','180',null,70,1)",
            Date("10.01"), Date("15.01"), Date("20.03")));
    }
    static CString Date(const char* dayAndMonth) { return ChangeDateUS0(ThisYear(dayAndMonth), 0); }

    CHlam0View* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("hlam0", 0, nullptr), 1);
        return Active<CHlam0View>();
    }
    static QStringList Sources(CHlam0View* view)
    {
        QStringList rows;
        for (long r = 0; r < view->m_grid.GetNRows(); ++r)
            rows << QStringLiteral("%1 %2%3")
                        .arg(view->m_grid.GetCellValue(0, r).ToQString(), view->m_grid.GetCellValue(1, r).ToQString(),
                             view->m_grid.GetBCheck(r) ? QString(" +") : QString());
        return rows;
    }
    // The user ticks or clears a row's check mark.
    static void Tick(CHlam0View* view, long row, bool on)
    {
        view->m_grid.SetBCheck(row, on ? 1 : 0);
        AfxFireEvent(&view->m_grid, 17, {});
    }
    static CString SavedSelection() { return AfxGetApp()->GetProfileString("constants", "select_if", "?"); }
};

TEST_F(SelectIF, SourceConditionsAndListsOfTheCheckedRows)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    struct Row {
        const char* code;
        const char* kbk;
        const char* extra;
        bool checked;
    };
    struct Case {
        const char* name;
        std::vector<Row> rows;
        long columns;
        const char* sql;
        const char* list;
    } cases[] = {
        {"two codes and none", {{"1", "11,12", "", true}, {"2", "", "", true}}, 3,
         " and ((deb0=1 and (kbk_deb=11 or kbk_deb=12)) or deb0=2)", "1:11,12:;2::"},
        {"an unchecked row is left out", {{"1", "", "", false}, {"3", "5", "", true}}, 3,
         " and ((deb0=3 and (kbk_deb=5)))", "3:5:"},
        {"none checked: no posting", {{"1", "", "", false}, {"2", "", "", false}}, 3, " and (1=0)", ""},
        {"a fourth column joins the list", {{"1", "11", "x", true}}, 4, " and ((deb0=1 and (kbk_deb=11)))",
         "1:11:x"},
        {"codes that are no numbers never reach SQL", {{"1", "11,1 or 1=1,", "", true}, {"2;drop", "", "", true}}, 3,
         " and ((deb0=1 and (kbk_deb=11)))", "1:11,1 or 1=1,:;2;drop::"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        view->m_grid.SetNCols(c.columns);
        view->m_grid.SetNRows(long(c.rows.size()));
        for (long r = 0; r < long(c.rows.size()); ++r) {
            view->m_grid.SetCellValue(0, r, c.rows[r].code);
            view->m_grid.SetCellValue(2, r, c.rows[r].kbk);
            view->m_grid.SetCellValue(3, r, c.rows[r].extra);
            view->m_grid.SetBCheck(r, c.rows[r].checked ? 1 : 0);
        }
        EXPECT_EQ(view->GetIfSql(), CString(c.sql));
        EXPECT_EQ(view->GetIfList(), CString(c.list));
    }
}

TEST_F(SelectIF, SourcesOfThePostingsWithTheirChecksKeptInTheProfile)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->GetDlgItem(IDC_DATE1)->IsWindowVisible()) << "hlam0 asks for the end only";
    EXPECT_EQ(DMGtoStr(view->m_date2), ThisYear("31.12")) << "the working period's end";
    EXPECT_EQ(Sources(view), QStringList({"1 Бюджет +", "2 Платный +", "3 ЦС и БП +"}));
    EXPECT_EQ(SavedSelection(), CString("")) << "all checked is saved as \"\"";

    Tick(view, 1, false);
    EXPECT_EQ(SavedSelection(), CString("1,3"));
    Tick(view, 1, true);
    EXPECT_EQ(SavedSelection(), CString(""));
    Tick(view, 1, false);

    // An earlier end: source 3 has no posting yet; the checks stay.
    afxtest::pickDate(view, IDC_DATE2, QDate(QDate::currentDate().year(), 2, 28));
    EXPECT_EQ(Sources(view), QStringList({"1 Бюджет +", "2 Платный"}));

    // "Очистить" checks none, and none stays none when the form opens again.
    afxtest::click(view, IDC_CLEAR_ALL);
    EXPECT_EQ(view->GetIfSql(), CString(" and (1=0)"));
    view->OnCancel();
    Settle();
    view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Sources(view), QStringList({"1 Бюджет", "2 Платный", "3 ЦС и БП"}));
    afxtest::click(view, IDC_SELECT_ALL);
    EXPECT_EQ(SavedSelection(), CString(""));
}

TEST_F(SelectIF, CodesChosenForASourceLandInItsRow)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        EXPECT_EQ(rows.size(), 3) << rows.join("\n").toStdString() << " (the codes of source 2)";
        pickertest::ClickRows(d, {rows.value(0), rows.value(1)});
    });
    view->m_grid.SetCurCell(0, 0);
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(2)), AfxEventArg(short(1))});
    script.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(2, 1), CString("3,4"));
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);
    EXPECT_EQ(view->GetIfSql(), CString(" and (deb0=1 or (deb0=2 and (kbk_deb=3 or kbk_deb=4)) or deb0=3)"));
}

TEST_F(SelectIF, BranchesChosenTogetherGoIntoTheBranchField)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->GetDlgItem(IDC_FILS)->IsWindowVisible()) << "two branches: the field is shown";
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI, [](afxtest::DialogStep& d) {
        const QStringList rows = pickertest::Rows(d);
        ASSERT_EQ(rows.size(), 2) << rows.join("\n").toStdString();
        pickertest::ClickRows(d, rows);
    });
    afxtest::click(view, IDC_FILS_BUTTON);
    script.verify();
    EXPECT_EQ(afxtest::text(view, IDC_FILS), QStringLiteral("1,2"));
}

TEST_F(SelectIF, Hlam0RunsOneCallTextAsReportZeroThenOne)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    Tick(view, 2, false);
    view->m_grid.SetCellValue(2, 0, "1");
    view->m_editFil.SetWindowText("1");
    scripts.calls.clear();
    afxtest::click(view, IDOK);
    std::vector<ledmark_test::Evaluation> reports;
    for (const auto& call : scripts.calls)
        if (call.call.rfind("prn(", 0) == 0)
            reports.push_back(call);
    const std::string text = FormatText("prn(\"%s\",\"1:1:;2::\",\"1\")", ThisYear("31.12")).ToStdString();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].call, text);
    EXPECT_EQ(reports[0].context, "Form.hlam0");
    EXPECT_EQ(reports[1].call, text);
    EXPECT_EQ(reports[1].context, "Form.hlam0:1");
    EXPECT_EQ(AfxGetApp()->GetProfileString(CSelectIFView::BranchSection(), "select_fil_prn0", ""), CString("1"));

    // Both pages: the balances of branch 1, source 1 narrowed to its code 1
    // and source 2 (none in branch 1); the second by analytic values.
    QStringList pages;
    POSITION templates = app->GetFirstDocTemplatePosition();
    while (templates) {
        CDocTemplate* t = app->GetNextDocTemplate(templates);
        for (POSITION docs = t->GetFirstDocPosition(); docs;)
            if (auto* report = dynamic_cast<CReportView*>(appcore::FirstView(t->GetNextDoc(docs))))
                pages << report->GetPage()->Browser()->toPlainText();
    }
    ASSERT_EQ(pages.size(), 2) << pages.join("\n----\n").toStdString();
    for (const QString& page : pages) {
        EXPECT_TRUE(page.contains("1 Бюджет")) << page.toStdString();
        EXPECT_TRUE(page.contains("120111510")) << page.toStdString();
        EXPECT_TRUE(page.contains("500.00")) << page.toStdString();
        EXPECT_FALSE(page.contains("2 Платный")) << page.toStdString();
    }
    EXPECT_TRUE(pages[0].contains("аналитике") || pages[1].contains("аналитике"));
}

TEST_F(SelectIF, BranchTextReachesTheReportAsTextOnly)
{
    CHlam0View* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_editFil.SetWindowText("1\"),os.exit(),(\"");
    const CString call = view->ReportCall();
    EXPECT_TRUE(call.Find("\"1\\\"),os.exit(),(\\\"\")") > 0) << call;
    CString page;
    EXPECT_EQ(view->EXEC_GetFunctionValue(call, page, 0), 0);
    ASSERT_EQ(scripts.errors.size(), 1u);
    EXPECT_NE(scripts.errors[0].find("Неверный список филиалов"), std::string::npos) << scripts.errors[0];
    scripts.errors.clear();
}

} // namespace
