// The statement of off-balance accounts and the summary of postings by
// account over a few postings: the accounts listed per period and branch,
// the "prn" calls, the dimension list and what the forms keep.
#include "CHelpers.h"
#include "CPrnJrnZabSchView.h"
#include "CPrnSvodProvodkiView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "RegisterFormControls.h"
#include "ScriptHooks.h"
#include "ReportShown.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {

int Year()
{
    return QDate::currentDate().year();
}

COleDateTime Day(int day, int month)
{
    return COleDateTime(Year(), month, day, 0, 0, 0);
}

QString SavedPicture(CWnd* view, const char* name)
{
    return QCoreApplication::applicationDirPath() + "/" + name;
}

class RegisterForms : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        // 017 with two sub-accounts of names of their own, posted in branch 1
        // in January and February; 018 posted on its credit side only, in
        // branch 2 in March; the supplier's delivery and payment on 302.
        Run("delete from spr_plan_sch where col1 in ('017','209') and col2 in ('01','02','99')");
        Run("insert into spr_plan_sch (col0, col1, col2, col3, name, sb1, zab) values "
            "(1, '017', '01', '000', 'Поступления на лицевой счет', 3, '+'), "
            "(1, '017', '02', '000', 'Поступления в кассу', 3, '+')");
        Run("insert into spr_plan_sch (col0, col1, col2, col3, name, sb1, sb2) values "
            "(1, '209', '99', '000', 'Расчеты по ущербу (проба)', 0, 4)");
        Post(901, QDate(Year(), 1, 10), "101701000", "130000", "", "", 500, 1);
        Post(902, QDate(Year(), 2, 10), "101702000", "130000", "", "", 70, 1);
        Post(903, QDate(Year(), 3, 10), "", "", "101800000", "", 40, 2);
        Post(904, QDate(Year(), 1, 15), "110532340", "", "130234730", "1", 900, 1);
        Post(905, QDate(Year(), 1, 20), "130234830", "1", "120111610", "", 600, 1);
    }

    void Post(int id, const QDate& d, const QString& debit, const char* dsb1, const QString& credit, const char* ksb1,
              double s, int fil)
    {
        auto part = [](const QString& code, int from, int length) {
            return code.isEmpty() ? QString("null") : QString("'%1'").arg(code.mid(from, length));
        };
        auto code = [](const char* sb) { return *sb ? QString("'%1'").arg(sb) : QString("null"); };
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, "
                       "kred1, kred2, kred3, kred_sb1, kbk_kred, s, fil_id) values (%d, 1, '%s', %s, %s, %s, %s, %s, "
                       "1, %s, %s, %s, %s, %s, 1, %.2f, %d)",
                       id, qPrintable(d.toString("yyyy-MM-dd")), qPrintable(part(debit, 0, 1)),
                       qPrintable(part(debit, 1, 3)), qPrintable(part(debit, 4, 2)), qPrintable(part(debit, 6, 3)),
                       qPrintable(code(dsb1)), qPrintable(part(credit, 0, 1)), qPrintable(part(credit, 1, 3)),
                       qPrintable(part(credit, 4, 2)), qPrintable(part(credit, 6, 3)), qPrintable(code(ksb1)), s,
                       fil));
    }

    // The last script call beginning with `name`.
    QString LastCall(const char* name) const
    {
        for (auto it = scripts.calls.rbegin(); it != scripts.calls.rend(); ++it)
            if (it->call.rfind(name, 0) == 0)
                return QString::fromStdString(it->call);
        return QString();
    }

    nledmark::CPrnJrnZabSchView* OpenOffBalance()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_zab_sch", 0, nullptr), 1);
        return Active<nledmark::CPrnJrnZabSchView>();
    }

    nledmark::CPrnSvodProvodkiView* OpenSummary()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("svod_provodki", 0, nullptr), 1);
        return Active<nledmark::CPrnSvodProvodkiView>();
    }

    static void SelectBranch(nledmark::CPrnJrnZabSchView* view, long branch)
    {
        for (int i = 0; i < view->m_comboFil.GetCount(); ++i)
            if (long(view->m_comboFil.GetItemData(i)) == branch)
                view->m_comboFil.SetCurSel(i);
    }

    static QStringList GridRows(CCellwork& grid)
    {
        QStringList rows;
        for (long r = 0; r < grid.GetNRows(); ++r)
            rows << grid.GetCellValue(0, r).ToQString() + " " + grid.GetCellValue(1, r).ToQString();
        return rows;
    }
};

TEST_F(RegisterForms, OffBalanceAccountsOfAPeriodAndBranchListedOnceEach)
{
    AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
    auto* view = OpenOffBalance();
    ASSERT_NE(view, nullptr);
    const QString receipts = QStringLiteral("1017 Поступления денежных средств на счета учреждения");
    const QString disposals = QStringLiteral("1018 Выбытия денежных средств со счетов учреждения");
    const struct {
        const char* name;
        long branch;
        COleDateTime from, to;
        QStringList rows;
    } cases[] = {
        {"every branch: 017 once under its own name, 018 posted on credit only", -2, Day(1, 1), Day(31, 12),
         {receipts, disposals}},
        {"branch 1", 1, Day(1, 1), Day(31, 12), {receipts}},
        {"branch 2", 2, Day(1, 1), Day(31, 12), {disposals}},
        {"a period without off-balance postings", -2, Day(1, 4), Day(31, 12), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SelectBranch(view, c.branch);
        view->m_dateFrom = c.from;
        view->m_dateTo = c.to;
        view->UpdateData(FALSE);
        view->Refill();
        EXPECT_EQ(GridRows(view->m_grid), c.rows);
    }
    // The empty grid refuses to print.
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Нет счетов для просмотра"), IDOK);
    afxtest::click(view, IDOK);
    script.verify();
    EXPECT_EQ(ChildCount(), 1);
}

TEST_F(RegisterForms, OffBalanceStatementPrintedForTheChosenAccount)
{
    AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", 1);
    auto* view = OpenOffBalance();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Branch(), 1) << "the branch printed last";
    SelectBranch(view, -2);
    view->m_dateFrom = Day(1, 1);
    view->m_dateTo = Day(31, 12);
    view->UpdateData(FALSE);
    view->Refill();
    ASSERT_EQ(view->m_grid.GetNRows(), 2);
    // No row chosen: refused, the branch remembered all the same.
    const std::vector<std::vector<CString>> rows = {{"1017", "a"}, {"1018", "b"}};
    view->m_grid.SetRows(rows);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Выберите счет"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", 0), -2);
    view->Refill();
    Settle();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(SavedPicture(view, "off_balance_form.png")));
    // An edit started in the grid prints the row's account; the cell keeps its text.
    view->m_grid.SetCurCell(0, 0);
    view->m_grid.ForceEditCell(0, 0);
    Settle();
    EXPECT_EQ(LastCall("prn("), QStringLiteral("prn(\"01.01.%1\",\"31.12.%1\",\"-2\",\"1017\")").arg(Year()));
    EXPECT_EQ(view->m_grid.GetCellValue(0, 0), CString("1017"));
    ASSERT_EQ(ChildCount(), 2) << "the statement beside the form";
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("off_balance.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Ведомость по забалансовому счету")));
    // Receipts of 500 and 70 under the value 130000, nothing disposed of.
    EXPECT_TRUE(report.text.contains(QStringLiteral("570.00")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Главный бухгалтер")));
    EXPECT_TRUE(report.saved);
}

TEST_F(RegisterForms, SummaryListsTheAccountsDimensionsAndKeepsTheChoice)
{
    // The page goes to the report window, as in the program.
    appcore::GetScriptHooks().showReport = [](const std::string& html, const std::string& title) {
        CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
    };
    AfxGetApp()->WriteProfileString("constants", "svod_subk", "130234730");
    AfxGetApp()->WriteProfileInt("constants", "svod_subk1", 2);
    auto* view = OpenSummary();
    ASSERT_NE(view, nullptr);
    CString account;
    view->GetDlgItemText(IDC_SP_ACCOUNT, account);
    EXPECT_EQ(account, CString("130234730")) << "the account summed last";
    EXPECT_EQ(view->Dimension(), 3) << "and its dimension";
    const struct {
        const char* account;
        QStringList entries;
        int dimension;  // of the entry selected
    } cases[] = {
        {"140102223", {}, -1},
        {"120999000", {"Контрагенты"}, 2},
        {"120634560", {"Контрагенты", "ЭКР", "Договоры"}, 1},
        {"130234730", {"Контрагенты", "ЭКР", "Договоры"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.account);
        view->SetDlgItemText(IDC_SP_ACCOUNT, c.account);
        QStringList entries;
        for (int i = 0; i < view->m_comboDimension.GetCount(); ++i) {
            CString text;
            view->m_comboDimension.GetLBText(i, text);
            entries << text.ToQString();
        }
        EXPECT_EQ(entries, c.entries);
        EXPECT_EQ(view->Dimension(), c.dimension);
    }
    // The call carries the typed texts escaped.
    view->SetDlgItemText(IDC_SP_ACCOUNT, "140102223");
    view->SetDlgItemText(IDC_SP_KBK, "1\"2");
    view->SetDlgItemText(IDC_FILS, "1,2");
    view->m_dateFrom = Day(1, 1);
    view->m_dateTo = Day(31, 1);
    view->UpdateData(FALSE);
    EXPECT_EQ(view->PrnCall().ToQString(),
              QStringLiteral("prn(\"01.01.%1\",\"31.01.%1\",\"140102223\",\"1\\\"2\",-1,\"1,2\",0)").arg(Year()));

    // OK keeps the account and the dimension, and shows the summary of 302 by counterparty.
    view->SetDlgItemText(IDC_SP_ACCOUNT, "130234000");
    view->SetDlgItemText(IDC_SP_KBK, "");
    view->SetDlgItemText(IDC_FILS, "");
    Settle();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(SavedPicture(view, "postings_summary_form.png")));
    afxtest::click(view, IDOK);
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "svod_subk", ""), CString("130234000"));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "svod_subk1", -1), 0);
    ASSERT_EQ(ChildCount(), 2) << "the summary beside the form";
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("postings_summary.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Свод проводок по счету")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Продторг")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("900.00")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("600.00")));
    EXPECT_TRUE(report.saved);
}

} // namespace
