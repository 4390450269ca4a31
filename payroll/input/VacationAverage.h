// Vacation average earnings: the months before the vacation the average is
// taken from (twelve from 6 October 2006 on, three before) with the days
// each counts (the monthly divisor, 29.4 or 29.6, for a month whose plan was
// met, else the divisor over the month's calendar days, in kopecks, times
// the calendar days worked), and, for one part of a vacation record (the
// main or the additional vacation) and each ticked pay sheet, the month's
// earnings of the pay codes grouped under the part's code (premium codes
// left out), its premium, both times the month's indexation coefficient
// where the sheet is indexed, the sheet's average daily earnings and its
// vacation pay for the part's whole days. Amounts are doubles from reading
// to writing, rounded to kopecks at every step the form shows.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

// How many months the average is taken from: 12 for a start on or after
// 6 October 2006, 3 before; 0 for a start that is no date.
long GetAveragingMonths(const CString& start);
// The monthly divisor of days as text: "29.4" from 6 October 2006, "29.6"
// before; "0" for a start that is no date.
CString GetMonthDaysDivisor(const CString& start);

struct VacationMonth {
    long year = 0, month = 0;
    double days = 0;     // the days the month counts
};

struct VacationMonths {
    // The months as SQL over paymar_nuz with the pay sheets the employee's
    // project type or department leave out; empty when nothing is computed.
    CString filter;
    std::vector<VacationMonth> months;  // oldest first
    double days = 0;
    // The months whose calendar gives no planned days (still counted).
    std::vector<CString> unplanned;
};

// The months before `start` for employee `tn` (a checked number); with
// `youngDatabase` (the history holds fewer than two months) the month of the
// start itself is the last one. Days are read only `withDays`.
VacationMonths ComputePlannedDays(const CString& tn, const CString& start, bool youngDatabase, bool withDays);

// A pay sheet that has earnings of the part's group in the months.
struct VacationSheet {
    CString id, name;
};
// The sheets, in sheet order. FALSE when the read failed.
BOOL VacationSheets(const CString& filter, const CString& tn, const CString& code, std::vector<VacationSheet>& sheets);

// One month of a sheet as the result grid shows it.
struct VacationSheetMonth {
    long year = 0, month = 0;
    double earnings = 0, premium = 0, coefficient = 1;
    double total = 0;    // earnings and premium, each times the coefficient in kopecks
};

struct VacationSheetFigures {
    CString id, name;
    std::vector<VacationSheetMonth> months;  // those with results, oldest first
    double earnings = 0, premium = 0, total = 0;
    double average = 0;  // a day, in kopecks
    double amount = 0;   // for the part's whole days, in kopecks
};

// One part of a vacation record as the form and the save take it.
struct VacationPartInput {
    CString tn;                  // checked
    CString start;               // the vacation's first day as typed
    CString code;                // the part's pay code, checked
    CString days;                // the part's days as typed
    bool indexed = true;         // "Учитывать коэф.индексации"
    std::vector<VacationSheet> sheets;  // the ticked sheets, in grid order
};

struct VacationPart {
    bool computed = false;       // the months and the sheets were reached
    VacationMonths period;
    std::vector<VacationSheetFigures> sheets;
    double total = 0, averages = 0, amount = 0;
    // The records the save keeps and the note prints from: the months
    // ("year:month:days:earnings:premium", the ticked sheets' indexed sums),
    // the sheets' months ("sheet:year:month:earnings:premium:coefficient:total")
    // and the sheets' pay ("sheet:amount:average:total"), ";" between records.
    CString monthRecords, sheetRecords, amountRecords;
};

// The part's figures. Not computed when the code has no pay-code group, the
// start is no date, or a read failed.
VacationPart ComputeVacationPart(const VacationPartInput& input, bool youngDatabase);

// "select count(distinct ms) from paymar_nuz" below 2.
bool IsYoungPayrollDatabase();

} // namespace npaymar
