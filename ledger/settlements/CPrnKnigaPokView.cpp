#include "CPrnKnigaPokView.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnKnigaPokView, CInvoicePrintView)

CPrnKnigaPokView::CPrnKnigaPokView() : CInvoicePrintView("Печать книги покупок", true, Run::AnswersPage) {}

CPrnKnigaPokView::~CPrnKnigaPokView() = default;

} // namespace nledmark
