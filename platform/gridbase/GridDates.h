// Dates as the forms show and type them: dd.mm.yyyy texts.
#pragma once
#include "afx.h"

// The day of a date value as dd.mm.yyyy (the time of day left out); "" for an
// invalid or null value (an empty date field).
CString DMGtoStr(const COleDateTime& date);
// The day as dd.mm.yyyy text, which qwDMG and ChangeDateUS0 read back; "" for
// a day that does not exist (31 April, 29 February 1900).
CString GetLocalDate(int year, int month, int day);
