// The printed waybill (requisition), form 0504234, as an HTML page: the head's
// approval, the number and date, the branch, both parties, the items with
// their accounts, the total and the sum in words, the signatures of the
// sender's and the recipient's responsible persons.
#pragma once
#include "COsNaklRecord.h"

namespace nledmark {

// The page of the waybill; the record's `lines` are the rows printed (the
// empty ones are left out). Every text is escaped, so it prints as typed.
CString OsNaklPage(const COsNaklRecord& record);

} // namespace nledmark
