// The reporting periods in the database: table otp (one row per year and
// month with its first and last day) and the user's current period in table
// tn (dpv1, dpv2, g, otp_id). Years reach SQL only as checked numbers, dates
// only through the literal helper.
#pragma once
#include "afx.h"

#include <vector>

struct OtpMonthRow {
    int month = 0;
    CString firstDay;   // dd.mm.yyyy, "" when not set
    CString lastDay;
};

// The years that have periods, ascending; a failure throws _com_error.
void ReadOtpYears(std::vector<int>& years);
// The periods of a year in month order; a failure throws _com_error.
void ReadOtpMonths(int year, std::vector<OtpMonthRow>& rows);

// The year "add a year" creates: the year after the last one in the table,
// or `currentYear` itself when the table is empty (so the current year's
// periods can be made on a new database).
int NextOtpYear(int currentYear);
// Adds the twelve calendar months of a year in one batch; nonzero on success.
int AddOtpYear(int year);
// Replaces one month's dates; nonzero on success.
int ChangeOtpMonth(int year, int month, const CString& firstDay, const CString& lastDay);

// Makes a month the user's working period: year and month (SetOtpTn, which
// also makes them the session's for the logged-in user) and the bounds
// dpv1/dpv2, in one transaction; nonzero on success. On a failure nothing is
// stored and the session's year and month stay as they were.
int SaveUserMonthPeriod(long tn, int year, int month, const CString& firstDay, const CString& lastDay);
// Makes a period kind of a year the user's working period (g, otp_id, dpv1,
// dpv2); the session's globals are the caller's to set on success.
int SaveUserKindPeriod(long tn, int year, int kind, const CString& firstDay, const CString& lastDay);
