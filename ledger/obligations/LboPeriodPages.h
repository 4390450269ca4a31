// The two reports on limits of budget obligations for a period: the execution
// of the limits by (KBK, KOSGU) pair with sixteen columns of turnovers, and the
// card of limits on 501.05 with the yearly figure and the period's change.
#pragma once
#include "LimitReportText.h"

namespace nledmark {

struct LboPeriodFilter {
    COleDateTime from, to;
    int branch = -2;   // -2: every branch
    int source = 0;    // 0: every source
};

LimitPage LimitsExecutionReportPage(const LboPeriodFilter& filter);
LimitPage LimitsCardPage(const LboPeriodFilter& filter);

// The four parts (ППП, ФКР, КЦСР, КВР) of a KBK's full code text.
void SplitKbkCode(const CString& code, CString parts[4]);

} // namespace nledmark
