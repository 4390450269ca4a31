#include "CPrnSvPrdView.h"

#include "EmployeePages.h"
#include "appcore.h"
#include "res/resource.h"

namespace npaymar {

IMPLEMENT_DYNCREATE(CPrnSvPrdView, CSelectMonthNV)

CPrnSvPrdView::CPrnSvPrdView() : CSelectMonthNV(IDD_SELECT_MONTH_NV) {}

CPrnSvPrdView::~CPrnSvPrdView() = default;

void CPrnSvPrdView::OnInitialUpdate()
{
    CSelectMonthNV::OnInitialUpdate();
    if (CWnd* box = GetDlgItem(IDC_ONE_REPORT))
        box->ShowWindow(SW_SHOW);
    appcore::SetFormTitle(this, "Свод по видам оплат");
}

void CPrnSvPrdView::BuildReport(int)
{
    UpdateData(TRUE);
    const CString months = GetMonthList();
    std::vector<CString> sheets;
    if (m_bOneReport) {
        sheets.push_back(GetSheetList());
    } else {
        for (long sheet : TickedNumbers(m_gridSheets))
            sheets.push_back(FormatText("%ld", sheet));
    }
    for (const CString& sheet : sheets)
        if (!EXEC_Execute(FormatText("prn(\"%s\",\"%s\")", months, sheet), 0))
            break;
}

} // namespace npaymar
