// Dates as the forms show and type them: dd.mm.yyyy texts. The date
// arithmetic of the database layer (qwDMG, AddDate(date, years, months, days),
// GetDaysPerMonth, GetDateDif, CalcVoz0, MinDate) comes with this header.
#pragma once
#include "afx.h"
#include "DateFunctions.h"

// A typed date normalised to dd.mm.yyyy; "" when the text is no date. Always
// read: the layer's date texts, dd.mm.yyyy or d.m.yyyy and yyyy-m-d, a time
// after them dropped. With `shortForms` nonzero also what a user types in a
// hurry: "," "/" "-" or a blank between the numbers, two-digit years (00-29
// are 20xx, 30-99 19xx) and digits alone (ddmmyy, ddmmyyyy). Years before
// 1900 and days that do not exist (31.04, 29.02.1900) are no date. The third
// argument is accepted and has no effect.
CString DMG(const CString& text, int shortForms = 0, int unused = 0);

// The day of a date value as dd.mm.yyyy (the time of day left out); "" for an
// invalid or null value (an empty date field).
CString DMGtoStr(const COleDateTime& date);
// The day as dd.mm.yyyy text, which qwDMG and ChangeDateUS0 read back; "" for
// a day that does not exist (31 April, 29 February 1900).
CString GetLocalDate(int year, int month, int day);
