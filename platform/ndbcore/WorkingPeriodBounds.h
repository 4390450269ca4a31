// Both bounds of a payroll month read at once, for a caller that needs the
// two together (the day time sheet checks every day typed against them).
#pragma once
#include "afx.h"

// The first and last date of the payroll month as GetOtpD1 and GetOtpD2 give
// them (WorkingPeriod.h), from one query of table otp.
struct OtpBounds {
    CString first;
    CString last;
};
OtpBounds GetOtpBounds(long year, long month);
