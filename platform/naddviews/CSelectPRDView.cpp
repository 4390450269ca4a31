#include "CSelectPRDView.h"

#include "SelectionQueries.h"
#include "ndbcore.h"

IMPLEMENT_DYNCREATE(CSelectPRDView, CSelectionView)

CSelectPRDView::CSelectPRDView(UINT nIDTemplate) : CSelectionView(nIDTemplate, AFX_CALLER_MODULE) {}

CSelectPRDView::~CSelectPRDView() = default;

void CSelectPRDView::OnInitialUpdate()
{
    CSelectionView::OnInitialUpdate();
    CderivedDocument* document = GetDocument();
    const CString source = document ? document->m_strParam : CString();
    const CString sql = naddviews::DepartmentsQuery(source, m_nMode == 1 ? g_lYear : 0, 0);
    if (!sql.IsEmpty())
        appcore::FillGridFromQuery(m_grid, sql, false);
    LayOut();
}
