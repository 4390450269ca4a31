// Sick pay of a certificate's period: the average daily earnings, capped by
// the monthly maximum of the pay code's algorithm spread over each month's
// calendar days, scaled by the period's percent and rounded to kopecks per
// day, times the days of each month the period covers. The days a period
// counts for its "Дней" column leave out the days off and holidays.
#pragma once
#include "afx.h"

namespace npaymar {

// The monthly maximum of sick pay of algorithm `alg` in force on `firstDay`
// (a date text): the latest row of spr_paymar_bol_max dated on or before
// that day, so a maximum dated later never applies and after the newest row
// the newest applies. 0 when there is none (or no date).
double SickPayMaximum(const CString& firstDay, long alg);

// What one period pays.
struct SickPeriodPay {
    bool paid = false;  // a maximum above 0 and dates in order: the figures below hold
    double daily = 0;   // the daily amount of the period's last month
    long days = 0;      // the calendar days paid, first and last day counted
    double amount = 0;  // the sum of each month's days times its daily amount, in kopecks
};

// The period from `first` to `last` (dd.mm.yyyy) at `percent` of `average`,
// each month's daily rate no more than `maximum` over the month's calendar
// days. Nothing paid for a maximum of 0 or less, dates that are none or in
// the wrong order.
SickPeriodPay PaySickPeriod(double average, double maximum, double percent, const CString& first,
                            const CString& last);

// The days from `first` to `last` (both counted) that are neither in the
// days off and holidays (spr_vix_prazd) nor in the other non-working days
// (spr_sub), a day of both lists once; -1 for dates that are none.
long SickPeriodDays(const CString& first, const CString& last);

} // namespace npaymar
