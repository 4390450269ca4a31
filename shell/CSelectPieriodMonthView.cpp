#include "CSelectPieriodMonthView.h"

#include "COtpFromTo.h"
#include "OtpQueries.h"
#include "PeriodKinds.h"
#include "PeriodViewLayout.h"
#include "StatusPanes.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

IMPLEMENT_DYNCREATE(CSelectPieriodMonthView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSelectPieriodMonthView, CderivedFormview)
    ON_CBN_SELENDOK(IDC_OTP_YEARS, OnYearChosen)
    ON_CBN_DROPDOWN(IDC_OTP_YEARS, OnYearsDropDown)
    ON_COMMAND(IDOK, OnChoose)
    ON_BN_CLICKED(IDC_OTP_ADD_YEAR, OnAddYear)
    ON_BN_CLICKED(IDC_OTP_EDIT, OnEditDates)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectPieriodMonthView, CderivedFormview)
    ON_EVENT(CSelectPieriodMonthView, IDC_OTP_GRID, DISPID_DBLCLICK, OnGridDblClick, VTS_NONE)
    ON_EVENT(CSelectPieriodMonthView, IDC_OTP_GRID, 3, OnGridEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

namespace {

constexpr int kGridTop = 45;

} // namespace

CSelectPieriodMonthView::CSelectPieriodMonthView()
    : CderivedFormview(IDD_OTP_MONTH)
{
    GetOtpTn(g_lTN, g_lYear, g_lMonth);
}

void CSelectPieriodMonthView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OTP_GRID, m_grid);
    DDX_Control(pDX, IDC_OTP_YEARS, m_years);
    DDX_CBString(pDX, IDC_OTP_YEARS, m_strYear);
}

void CSelectPieriodMonthView::OnInitialUpdate()
{
    if (CderivedDocument* doc = GetDocument())
        doc->m_nFormFlag = kPeriodViewFlag;
    m_strYear.Format("%d", g_lYear);
    CderivedFormview::OnInitialUpdate();
    // The frame takes the form's size, so its buttons are in sight.
    ResizeParentToFit(FALSE);
    FillYears();
    FillGrid();
    m_grid.SetCurCell(1, g_lMonth - 1);
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
}

void CSelectPieriodMonthView::FillYears()
{
    CString typed;
    m_years.GetWindowText(typed);
    m_years.ResetContent();
    try {
        std::vector<int> years;
        ReadOtpYears(years);
        for (int year : years) {
            CString text;
            text.Format("%d", year);
            m_years.AddString(text);
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, NULL);
    } catch (...) {
        AfxReportCurrentException("OtpView");
    }
    m_years.SetWindowText(typed);
}

void CSelectPieriodMonthView::FillGrid()
{
    UpdateData(TRUE);
    m_grid.ClearGrid();
    m_grid.SetNRows(12);
    m_nShownYear = ParseYear(m_strYear);
    if (!m_nShownYear)
        return;
    try {
        std::vector<OtpMonthRow> rows;
        ReadOtpMonths(m_nShownYear, rows);
        for (const OtpMonthRow& row : rows) {
            if (row.month < 1 || row.month > 12)
                continue;
            CString number;
            number.Format("%d", row.month);
            m_grid.SetCellValue(0, row.month - 1, number);
            m_grid.SetCellValue(1, row.month - 1, GetMonthName(row.month));
            m_grid.SetCellValue(2, row.month - 1, row.firstDay);
            m_grid.SetCellValue(3, row.month - 1, row.lastDay);
        }
    } catch (const _com_error& e) {
        ReportDBError(e, 1, NULL);
    } catch (...) {
        AfxReportCurrentException("SprView");
    }
}

void CSelectPieriodMonthView::OnYearChosen()
{
    FillGrid();
}

void CSelectPieriodMonthView::OnYearsDropDown()
{
    FillYears();
}

void CSelectPieriodMonthView::OnAddYear()
{
    CWaitCursor wait;
    const int year = NextOtpYear(int(g_lYear));
    CString question;
    question.Format("Добавить год %d ?", year);
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDNO)
        return;
    AddOtpYear(year);
}

void CSelectPieriodMonthView::OnEditDates()
{
    CWaitCursor wait;
    const long row = m_grid.GetCurRow();
    if (!m_nShownYear || row < 0 || row > 11)
        return;
    COtpFromTo dates(this);
    const COleDateTime from = qwDMG(m_grid.GetCellValue(2, row));
    const COleDateTime to = qwDMG(m_grid.GetCellValue(3, row));
    if (from.GetStatus() == COleDateTime::valid)
        dates.m_from = from;
    if (to.GetStatus() == COleDateTime::valid)
        dates.m_to = to;
    if (dates.DoModal() != IDOK)
        return;
    const CString first = DMGtoStr(dates.m_from), last = DMGtoStr(dates.m_to);
    if (!ChangeOtpMonth(m_nShownYear, int(row + 1), first, last))
        return;
    CString number;
    number.Format("%d", int(row + 1));
    m_grid.SetCellValue(0, row, number);
    m_grid.SetCellValue(1, row, GetMonthName(row + 1));
    m_grid.SetCellValue(2, row, first);
    m_grid.SetCellValue(3, row, last);
}

void CSelectPieriodMonthView::Choose()
{
    // A double click raises two grid events; the first choice closes the view.
    if (IsClosing())
        return;
    UpdateData(TRUE);
    const long row = m_grid.GetCurRow();
    const CString first = row >= 0 ? m_grid.GetCellValue(2, row) : CString();
    const CString last = row >= 0 ? m_grid.GetCellValue(3, row) : CString();
    const int year = ParseYear(m_strYear);
    if (m_strYear.IsEmpty() || first.IsEmpty() || last.IsEmpty() || !year) {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    if (year != m_nShownYear) {
        // The typed year is not the one shown: show its months first.
        FillGrid();
        return;
    }
    const int month = atoi(m_grid.GetCellValue(0, row));
    if (!SaveUserMonthPeriod(g_lTN, year, month, first, last))
        return;
    SetDPV1(first);
    SetDPV2(last);
    ShowPeriodInStatusBar();
    OnCancel();
}

void CSelectPieriodMonthView::OnChoose()
{
    Choose();
}

void CSelectPieriodMonthView::OnGridDblClick()
{
    Choose();
}

void CSelectPieriodMonthView::OnGridEditStart(short, short, CString*, short* cancel)
{
    *cancel = 1;
    Choose();
}

void CSelectPieriodMonthView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    LayOutPeriodView(this, m_grid, kGridTop);
}
