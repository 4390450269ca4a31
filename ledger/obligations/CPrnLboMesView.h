// The planned limits of budget obligations by month (report "prn_lbo_mes").
#pragma once
#include "CLboReportForm.h"

namespace nledmark {

class CPrnLboMesView : public CLboMonthForm {
    DECLARE_DYNCREATE(CPrnLboMesView)
public:
    CPrnLboMesView();
    LimitPage Page(const LboMonthFilter& filter) override;
};

} // namespace nledmark
