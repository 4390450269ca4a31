#include "CPrnLboKartView.h"

#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CPrnLboKartView, CLboPeriodForm)

CPrnLboKartView::CPrnLboKartView() : CLboPeriodForm(IDR_PRN_LBO_KART, "Карточка учета лимитов бюджетных обязательств", 0) {}

LimitPage CPrnLboKartView::Page(const LboPeriodFilter& filter)
{
    return LimitsCardPage(filter);
}

} // namespace nledmark
