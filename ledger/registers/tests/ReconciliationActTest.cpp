// The act of reconciliation over a small set of settlements checked by hand:
// the incoming balance with an advance set off and the sub-accounts 01-03
// left out, rows per document and per posting, the closing balance, a
// department, the form's messages and an act cut short.
#include "CHelpers.h"
#include "CPrnAktSverkView.h"
#include "CReportView.h"
#include "CSelectIFView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ReconciliationAct.h"
#include "RegisterFormControls.h"
#include "ReportShown.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {

using nledmark::CReconciliationRequest;
using nledmark::LimitPage;

int Year()
{
    return QDate::currentDate().year();
}

QString DayText(int day, int month, int year = Year())
{
    return QDate(year, month, day).toString("dd.MM.yyyy");
}

// The rows of the act whose first cell is a date.
std::vector<QStringList> DocumentRows(const CString& html)
{
    std::vector<QStringList> rows;
    for (const QStringList& row : ledgertest::PageRows(html))
        if (row.size() == 12 && QDate::fromString(row[0], "dd.MM.yyyy").isValid())
            rows.push_back(row.mid(0, 6));
    return rows;
}

QStringList Summary(const CString& html, const char* label)
{
    return ledgertest::PageRowPair(html, QString::fromUtf8(label)).first.mid(1, 2);
}

class ReconciliationAct : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        KeepPayablesByDepartment(false);
        Run("delete from ledmark_oper_by_hand where id between 901 and 911");
        const int y = Year(), p = Year() - 1;
        // Supplier 1: last year an advance of 100 (206), 40 of it set off
        // against the payable (302), and 500 owed on 302.01, which the act
        // leaves out. This year a delivery of 130 in two postings of one
        // document, a receivable of 20 set against the payable (205 to 302),
        // 60 of the advance set off and 7 on 206.01. Supplier 2: two payments
        // numbered alike on one day, in two branches. The code "01" is no
        // counterparty of the act: codes are compared as texts.
        struct Line {
            int id, npp;
            QDate d;
            const char *debit, *dsb1, *credit, *ksb1;
            double s;
            int fil;
        } lines[] = {
            {901, 1, QDate(p, 12, 1), "120634560", "1", "120111610", "", 100, 1},
            {902, 1, QDate(p, 12, 5), "130234830", "1", "120634660", "1", 40, 1},
            {903, 1, QDate(p, 12, 6), "140102211", "", "130201730", "1", 500, 1},
            {904, 1, QDate(y, 1, 10), "140102223", "", "130223730", "1", 100, 1},
            {904, 2, QDate(y, 1, 10), "140102223", "", "130223730", "1", 30, 1},
            {905, 1, QDate(y, 1, 20), "120531560", "1", "130223730", "1", 20, 1},
            {906, 1, QDate(y, 1, 25), "130223830", "1", "120623660", "1", 60, 1},
            {907, 1, QDate(y, 1, 15), "120601560", "1", "120111610", "", 7, 1},
            {908, 1, QDate(y, 1, 12), "130223830", "01", "120111610", "", 1000, 1},
            {910, 1, QDate(y, 2, 1), "130223830", "2", "120111610", "", 10, 1},
            {911, 1, QDate(y, 2, 1), "130223830", "2", "120111610", "", 11, 2},
        };
        for (const Line& l : lines) {
            const QString d(l.debit), k(l.credit);
            auto code = [](const char* sb) { return *sb ? QString("'%1'").arg(sb) : QString("null"); };
            Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, "
                           "kred1, kred2, kred3, kred_sb1, kbk_kred, s, fil_id) values (%d, %d, '%s', '%s', '%s', "
                           "'%s', '%s', %s, 1, '%s', '%s', '%s', '%s', %s, 1, %.2f, %d)",
                           l.id, l.npp, qPrintable(l.d.toString("yyyy-MM-dd")), qPrintable(d.left(1)),
                           qPrintable(d.mid(1, 3)), qPrintable(d.mid(4, 2)), qPrintable(d.mid(6, 3)),
                           qPrintable(code(l.dsb1)), qPrintable(k.left(1)), qPrintable(k.mid(1, 3)),
                           qPrintable(k.mid(4, 2)), qPrintable(k.mid(6, 3)), qPrintable(code(l.ksb1)), l.s, l.fil));
            if (l.npp == 1)
                Run(FormatText("insert into ledmark_oper_by_hand (id, d, number, s, prim, fil_id) values "
                               "(%d, '%s', '%s', %.2f, 'Операция %d', %d)",
                               l.id, qPrintable(l.d.toString("yyyy-MM-dd")), l.id >= 910 ? "А-1" : "",
                               l.s, l.id >= 910 ? 910 : l.id, l.fil));
        }
    }

    // The demo chart keeps the payables by counterparty, economic code and
    // contract; a chart of this test may put the department second.
    void KeepPayablesByDepartment(bool byDepartment)
    {
        Run(FormatText("update spr_plan_sch set sb2=%d where col1='302' and col2='00' and col3='000'",
                       byDepartment ? 8 : 3));
    }

    static CReconciliationRequest Request(long counterparty, bool perPosting = false)
    {
        CReconciliationRequest r;
        r.from = COleDateTime(Year(), 1, 1, 0, 0, 0);
        r.to = COleDateTime(Year(), 12, 31, 0, 0, 0);
        r.today = COleDateTime(Year(), 3, 5, 0, 0, 0);
        r.counterparty = counterparty;
        r.perPosting = perPosting;
        return r;
    }
};

TEST_F(ReconciliationAct, BalanceRowsAndTotalsAsCountedByHand)
{
    // Both sides of 205 to 302 name the supplier.
    const QString names = QStringLiteral("ООО &quot;Продторг&quot;ООО &quot;Продторг&quot;");
    struct Case {
        const char* name;
        CReconciliationRequest request;
        std::vector<QStringList> rows;
        QStringList incoming, turnovers, closing;
    } cases[] = {
        {"per document: the delivery's two postings are one row, the set-offs and 206.01 none",
         Request(1),
         {{DayText(10, 1), "Операция 904", "", "0.00", "130.00", ""},
          {DayText(20, 1), "Операция 905", "", "20.00", "20.00", ""}},
         {"100.00", "0.00"}, {"20.00", "150.00"}, {"0.00", "30.00"}},
        {"per posting: a row each, the analytic names of the other side", Request(1, true),
         {{DayText(10, 1), "Операция 904", "", "0.00", "100.00", ""},
          {DayText(10, 1), "Операция 904", "", "0.00", "30.00", ""},
          {DayText(20, 1), "Операция 905", "", "20.00", "20.00", names}},
         {"100.00", "0.00"}, {"20.00", "150.00"}, {"0.00", "30.00"}},
        {"two documents of one number and date in two branches stay two rows", Request(2),
         {{DayText(1, 2), "Операция 910", "А-1", "10.00", "0.00", ""},
          {DayText(1, 2), "Операция 910", "А-1", "11.00", "0.00", ""}},
         {"0.00", "0.00"}, {"21.00", "0.00"}, {"21.00", "0.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LimitPage act = nledmark::BuildReconciliationAct(c.request);
        ASSERT_TRUE(act.complete);
        EXPECT_EQ(DocumentRows(act.html), c.rows);
        EXPECT_EQ(Summary(act.html, "Входящее сальдо"), c.incoming);
        EXPECT_EQ(Summary(act.html, "Итого обороты"), c.turnovers);
        EXPECT_EQ(Summary(act.html, "Итого остаток"), c.closing);
    }
    // The head names both parties with every underline closed, the
    // signatures end the act with today's date.
    const QString text = nledmark::BuildReconciliationAct(Request(1)).html.ToQString();
    EXPECT_TRUE(text.contains(QStringLiteral("Акт сверки взаиморасчетов с 01.01.%1 по 31.12.%1").arg(Year())));
    EXPECT_TRUE(text.contains(QStringLiteral("ООО &quot;Продторг&quot;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</u></i>")));
    EXPECT_EQ(text.count(QStringLiteral("<u>")), text.count(QStringLiteral("</u>")));
    EXPECT_TRUE(text.contains(QStringLiteral("Главный бухгалтер")));
    EXPECT_TRUE(text.contains(QStringLiteral("&nbsp;&nbsp;05&nbsp;&nbsp;")));
    // One branch: the supplier's second payment is not of it.
    CReconciliationRequest one = Request(2);
    one.branches = "1";
    EXPECT_EQ(DocumentRows(nledmark::BuildReconciliationAct(one).html).size(), 1u);
}

TEST_F(ReconciliationAct, ADepartmentNarrowsThePayablesWhereTheyAreKeptByIt)
{
    EXPECT_FALSE(nledmark::ActHasDepartment());
    // A chart whose payables carry the department as their second dimension.
    KeepPayablesByDepartment(true);
    ASSERT_TRUE(nledmark::ActHasDepartment());
    CReconciliationRequest r = Request(1);
    r.department = 1;
    const LimitPage act = nledmark::BuildReconciliationAct(r);
    ASSERT_TRUE(act.complete);
    // The payables of no department drop out of the balance: the advance's 60 remains.
    EXPECT_EQ(Summary(act.html, "Входящее сальдо"), QStringList({"60.00", "0.00"}));
    EXPECT_TRUE(act.html.ToQString().contains(QStringLiteral("Нами: <i><u>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;Администрация")));
}

TEST_F(ReconciliationAct, AFailedBalanceOrQueryLeavesTheActIncomplete)
{
    const struct {
        const char* name;
        const char* script;
        bool dbReport;
    } cases[] = {
        {"a balance that fails", "function GL_GetOst0() error('остаток не посчитан') end", false},
        {"no postings query", "function GL_SqlProvodki() return '' end", false},
        {"a database error among the postings", "function GetFilsSql() return ' and no_such_column=1' end", true},
    };
    ASSERT_TRUE(scripts.Define("saved_GetOst0 = GL_GetOst0 saved_SqlProvodki = GL_SqlProvodki "
                               "saved_GetFilsSql = GetFilsSql"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(scripts.Define(c.script));
        const LimitPage act = nledmark::BuildReconciliationAct(Request(1));
        EXPECT_FALSE(act.complete);
        const QString text = act.html.ToQString();
        EXPECT_TRUE(text.contains(QStringLiteral("Отчет неполный")));
        EXPECT_FALSE(text.contains(QStringLiteral("Итого остаток")));
        EXPECT_FALSE(text.contains(QStringLiteral("Главный бухгалтер")));
        EXPECT_EQ(!dbReports.reports().empty(), c.dbReport);
        dbReports.clear(c.dbReport ? 1 : 0);
        scripts.errors.clear();
        ASSERT_TRUE(scripts.Define("GL_GetOst0 = saved_GetOst0 GL_SqlProvodki = saved_SqlProvodki "
                                   "GetFilsSql = saved_GetFilsSql"));
    }
    EXPECT_TRUE(nledmark::BuildReconciliationAct(Request(1)).complete);
}

class ReconciliationActForm : public ReconciliationAct {
protected:
    nledmark::CPrnAktSverkView* OpenForm()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_akt_sverk", 0, nullptr), 1);
        return Active<nledmark::CPrnAktSverkView>();
    }
};

TEST_F(ReconciliationActForm, BadInputIsToldAndRunsNoQuery)
{
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->GetDlgItem(IDC_AS_PRD)->IsWindowVisible()) << "the demo chart keeps no department";
    const struct {
        UINT field;
        const char* input;
        const char* message;
    } cases[] = {
        {IDC_AS_CONTR, "", "Укажите Контрагента"},
        {IDC_AS_CONTR, "1' or '1'='1", "Неверный код контрагента"},
        {IDC_AS_KBK, "1) or (1=1", "Неверный список КБК"},
        {IDC_FILS, "1); drop table spr_fil; --", "Неверный список филиалов"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        view->SetDlgItemText(IDC_AS_CONTR, "1");
        view->SetDlgItemText(IDC_AS_KBK, "");
        view->SetDlgItemText(IDC_FILS, "");
        view->SetDlgItemText(c.field, c.input);
        const size_t calls = scripts.calls.size();
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(ChildCount(), 1) << "no act shown";
        for (size_t i = calls; i < scripts.calls.size(); ++i)
            EXPECT_EQ(scripts.calls[i].call.find("GL_SqlProvodki"), std::string::npos);
        CWnd* focused = CWnd::GetFocus();
        ASSERT_TRUE(focused);
        EXPECT_EQ(focused->GetDlgCtrlID(), int(c.field));
    }
}

TEST_F(ReconciliationActForm, OkShowsTheActAndKeepsTheBranches)
{
    KeepPayablesByDepartment(true);
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->GetDlgItem(IDC_AS_PRD)->IsWindowVisible()) << "the payables are kept per department";
    view->SetDlgItemText(IDC_AS_PRD, "2");
    CString name;
    view->GetDlgItemText(IDC_AS_PRD_NAME, name);
    EXPECT_EQ(name, CString("Пищеблок"));
    view->SetDlgItemText(IDC_AS_PRD, "");
    view->SetDlgItemText(IDC_AS_CONTR, "1");
    view->GetDlgItemText(IDC_AS_CONTR_NAME, name);
    EXPECT_EQ(name, CString("ООО \"Продторг\""));
    view->SetDlgItemText(IDC_FILS, "1");
    view->m_dateFrom = COleDateTime(Year(), 1, 1, 0, 0, 0);
    view->m_dateTo = COleDateTime(Year(), 12, 31, 0, 0, 0);
    view->UpdateData(FALSE);
    Settle();
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame())
                    .save(QCoreApplication::applicationDirPath() + "/reconciliation_act_form.png"));
    afxtest::click(view, IDOK);
    ASSERT_EQ(ChildCount(), 2) << "the report window beside the form";
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("reconciliation_act.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Акт сверки взаиморасчетов")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Итого остаток")));
    EXPECT_TRUE(report.saved);
    EXPECT_GE(report.pages, 1);
    EXPECT_EQ(AfxGetApp()->GetProfileString(nledmark::CSelectIFView::BranchSection(), "select_fil_prn0", ""),
              CString("1"));
    ledgertest::ShownReportText(*this);
}

} // namespace
