// The premiums (bonus pay codes of spr_paymar_prem) an employee was paid in
// a month, as the averages of vacation pay take them apart from the other
// earnings of the month.
#pragma once

#include "afx.h"

// The sum of the month's results (paymar_nuz of year and month) of employee
// `tn` under the bonus pay codes in force that month (not deleted before its
// first day), on pay sheet `sheet`, or on every sheet for -1; `unused` is not
// read. 0 when there is none, or when `tn` is no personnel number. Kopecks
// kept.
double GetPrem(const char* tn, long year, long month, long sheet, const char* unused);
