#include "CPrnKnigaProdView.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnKnigaProdView, CInvoicePrintView)

CPrnKnigaProdView::CPrnKnigaProdView() : CInvoicePrintView("Печать книги продаж", true, Run::AnswersPage) {}

CPrnKnigaProdView::~CPrnKnigaProdView() = default;

} // namespace nledmark
