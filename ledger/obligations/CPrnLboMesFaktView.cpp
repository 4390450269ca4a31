#include "CPrnLboMesFaktView.h"

#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnLboMesFaktView, CLboMonthForm)

CPrnLboMesFaktView::CPrnLboMesFaktView() : CLboMonthForm(IDR_PRN_LBO_MES, "Исполнение ЛБО по месячно", 1, 8) {}

LimitPage CPrnLboMesFaktView::Page(const LboMonthFilter& filter)
{
    return LimitsExecutionPage(filter);
}

} // namespace nledmark
