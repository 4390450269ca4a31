// The split of an amount paid by average earnings (sick pay, pay by average
// earnings) over the pay sheets, in proportion to what the employee earned
// on each sheet in the months the average was taken from. The shares are
// whole kopecks and add up to the amount exactly: each sheet's share is
// rounded and never more than what remains, the last sheet takes what
// remains; with no earnings on any sheet the whole amount goes to the
// employee's main sheet (tn.nv).
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

struct SheetAmount {
    CString nv; // the pay sheet, a whole number as the database gives it
    double s = 0;
};

// The earnings of the pay codes grouped under `code` on each pay sheet of
// employee `tn` in the months `periodFilter` selects, in sheet order
// (accruals up to 200 added, deductions above 200 taken off). FALSE when
// the read failed.
BOOL SheetEarnings(const CString& periodFilter, const CString& tn, const CString& code,
                   std::vector<SheetAmount>& sheets);

// `amount` over `sheets` in proportion to their earnings; `mainSheet` takes
// it all when their earnings add up to nothing. Sheets whose share is 0 get
// no row; an amount of 0 gives none.
std::vector<SheetAmount> SplitBySheets(double amount, const std::vector<SheetAmount>& sheets, const CString& mainSheet);

// The employee's main pay sheet (tn.nv), "" when he has none.
CString MainSheet(const CString& tn);

// An amount as SQL text with a "." and two decimals.
CString AmountSql(double amount);

} // namespace npaymar
