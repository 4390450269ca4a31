// Pay by average earnings: the employee's average daily actual earnings over
// the twelve months before the month the calculation starts in (the pay
// codes grouped under the payment's code, deductions taken off, divided by
// the days worked), with the pay sheets left out that the institution's
// project type or the employee's department exclude, and the amount for the
// days to pay. An employee of less than three months' service is averaged
// over the three months before at a fixed base of 600.00 a month for the
// calendar's working days. Amounts stay doubles from reading to writing.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

struct AverageEarningsMonth {
    CString year, month, days, earnings;
};

struct AverageEarnings {
    CString filter;                      // the months and the sheets left out, as SQL
    std::vector<AverageEarningsMonth> months;
    bool shortService = false;
    bool reached = false;                // the totals were reached: the figures below hold
    double days = 0;
    double earnings = 0;
    CString average;                     // 2 decimals
    CString amount;                      // 2 decimals
    CString problem;                     // why the totals were not reached, when it is to be said
};

// The month before the year and month given.
void StepBack(long& year, long& month);

// The pay sheets the averages leave out, as SQL (" and nv<>3"; "" for none):
// sheet 3 for project type 1; for project type 0 sheet 2 of departments 1,
// 2, 4, 6 and 7 and sheet 1 of department 3 (the employee's, tn.prd).
CString SheetExclusion(const CString& tn);

// The figures of employee `tn` (a checked number) for pay code `code` from
// `date` for `daysToPay` days (a number text, "," or "."). Not reached (and
// no filter) when the date is none, the code or the days are empty.
AverageEarnings ComputeAverageEarnings(const CString& tn, const CString& code, const CString& date,
                                       const CString& daysToPay);

} // namespace npaymar
