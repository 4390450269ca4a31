// Date arithmetic on date texts (the forms of DateText.h). Results are
// dd.mm.yyyy texts; a text that is no date gives "" (or 0, false).
#pragma once
#include "afx.h"

// A date value of a text; an invalid status means no date. The flag has no effect.
COleDateTime qwDMG(LPCTSTR text, int unused = 1);
// The date moved by whole years, then months (the day kept, or the month's
// last day when it has fewer), then days: AddDate(d, 0, 0, 1) is the day after.
CString AddDate(LPCTSTR date, long years, long months, long days);
// The earlier of two dates; when one is no date, the other.
CString MinDate(LPCTSTR a, LPCTSTR b);
// Months from the first date's month to the second's (0 within one month, negative backwards).
long GetTotalMonths(LPCTSTR from, LPCTSTR to);
// The days of the period from d1 to d2, both counted, as text ("10" for 1st to 10th); "0" when d2 is before d1.
CString GetDateDif(LPCTSTR d1, LPCTSTR d2);
// Whole years, months and days from one date to the next, joined by "-"
// ("1-2-14"); "" when a date is missing or the second is earlier.
CString CalcVoz0(LPCTSTR from, LPCTSTR to);
// The year and month of a date; false when it is no date.
bool otp(LPCTSTR date, long& year, long& month);
// The calendar days of a month, as text ("29" for February 2024).
CString GetDaysPerMonth(long month, long year);
