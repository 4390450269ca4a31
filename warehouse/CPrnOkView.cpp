#include "CPrnOkView.h"

#include "CheckList.h"
#include "StockReportPage.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <algorithm>
#include <map>

namespace nstovan {

namespace {

// The cabinets are the codes stored on the requisitions, compared as the texts they are.
const std::vector<CabinetColumn> kThreeCabinets = {
    {"Леч. хир.", " and (kab<>'41' and kab<>'49' and kab<>'43')"},
    {"41, 49", " and (kab='41' or kab='49')"},
    {"43", " and kab='43'"},
};
const std::vector<CabinetColumn> kTwoCabinets = {
    {"20", " and kab<>'11'"},
    {"11", " and kab='11'"},
};

const char* const kReceipts =
    "from stovan_prx1 left join stovan_prx0 on stovan_prx0.d=stovan_prx1.d and stovan_prx0.prd=stovan_prx1.prd and "
    "stovan_prx0.nv=stovan_prx1.nv and stovan_prx0.npp=stovan_prx1.npp left join spr_stovan_mat on "
    "spr_stovan_mat.id=stovan_prx1.id left join grup on grup.id=spr_stovan_mat.gr";
const char* const kIssues =
    "from stovan_rsx1 left join stovan_rsx0 on stovan_rsx0.d=stovan_rsx1.d and stovan_rsx0.prd=stovan_rsx1.prd and "
    "stovan_rsx0.nv=stovan_rsx1.nv and stovan_rsx0.ntreb=stovan_rsx1.ntreb left join spr_stovan_mat on "
    "spr_stovan_mat.id=stovan_rsx1.id left join grup on grup.id=spr_stovan_mat.gr";

CString Quantity(double value)
{
    return rtz(FormatNumber(value, "-", 5));
}

CString Cell(const CString& text)
{
    return "<td align=right>" + text + "&nbsp;</td>";
}

// The pairs take the width their figures need, so the name keeps a readable
// column even with three cabinets (fixed widths of 70 overflowed the page).
const char* const kPair = "<td><b>кол-во</b></td><td><b>сумма</b></td>";

// The head of the data table for the layout's issue columns.
CString Head(const std::vector<CabinetColumn>& cabinets)
{
    const int rows = cabinets.empty() ? 2 : 3;
    CString head = FormatText("<table width=100%% border=1 cellpadding=0 cellspacing=0><tr bgcolor=#CCCCFF><td "
                              "rowspan=%d width=60 align=center><b>н/п</b></td><td rowspan=%d "
                              "align=center width=200><b>Наименование</b></td><td rowspan=%d align=center "
                              "width=70><b>Ед.<br>изм.</b></td>",
                              rows, rows, rows);
    if (cabinets.empty()) {
        head += "<td colspan=2 align=center><b>Остаток<br>на нач<br>мес.</b></td><td colspan=2 "
                "align=center><b>Приход</b></td><td colspan=2 align=center><b>Расход</b></td><td colspan=2 "
                "align=center><b>Остаток<br>на<br>конец<br>мес.</b></td></tr>";
    } else {
        head += FormatText("<td colspan=2 rowspan=2 align=center><b>Остаток<br>на нач<br>мес.</b></td><td colspan=2 "
                           "rowspan=2 align=center><b>Приход</b></td><td colspan=%d align=center><b>Расход</b></td><td "
                           "colspan=2 rowspan=2 align=center><b>Остаток<br>на<br>конец<br>мес.</b></td></tr><tr "
                           "bgcolor=#CCCCFF>",
                           int(cabinets.size()) * 2);
        for (const CabinetColumn& cabinet : cabinets)
            head += FormatText("<td colspan=2 align=center><b>%s</b></td>", cabinet.caption);
        head += "</tr>";
    }
    head += "<tr bgcolor=#CCCCFF>";
    for (size_t pair = 0; pair < 3 + std::max<size_t>(cabinets.size(), 1); ++pair)
        head += kPair;
    return head + "</tr>";
}

} // namespace

IMPLEMENT_DYNCREATE(CPrnOkView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOkView, CderivedFormview)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_BALANCE_FROM, OnPeriodChanged)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_BALANCE_TO, OnPeriodChanged)
    ON_BN_CLICKED(IDC_ALL_DEPARTMENTS, OnSelectAllDepartments)
    ON_BN_CLICKED(IDC_NONE_DEPARTMENTS, OnClearDepartments)
    ON_BN_CLICKED(IDC_ALL_STATEMENTS, OnSelectAllStatements)
    ON_BN_CLICKED(IDC_NONE_STATEMENTS, OnClearStatements)
    ON_BN_CLICKED(IDC_ALL_GROUPS, OnSelectAllGroups)
    ON_BN_CLICKED(IDC_NONE_GROUPS, OnClearGroups)
    ON_BN_CLICKED(ID_PRINT_REPORT, OnPrintReport)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnOkView, CderivedFormview)
    ON_EVENT(CPrnOkView, IDC_LIST_DEPARTMENTS, 17, FillStatementList, VTS_NONE)
    ON_EVENT(CPrnOkView, IDC_LIST_STATEMENTS, 17, FillGroupList, VTS_NONE)
END_EVENTSINK_MAP()

CPrnOkView::CPrnOkView()
    : CderivedFormview(IDD_PRN_OK),
      m_from(qwDMG(GetOtpD1(g_lYear, g_lMonth), 1)),
      m_to(qwDMG(GetOtpD2(g_lYear, g_lMonth), 1))
{
}

CPrnOkView::~CPrnOkView() = default;

void CPrnOkView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST_DEPARTMENTS, m_departments);
    DDX_Control(pDX, IDC_LIST_STATEMENTS, m_statements);
    DDX_Control(pDX, IDC_LIST_GROUPS, m_groups);
    DDX_DateTimeCtrl(pDX, IDC_BALANCE_FROM, m_from);
    DDX_DateTimeCtrl(pDX, IDC_BALANCE_TO, m_to);
}

void CPrnOkView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    appcore::SetFormTitle(this, "Отчет по кабинетам");
    FillDepartmentList();
    ResizeParentToFit(FALSE);
}

bool CPrnOkView::Period(CString& from, CString& to)
{
    UpdateData(TRUE);
    return ReportPeriod(m_from, m_to, from, to);
}

CString CPrnOkView::DepartmentClause() const
{
    return ListClause(m_departments, "prd=%s");
}

CString CPrnOkView::StatementClause() const
{
    return ListClause(m_statements, "nv=%s");
}

CString CPrnOkView::GroupClause() const
{
    return ListClause(m_groups, "gr=%s");
}

std::vector<CabinetColumn> CPrnOkView::Cabinets() const
{
    const CString prd = DepartmentClause();
    if (prd == "and (prd=3)")
        return kTwoCabinets;
    if (prd != "and (prd=1)")
        return {};
    // Statement 3 itself among the ticks (not a statement whose code merely contains a 3).
    for (long r = 0; r < m_statements.GetNRows(); ++r)
        if (m_statements.GetBCheck(r) && m_statements.GetCellValue(0, r).Trim() == "3")
            return kThreeCabinets;
    return {};
}

void CPrnOkView::FillDepartmentList()
{
    CWaitCursor wait;
    for (CCellwork* list : {&m_departments, &m_statements, &m_groups})
        ClearList(*list);
    CString from, to;
    if (!Period(from, to))
        return;
    FillList(m_departments,
             FormatText("select distinct prd,spr_stovan_prd.name from ( select distinct prd from stovan_prx0 where "
                        "d<=%s and org is null union select distinct prd from stovan_rsx0 where d<=%s and org is null) q "
                        "left join spr_stovan_prd on spr_stovan_prd.id=prd order by prd",
                        to, to),
             "prd", "name");
}

void CPrnOkView::FillStatementList()
{
    for (CCellwork* list : {&m_statements, &m_groups})
        ClearList(*list);
    CString from, to;
    Period(from, to);
    const CString prd = DepartmentClause();
    if (prd.IsEmpty())
        return;
    FillList(m_statements,
             FormatText("select distinct nv,nv.name from stovan_prx0 left join nv on nv.id=nv where d<=%s %s and org is "
                        "not null order by nv",
                        to, prd),
             "nv", "name");
}

void CPrnOkView::FillGroupList()
{
    CString from, to;
    Period(from, to);
    ClearList(m_groups);
    const CString prd = DepartmentClause(), nv = StatementClause();
    if (prd.IsEmpty() || nv.IsEmpty())
        return;
    FillList(m_groups,
             FormatText("select distinct spr_stovan_mat.gr,grup.name %s where stovan_prx0.d<=%s %s %s and org is not "
                        "null order by spr_stovan_mat.gr",
                        kReceipts, to, QualifiedClause(prd, "prd=", "stovan_prx0.prd="),
                        QualifiedClause(nv, "nv=", "stovan_prx0.nv=")),
             "gr", "name");
}

CString CPrnOkView::CabinetSql(const CabinetColumn& cabinet, const CString& from, const CString& to) const
{
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause();
    return FormatText("select stovan_rsx1.id,sum(kol) as kol %s where stovan_rsx0.d>=%s and stovan_rsx0.d<=%s %s %s %s%s "
                      "group by stovan_rsx1.id",
                      kIssues, from, to, QualifiedClause(prd, "prd=", "stovan_rsx0.prd="),
                      QualifiedClause(nv, "nv=", "stovan_rsx0.nv="), gr, cabinet.condition);
}

CString CPrnOkView::ReportSql(const CString& from, const CString& to) const
{
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause();
    const CString prdIn = QualifiedClause(prd, "prd=", "stovan_prx0.prd="),
                  nvIn = QualifiedClause(nv, "nv=", "stovan_prx0.nv=");
    const CString prdOut = QualifiedClause(prd, "prd=", "stovan_rsx0.prd="),
                  nvOut = QualifiedClause(nv, "nv=", "stovan_rsx0.nv=");
    return FormatText(
        "select q.id,spr_stovan_mat.name,spr_ei.name as iei,sum(ost1) as ost1,sum(prx) as prx,sum(rsx) as rsx from ( "
        "select stovan_prx1.id,sum(kol) as ost1,0 as prx,0 as rsx %s where stovan_prx0.d<%s %s %s %s group by "
        "stovan_prx1.id union all select stovan_rsx1.id,-sum(kol) as ost1,0 as prx,0 as rsx %s where "
        "stovan_rsx0.d<%s %s %s %s group by stovan_rsx1.id union all select stovan_prx1.id,0 as ost1,sum(kol) as "
        "prx,0 as rsx %s where stovan_prx0.d>=%s and stovan_prx0.d<=%s %s %s %s group by stovan_prx1.id union all "
        "select stovan_rsx1.id,0 as ost1,0 as prx,sum(kol) as rsx %s where stovan_rsx0.d>=%s and stovan_rsx0.d<=%s "
        "%s %s %s group by stovan_rsx1.id ) q left join spr_stovan_mat on spr_stovan_mat.id=q.id left join spr_ei on "
        "spr_ei.id=ei group by q.id,spr_stovan_mat.name,spr_ei.name order by q.id",
        kReceipts, from, prdIn, nvIn, gr, kIssues, from, prdOut, nvOut, gr, kReceipts, from, to, prdIn, nvIn, gr,
        kIssues, from, to, prdOut, nvOut, gr);
}

CString CPrnOkView::BuildReport(const CString& from, const CString& to) const
{
    const std::vector<CabinetColumn> cabinets = Cabinets();
    StockReportPage page(
        FormatText("<table width=740 cellpadding=0 cellspacing=0><tr><td align=right>Руководитель учреждения "
                   "___________ %s</td></tr><tr><td>&nbsp;</td></tr><tr><td align=right>Дата  "
                   "________________________________________</td></tr><tr><td><b>Отчет о движении материальных "
                   "ценностей</b><br><b>Подразделение:</b> %s<br><b>Ведомость:</b> %s<br><b>Тип материалов:</b> "
                   "%s<br><b>с</b> %s <b>по</b> %s</td></tr><tr><td>",
                   HtmlText(GetConstant("ORG_RUK", 1)), HtmlText(JoinCheckedNames(m_departments)),
                   HtmlText(JoinCheckedNames(m_statements)), HtmlText(JoinCheckedNames(m_groups)), DMGtoStr(m_from),
                   DMGtoStr(m_to)),
        Head(cabinets));
    // Each cabinet column's issues per material, one grouped query per column.
    std::vector<std::map<long, double>> issued(cabinets.size());
    for (size_t c = 0; c < cabinets.size(); ++c)
        ForEachRow(CabinetSql(cabinets[c], from, to),
                   [&issued, c](_RecordsetPtr& row) {
                       issued[c][atol(SafeArayToString(row->GetCollect(0L)))] =
                           atof(SafeArayToString(row->GetCollect(1L)));
                   });
    const CString sql = ReportSql(from, to);
    const CString zero = ftoa(0);
    page.AddRows(sql, [&](_RecordsetPtr& row) -> CString {
        const double opening = atof(SafeArayToString(row->GetCollect("ost1")));
        const double in = atof(SafeArayToString(row->GetCollect("prx")));
        const double out = atof(SafeArayToString(row->GetCollect("rsx")));
        const double closing = opening - out + in;
        if (opening == 0 && in == 0 && out == 0 && closing == 0)
            return CString();
        const long id = atol(SafeArayToString(row->GetCollect("id")));
        CString cells = FormatText("<td align=right>%ld&nbsp;</td><td>&nbsp;%s</td>", id,
                                   HtmlText(SafeArayToString(row->GetCollect("name"))))
            + Cell(HtmlText(SafeArayToString(row->GetCollect("iei")))) + Cell(Quantity(opening)) + Cell(zero)
            + Cell(Quantity(in)) + Cell(Quantity(0));
        if (cabinets.empty())
            cells += Cell(Quantity(out)) + Cell(zero);
        for (const std::map<long, double>& column : issued) {
            const auto found = column.find(id);
            cells += Cell(Quantity(found == column.end() ? 0 : found->second)) + Cell(zero);
        }
        return cells + Cell(Quantity(closing)) + Cell(zero);
    });
    for (const char* name : {"Медикаменты", "Тариф"}) {
        CString cells = FormatText("<td>&nbsp;</td><td>%s</td>", name);
        for (size_t cell = 0; cell < 5 + 2 * std::max<size_t>(cabinets.size(), 1) + 2; ++cell)
            cells += "<td>&nbsp;</td>";
        page.AddRow(cells);
    }
    page.SetFooter("<p>Количество приходных документов "
                   "_______________________________________________________________</p><p>Количество расходных "
                   "документов _______________________________________________________________</p><p>Подпись "
                   "материально-ответственного лица _______________________________________________________</p>");
    return page.Html();
}

void CPrnOkView::OnPrintReport()
{
    CWaitCursor wait;
    CString from, to;
    Period(from, to);
    const CString prd = DepartmentClause(), nv = StatementClause(), gr = GroupClause();
    if (!EveryListChosen({{prd, "Выберите подразделение"}, {nv, "Выберите № ведомости"}, {gr, "Выберите группу"}}))
        return;
    m_page = BuildReport(from, to);
    ShowStockReport(m_page, "Отчет по кабинетам", 0, 10);
}

void CPrnOkView::OnPeriodChanged(NMHDR*, LRESULT* pResult)
{
    FillDepartmentList();
    *pResult = 0;
}

void CPrnOkView::OnSelectAllDepartments()
{
    CheckAll(m_departments, true);
    FillStatementList();
}

void CPrnOkView::OnClearDepartments()
{
    CheckAll(m_departments, false);
    FillStatementList();
}

void CPrnOkView::OnSelectAllStatements()
{
    CheckAll(m_statements, true);
    FillGroupList();
}

void CPrnOkView::OnClearStatements()
{
    CheckAll(m_statements, false);
    FillGroupList();
}

void CPrnOkView::OnSelectAllGroups()
{
    CheckAll(m_groups, true);
}

void CPrnOkView::OnClearGroups()
{
    CheckAll(m_groups, false);
}

} // namespace nstovan
