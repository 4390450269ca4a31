#include "CTrvView.h"

#include "MonthlyGrid.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"
#include "tariffication/StaffNumbers.h"

namespace npaymar {

namespace {

enum Column { KEY = 0, FIO = 1, POSITION = 2, FIGURE = 3, CALENDAR = 4 };
// The band of the department's field above the grid, in pixels.
constexpr int kBand = 45;

} // namespace

IMPLEMENT_DYNCREATE(CTrvView, CMyFormView1)

BEGIN_MESSAGE_MAP(CTrvView, CMyFormView1)
    ON_WM_SIZE()
    ON_EN_CHANGE(IDC_PAY_PRD, OnChangePrd)
    ON_BN_CLICKED(IDOK, OnSaveCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CTrvView, CMyFormView1)
    ON_EVENT(CTrvView, IDC_PAY_GRID, 3, OnEditStart, VTS_I2 VTS_I2 VTS_PBSTR VTS_PI2)
END_EVENTSINK_MAP()

CTrvView::CTrvView() : CMyFormView1(IDR_TRV)
{
    m_prd.SetType(EDIT_KIND_PLAIN);
}

CTrvView::~CTrvView() = default;

void CTrvView::DoDataExchange(CDataExchange* pDX)
{
    CMyFormView1::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PAY_GRID, m_grid);
    DDX_Control(pDX, IDC_PAY_PRD, m_prd);
}

bool CTrvView::Mode(TrvMode& mode) const
{
    auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
    return document && TrvModeOf(document->GetParam(), mode);
}

void CTrvView::OnInitialUpdate()
{
    CMyFormView1::OnInitialUpdate();
    TrvMode mode = TrvMode::Employees;
    const bool known = Mode(mode);
    static const char* const titles[] = {"Табель", "Табель по должностям", "Табель в часах"};
    appcore::SetFormTitle(this, known ? titles[int(mode)] : "Табель");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    if (known && mode == TrvMode::Employees) {
        m_grid.SetNCols(CALENDAR + 1);
        m_grid.SetColCaption(CALENDAR, "Кал-х");
        m_grid.SetColWidth(CALENDAR, m_grid.GetColWidth(FIGURE));
        m_grid.SetColType(CALENDAR, 9);
        m_grid.SetColAlign(CALENDAR, 2);
    } else if (known && mode == TrvMode::Hours) {
        m_grid.SetColCaption(FIGURE, "Часы");
    }
    m_grid.KeepRatio();
    m_grid.EnableWindow(FALSE);
    if (!known) {
        auto* document = dynamic_cast<CderivedDocument*>(GetDocument());
        AfxMessageBox(FormatText("Нет такого вида табеля: %d", document ? document->GetParam() : -1),
                      MB_OK | MB_ICONEXCLAMATION);
        m_prd.EnableWindow(FALSE);
    }
}

void CTrvView::OnChangePrd()
{
    CMyFormView1::OnChangePrd();
    if (!m_grid.GetSafeHwnd())
        return;
    CWaitCursor wait;
    m_grid.SetNRows(0);
    m_grid.EnableWindow(FALSE);
    TrvMode mode;
    CString typed, prd;
    GetDlgItemText(IDC_PAY_PRD, typed);
    if (Mode(mode) && nvenzol::CheckedNumber(typed, prd) && SprOk("spr_prd", prd)) {
        std::vector<std::vector<CString>> rows;
        // A failing read is reported; the rows read before it are shown, and
        // the grid stays closed to typing.
        const bool read = ReadTrvRows(mode, prd, rows);
        m_grid.SetRows(rows);
        m_grid.EnableWindow(read);
        if (!rows.empty())
            m_grid.SetCurCell(FIGURE, 0);
    }
    m_grid.Invalidate();
}

int CTrvView::Write(int ask)
{
    TrvMode mode;
    if (!Mode(mode) || !m_grid.IsWindowEnabled())
        return 0;
    if (ask && AfxMessageBox("Записать изменения ? ", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return 0;
    std::vector<TrvEntry> entries;
    for (long row = 0; row < m_grid.GetNRows(); ++row)
        entries.push_back({m_grid.GetCellValue(KEY, row), m_grid.GetCellValue(FIGURE, row),
                           mode == TrvMode::Employees ? m_grid.GetCellValue(CALENDAR, row) : CString()});
    long row = 0, col = 0;
    CString message;
    bool checked = false;
    bool written = false;
    {
        CWaitCursor wait;
        checked = CheckTrvEntries(mode, entries, row, col, message);
        written = checked && WriteTrvEntries(mode, entries);
    }
    if (!checked && row >= 0)
        RefuseCell(m_grid, col, row, message);
    if (!written)
        return 0;
    FocusCodeField(m_prd);
    return 1;
}

void CTrvView::OnSaveCommand()
{
    Write(1);
}

void CTrvView::OnEditStart(short col, short, CString*, short* cancel)
{
    if (col < FIGURE)
        *cancel = 1;
}

void CTrvView::OnSize(UINT nType, int cx, int cy)
{
    CMyFormView1::OnSize(nType, cx, cy);
    PlaceMonthlyGrid(this, m_grid, kBand);
}

} // namespace npaymar
