// The reference books behind an account's analytic dimensions, by table name.
#pragma once
#include "afx.h"

namespace nledmark {

// The table of the book of analytic dimension n (1..3) of an account; "" when
// the dimension has none.
CString DimensionTable(const CString& account, int n);

} // namespace nledmark
