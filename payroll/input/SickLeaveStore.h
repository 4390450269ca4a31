// A sick-leave certificate of an employee's working month as it is stored:
// the header (paymar_bol: pay code, first day of illness, position row), its
// periods (paymar_bol1) and the sick pay split by pay sheet (paymar_bol2).
// A certificate is written and removed whole, in one transaction: a failure
// anywhere leaves what was stored before.
#pragma once
#include "SheetSplit.h"
#include "afx.h"

#include <vector>

namespace npaymar {

// A period as SQL values, checked: dates as date literals, days and
// percent as numbers.
struct SickLeavePeriodSql {
    CString d1, d2, dn, pr;
};

struct SickLeaveRecord {
    CString tn;       // personnel number, checked
    CString npp;      // certificate number within the month; "" for a new one
    CString vou;      // pay code, checked
    CString start;    // first day of illness, a date literal
    CString nppBux;   // the main position row, checked
    std::vector<SickLeavePeriodSql> periods;
    std::vector<SheetAmount> shares;
};

// Writes the certificate of the working month: a new one under the
// employee's next number (written back into `record.npp`), a stored one in
// place of its rows. FALSE, and nothing changed, when a statement failed.
BOOL StoreSickLeave(SickLeaveRecord& record);

// Removes the certificate with its periods and split; FALSE, and nothing
// removed, when a statement failed.
BOOL RemoveSickLeave(const CString& tn, const CString& npp);

} // namespace npaymar
