// The list of the chart-of-accounts chooser: the accounts that may be posted
// (chart rows of a source 1 to 4), limited by side and by a list of accounts.
#pragma once

#include "afx.h"

namespace naddviews {

// The query: columns sch (the 9-character account), name (the analytic
// account's name) and kosgu (the KOSGU code's name), in account order.
CString AccountListQuery(int side, const char* accounts);
// The condition of one list entry ("020800000", "220503"): digits only, 4 to
// 9 of them; "" for an entry that is no account.
CString AccountCondition(const CString& entry);
// The account of a one-entry list of a full account, which the list opens on.
CString SingleAccount(const char* accounts);
CString AccountChooserTitle(int side, const char* other);

} // namespace naddviews
