#include "CSelectTN.h"

#include "SelectionQueries.h"

IMPLEMENT_DYNAMIC(CSelectTN, CSelectionView)

CSelectTN::CSelectTN(UINT nIDTemplate) : CSelectionView(nIDTemplate, AFX_CALLER_MODULE) {}

CSelectTN::~CSelectTN() = default;

void CSelectTN::OnInitialUpdate()
{
    CSelectionView::OnInitialUpdate();
    appcore::FillGridFromQuery(m_grid, naddviews::EmployeesQuery(), false);
    LayOut();
}
