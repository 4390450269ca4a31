// A vacation record of an employee's working month as it is stored: the
// record (paymar_otpusk: the order, the dates, each part's days, pay code
// and ticked pay sheets, the calculation's records) and its pay per pay
// sheet and part's code (paymar_otpusk1). A record is written and removed
// whole, in one transaction: a failure anywhere leaves what was stored.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

struct VacationAmount {
    CString nv;    // the pay sheet, a checked number
    double s = 0;
    CString kou;   // the part's pay code, a checked number
};

// The record's values; numbers checked, dates as date literals, texts as typed.
struct VacationRecord {
    CString tn;
    CString npp;                 // the number within the employee's month; "" for a new one
    int calc = 1;                // 1: the indexation coefficient is taken
    CString dn, dn2;             // the parts' days as SQL numbers (or NULL)
    CString d1, d2, d;           // first and last day, order date
    CString kou, kou2;           // the parts' pay codes ("" none)
    CString period, number, osn; // "За период:", the order's number, the grounds
    CString nv, nv2;             // the parts' ticked sheets, "1,3"
    int tip = 0;                 // 0 regular, 1 on dismissal
    CString mes, mes2, nvS, nvS2, sovokup, sovokup2;
    std::vector<VacationAmount> amounts;
};

enum class VacationStored { Written, Failed, Gone };

// Writes the record of the working month: a new one under the employee's
// next number (read under the lock of his row, so two clerks saving at once
// get two numbers; written back into `record.npp`), a stored one in place of
// its row and its pay. Failed (reported) when a statement failed, Gone when
// the stored record is no longer there; nothing changed then.
VacationStored StoreVacation(VacationRecord& record);

// Removes the record with its pay; FALSE, and nothing removed, on a failure.
BOOL RemoveVacation(const CString& tn, const CString& npp);

// The stored record as the form shows it (dates dd.mm.yyyy, days without
// trailing zeros). FALSE when it is not stored or could not be read.
struct StoredVacation {
    CString nv, nv2, d1, d2, kou, kou2, period, number, d, dn, dn2, osn;
    int tip = 0, calc = 1;
};
BOOL LoadVacation(const CString& tn, const CString& npp, StoredVacation& stored);

// The employee's record numbers of the working month, ascending.
std::vector<CString> VacationNumbers(const CString& tn);

} // namespace npaymar
