// The two monthly reports on limits of budget obligations of a year: the
// planned limits (assignments for the year and the quarters, limits of each
// month from the 501.03 credit postings, totals and their changes) and their
// execution (501.03 credit "принято", debit "исполнено", and the rest).
#pragma once
#include "LimitReportText.h"

namespace nledmark {

struct LboMonthFilter {
    long year = 0;
    int branch = -2;     // -2: every branch
    int source = 0;      // 0: every source
    CString kbkList;     // "12,15": KBK ids, checked by KbkListCondition
    CString division;    // spr_prd id, "" for every division; a whole number
};

// "" when the filter may be run, else the message that says what is wrong.
CString CheckLboMonthFilter(const LboMonthFilter& filter);

// The queries of a run, in the order they are read: the assignments, then
// the twelve months of limits; the execution reads the twelve months alone.
// After them each reads the order of the economic codes (kEkrOrderSql).
std::vector<CString> PlannedLimitsQueries(const LboMonthFilter& filter);
std::vector<CString> LimitsExecutionQueries(const LboMonthFilter& filter);

LimitPage PlannedLimitsPage(const LboMonthFilter& filter);
LimitPage LimitsExecutionPage(const LboMonthFilter& filter);

} // namespace nledmark
