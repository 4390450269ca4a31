#include "CPrnRaschVedView.h"

#include "EmployeePages.h"
#include "appcore.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CPrnRaschVedView, CSelectPRDView)

CPrnRaschVedView::CPrnRaschVedView() = default;

CPrnRaschVedView::~CPrnRaschVedView() = default;

void CPrnRaschVedView::OnInitialUpdate()
{
    GetDocument()->m_strParam = "paymar_m";
    m_nMode = 1;
    CSelectPRDView::OnInitialUpdate();
    appcore::SetFormTitle(this, "Расчетная ведомость");
}

void CPrnRaschVedView::BuildReport(int)
{
    const std::vector<long> departments = TickedNumbers(m_grid);
    if (departments.empty()) {
        AfxMessageBox("Выберите подразделение", MB_OK);
        m_grid.SetFocus();
        return;
    }
    for (long department : departments)
        if (!EXEC_Execute(FormatText("prn(%ld)", department), 0))
            break;
    OnCancel();
}

} // namespace npaymar
