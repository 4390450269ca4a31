// The card of the limits of budget obligations on 501.05 (report "prn_lbo_kart").
#pragma once
#include "CLboReportForm.h"

namespace nledmark {

class CPrnLboKartView : public CLboPeriodForm {
    DECLARE_DYNCREATE(CPrnLboKartView)
public:
    CPrnLboKartView();
    LimitPage Page(const LboPeriodFilter& filter) override;
};

} // namespace nledmark
