// A number as a bookkeeper types it ("1 234,50", "1234.5", "-100") turned
// into the text the database takes ("1234.50"), for the settlements forms.
#pragma once
#include "afx.h"

namespace nledmark {

// "" when the text is empty or no number.
CString TypedNumber(CString text);

} // namespace nledmark
