// Writing a pay record: the employee's payroll columns and one of his
// position rows, in one transaction that first takes the employee's row and
// his position rows under their update lock. So the personnel columns, the
// row and the main flag change together: two clerks saving rows of one
// employee at once take turns and never leave two main rows, and a failure
// leaves everything as it was.
#pragma once
#include "afx.h"

namespace npaymar {

// The values of a save as SQL: every text a ready literal (NULL, a number, a
// quoted and escaped text, a date literal), checked by the form beforehand.
struct BookRecord {
    // The employee (tn): a checked personnel number.
    CString tn;
    CString stj, nsr, prd, kat, nv, du, inn, sno;
    int prof = 0;
    // The position row: its number, or "" for the next free one.
    CString npp;
    CString plav, dprik, nprik, kl, dol, d1, d2, kpz, rowPrd, rowKat, kou;
    int osn = 0;
    int staj = 0;
};

// Writes the record; the row's number (the next free one when none was
// given) into `npp`. FALSE when a statement failed (reported by the database
// layer); then nothing was changed.
BOOL WriteBookRecord(const BookRecord& record, CString& npp);

// How many main rows the employee has (a checked personnel number).
long long MainRowCount(const CString& tn);

} // namespace npaymar
