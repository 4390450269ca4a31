// The calculation note of a vacation record: the page the payroll's vacation
// form shows and prints, made from the stored record alone.
#pragma once

#include "afx.h"

// The finished HTML page of vacation record `npp` of employee `tn` in the
// month: the employee, the order, the type, the grounds and the dates, and
// for the main and the additional vacation the pay code and days, the
// months with their days, each pay sheet's earnings, premium, coefficient
// and total, the average daily earnings and the vacation pay per sheet with
// the part's total; at the end the record's total. The figures are the ones
// the record's save kept (paymar_otpusk's mes, nv_s and sovokup records of
// each part). A record not stored, or numbers that are none, give a page
// that says so.
CString GetZapiskaRaschet0(const char* tn, long year, long month, const char* npp);
