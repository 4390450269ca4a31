// The execution of the limits by month, on the form of the planned limits (report "prn_lbo_mes_fakt").
#pragma once
#include "CLboReportForm.h"

namespace nledmark {

class CPrnLboMesFaktView : public CLboMonthForm {
    DECLARE_DYNCREATE(CPrnLboMesFaktView)
public:
    CPrnLboMesFaktView();
    LimitPage Page(const LboMonthFilter& filter) override;
};

} // namespace nledmark
