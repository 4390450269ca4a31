// What the advance report shows of its accountable person: the earlier
// report and the previous advance, the balance of the person on the
// accounts of settlements with accountable persons (208). Headless, so a
// benchmark and a test ask it without the form.
#pragma once
#include "afx.h"

namespace nledmark {

struct CEarlierReport {
    CString number;  // of the latest earlier report, "" when none
    CString date;    // dd.mm.yyyy
    CString advance; // the previous advance: a credit balance as a negative number
};

// The person's latest report dated on or before `date` (dd.mm.yyyy, today
// when empty) other than the report `realId`, and the person's balance on
// 208 for the branch at the end of that date, leaving out the postings of
// document `documentId` (0: none). A personnel number that is not on file
// gives nothing.
CEarlierReport FindEarlierReport(const CString& tn, const CString& date, long realId, int branch, long documentId);

} // namespace nledmark
