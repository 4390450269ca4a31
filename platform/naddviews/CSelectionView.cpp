#include "CSelectionView.h"

#include "ReportRun.h"
#include "res/NaddviewsResource.h"

IMPLEMENT_DYNAMIC(CSelectionView, CderivedFormview)

BEGIN_MESSAGE_MAP(CSelectionView, CderivedFormview)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_SELECT_ALL, OnSelall)
    ON_BN_CLICKED(IDC_SELECT_CLEAR, OnClearlist)
    ON_COMMAND(IDOK, OnOk)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnFilePrintDirect)
END_MESSAGE_MAP()

CSelectionView::CSelectionView(UINT nIDTemplate, HINSTANCE hModule) : CderivedFormview(nIDTemplate, hModule) {}

CSelectionView::~CSelectionView() = default;

void CSelectionView::DoDataExchange(CDataExchange* pDX)
{
    CderivedFormview::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECT_GRID, m_grid);
}

void CSelectionView::BuildReport(int) {}

void CSelectionView::SetAllTicks(long tick)
{
    m_grid.SetBCheckAll(tick);
}

void CSelectionView::LayOut()
{
    appcore::PlaceGridAndButtons(this, &m_grid, {IDCANCEL, IDOK}, {IDC_SELECT_ALL, IDC_SELECT_CLEAR});
}

void CSelectionView::RunReport(int direct)
{
    naddviews::RunReportReported([&] { BuildReport(direct); });
}

void CSelectionView::OnSelall()
{
    SetAllTicks(1);
}

void CSelectionView::OnClearlist()
{
    SetAllTicks(0);
}

void CSelectionView::OnOk()
{
    RunReport(0);
}

void CSelectionView::OnFilePrint()
{
    RunReport(0);
}

void CSelectionView::OnFilePrintDirect()
{
    RunReport(1);
}

void CSelectionView::OnSize(UINT nType, int cx, int cy)
{
    CderivedFormview::OnSize(nType, cx, cy);
    LayOut();
}
