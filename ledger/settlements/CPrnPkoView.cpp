#include "CPrnPkoView.h"

#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnPkoView, CCashOrderView)

CPrnPkoView::CPrnPkoView() : CCashOrderView(IDR_PRN_PKO, kReceiptOrder) {}

CPrnPkoView::~CPrnPkoView() = default;

} // namespace nledmark
