#include "CPrnOrgView.h"

#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

namespace {

// The receipts' headers joined to their lines, materials and groups.
const char* const kLinesOfReceipts =
    "from stovan_prx1 left join stovan_prx0 on stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and "
    "stovan_prx0.nv=stovan_prx1.nv and stovan_prx0.npp=stovan_prx1.npp left join spr_stovan_mat on "
    "spr_stovan_mat.id=stovan_prx1.id left join grup on grup.id=spr_stovan_mat.gr";

CString OnReceipts(const CString& clause, const char* item)
{
    return QualifiedClause(clause, item, CString("stovan_prx0.") + item);
}

} // namespace

IMPLEMENT_DYNCREATE(CPrnOrgView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOrgView, CderivedFormview)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PERIOD_FROM, OnPeriodChanged)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PERIOD_TO, OnPeriodChanged)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_GROUPS, OnSelectAllGroups)
    ON_BN_CLICKED(IDC_NONE_GROUPS, OnClearGroups)
    ON_BN_CLICKED(IDC_ALL_ORGS, OnSelectAllOrganisations)
    ON_BN_CLICKED(IDC_NONE_ORGS, OnClearOrganisations)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnOrgView, CderivedFormview)
    ON_EVENT(CPrnOrgView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnOrgView, IDC_LIST_STATEMENTS, 17, FillGroupList, VTS_NONE)
    ON_EVENT(CPrnOrgView, IDC_LIST_GROUPS, 17, FillOrganisationList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnOrgView::CPrnOrgView()
    : CderivedFormview(IDD_PRN_ORG),
      m_from(qwDMG(GetOtpD1(g_lYear, g_lMonth), 1)),
      m_to(qwDMG(GetOtpD2(g_lYear, g_lMonth), 1))
{
}

CPrnOrgView::~CPrnOrgView() = default;

void CPrnOrgView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_GROUPS, m_groups);
    DDX_Control(pDX, IDC_LIST_ORGS, m_organisations);
    DDX_DateTimeCtrl(pDX, IDC_PERIOD_FROM, m_from);
    DDX_DateTimeCtrl(pDX, IDC_PERIOD_TO, m_to);
}

void CPrnOrgView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Отчет по организациям");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

bool CPrnOrgView::Period(CString& from, CString& to)
{
    UpdateData(TRUE);
    return ReportPeriod(m_from, m_to, from, to);
}

CString CPrnOrgView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnOrgView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

CString CPrnOrgView::GroupClause() const
{
    return ListClause(m_groups, "gr=%s");
}

CString CPrnOrgView::OrganisationClause() const
{
    return ListClause(m_organisations, "org=%s");
}

void CPrnOrgView::FillDepartmentList()
{
    CWaitCursor wait;
    for (CCellwork* list : {&m_departments, &m_statements, &m_groups, &m_organisations})
        ClearList(*list);
    CString from, to;
    if (!Period(from, to))
        return;
    FillList(m_departments,
             FormatText("select distinct prd,spr_stovan_prd.name from stovan_prx0 left join spr_stovan_prd on "
                        "spr_stovan_prd.id=prd where d>=%s and d<=%s and org is not null order by prd",
                        from, to),
             "prd", "name");
}

void CPrnOrgView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_groups, &m_organisations})
        ClearList(*list);
    CString from, to;
    const CString prd = DepartmentClause();
    if (!Period(from, to) || prd.IsEmpty())
        return;
    FillList(m_statements,
             FormatText("select distinct nv,nv.name from stovan_prx0 left join nv on nv.id=nv where d>=%s and d<=%s "
                        "%s and org is not null order by nv",
                        from, to, prd),
             "nv", "name");
}

void CPrnOrgView::FillGroupList()
{
    for (CCellwork* list : {&m_groups, &m_organisations})
        ClearList(*list);
    CString from, to;
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (!Period(from, to) || prd.IsEmpty() || nv.IsEmpty())
        return;
    FillList(m_groups,
             FormatText("select distinct spr_stovan_mat.gr,grup.name %s where stovan_prx0.d>=%s and "
                        "stovan_prx0.d<=%s %s %s and org is not null order by spr_stovan_mat.gr",
                        kLinesOfReceipts, from, to, OnReceipts(prd, "prd="), OnReceipts(nv, "nv=")),
             "gr", "name");
}

void CPrnOrgView::FillOrganisationList()
{
    ClearList(m_organisations);
    CString from, to;
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause();
    if (!Period(from, to) || prd.IsEmpty() || nv.IsEmpty() || gr.IsEmpty())
        return;
    FillList(m_organisations,
             FormatText("select distinct org,spr_org.name %s left join spr_org on spr_org.id=org where "
                        "stovan_prx0.d>=%s and stovan_prx0.d<=%s %s %s %s and org is not null order by org",
                        kLinesOfReceipts, from, to, OnReceipts(prd, "prd="), OnReceipts(nv, "nv="), gr),
             "org", "name");
}

void CPrnOrgView::OnPrintReport()
{
    CWaitCursor wait;
    CString from, to;
    Period(from, to);
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause(), org = OrganisationClause();
    if (!EveryListChosen({{prd, "Выберите подразделение"},
                          {nv, "Выберите № ведомости"},
                          {gr, "Выберите группы"},
                          {org, "Выберите организации"}}))
        return;
    StockReportPage page(
        FormatText("<table width=740 cellpadding=0 cellspacing=0><tr><td><b>Отчет по приходу материалов с</b> %s "
                   "<b>по</b> %s<br><b>Подразделение:</b> %s<br><b>Ведомость:</b> %s<br><b>тип:</b> "
                   "%s<br><b>Организация:</b> %s</td></tr><tr><td>",
                   DMGtoStr(m_from), DMGtoStr(m_to), HtmlText(JoinCheckedNames(m_departments)),
                   HtmlText(JoinCheckedNames(m_statements)), HtmlText(JoinCheckedNames(m_groups)),
                   HtmlText(JoinCheckedNames(m_organisations))),
        MaterialHead("<td width=70 align=center><b>Кол-во</b></td>"));
    page.AddRows(FormatText("select stovan_prx1.id,spr_stovan_mat.name,spr_ei.name as iei,sum(kol) as kol %s left "
                            "join spr_org on spr_org.id=org left join spr_ei on spr_ei.id=ei where stovan_prx0.d>=%s "
                            "and stovan_prx0.d<=%s %s %s %s %s group by stovan_prx1.id,spr_stovan_mat.name,"
                            "spr_ei.name order by stovan_prx1.id",
                            kLinesOfReceipts, from, to, OnReceipts(prd, "prd="), OnReceipts(nv, "nv="), gr, org),
                 [](_RecordsetPtr& row) {
                     return MaterialCells(row) + FormatText("<td align=right>%s&nbsp;</td>",
                                                            Number(SafeArayToString(row->GetCollect("kol")), 0));
                 });
    m_page = page.Html();
    OnCancel();
    ShowStockReport(m_page, "Отчет по организациям", 0, 8);
}

void CPrnOrgView::OnPeriodChanged(NMHDR*, LRESULT* pResult)
{
    FillDepartmentList();
    *pResult = 0;
}

void CPrnOrgView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnOrgView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnOrgView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillGroupList();
}

void CPrnOrgView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillGroupList();
}

void CPrnOrgView::OnSelectAllGroups()
{
    CheckAll(m_groups, true);
    FillOrganisationList();
}

void CPrnOrgView::OnClearGroups()
{
    CheckAll(m_groups, false);
    FillOrganisationList();
}

void CPrnOrgView::OnSelectAllOrganisations()
{
    CheckAll(m_organisations, true);
}

void CPrnOrgView::OnClearOrganisations()
{
    CheckAll(m_organisations, false);
}

} // namespace nstovan
