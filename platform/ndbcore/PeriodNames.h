// Names of months, reporting periods and weekdays, in Russian.
#pragma once
#include "afx.h"

// "январь" .. "декабрь"; "" outside 1..12.
CString GetMonthName(long month);
// The form of dates written in words: "января" .. "декабря".
CString GetMonthName0(long month);
// The period kinds of the quarter view, 0..18: months, quarters, half-year,
// nine months and the year ("январь", "I квартал", ..., "за год").
CString GetOtpName(long otpId);
// 1 = "воскресенье" .. 7 = "суббота"; "" for anything else (-1 for a date that did not convert).
CString GetDayOfWeekName(long day);
