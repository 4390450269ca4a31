#include "CPrnPrixRasxView.h"

#include "CPrixodRecord.h"
#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nstovan {

namespace {

// The sum of the quantities, 0 when there is none, in the server's words.
CString SumOfKol()
{
    return SqlIfNull("sum(kol)", "0");
}

CString PeriodEnd()
{
    return ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0);
}

const char* const kReceipts =
    "from stovan_prx1 left join stovan_prx0 on stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and "
    "stovan_prx0.nv=stovan_prx1.nv and stovan_prx0.npp=stovan_prx1.npp";
const char* const kIssues =
    "from stovan_rsx1 left join stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
    "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb";

} // namespace

IMPLEMENT_DYNCREATE(CPrnPrixRasxView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnPrixRasxView, CderivedFormview)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_MATERIALS, OnSelectAllMaterials)
    ON_BN_CLICKED(IDC_NONE_MATERIALS, OnClearMaterials)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnPrixRasxView, CderivedFormview)
    ON_EVENT(CPrnPrixRasxView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnPrixRasxView, IDC_LIST_STATEMENTS, 17, FillMaterialBalanceList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnPrixRasxView::CPrnPrixRasxView()
    : CderivedFormview(IDD_PRN_PRIX_RASX),
      m_from(qwDMG(GetOtpD1(g_lYear, g_lMonth), 1)),
      m_to(qwDMG(GetOtpD2(g_lYear, g_lMonth), 1))
{
}

CPrnPrixRasxView::~CPrnPrixRasxView() = default;

void CPrnPrixRasxView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_MATERIALS, m_materials);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_DateTimeCtrl(pDX, IDC_BALANCE_FROM, m_from);
    DDX_DateTimeCtrl(pDX, IDC_BALANCE_TO, m_to);
}

void CPrnPrixRasxView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Карточка остатков материала");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

CString CPrnPrixRasxView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnPrixRasxView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

void CPrnPrixRasxView::FillDepartmentList()
{
    for (CCellwork* list : {&m_departments, &m_statements, &m_materials})
        ClearList(*list);
    FillList(m_departments,
             FormatText("select distinct prd,spr_stovan_prd.name from stovan_prx0 left join spr_stovan_prd on "
                        "spr_stovan_prd.id=prd where d<=%s order by prd",
                        PeriodEnd()),
             "prd", "name");
}

void CPrnPrixRasxView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_materials})
        ClearList(*list);
    const CString prd = DepartmentClause();
    if (prd.IsEmpty())
        return;
    FillList(m_statements,
             FormatText("select distinct nv,nv.name from stovan_prx0 left join nv on nv.id=nv where d<=%s %s order by nv",
                        PeriodEnd(), prd),
             "nv", "name");
}

void CPrnPrixRasxView::FillMaterialBalanceList()
{
    CWaitCursor wait;
    ClearList(m_materials);
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (prd.IsEmpty() || nv.IsEmpty())
        return;
    FillList(m_materials,
             FormatText("select q.id,spr_stovan_mat.name,spr_ei.name as iei,sum(kol) as kol from ( select id,%s as kol "
                        "from stovan_prx1 where 1=1 %s %s group by id union all select stovan_rsx1.id,-%s as kol from "
                        "stovan_rsx1 where 1=1 %s %s group by id ) q left join spr_stovan_mat on spr_stovan_mat.id=q.id "
                        "left join spr_ei on spr_ei.id=ei group by q.id,spr_stovan_mat.name,spr_ei.name order by q.id",
                        SumOfKol(), prd, nv, SumOfKol(), prd, nv),
             {"id", "name", "iei", "kol"});
    m_materials.Invalidate();
}

CString CPrnPrixRasxView::MovementSql(const CString& id, const CString& from, const CString& to) const
{
    const CString prd = DepartmentClause(), nv = StatementClause();
    const CString prdIn = QualifiedClause(prd, "prd=", "stovan_prx0.prd="),
                  nvIn = QualifiedClause(nv, "nv=", "stovan_prx0.nv=");
    const CString prdOut = QualifiedClause(prd, "prd=", "stovan_rsx0.prd="),
                  nvOut = QualifiedClause(nv, "nv=", "stovan_rsx0.nv=");
    // The document number and the organisation, the number left out when there is none.
    const CString document = SqlConcat({SqlIfNull(SqlConcat({"ndoc", "' '"}), "''"), "spr_org.name"});
    const CString a = FormatText("select stovan_prx0.d,%s as fio,kol as prx,0 as rsx,price,stovan_prx0.npp %s left "
                                 "join spr_org on spr_org.id=org where stovan_prx0.d>=%s and stovan_prx0.d<=%s and "
                                 "stovan_prx1.id=%s %s %s and org is not null",
                                 document, kReceipts, from, to, id, prdIn, nvIn);
    const CString b = FormatText("select stovan_prx0.d,%s as fio,kol as prx,0 as rsx,price,stovan_prx0.npp %s left "
                                 "join tn on tn.tn=stovan_prx0.tn where stovan_prx0.d>=%s and stovan_prx0.d<=%s and "
                                 "stovan_prx1.id=%s %s %s and stovan_prx0.tn is not null",
                                 GL_SqlFio(), kReceipts, from, to, id, prdIn, nvIn);
    const CString c = FormatText("select stovan_rsx0.d,spr_org.name as fio,0 as prx,kol as rsx,0 as price,"
                                 "stovan_rsx0.ntreb as npp %s left join spr_org on spr_org.id=org where "
                                 "stovan_rsx0.d>=%s and stovan_rsx0.d<=%s and stovan_rsx1.id=%s %s %s and org is not "
                                 "null",
                                 kIssues, from, to, id, prdOut, nvOut);
    const CString d = FormatText("select stovan_rsx0.d,%s as fio,0 as prx,kol as rsx,0 as price,stovan_rsx0.ntreb as "
                                 "npp %s left join tn on tn.tn=stovan_rsx0.tn where stovan_rsx0.d>=%s and "
                                 "stovan_rsx0.d<=%s and stovan_rsx1.id=%s %s %s and stovan_rsx0.tn is not null",
                                 GL_SqlFio(), kIssues, from, to, id, prdOut, nvOut);
    // "union all": two identical movements are two movements.
    return "select d,fio,prx,rsx,price,npp from ( " + a + " union all " + b + " union all " + c + " union all " + d +
           " ) q order by d,npp";
}

CString CPrnPrixRasxView::OpeningSql(const CString& id, const CString& from) const
{
    const CString prd = DepartmentClause(), nv = StatementClause();
    return FormatText("select sum(kol) as str from ( select %s as kol from stovan_prx1 where d<%s and id=%s %s %s union "
                      "all select -%s as kol from stovan_rsx1 where d<%s and id=%s %s %s ) q",
                      SumOfKol(), from, id, prd, nv, SumOfKol(), from, id, prd, nv);
}

CString CPrnPrixRasxView::BuildCard(long row, const CString& id, const CString& from, const CString& to) const
{
    const int decimals = int(ExecuteCount("select okr as cnt from spr_stovan_mat where id=" + id));
    const auto n = [decimals](double x) { return FormatNumber(x, "-", decimals); };
    const CString opening = ExecuteString(OpeningSql(id, from));
    double balance = atof(opening), received = 0, issued = 0;
    StockReportPage page(
        FormatText("<table width=100%% cellpadding=0 cellspacing=0><tr><td><b>Отчет о приходе и расходе по:</b> "
                   "%s<br><b>Подразделение:</b> %s<br><b>Ведомость:</b> %s<br><b>Единица измерения:</b> %s<br><b>с</b> "
                   "%s <b>по</b> %s<br><b>Остаток на начало месяца:</b> %s</td></tr><tr><td>",
                   HtmlText(m_materials.GetCellValue(1, row)), HtmlText(JoinCheckedNames(m_departments)),
                   HtmlText(JoinCheckedNames(m_statements)), HtmlText(m_materials.GetCellValue(2, row)),
                   DMGtoStr(m_from), DMGtoStr(m_to), n(atof(opening))),
        "<table width=100% border=1 cellpadding=0 cellspacing=0><tr bgcolor=#CCCCFF><td width=70 align=center "
        "rowspan=2><b>Дата</b></td><td align=center rowspan=2><b>№ документа и организации</b></td><td align=center "
        "width=60 rowspan=2><b>Цена<br>(руб.)</b></td><td align=center colspan=2><b>Приход</b></td><td align=center "
        "colspan=2><b>Расход</b></td><td align=center colspan=2><b>Остаток</b></td><td align=center width=60 "
        "rowspan=2><b>н/п</b></td></tr><tr bgcolor=#CCCCFF><td width=70 align=center><b>Кол-во</b></td><td width=70 "
        "align=center><b>Сумма</b></td><td width=70 align=center><b>Кол-во</b></td><td width=70 "
        "align=center><b>Сумма</b></td><td width=70 align=center><b>Кол-во</b></td><td width=70 "
        "align=center><b>Сумма</b></td></tr>");
    const BOOL complete = page.AddRows(MovementSql(id, from, to), [&](_RecordsetPtr& r) {
        const CString price = SafeArayToString(r->GetCollect("price"));
        const double in = atof(SafeArayToString(r->GetCollect("prx")));
        const double out = atof(SafeArayToString(r->GetCollect("rsx")));
        received += in;
        issued += out;
        balance += in - out;
        return FormatText("<td align=right nowrap>%s&nbsp;</td><td>&nbsp;%s</td><td align=right>%s&nbsp;</td><td "
                          "align=right>%s&nbsp;</td><td align=right>&nbsp;</td><td align=right>%s&nbsp;</td><td "
                          "align=right>&nbsp;</td><td align=right>%s&nbsp;</td><td align=right>&nbsp;</td><td "
                          "align=right>%s&nbsp;</td>",
                          SafeArayToString(r->GetCollect("d")), HtmlText(SafeArayToString(r->GetCollect("fio"))),
                          price.IsEmpty() ? price : ftoa(atof(price)), n(in), n(out), n(balance),
                          SafeArayToString(r->GetCollect("npp")));
    });
    if (complete)
        page.AddRow(FormatText("<td colspan=3 align=center>Итого</td><td align=right>%s&nbsp;</td><td "
                               "align=right>&nbsp;</td><td align=right>%s&nbsp;</td><td align=right>&nbsp;</td><td "
                               "align=right>%s&nbsp;</td><td align=right>&nbsp;</td><td align=right>&nbsp;</td>",
                               n(received), n(issued), n(balance)));
    page.SetFooter(FormatText("<p>Остаток на конец месяца: %s</p>", n(balance)));
    return page.Html();
}

void CPrnPrixRasxView::OnPrintReport()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    CString from, to;
    const bool ordered = ReportPeriod(m_from, m_to, from, to);
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (!ordered) {
        AfxMessageBox("Дата начала должна предшествовать дате окончания");
        return;
    }
    if (!EveryListChosen({{prd, "Выберите подразделение"}, {nv, "Выберите № ведомости"}}))
        return;
    long row = 0;
    while (row < m_materials.GetNRows() && !m_materials.GetBCheck(row))
        ++row;
    const CString id = row < m_materials.GetNRows() ? WholeNumber(m_materials.GetCellValue(0, row)) : CString();
    if (id.IsEmpty()) {
        AfxMessageBox("Выберите материал");
        return;
    }
    m_page = BuildCard(row, id, from, to);
    CheckAll(m_materials, false);
    ShowStockReport(m_page, "Отчет по работнику", 1, 11);
}

void CPrnPrixRasxView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnPrixRasxView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnPrixRasxView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillMaterialBalanceList();
}

void CPrnPrixRasxView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillMaterialBalanceList();
}

void CPrnPrixRasxView::OnSelectAllMaterials()
{
    CheckAll(m_materials, true);
}

void CPrnPrixRasxView::OnClearMaterials()
{
    CheckAll(m_materials, false);
}

} // namespace nstovan
