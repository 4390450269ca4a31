#include "CPrnSchFakVydView.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnSchFakVydView, CInvoicePrintView)

CPrnSchFakVydView::CPrnSchFakVydView() : CInvoicePrintView("Журнал выданных счетов-фактур", false, Run::Shows) {}

CPrnSchFakVydView::~CPrnSchFakVydView() = default;

} // namespace nledmark
