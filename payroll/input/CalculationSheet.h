// The calculation sheets of sick pay and of pay by average earnings end
// alike: the total and the date of the calculation close the left half, and
// the right half shows the months the average was taken from with the
// average daily earnings under them.
#pragma once
#include "PayrollPage.h"
#include "gridbase.h"

#include <vector>

namespace npaymar {

// Writes the total's row (it closes the table open on the left half), the
// date of the calculation, and the right half: one column per head, filled
// from the same columns of `months` (the year and the month to the left, the
// figures to the right), then the average daily earnings. FALSE when a piece
// could not be written; the page is then left as it stands.
BOOL WriteEarningsHalf(PayrollPage& page, const CString& total, const std::vector<const char*>& heads,
                       const CCellwork& months, const CString& averageDaily);

} // namespace npaymar
