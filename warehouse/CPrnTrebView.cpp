#include "CPrnTrebView.h"

#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

IMPLEMENT_DYNCREATE(CPrnTrebView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnTrebView, CderivedFormview)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_EMPLOYEES, OnSelectAllEmployees)
    ON_BN_CLICKED(IDC_NONE_EMPLOYEES, OnClearEmployees)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnTrebView, CderivedFormview)
    ON_EVENT(CPrnTrebView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnTrebView, IDC_LIST_STATEMENTS, 17, FillEmployeeList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnTrebView::CPrnTrebView() : CderivedFormview(IDD_PRN_TREB) {}

CPrnTrebView::~CPrnTrebView() = default;

void CPrnTrebView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_Control(pDX, IDC_LIST_EMPLOYEES, m_employees);
}

void CPrnTrebView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Требования");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

CString CPrnTrebView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnTrebView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

CString CPrnTrebView::EmployeeClause() const
{
    return ListClause(m_employees, "TN=%s");
}

void CPrnTrebView::FillDepartmentList()
{
    for (CCellwork* list : {&m_departments, &m_statements, &m_employees})
        ClearList(*list);
    FillList(m_departments,
             FormatText("select distinct prd,spr_stovan_prd.name from stovan_rsx0 left join spr_stovan_prd on "
                        "spr_stovan_prd.id=prd where d>=%s and d<=%s and tn is not null order by prd",
                        WorkingMonthFrom(), WorkingMonthTo()),
             "prd", "name");
}

void CPrnTrebView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_employees})
        ClearList(*list);
    const CString prd = DepartmentClause();
    if (prd.IsEmpty())
        return;
    FillList(m_statements,
             FormatText("select distinct nv,nv.name from stovan_rsx0 left join nv on nv.id=nv where d>=%s and d<=%s "
                        "%s and tn is not null order by nv",
                        WorkingMonthFrom(), WorkingMonthTo(), prd),
             "nv", "name");
}

void CPrnTrebView::FillEmployeeList()
{
    CWaitCursor wait;
    ClearList(m_employees);
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (prd.IsEmpty() || nv.IsEmpty())
        return;
    FillList(m_employees,
             FormatText("select distinct stovan_rsx0.tn,%s as fio from stovan_rsx1 left join stovan_rsx0 on "
                        "stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
                        "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb left join tn on "
                        "tn.tn=stovan_rsx0.tn where stovan_rsx0.d>=%s and stovan_rsx0.d<=%s %s %s and "
                        "stovan_rsx0.tn is not null order by stovan_rsx0.tn",
                        GL_SqlFio(), WorkingMonthFrom(), WorkingMonthTo(),
                        QualifiedClause(prd, "prd=", "stovan_rsx0.prd="), QualifiedClause(nv, "nv=", "stovan_rsx0.nv=")),
             "tn", "fio");
}

void CPrnTrebView::OnPrintReport()
{
    CWaitCursor wait;
    const CString prd = DepartmentClause(), nv = StatementClause(), tn = EmployeeClause();
    if (!EveryListChosen({{prd, "Выберите подразделение"}, {nv, "Выберите № ведомости"}, {tn, "Выберите работника"}}))
        return;
    StockReportPage page(
        FormatText("<table width=740 cellpadding=0 cellspacing=0><tr><td valign=top><table width=100%% cellpadding=0 "
                   "cellspacing=0 border=0><tr height=10><td colspan=6><i>%s</i></td></tr><tr><td colspan=3 "
                   "nowrap><b>Требование №:</b>&nbsp;<font size=3>%s</font></td><td align=right colspan=3><b>Дата:</b> "
                   "%s</td></tr><tr><td colspan=6><b>Подразделение:</b> %s</td></tr><tr><td colspan=6><b>Ведомость:</b> "
                   "%s</td></tr><tr><td colspan=6><b>Кому:</b></td></tr><tr><td colspan=6><b>От кого:</b> "
                   "%s</td></tr></table>",
                   HtmlText(GetConstant("ORG_NAME")), "", "", HtmlText(JoinCheckedNames(m_departments)),
                   HtmlText(JoinCheckedNames(m_statements)), HtmlText(JoinCheckedNames(m_employees))),
        "<table width=100% cellpadding=0 cellspacing=0 border=1><tr bgcolor=#CCCCFF><td align=center><b>Дата</b></td>"
        "<td align=center><b>н/п</b></td><td align=center><b>Код</b></td><td align=center><b>Наименование</b></td>"
        "<td align=center><b>Ед.изм.</b></td><td align=center><b>Кол-во</b></td><td align=center><b>Цена</b></td>"
        "<td align=center><b>Сумма</b></td></tr>");
    // Every issued line is printed: two equal lines of two requisitions are two lines to sign for.
    const CString sql = FormatText(
        "select stovan_rsx0.d,stovan_rsx1.id,kol,spr_ei.name as iei,spr_stovan_mat.name from stovan_rsx1 left join "
        "stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
        "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb left join spr_stovan_mat on "
        "spr_stovan_mat.id=stovan_rsx1.id left join spr_ei on spr_ei.id=ei where stovan_rsx0.d>=%s and "
        "stovan_rsx0.d<=%s %s %s %s order by stovan_rsx0.d,stovan_rsx1.id,stovan_rsx1.line_id",
        WorkingMonthFrom(), WorkingMonthTo(), QualifiedClause(prd, "prd=", "stovan_rsx0.prd="),
        QualifiedClause(nv, "nv=", "stovan_rsx0.nv="), tn);
    int counter = 0;
    page.AddRows(sql, [&counter](_RecordsetPtr& row) {
        return FormatText("<td align=right>%s&nbsp;</td><td align=right>%d&nbsp;</td><td align=right>%s&nbsp;</td>"
                          "<td>&nbsp;%s</td><td align=right>%s&nbsp;</td><td align=right>%s&nbsp;</td><td "
                          "align=right>&nbsp;</td><td align=right>&nbsp;</td>",
                          SafeArayToString(row->GetCollect("d")), ++counter, SafeArayToString(row->GetCollect("id")),
                          HtmlText(SafeArayToString(row->GetCollect("name"))),
                          HtmlText(SafeArayToString(row->GetCollect("iei"))),
                          Number(SafeArayToString(row->GetCollect("kol")), 0));
    });
    CheckAll(m_employees, false);
    m_page = page.Html();
    ShowStockReport(m_page, "Требования", 0, 11);
}

void CPrnTrebView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnTrebView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnTrebView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillEmployeeList();
}

void CPrnTrebView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillEmployeeList();
}

void CPrnTrebView::OnSelectAllEmployees()
{
    CheckAll(m_employees, true);
}

void CPrnTrebView::OnClearEmployees()
{
    CheckAll(m_employees, false);
}

} // namespace nstovan
