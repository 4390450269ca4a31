#include "CSelectPieriodQwoterView.h"

#include "OtpQueries.h"
#include "PeriodKinds.h"
#include "PeriodViewLayout.h"
#include "StatusPanes.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CSelectPieriodQwoterView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSelectPieriodQwoterView, CderivedFormview)
    ON_COMMAND(IDOK, OnChoose)
    ON_WM_SIZE()
    ON_NOTIFY(UDN_DELTAPOS, IDC_OTP_YEAR_SPIN, OnYearSpin)
    ON_EN_CHANGE(IDC_OTP_YEAR, OnYearChanged)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectPieriodQwoterView, CderivedFormview)
    ON_EVENT(CSelectPieriodQwoterView, IDC_GRID, DISPID_DBLCLICK, OnGridDblClick, VTS_NONE)
END_EVENTSINK_MAP()

namespace {

constexpr int kGridTop = 40;
constexpr int kFirstYear = 1900;

} // namespace

CSelectPieriodQwoterView::CSelectPieriodQwoterView()
    : CderivedFormview(IDD_OTP_KIND)
{
}

void CSelectPieriodQwoterView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GRID, m_grid);
    DDX_Control(pDX, IDC_OTP_YEAR_SPIN, m_spin);
}

void CSelectPieriodQwoterView::OnInitialUpdate()
{
    if (CderivedDocument* doc = GetDocument())
        doc->m_nFormFlag = kPeriodViewFlag;
    CderivedFormview::OnInitialUpdate();
    // The frame takes the form's size, so its buttons are in sight.
    ResizeParentToFit(FALSE);
    m_grid.SetNRows(kPeriodKindCount);
    for (int kind = 0; kind < kPeriodKindCount; ++kind) {
        CString month;
        if (const int m = PeriodKindMonth(kind))
            month.Format("%d", m);
        m_grid.SetCellValue(0, kind, month);
        m_grid.SetCellValue(1, kind, PeriodKindName(kind));
    }
    m_nMaxYear = COleDateTime::GetCurrentTime().GetYear() + 10;
    m_spin.SetRange32(kFirstYear, m_nMaxYear);
    UDACCEL accel[] = {{0, 1}, {3, 5}, {5, 20}};
    m_spin.SetAccel(3, accel);
    m_spin.SetPos32(int(g_lYear));
    SetDlgItemInt(IDC_OTP_YEAR, UINT(g_lYear), FALSE);
    ComputeDates();
    m_grid.SetCurCell(1, g_lOtpId);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CSelectPieriodQwoterView::ComputeDates()
{
    CWaitCursor wait;
    CString text;
    GetDlgItemText(IDC_OTP_YEAR, text);
    const int year = ParseYear(text);
    for (int kind = 0; kind < kPeriodKindCount; ++kind) {
        m_grid.SetCellValue(2, kind, year ? PeriodKindFirstDay(kind, year) : CString());
        m_grid.SetCellValue(3, kind, year ? PeriodKindLastDay(kind, year) : CString());
    }
}

void CSelectPieriodQwoterView::OnYearSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* updown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    const int year = updown->iPos + updown->iDelta;
    if (year < kFirstYear || year > m_nMaxYear) {
        *pResult = 1;
        return;
    }
    SetDlgItemInt(IDC_OTP_YEAR, UINT(year), FALSE);  // its change computes the dates
    *pResult = 0;
}

// Every change of the year, typed or spun, gives the grid that year's dates,
// so the dates chosen are always those of the year shown.
void CSelectPieriodQwoterView::OnYearChanged()
{
    if (!m_grid.GetSafeHwnd())
        return;
    ComputeDates();
}

void CSelectPieriodQwoterView::Choose()
{
    if (IsClosing())
        return;
    CString yearText;
    GetDlgItemText(IDC_OTP_YEAR, yearText);
    const long kind = m_grid.GetCurRow();
    const CString first = kind >= 0 ? m_grid.GetCellValue(2, kind) : CString();
    const CString last = kind >= 0 ? m_grid.GetCellValue(3, kind) : CString();
    const int year = ParseYear(yearText);
    if (first.IsEmpty() || last.IsEmpty() || !year) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    const COleDateTime from = qwDMG(first), to = qwDMG(last);
    if (from.GetStatus() != COleDateTime::valid || to.GetStatus() != COleDateTime::valid) {
        AfxMessageBox("Дата указана неверно", MB_ICONEXCLAMATION);
        return;
    }
    if (from > to) {
        AfxMessageBox("Дата начала должна предшествовать дате окончания");
        return;
    }
    if (!SaveUserKindPeriod(g_lTN, year, int(kind), first, last))
        return;
    SetDPV1(first);
    SetDPV2(last);
    g_lOtpId = kind;
    ShowPeriodInStatusBar();
    OnCancel();
}

void CSelectPieriodQwoterView::OnChoose()
{
    Choose();
}

void CSelectPieriodQwoterView::OnGridDblClick()
{
    const long col = m_grid.GetCurCol();
    if (col == 2 || col == 3)
        return;
    Choose();
}

void CSelectPieriodQwoterView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    LayOutPeriodView(this, m_grid, kGridTop);
}
