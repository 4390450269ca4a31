#include "CPrnLboIspView.h"

#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnLboIspView, CLboPeriodForm)

CPrnLboIspView::CPrnLboIspView() : CLboPeriodForm(IDR_PRN_LBO_KART, "Исполнение лимитов бюджетных обязательств", 1) {}

LimitPage CPrnLboIspView::Page(const LboPeriodFilter& filter)
{
    return LimitsExecutionReportPage(filter);
}

} // namespace nledmark
