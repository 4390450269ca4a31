#include "CPrnSchFakVydView.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnSchFakVydView, CInvoicePrintView)

CPrnSchFakVydView::CPrnSchFakVydView() : CInvoicePrintView("Журнал выданных счетов-фактур", false) {}

CPrnSchFakVydView::~CPrnSchFakVydView() = default;

void CPrnSchFakVydView::Print(const CString& call)
{
    EXEC_Execute(call, 0);
}

} // namespace nledmark
