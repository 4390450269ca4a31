// One employee's payroll documents as HTML pieces, read from the month's
// results (paymar_NUz: pay codes up to 200 accrued, above 200 deducted, 201
// the income tax) of the working year g_lYear unless a year is given. A piece
// stands inside the caller's page between its own pieces; it is a format text
// ("%%" prints "%"), every text of the database escaped. A piece is empty when
// the employee has nothing in the months asked for, or when the personnel
// number is no whole number (nothing asked of the database then).
//
// The forms with `ok` learn of a database failure: it has been reported, `ok`
// is false and the piece holds what was read before it (empty when nothing).
#pragma once

#include "afx.h"

// The pay slip of the month: accruals and deductions by pay code, their
// totals and the amount to pay.
CString GetRaschList(const char* tn, long month);
CString GetRaschList(const char* tn, long month, bool& ok);
// The individual earnings card: each pay code by month from January to the
// month, with the totals and the amount paid.
CString GetInd(const char* tn, long month);
CString GetInd(const char* tn, long month, bool& ok);
// "How it was": each month from January to the month by pay sheet and pay
// code, with the month's totals.
CString GetKB(const char* tn, long month);
CString GetKB(const char* tn, long month, bool& ok);
// The settlement note of the month: the pay slip's figures with the
// institution's name and the signatures.
CString GetZapiskaRaschet(long tn, long year, long month);
CString GetZapiskaRaschet(long tn, long year, long month, bool& ok);
// The income certificate for the year up to the month: income by pay code
// and the tax withheld.
CString GetDoxGod(long tn, long month);
CString GetDoxGod(long tn, long month, bool& ok);
// The income certificate by month from January to the month; `cumulative`
// non-zero adds the income and tax from the year's start.
CString GetDoxMes(long tn, long year, long month, long cumulative);
CString GetDoxMes(long tn, long year, long month, long cumulative, bool& ok);
// The income-tax card of the year up to the month: income, tax computed and
// withheld by month and from the year's start. The last argument is not read.
CString GetNDFL1(const char* tn, long month, int unused);
CString GetNDFL1(const char* tn, long month, int unused, bool& ok);

// The bank details of a pay sheet for the head of its bank list: settlement
// account, correspondent account, bank identification code and tax number as
// the sheet keeps them, the institution's constants ("ORG_RS", "ORG_KS",
// "ORG_BIK", "ORG_INN") where the sheet has none.
CString GetOrgRS(long sheet);
CString GetOrgKS(long sheet);
CString GetOrgBIK(long sheet);
CString GetOrgINN(long sheet);
