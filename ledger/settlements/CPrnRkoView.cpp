#include "CPrnRkoView.h"

#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnRkoView, CCashOrderView)

CPrnRkoView::CPrnRkoView() : CCashOrderView(IDR_PRN_RKO, kExpenseOrder) {}

CPrnRkoView::~CPrnRkoView() = default;

// The passport line of the employee; an empty personnel number leaves the
// document as it was typed.
void CPrnRkoView::ShowPerson()
{
    CCashOrderView::ShowPerson();
    CString tn;
    GetDlgItemText(IDC_SET_TN, tn);
    tn.Trim();
    if (tn.IsEmpty())
        return;
    const CString query = PassportQuery(tn);
    SetDlgItemText(IDC_CO_DOC, query.IsEmpty() ? CString() : ExecuteString(query));
}

} // namespace nledmark
