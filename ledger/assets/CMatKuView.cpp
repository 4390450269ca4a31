#include "CMatKuView.h"

#include "CHelpers.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CMatKuView, CderivedFormview)

BEGIN_MESSAGE_MAP(CMatKuView, CderivedFormview)
    ON_WM_SIZE()
    ON_COMMAND(IDC_MK_PRINT_041, OnPrint041)
    ON_COMMAND(IDC_MK_PRINT_042, OnPrint042)
    ON_COMMAND(IDC_MK_PRINT_043, OnPrint043)
    ON_COMMAND(IDC_SET_TN_PICK, OnTnPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_CBN_SELENDOK(IDC_MK_SOURCE, OnFilterChange)
    ON_CBN_SELENDOK(IDC_FIL, OnFilterChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMatKuView, CderivedFormview)
    ON_EVENT(CMatKuView, IDC_MK_GRID, DISPID_DBLCLICK, OnPrint041, VTS_NONE)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

enum { KU_ID, KU_NAME, KU_UNIT, KU_ACCOUNT, KU_COLS };

// A personnel number as typed: empty, or digits only.
bool TypedTn(CString text, long& tn)
{
    text.Trim();
    tn = 0;
    if (text.IsEmpty())
        return true;
    if (text.GetLength() > 9 || text.SpanIncluding("0123456789") != text)
        return false;
    tn = atol(text);
    return true;
}

} // namespace

CMatKuView::CMatKuView() : CderivedFormview(IDR_MAT_KU) {}

CMatKuView::~CMatKuView() = default;

void CMatKuView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MK_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_MK_GRID, m_grid);
    DDX_CBIndex(pDX, IDC_MK_SOURCE, m_nSource);
}

void CMatKuView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, "Карточки учета МЗ");
    m_grid.SetNCols(KU_COLS);
    m_grid.SetBShowCheck(1);
    m_grid.SetReportType(4);
    m_grid.SetRowHeight(19);
    const struct {
        const char* caption;
        long width;
        long align;
    } columns[] = {{"Код", 45, 1}, {"Наименование", 280, 0}, {"Ед.изм.", 40, 0}, {"Счет", 60, 1}};
    for (long col = 0; col < KU_COLS; ++col) {
        m_grid.SetColCaption(col, columns[col].caption);
        m_grid.SetColWidth(col, columns[col].width);
        m_grid.SetColAlign(col, columns[col].align);
        m_grid.SetColLocked(col, 1);
    }
    for (const char* source : {"Все", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2), 1);
    LoadItems();
    ResizeParentToFit(FALSE);
    CRect client;
    GetClientRect(&client);
    PostMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
}

void CMatKuView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    static const CFormLayout layout{80, 40, 0, 0, 0, 0, 25};
    PlaceFormParts(this, &m_grid, layout,
                   {{IDC_MK_PRINT_041, 10}, {IDC_MK_PRINT_042, 110}, {IDC_MK_PRINT_043, 210}, {IDCANCEL, 310}});
}

bool CMatKuView::Filter(MatCardFilter& filter)
{
    UpdateData(TRUE);
    CString tn;
    m_editTn.GetWindowText(tn);
    filter.periodEnd = GetDPV2();
    filter.branch = ChosenFil(&m_comboFil);
    filter.source = m_nSource;
    return TypedTn(tn, filter.tn);
}

void CMatKuView::LoadItems()
{
    CWaitCursor wait;
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    MatCardFilter filter;
    if (Filter(filter)) {
        ForEachRow(MatCardItemsSql(filter, CurrentDialect()), [this](_RecordsetPtr& rs) {
            const long row = m_grid.GetNRows();
            m_grid.SetNRows(row + 1);
            m_grid.SetCellValue(KU_ID, row, SafeArayToString(rs->GetCollect("sb")));
            m_grid.SetCellValue(KU_NAME, row, SafeArayToString(rs->GetCollect("imat")));
            m_grid.SetCellValue(KU_UNIT, row, SafeArayToString(rs->GetCollect("iei")));
            m_grid.SetCellValue(KU_ACCOUNT, row, SafeArayToString(rs->GetCollect("sch")));
        });
    }
    m_grid.SetFillingGrid(0);
}

void CMatKuView::OnTnPick()
{
    OnTNbtn(this);
}

void CMatKuView::OnTnChange()
{
    OnChangeTn(this);
    LoadItems();
}

void CMatKuView::OnFilterChange()
{
    LoadItems();
}

void CMatKuView::OnPrint041()
{
    PrintCards("0504041");
}

void CMatKuView::OnPrint042()
{
    PrintCards("0504042");
}

void CMatKuView::OnPrint043()
{
    PrintCards("0504043");
}

// The period is the working year up to the working period's end as it is at
// the print; the responsible person is checked before any call.
void CMatKuView::PrintCards(const char* form)
{
    CWaitCursor wait;
    MatCardFilter filter;
    if (!Filter(filter) || (filter.tn != 0 && !TnOk(filter.tn))) {
        AfxMessageBox("Нет такого работника", MB_OK);
        m_editTn.SetFocus();
        m_editTn.SetSel(0, -1);
        return;
    }
    AfxGetApp()->WriteProfileInt(kConstants, kSelectFilPrn, filter.branch);
    if (m_grid.GetNRows() == 0)
        return;
    if (!CellworkChecked(m_grid) && m_grid.GetCurRow() >= 0)
        m_grid.SetBCheck(m_grid.GetCurRow(), 1);
    std::vector<MatCardItem> items;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (m_grid.GetBCheck(row))
            items.push_back({m_grid.GetCellValue(KU_ID, row), m_grid.GetCellValue(KU_ACCOUNT, row)});
    if (items.empty())
        return;
    const CString start = "01.01." + GetDPV1().Right(4);
    const CString tn = filter.tn != 0 ? FormatText("%ld", filter.tn) : CString();
    const CString branch = filter.branch == -2 ? CString() : FormatText("%ld", filter.branch);
    CString call;
    call.Format(CString(form) == "0504041" ? "prn(\"%s\",\"%s\",\"%s\",\"%s\",\"%s\")"
                                           : "PrepareTheReport(\"%s\",\"%s\",\"%s\",\"%s\",\"%s\")",
                (LPCTSTR)MakeParam(MatCardItemList(items)), (LPCTSTR)MakeParam(start), (LPCTSTR)MakeParam(GetDPV2()),
                (LPCTSTR)MakeParam(tn), (LPCTSTR)MakeParam(branch));
    CHelpers::EXEC_ShowExternalReport(GetAppPath() + "\\_sys\\_ExtReports\\" + form + ".extr", call);
}

} // namespace nledmark
