#include "CSelectYearView.h"

#include "MonthLists.h"
#include "ReportRun.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CSelectYearView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSelectYearView, CderivedFormview)
    ON_BN_CLICKED(IDC_MONTHS_ALL, CheckAllRows)
    ON_BN_CLICKED(IDC_MONTHS_CLEAR, UncheckAllRows)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirectCommand)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CSelectYearView, CderivedFormview)
    ON_EVENT(CSelectYearView, IDC_SELECT_MONTHS, 8, OnMonthCellChanged, VTS_I2 VTS_I2 VTS_PBSTR)
END_EVENTSINK_MAP()

CSelectYearView::CSelectYearView() : CderivedFormview(IDR_SELECT_YEAR) {}

CSelectYearView::CSelectYearView(UINT nIDTemplate) : CderivedFormview(nIDTemplate), m_table("paymar_M")
{
    m_bPrintForm = 1;
}

CSelectYearView::~CSelectYearView() = default;

void CSelectYearView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECT_MONTHS, m_grid);
}

void CSelectYearView::OnInitialUpdate()
{
    CderivedFormview::OnInitialUpdate();
    ResizeParentToFit(FALSE);
    FillMonths();
}

void CSelectYearView::FillMonths()
{
    CWaitCursor wait;
    RunFill(m_grid, "CPrnLapshaView", [&] { FillMonthList(m_grid, m_table); });
}

void CSelectYearView::OnMonthCellChanged(short col, short row, CString* text)
{
    NameMonthRow(m_grid, col, row, *text);
}

CString CSelectYearView::GetMonthCondition()
{
    return MonthCondition(m_grid);
}

void CSelectYearView::BuildReport(int) {}

void CSelectYearView::RunReport(int direct)
{
    bool ticked = false;
    for (long r = 0; r < m_grid.GetNRows() && !ticked; ++r)
        ticked = m_grid.GetBCheck(r) != 0;
    if (!ticked) {
        AfxMessageBox("Выберите месяц", MB_OK);
        return;
    }
    naddviews::RunReportReported([&] { BuildReport(direct); });
}

void CSelectYearView::CheckAllRows()
{
    m_grid.SetBCheckAll(1);
}

void CSelectYearView::UncheckAllRows()
{
    m_grid.SetBCheckAll(0);
}

void CSelectYearView::OnOK()
{
    RunReport(0);
}

void CSelectYearView::OnPrintDirect()
{
    RunReport(1);
}

void CSelectYearView::OnPrintDirectCommand()
{
    OnPrintDirect();
}

} // namespace npaymar
