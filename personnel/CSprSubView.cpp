#include "CSprSubView.h"

#include "CalendarDays.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nperso {

namespace {

enum Column { DAY = 0, WEEKDAY = 1 };

} // namespace

IMPLEMENT_DYNCREATE(CSprSubView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSprSubView, CderivedFormview)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSprSubView, CderivedFormview)
    ON_EVENT(CSprSubView, IDC_SPR_SUB_GRID, 17, OnChecked, VTS_NONE)
END_EVENTSINK_MAP()

CSprSubView::CSprSubView() : CderivedFormview(IDD_SPR_SUB) {}

CSprSubView::~CSprSubView() = default;

void CSprSubView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPR_SUB_GRID, m_grid);
}

void CSprSubView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    const auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    const int mode = document ? document->GetParam() : 0;
    m_table = CalendarTable(mode);
    appcore::SetFormTitle(this, mode == 1 ? "Выходные и праздничные дни" : "Прочие нерабочие дни");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    if (!m_table) {
        AfxMessageBox(FormatText("Неизвестный вид списка дат: %d", mode));
        return;
    }
    Fill();
    m_grid.SetFocus0();
}

void CSprSubView::Fill()
{
    CWaitCursor wait;
    m_grid.SetNRows(0);
    if (m_table) {
        const COleDateTime first = qwDMG(GetOtpD1(g_lYear, g_lMonth), 1);
        const COleDateTime last = qwDMG(GetOtpD2(g_lYear, g_lMonth), 1);
        for (COleDateTime day = first; day <= last; day += COleDateTimeSpan(1.0)) {
            const long row = m_grid.GetNRows();
            const CString text = DMGtoStr(day);
            m_grid.SetNRows(row + 1);
            m_grid.SetCellValue(DAY, row, text);
            m_grid.SetCellValue(WEEKDAY, row, GetDayOfWeekName(day.GetStatus() == COleDateTime::valid ? day.GetDayOfWeek() : -1));
            m_grid.SetBCheck(row, CalendarDayStored(m_table, text) ? 1 : 0);
        }
    }
    m_grid.Invalidate();
}

void CSprSubView::OnChecked()
{
    const long row = m_grid.GetCurRow();
    if (!m_table || row < 0 || row >= m_grid.GetNRows())
        return;
    const bool stored = SetCalendarDay(m_table, m_grid.GetCellValue(DAY, row), m_grid.GetBCheck(row) != 0);
    m_grid.SetBCheck(row, stored ? 1 : 0);
}

void CSprSubView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    if (m_grid.GetSafeHwnd())
        m_grid.MoveWindow(0, 0, cx, cy);
}

} // namespace nperso
