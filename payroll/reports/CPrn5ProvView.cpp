#include "CPrn5ProvView.h"

#include "CheckLists.h"
#include "PostingScript.h"
#include "gridbase.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CPrn5ProvView, CSelectYearView)

CPrn5ProvView::CPrn5ProvView() : CSelectYearView(IDR_SELECT_YEAR) {}

CPrn5ProvView::~CPrn5ProvView() = default;

void CPrn5ProvView::BuildReport(int)
{
    m_table = "paymar_NUz";
    CString condition, names;
    if (!CellworkCheckedAll(m_grid)) {
        condition = naddviews::ListClause(m_grid, m_table + ".ms=%s");
        names = naddviews::JoinCheckedNames(m_grid);
    }
    if (RunPostingScript(condition, names, -1, nullptr))
        OnCancel();
}

} // namespace npaymar
