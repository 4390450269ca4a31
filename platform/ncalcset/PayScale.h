// The tariff scale and the seniority texts the tariffication lists use: the
// salary of one rate of an assignment (GetOKL) and the years-months-days of
// medical seniority less the card's interruption days (GetMedStaj). Each has
// a form that reads what it needs and a form that takes the values, for lists
// that read them once.
#pragma once

#include "afx.h"

#include <map>

// The scale in force at a date: the salary of grade 1 (spr_venz_okl.okl1)
// and each grade's coefficient (spr_venz_kof), each the row with the latest
// date not after it.
struct PayScale {
    double okl1 = 0;
    std::map<int, double> kof;
};
PayScale ReadPayScale(const char* date);

// The salary of one rate: the assignment's own `okl` when it is set (not 0),
// else the grade-1 salary times the grade's coefficient (0 for a grade
// without one).
double GetOKL(int grade, double okl, const PayScale& scale);
// The same, reading the assignment's okl and the scale at the date; the
// answer as text ("12500.00"-like, atof reads it).
CString GetOKL(int grade, const char* date, long tn, long npp);

// The payroll salary of an employee: the `okl` of spr_paymar_dol1 for the
// position of his main pay row (paymar_bux.osn 1) on his main pay sheet
// (tn.nv), as the database gives it ("12750.00"); "" when there is none or
// `tn` is no personnel number.
CString GetOKL_paymar(const char* tn);

// "years-months-days" from `start` to `end` (dd.mm.yyyy), the start moved on
// by the interruption days first: "6-2-11". "" when `start` is no date;
// "0-0-0" when the end comes first.
CString MedStajText(const char* end, const char* start, long interruptionDays);
// The medical seniority of the employee (interruption days dnbs of his card)
// and the district one (dnbs_u), from start to end.
CString GetMedStaj(long tn, const char* end, const char* start);
CString GetMedStaj_u(long tn, const char* end, const char* start);
