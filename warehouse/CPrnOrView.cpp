#include "CPrnOrView.h"

#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

namespace {

const char* const kReceipts =
    "from stovan_prx1 left join stovan_prx0 on stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and "
    "stovan_prx0.nv=stovan_prx1.nv and stovan_prx0.npp=stovan_prx1.npp";
const char* const kIssues =
    "from stovan_rsx1 left join stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
    "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb";

CString On(const CString& clause, const char* item, const char* table)
{
    return QualifiedClause(clause, item, CString(table) + "." + item);
}

} // namespace

IMPLEMENT_DYNCREATE(CPrnOrView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOrView, CderivedFormview)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PERIOD_FROM, OnPeriodChanged)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_PERIOD_TO, OnPeriodChanged)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_EMPLOYEES, OnSelectAllEmployees)
    ON_BN_CLICKED(IDC_NONE_EMPLOYEES, OnClearEmployees)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnOrView, CderivedFormview)
    ON_EVENT(CPrnOrView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnOrView, IDC_LIST_STATEMENTS, 17, FillEmployeeList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnOrView::CPrnOrView()
    : CderivedFormview(IDD_PRN_OR),
      m_from(qwDMG(GetOtpD1(g_lYear, g_lMonth), 1)),
      m_to(qwDMG(GetOtpD2(g_lYear, g_lMonth), 1))
{
}

CPrnOrView::~CPrnOrView() = default;

void CPrnOrView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_Control(pDX, IDC_LIST_EMPLOYEES, m_employees);
    DDX_DateTimeCtrl(pDX, IDC_PERIOD_FROM, m_from);
    DDX_DateTimeCtrl(pDX, IDC_PERIOD_TO, m_to);
}

void CPrnOrView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Отчет по работнику");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

bool CPrnOrView::Period(CString& from, CString& to)
{
    UpdateData(TRUE);
    return ReportPeriod(m_from, m_to, from, to);
}

CString CPrnOrView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnOrView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

CString CPrnOrView::EmployeeClause() const
{
    return ListClause(m_employees, "TN=%s");
}

void CPrnOrView::FillDepartmentList()
{
    CWaitCursor wait;
    for (CCellwork* list : {&m_departments, &m_statements, &m_employees})
        ClearList(*list);
    CString from, to;
    if (!Period(from, to))
        return;
    FillList(m_departments,
             FormatText("select distinct prd,spr_stovan_prd.name from ( select distinct prd from stovan_prx0 where "
                        "d<=%s and org is null union select distinct prd from stovan_rsx0 where d<=%s and org is null "
                        "union select distinct prd from stovan_spis_mol_mat where dpv<=%s ) q left join spr_stovan_prd "
                        "on spr_stovan_prd.id=prd order by prd",
                        to, to, to),
             "prd", "name");
}

void CPrnOrView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_employees})
        ClearList(*list);
    CString from, to;
    const CString prd = DepartmentClause();
    if (!Period(from, to) || prd.IsEmpty())
        return;
    FillList(m_statements,
             FormatText("select distinct nv,nv.name from ( select distinct nv from stovan_prx0 where d<=%s %s and org "
                        "is null union select distinct nv from stovan_rsx0 where d<=%s %s and org is null union select "
                        "distinct nv from stovan_spis_mol_mat where dpv<=%s %s ) q left join nv on nv.id=nv order by nv",
                        to, prd, to, prd, to, prd),
             "nv", "name");
}

void CPrnOrView::FillEmployeeList()
{
    CWaitCursor wait;
    ClearList(m_employees);
    CString from, to;
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (!Period(from, to) || prd.IsEmpty() || nv.IsEmpty())
        return;
    FillList(m_employees,
             FormatText("select distinct q.tn,%s as fio from ( select tn from stovan_prx0 where stovan_prx0.d<=%s %s "
                        "%s and tn is not null union select stovan_rsx0.tn from stovan_rsx0 where stovan_rsx0.d<=%s "
                        "%s %s and tn is not null union select tns from stovan_spis_mol_mat where dpv<=%s %s %s ) q "
                        "left join tn on tn.tn=q.tn order by q.tn",
                        GL_SqlFio(), to, On(prd, "prd=", "stovan_prx0"), On(nv, "nv=", "stovan_prx0"), to,
                        On(prd, "prd=", "stovan_rsx0"), On(nv, "nv=", "stovan_rsx0"), to, prd, nv),
             "tn", "fio");
}

void CPrnOrView::OnPrintReport()
{
    CWaitCursor wait;
    CString from, to;
    Period(from, to);
    const CString prd = DepartmentClause(), nv = StatementClause(), tn = EmployeeClause();
    if (!EveryListChosen({{prd, "Выберите подразделение"}, {nv, "Выберите № ведомости"}, {tn, "Выберите работника"}}))
        return;
    const CString tns = QualifiedClause(tn, "TN=", "tns=");
    const CString prdIn = On(prd, "prd=", "stovan_prx0"), nvIn = On(nv, "nv=", "stovan_prx0");
    const CString prdOut = On(prd, "prd=", "stovan_rsx0"), nvOut = On(nv, "nv=", "stovan_rsx0");
    StockReportPage page(
        FormatText("<table width=740 cellpadding=0 cellspacing=0><tr><td><b>Отчет о движении ценностей по "
                   "работнику</b><br><b>Подразделение:</b> %s<br><b>Ведомость:</b> %s<br><b>Работник:</b> "
                   "%s<br><b>с</b> %s <b>по</b> %s</td></tr><tr><td>",
                   HtmlText(JoinCheckedNames(m_departments)), HtmlText(JoinCheckedNames(m_statements)),
                   HtmlText(JoinCheckedNames(m_employees)), DMGtoStr(m_from), DMGtoStr(m_to)),
        MaterialHead("<td width=70 align=center><b>Остаток<br>на нач<br>мес.</b></td><td width=70 align=center>"
                     "<b>Приход</b></td><td width=70 align=center><b>Расход</b></td><td width=70 align=center>"
                     "<b>Остаток<br>на<br>конец<br>мес.</b></td>"));
    // Seen from the employee: issues to him raise his holding, his returns and
    // the write-offs from him lower it. The six parts are added with
    // "union all", so an equal write-off and return both count.
    const CString sql = FormatText(
        "select q.id,spr_stovan_mat.name,spr_ei.name as iei,sum(ost1) as ost1,sum(prx) as prx,sum(rsx) as rsx from ( "
        "select id,-sum(kol) as ost1,0 as prx,0 as rsx from stovan_spis_mol_mat where dpv<%s %s %s %s group by id "
        "union all select id,0 as ost1,0 as prx,sum(kol) as rsx from stovan_spis_mol_mat where dpv>=%s and dpv<=%s "
        "%s %s %s group by id "
        "union all select stovan_prx1.id,-sum(kol) as ost1,0 as prx,0 as rsx %s where stovan_prx0.d<%s %s %s %s "
        "group by stovan_prx1.id "
        "union all select stovan_rsx1.id,sum(kol) as ost1,0 as prx,0 as rsx %s where stovan_rsx0.d<%s %s %s %s "
        "group by stovan_rsx1.id "
        "union all select stovan_prx1.id,0 as ost1,0 as prx,sum(kol) as rsx %s where stovan_prx0.d>=%s and "
        "stovan_prx0.d<=%s %s %s %s group by stovan_prx1.id "
        "union all select stovan_rsx1.id,0 as ost1,sum(kol) as prx,0 as rsx %s where stovan_rsx0.d>=%s and "
        "stovan_rsx0.d<=%s %s %s %s group by stovan_rsx1.id ) q left join spr_stovan_mat on spr_stovan_mat.id=q.id "
        "left join spr_ei on spr_ei.id=ei group by q.id,spr_stovan_mat.name,spr_ei.name order by q.id",
        from, prd, nv, tns, from, to, prd, nv, tns, kReceipts, from, prdIn, nvIn, tn, kIssues, from, prdOut, nvOut,
        tn, kReceipts, from, to, prdIn, nvIn, tn, kIssues, from, to, prdOut, nvOut, tn);
    page.AddRows(sql, [](_RecordsetPtr& row) -> CString {
        const double opening = atof(SafeArayToString(row->GetCollect("ost1")));
        const double in = atof(SafeArayToString(row->GetCollect("prx")));
        const double out = atof(SafeArayToString(row->GetCollect("rsx")));
        const double closing = opening - out + in;
        if (opening == 0 && in == 0 && out == 0 && closing == 0)
            return CString();
        return MaterialCells(row) + FormatText("<td align=right>%s&nbsp;</td><td align=right>%s&nbsp;</td><td "
                                               "align=right>%s&nbsp;</td><td align=right nowrap>%s&nbsp;</td>",
                                               FormatNumber1(opening, "-", 5), ftoa(in), ftoa(out),
                                               FormatNumber1(closing, "-", 5));
    });
    m_page = page.Html();
    CheckAll(m_employees, false);
    ShowStockReport(m_page, "Отчет по работнику", 0, 9);
}

void CPrnOrView::OnPeriodChanged(NMHDR*, LRESULT* pResult)
{
    FillDepartmentList();
    *pResult = 0;
}

void CPrnOrView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnOrView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnOrView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillEmployeeList();
}

void CPrnOrView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillEmployeeList();
}

void CPrnOrView::OnSelectAllEmployees()
{
    CheckAll(m_employees, true);
}

void CPrnOrView::OnClearEmployees()
{
    CheckAll(m_employees, false);
}

} // namespace nstovan
