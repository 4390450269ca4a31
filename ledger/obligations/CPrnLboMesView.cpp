#include "CPrnLboMesView.h"

#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnLboMesView, CLboMonthForm)

CPrnLboMesView::CPrnLboMesView() : CLboMonthForm(IDR_PRN_LBO_MES, "Плановые ЛБО по месячно", 1, 8) {}

LimitPage CPrnLboMesView::Page(const LboMonthFilter& filter)
{
    return PlannedLimitsPage(filter);
}

} // namespace nledmark
