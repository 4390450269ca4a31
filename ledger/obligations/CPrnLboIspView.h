// The execution of the limits by KBK and KOSGU for a period (report "prn_lbo_isp"), on the form of the limits card.
#pragma once
#include "CLboReportForm.h"

namespace nledmark {

class CPrnLboIspView : public CLboPeriodForm {
    DECLARE_DYNCREATE(CPrnLboIspView)
public:
    CPrnLboIspView();
    LimitPage Page(const LboPeriodFilter& filter) override;
};

} // namespace nledmark
