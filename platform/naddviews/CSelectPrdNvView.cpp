#include "CSelectPrdNvView.h"

#include "SelectionQueries.h"
#include "ndbcore.h"
#include "res/NaddviewsResource.h"

IMPLEMENT_DYNCREATE(CSelectPrdNvView, CSelectionView)

CSelectPrdNvView::CSelectPrdNvView(UINT nIDTemplate)
    : CSelectionView(nIDTemplate, AFX_CALLER_MODULE), m_gridDepartments(m_grid)
{
}

CSelectPrdNvView::~CSelectPrdNvView() = default;

void CSelectPrdNvView::DoDataExchange(CDataExchange* pDX)
{
    CSelectionView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECT_SHEETS, m_gridSheets);
}

void CSelectPrdNvView::OnInitialUpdate()
{
    CSelectionView::OnInitialUpdate();
    CderivedDocument* document = GetDocument();
    const CString source = document ? document->m_strParam : CString();
    const CString departments = naddviews::DepartmentsQuery(source, g_lYear, g_lMonth);
    if (!departments.IsEmpty()) {
        appcore::FillGridFromQuery(m_gridDepartments, departments, false);
        appcore::FillGridFromQuery(m_gridSheets, naddviews::SheetsQuery(source, g_lYear, g_lMonth), false);
    }
    LayOut();
}

void CSelectPrdNvView::SetAllTicks(long tick)
{
    m_gridDepartments.SetBCheckAll(tick);
    m_gridSheets.SetBCheckAll(tick);
}

// The two lists share the width above the buttons.
void CSelectPrdNvView::LayOut()
{
    appcore::PlaceGridAndButtons(this, &m_gridDepartments, {IDCANCEL, IDOK}, {IDC_SELECT_ALL, IDC_SELECT_CLEAR});
    if (!m_gridSheets.GetSafeHwnd() || !m_gridDepartments.GetSafeHwnd())
        return;
    CRect client;
    GetClientRect(&client);
    const int height = client.Height() > appcore::kButtonStrip ? client.Height() - appcore::kButtonStrip
                                                               : client.Height();
    const int half = client.Width() / 2;
    m_gridDepartments.MoveWindow(0, 0, half - 2, height);
    m_gridSheets.MoveWindow(half + 2, 0, client.Width() - half - 2, height);
}
