#include "CPrnKsvView.h"

#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

IMPLEMENT_DYNCREATE(CPrnKsvView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnKsvView, CderivedFormview)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_GROUPS, OnSelectAllGroups)
    ON_BN_CLICKED(IDC_NONE_GROUPS, OnClearGroups)
    ON_BN_CLICKED(IDC_ALL_EMPLOYEES, OnSelectAllEmployees)
    ON_BN_CLICKED(IDC_NONE_EMPLOYEES, OnClearEmployees)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnKsvView, CderivedFormview)
    ON_EVENT(CPrnKsvView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnKsvView, IDC_LIST_STATEMENTS, 17, FillGroupList, VTS_NONE)
    ON_EVENT(CPrnKsvView, IDC_LIST_GROUPS, 17, FillEmployeeList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnKsvView::CPrnKsvView() : CderivedFormview(IDD_PRN_KSV) {}

CPrnKsvView::~CPrnKsvView() = default;

void CPrnKsvView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_EMPLOYEES, m_employees);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_GROUPS, m_groups);
}

void CPrnKsvView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Кто сколько взял");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

CString CPrnKsvView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnKsvView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

CString CPrnKsvView::GroupClause() const
{
    return ListClause(m_groups, "gr=%s");
}

CString CPrnKsvView::EmployeeClause() const
{
    return ListClause(m_employees, "TN=%s");
}

void CPrnKsvView::FillDepartmentList()
{
    for (CCellwork* list : {&m_departments, &m_statements, &m_groups, &m_employees})
        ClearList(*list);
    FillList(m_departments, DepartmentListSql(), "prd", "name");
}

void CPrnKsvView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_groups, &m_employees})
        ClearList(*list);
    const CString sql = StatementListSql();
    if (!sql.IsEmpty())
        FillList(m_statements, sql, "nv", "name");
}

void CPrnKsvView::FillGroupList()
{
    for (CCellwork* list : {&m_groups, &m_employees})
        ClearList(*list);
    const CString sql = GroupListSql();
    if (!sql.IsEmpty())
        FillList(m_groups, sql, "gr", "name");
}

void CPrnKsvView::FillEmployeeList()
{
    CWaitCursor wait;
    ClearList(m_employees);
    const CString sql = EmployeeListSql();
    if (!sql.IsEmpty())
        FillList(m_employees, sql, "tn", "fio");
}

CString CPrnKsvView::DepartmentListSql() const
{
    const CString d1 = WorkingMonthFrom(), d2 = WorkingMonthTo();
    return FormatText("select distinct prd,spr_stovan_prd.name from ( select distinct prd from stovan_prx0 where "
                      "d>=%s and d<=%s union select distinct prd from stovan_rsx0 where d>=%s and d<=%s ) q left join "
                      "spr_stovan_prd on spr_stovan_prd.id=prd order by prd",
                      d1, d2, d1, d2);
}

CString CPrnKsvView::StatementListSql() const
{
    const CString prd = DepartmentClause();
    if (prd.IsEmpty())
        return prd;
    const CString d1 = WorkingMonthFrom(), d2 = WorkingMonthTo();
    return FormatText("select distinct nv,nv.name from ( select distinct nv from stovan_prx0 where d>=%s and d<=%s %s "
                      "union select distinct nv from stovan_rsx0 where d>=%s and d<=%s %s) q left join nv on nv.id=nv "
                      "order by nv",
                      d1, d2, prd, d1, d2, prd);
}

CString CPrnKsvView::GroupListSql() const
{
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (prd.IsEmpty() || nv.IsEmpty())
        return CString();
    const CString d1 = WorkingMonthFrom(), d2 = WorkingMonthTo();
    return FormatText("select distinct spr_stovan_mat.gr,grup.name from ( select distinct id from stovan_prx1 where "
                      "d>=%s and d<=%s %s %s union select distinct id from stovan_rsx1 where d>=%s and d<=%s %s %s) q "
                      "left join spr_stovan_mat on spr_stovan_mat.id=q.id left join grup on grup.id=spr_stovan_mat.gr "
                      "order by spr_stovan_mat.gr",
                      d1, d2, prd, nv, d1, d2, prd, nv);
}

CString CPrnKsvView::EmployeeListSql() const
{
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause();
    if (prd.IsEmpty() || nv.IsEmpty() || gr.IsEmpty())
        return CString();
    const CString d1 = WorkingMonthFrom(), d2 = WorkingMonthTo();
    return FormatText(
        "select distinct q.tn,%s as fio from ( select tn from stovan_prx1 left join stovan_prx0 on "
        "stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and stovan_prx0.nv=stovan_prx1.nv and "
        "stovan_prx0.npp=stovan_prx1.npp left join spr_stovan_mat on spr_stovan_mat.id=stovan_prx1.id left join grup "
        "on grup.id=spr_stovan_mat.gr where stovan_prx0.d>=%s and stovan_prx0.d<=%s %s %s %s and org is null union "
        "select stovan_rsx0.tn from stovan_rsx1 left join stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and "
        "stovan_rsx0.prd=stovan_rsx1.prd and stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb "
        "left join spr_stovan_mat on spr_stovan_mat.id=stovan_rsx1.id left join grup on grup.id=spr_stovan_mat.gr "
        "where stovan_rsx0.d>=%s and stovan_rsx0.d<=%s %s %s %s and org is null) q left join tn on tn.tn=q.tn order "
        "by q.tn",
        GL_SqlFio(), d1, d2, QualifiedClause(prd, "prd=", "stovan_prx0.prd="),
        QualifiedClause(nv, "nv=", "stovan_prx0.nv="), gr, d1, d2, QualifiedClause(prd, "prd=", "stovan_rsx0.prd="),
        QualifiedClause(nv, "nv=", "stovan_rsx0.nv="), gr);
}

CString CPrnKsvView::ReportSql() const
{
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause(), tn = EmployeeClause();
    const CString d1 = WorkingMonthFrom(), d2 = WorkingMonthTo();
    // Each half sums one side per material; "union all" keeps both halves of
    // a material, which the outer select adds, in code order.
    return FormatText(
        "select q.id,spr_stovan_mat.name,spr_ei.name as iei,sum(prx) as prx,sum(rsx) as rsx from ( select "
        "stovan_prx1.id,sum(kol) as prx,0 as rsx from stovan_prx1 left join stovan_prx0 on "
        "stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and stovan_prx0.nv=stovan_prx1.nv and "
        "stovan_prx0.npp=stovan_prx1.npp left join spr_stovan_mat on spr_stovan_mat.id=stovan_prx1.id left join grup "
        "on grup.id=spr_stovan_mat.gr where stovan_prx0.d>=%s and stovan_prx0.d<=%s %s %s %s %s group by "
        "stovan_prx1.id union all select stovan_rsx1.id,0 as prx,sum(kol) as rsx from stovan_rsx1 left join "
        "stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
        "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb left join spr_stovan_mat on "
        "spr_stovan_mat.id=stovan_rsx1.id left join grup on grup.id=spr_stovan_mat.gr where stovan_rsx0.d>=%s and "
        "stovan_rsx0.d<=%s %s %s %s %s group by stovan_rsx1.id) q left join spr_stovan_mat on "
        "spr_stovan_mat.id=q.id left join spr_ei on spr_ei.id=ei group by q.id,spr_stovan_mat.name,spr_ei.name "
        "order by q.id",
        d1, d2, QualifiedClause(prd, "prd=", "stovan_prx0.prd="), QualifiedClause(nv, "nv=", "stovan_prx0.nv="), gr,
        tn, d1, d2, QualifiedClause(prd, "prd=", "stovan_rsx0.prd="), QualifiedClause(nv, "nv=", "stovan_rsx0.nv="),
        gr, tn);
}

CString CPrnKsvView::BuildReport() const
{
    StockReportPage page(
        FormatText("<table width=740 cellpadding=0 cellspacing=0><tr><td><b>Выдано и возвращено с</b> %s <b>по</b> "
                   "%s<br><b>Подразделение:</b> %s<br><b>Ведомость:</b> %s<br><b>тип:</b> %s<br><b>Работник:</b> "
                   "%s</td></tr><tr><td>",
                   GetOtpD1(g_lYear, g_lMonth), GetOtpD2(g_lYear, g_lMonth), HtmlText(JoinCheckedNames(m_departments)),
                   HtmlText(JoinCheckedNames(m_statements)), HtmlText(JoinCheckedNames(m_groups)),
                   HtmlText(JoinCheckedNames(m_employees))),
        MaterialHead("<td width=70 align=center><b>Выдано</b></td><td width=70 align=center><b>Возвр-но</b></td>"));
    page.AddRows(ReportSql(), [](_RecordsetPtr& row) {
        return MaterialCells(row) + FormatText("<td align=right>%s&nbsp;</td><td align=right>%s&nbsp;</td>",
                                               ftoa(atof(SafeArayToString(row->GetCollect("rsx")))),
                                               ftoa(atof(SafeArayToString(row->GetCollect("prx")))));
    });
    return page.Html();
}

void CPrnKsvView::OnPrintReport()
{
    CWaitCursor wait;
    if (!EveryListChosen({{DepartmentClause(), "Выберите подразделение"},
                          {StatementClause(), "Выберите № ведомости"},
                          {GroupClause(), "Выберите группы"},
                          {EmployeeClause(), "Выберите работника"}}))
        return;
    m_page = BuildReport();
    CheckAll(m_employees, false);
    ShowStockReport(m_page, "Кто сколько взял", 0, 11);
}

void CPrnKsvView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnKsvView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnKsvView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillGroupList();
}

void CPrnKsvView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillGroupList();
}

void CPrnKsvView::OnSelectAllGroups()
{
    CheckAll(m_groups, true);
    FillEmployeeList();
}

void CPrnKsvView::OnClearGroups()
{
    CheckAll(m_groups, false);
    FillEmployeeList();
}

void CPrnKsvView::OnSelectAllEmployees()
{
    CheckAll(m_employees, true);
}

void CPrnKsvView::OnClearEmployees()
{
    CheckAll(m_employees, false);
}

} // namespace nstovan
