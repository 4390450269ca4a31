// The current user and working period, shared by every module: the globals
// the shell sets at log-in and the period views change, and the bounds of
// the working period (DPV1/DPV2). A worker thread copies what it needs when
// it starts instead of reading them while the user changes them.
#pragma once
#include "afx.h"

extern long g_lTN;           // the user's personnel number
extern long g_lYear;         // year of the working period (payroll year)
extern long g_lMonth;        // month of the working period (payroll month)
extern long g_lOtpId;        // the reporting period kind of the quarter view, 0..18
extern long g_lProjectType;  // the database's project type (constant const_ProjectType)
extern long g_lReportTipe;   // report kind of the settings sheet
extern BOOL g_bAskExit;      // ask before leaving the program
extern BOOL g_bMultyProcess; // several instances for the same server, workplace and user

// Bounds of the working period as dd.mm.yyyy ("" when unset).
CString GetDPV1();
CString GetDPV2();
// Take dd.mm.yyyy, yyyy-mm-dd or a date read from the database; a text that is
// no date leaves the bound unset.
void SetDPV1(LPCTSTR date);
void SetDPV2(LPCTSTR date);

// First and last date of a payroll month: the period's dates in table otp,
// or the calendar month when the table has none.
CString GetOtpD1(long year, long month);
CString GetOtpD2(long year, long month);
