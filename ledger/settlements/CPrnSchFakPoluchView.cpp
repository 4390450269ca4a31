#include "CPrnSchFakPoluchView.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnSchFakPoluchView, CInvoicePrintView)

CPrnSchFakPoluchView::CPrnSchFakPoluchView() : CInvoicePrintView("Журнал полученных счетов-фактур", false, Run::Shows) {}

CPrnSchFakPoluchView::~CPrnSchFakPoluchView() = default;

} // namespace nledmark
