// The nineteen kinds of reporting period of a year that the period view by
// kind offers (the row number is the kind, `otp_id`): the twelve months,
// the four quarters, the half-year, nine months and the whole year.
#pragma once
#include "afx.h"

constexpr int kPeriodKindCount = 19;
constexpr int kPeriodKindYear = 18;

// The month number shown for a month row (1..12), 0 for the other kinds.
int PeriodKindMonth(int kind);
// First and last day of a kind in a year as dd.mm.yyyy; "" for an unknown
// kind or a year outside 1..9999. February ends on the 29th in the years of
// the Gregorian calendar that have one (2000 and 2024 do, 1900 and 2023 do not).
CString PeriodKindFirstDay(int kind, int year);
CString PeriodKindLastDay(int kind, int year);
// The kind's name: "январь", "I квартал", ..., "за год".
CString PeriodKindName(int kind);
// The kind whose days in a year are exactly first..last (dd.mm.yyyy), with
// that year in *year; -1 when the days are no kind's.
int PeriodKindOfDays(const CString& first, const CString& last, int* year);

// A year typed by the user: a whole number from 1900 to 9999 and nothing
// else; 0 otherwise. Only a year that passed this reaches SQL.
int ParseYear(const CString& text);
