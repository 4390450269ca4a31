#include "CPrnOsInventKartView.h"

#include "CderivedDocument.h"
#include "FormLayout.h"
#include "FormTitle.h"
#include "SharedCommands.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ncalcset.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnOsInventKartView, CderivedFormview)

BEGIN_MESSAGE_MAP(CPrnOsInventKartView, CderivedFormview)
    ON_WM_SIZE()
    ON_COMMAND(IDC_OSK_PRINT, OnPrint)
    ON_COMMAND(IDC_SET_TN_PICK, OnTnPick)
    ON_EN_CHANGE(IDC_SET_TN, OnTnChange)
    ON_CBN_SELENDOK(IDC_OSK_SOURCE, OnFilterChange)
    ON_CBN_SELENDOK(IDC_FIL, OnFilterChange)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPrnOsInventKartView, CderivedFormview)
    ON_EVENT(CPrnOsInventKartView, IDC_OSK_GRID, DISPID_DBLCLICK, OnPrint, VTS_NONE)
END_EVENTSINK_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFilPrn = "select_fil_prn";

enum { OK_ID, OK_NAME, OK_CODE, OK_ACCOUNT, OK_COLS };

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

CPrnOsInventKartView::CPrnOsInventKartView() : CderivedFormview(IDR_PRN_OS_INVENT_KART) {}

CPrnOsInventKartView::~CPrnOsInventKartView() = default;

void CPrnOsInventKartView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OSK_SOURCE, m_comboSource);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_SET_TN, m_editTn);
    DDX_Control(pDX, IDC_OSK_GRID, m_grid);
    DDX_CBIndex(pDX, IDC_OSK_SOURCE, m_nSource);
}

int CPrnOsInventKartView::Mode() const
{
    const auto* document = dynamic_cast<CderivedDocument*>(CFormView::GetDocument());
    return document ? document->GetParam() : 0;
}

void CPrnOsInventKartView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    SetFormTitle(this, Mode() == 1 ? "Групповые инвентарные карточки ОС" : "Инвентарные карточки ОС");
    for (const char* source : {"Все", "1", "2", "3", "4"})
        m_comboSource.AddString(source);
    m_comboSource.SetCurSel(0);
    FillFils(this, IDC_FIL, (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFilPrn, -2), 1);
    m_grid.SetNCols(OK_COLS);
    m_grid.SetBShowCheck(1);
    m_grid.SetReportType(4);
    m_grid.SetRowHeight(19);
    m_grid.SetHScrollBar(0);
    const struct {
        const char* caption;
        long width;
        long align;
    } columns[] = {{"Код", 45, 2}, {"Наименование", 210, 0}, {"Инв.№", 90, 2}, {"Счет", 60, 2}};
    for (long col = 0; col < OK_COLS; ++col) {
        m_grid.SetColCaption(col, columns[col].caption);
        m_grid.SetColWidth(col, columns[col].width);
        m_grid.SetColAlign(col, columns[col].align);
        m_grid.SetColLocked(col, 1);
    }
    LoadAssets();
    m_grid.KeepRatio();
    ResizeParentToFit(FALSE);
    CRect client;
    GetClientRect(&client);
    PostMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
}

// The grid from 80 pixels down to 40 above the bottom, the buttons below.
void CPrnOsInventKartView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (!m_grid.GetSafeHwnd())
        return;
    static const CFormLayout layout{80, 40, 0, 0, 0, 0, 25};
    PlaceFormParts(this, &m_grid, layout, {{IDC_OSK_PRINT, 10}, {IDCANCEL, 210}});
}

bool CPrnOsInventKartView::Filter(OsCardFilter& filter)
{
    UpdateData(TRUE);
    CString tn;
    m_editTn.GetWindowText(tn);
    filter.periodEnd = GetDPV2();
    filter.branch = ChosenFil(&m_comboFil);
    filter.source = m_nSource;
    return TypedTn(tn, filter.tn);
}

void CPrnOsInventKartView::LoadAssets()
{
    CWaitCursor wait;
    m_grid.SetFillingGrid(1);
    m_grid.ClearGrid();
    m_grid.SetNRows(0);
    OsCardFilter filter;
    if (Filter(filter)) {
        ForEachRow(OsCardItemsSql(filter, CurrentDialect()), [this](_RecordsetPtr& rs) {
            const long row = m_grid.GetNRows();
            m_grid.SetNRows(row + 1);
            m_grid.SetCellValue(OK_ID, row, SafeArayToString(rs->GetCollect("sb")));
            m_grid.SetCellValue(OK_NAME, row, SafeArayToString(rs->GetCollect("imat")));
            m_grid.SetCellValue(OK_CODE, row, SafeArayToString(rs->GetCollect("code")));
            m_grid.SetCellValue(OK_ACCOUNT, row, SafeArayToString(rs->GetCollect("sch")));
        });
    }
    m_grid.SetFillingGrid(0);
}

void CPrnOsInventKartView::OnTnPick()
{
    OnTNbtn(this);
}

void CPrnOsInventKartView::OnTnChange()
{
    OnChangeTn(this);
    LoadAssets();
}

void CPrnOsInventKartView::OnFilterChange()
{
    LoadAssets();
}

CString CPrnOsInventKartView::TickedIds()
{
    if (!CellworkChecked(m_grid) && m_grid.GetCurRow() >= 0 && m_grid.GetCurRow() < m_grid.GetNRows())
        m_grid.SetBCheck(m_grid.GetCurRow(), 1);
    CString ids;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        if (m_grid.GetBCheck(row))
            ids += (ids.IsEmpty() ? "" : ",") + m_grid.GetCellValue(OK_ID, row);
    return ids;
}

void CPrnOsInventKartView::OnPrint()
{
    if (m_grid.GetNRows() == 0)
        return;
    const int branch = ChosenFil(&m_comboFil);
    const CString ids = TickedIds();
    if (ids.IsEmpty())
        return;
    switch (Mode()) {
    case 0:
        CPrnOsInvKart::prn(ids, branch);
        break;
    case 1:
        CPrnOsInvKart::prn0(ids, branch);
        break;
    default:
        // A mode that names no card is said, not passed over in silence.
        AfxMessageBox(FormatText("Нет такого вида инвентарной карточки: %d", Mode()));
        break;
    }
}

} // namespace nledmark
