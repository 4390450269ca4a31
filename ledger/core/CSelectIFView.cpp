#include "CSelectIFView.h"

#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CSelectIFView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSelectIFView, CderivedFormview)
    ON_COMMAND(IDC_SELECT_ALL, OnSelectAll)
    ON_COMMAND(IDC_CLEAR_ALL, OnClearAll)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DATE1, OnDateChange)
    ON_NOTIFY(DTN_DATETIMECHANGE, IDC_DATE2, OnDateChange)
    ON_MESSAGE(kKbkAnswerMsg, OnKbkChosen)
    ON_COMMAND(IDC_FILS_BUTTON, OnFILbtn)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectIFView, CderivedFormview)
    ON_EVENT(CSelectIFView, IDC_IF_GRID, 17, OnGridChecked, VTS_NONE)
    ON_EVENT(CSelectIFView, IDC_IF_GRID, 5, OnGridEvent, VTS_I2 VTS_I2)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectIf = "select_if";
const char* const kSelectFilPrn0 = "select_fil_prn0";

enum IfColumn { IF_CODE = 0, IF_NAME = 1, IF_KBK = 2, IF_EXTRA = 3 };

// The condition of a report whose user checked no source: no posting meets
// it, so the report shows nothing rather than every source.
const char* const kNoSource = " and (1=0)";
// The saved selection when no source is checked (no source has that code).
const char* const kNoneSaved = "-";

COleDateTime WorkingPeriodEnd()
{
    return qwDMG(GetDPV2(), 1);
}

COleDateTime StartOfYear(const COleDateTime& date)
{
    COleDateTime start;
    if (date.GetStatus() == COleDateTime::valid)
        start.SetDate(date.GetYear(), 1, 1);
    return start;
}

} // namespace

CSelectIFView::CSelectIFView(UINT dialogId, HINSTANCE hModule)
    : CderivedFormview(dialogId, hModule), m_date2(WorkingPeriodEnd())
{
    m_date1 = StartOfYear(m_date2);
}

CSelectIFView::CSelectIFView() : CderivedFormview(IDD_SELECT_IF) {}

CSelectIFView::~CSelectIFView() = default;

void CSelectIFView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILS, m_editFil);
    DDX_Control(pDX, IDC_IF_GRID, m_grid);
    DDX_DateTimeCtrl(pDX, IDC_DATE1, m_date1);
    DDX_DateTimeCtrl(pDX, IDC_DATE2, m_date2);
}

CString CSelectIFView::BranchSection()
{
    CString section;
    section.Format("%s%ld", kConstants, g_lProjectType);
    return section;
}

CString CSelectIFView::SourcesSql(const CString& endLiteral)
{
    CString sql;
    sql.Format("select distinct col0 from ( \t\t\t\t\t select distinct deb0 as col0 from ledmark_provodki where d<=%s "
               "and deb0 is not null \t\t\tunion \t\t\tselect distinct kred0 as col0 from ledmark_provodki where "
               "d<=%s and kred0 is not null \t\t\t) q order by col0",
               (LPCTSTR)endLiteral, (LPCTSTR)endLiteral);
    return sql;
}

void CSelectIFView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    m_grid.KeepRatio();
    FillFilsEx(this, IDC_FILS, IDC_FILS_LABEL, IDC_FILS_BUTTON,
               AfxGetApp()->GetProfileString(BranchSection(), kSelectFilPrn0, ""));
    m_strSelectIf = AfxGetApp()->GetProfileString(kConstants, kSelectIf, "");
    FillIfGrid();
}

void CSelectIFView::FillIfGrid()
{
    CWaitCursor wait;
    const CString saved = m_strSelectIf;
    const CString wrapped = saved.IsEmpty() ? CString() : "," + saved + ",";
    UpdateData(TRUE);
    const CString end = ChangeDateUS0(DMGtoStr(m_date2), 0);
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    const CString sql = SourcesSql(end);
    ForEachRow(sql, [&](_RecordsetPtr& rs) {
        const CString code = SafeArayToString(rs->GetCollect("col0"));
        const long row = m_grid.GetNRows();
        m_grid.SetNRows(row + 1);
        m_grid.SetCellValue(IF_CODE, row, code);
        m_grid.SetCellValue(IF_NAME, row, GL_GetCol0_Name(code));
        m_grid.SetBCheck(row, wrapped.Find("," + code + ",") >= 0 ? 1 : 0);
    });
    m_grid.SetFillingGrid(0);
    if (saved.IsEmpty()) {
        m_grid.SetBCheckAll(1);
        SaveIfSelection();
    }
}

void CSelectIFView::SaveIfSelection()
{
    CString codes;
    bool any = false;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (!m_grid.GetBCheck(row))
            continue;
        if (any)
            codes += ",";
        codes += m_grid.GetCellValue(IF_CODE, row);
        any = true;
    }
    // All checked is "" (the default, which takes in sources that appear
    // later too); none checked is saved apart from it, so it stays none.
    if (m_grid.GetNRows() > 0 && CellworkCheckedAll(m_grid))
        m_strSelectIf.Empty();
    else
        m_strSelectIf = any ? codes : CString(kNoneSaved);
    AfxGetApp()->WriteProfileString(kConstants, kSelectIf, m_strSelectIf);
}

CString CSelectIFView::GetIfSql()
{
    CString condition;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        const CString source = m_grid.GetCellValue(IF_CODE, row);
        // Only numbers reach the text: the codes come from the postings and
        // from the chooser, never typed.
        if (!m_grid.GetBCheck(row) || !IsDigitsOnly(source))
            continue;
        CString codes;
        const CString list = m_grid.GetCellValue(IF_KBK, row);
        for (int i = 1; i <= Length(list, ","); ++i) {
            const CString code = CString(GetPart(list, ",", i)).Trim();
            if (!IsDigitsOnly(code))
                continue;
            codes += (codes.IsEmpty() ? " and (kbk_deb=" : " or kbk_deb=") + code;
        }
        CString rowCondition = "deb0=" + source;
        if (!codes.IsEmpty())
            rowCondition = "(" + rowCondition + codes + "))";
        condition += (condition.IsEmpty() ? " and (" : " or ") + rowCondition;
    }
    return condition.IsEmpty() ? CString(kNoSource) : condition + ")";
}

CString CSelectIFView::GetIfList()
{
    const bool extra = m_grid.GetNCols() >= 4;
    CString list;
    for (long row = 0; row < m_grid.GetNRows(); ++row) {
        if (!m_grid.GetBCheck(row))
            continue;
        if (!list.IsEmpty())
            list += ";";
        list += m_grid.GetCellValue(IF_CODE, row) + ":" + m_grid.GetCellValue(IF_KBK, row) + ":"
                + (extra ? m_grid.GetCellValue(IF_EXTRA, row) : CString());
    }
    return list;
}

void CSelectIFView::OnGridEvent(short col, short row)
{
    if (col != IF_KBK)
        return;
    m_nRow = row >= 0 ? row : short(m_grid.GetCurRow());
    if (m_nRow < 0 || m_nRow >= m_grid.GetNRows())
        return;
    GL_GetDefKBKList(this, -1, m_grid.GetCellValue(IF_CODE, m_nRow), -2, kKbkAnswerMsg, nullptr, 1);
}

LRESULT CSelectIFView::OnKbkChosen(WPARAM, LPARAM lParam)
{
    if (m_nRow < 0 || m_nRow >= m_grid.GetNRows())
        return 0;
    m_grid.SetCellValue(IF_KBK, m_nRow, reinterpret_cast<const char*>(lParam));
    m_grid.SetCurCell(IF_KBK, m_nRow);
    return 0;
}

void CSelectIFView::OnSelectAll()
{
    m_grid.SetBCheckAll(1);
    SaveIfSelection();
}

void CSelectIFView::OnClearAll()
{
    m_grid.SetBCheckAll(0);
    SaveIfSelection();
}

void CSelectIFView::OnDateChange(NMHDR*, LRESULT* result)
{
    FillIfGrid();
    *result = 0;
}

void CSelectIFView::OnFILbtn()
{
    nledmark::OnFILbtn(this);
}

void CSelectIFView::OnGridChecked()
{
    SaveIfSelection();
}

} // namespace nledmark
