// Personnel numbers, running numbers and codes of the staff forms as they
// reach SQL: only as checked whole numbers, never as typed text.
#pragma once
#include "VenzExport.h"
#include "afx.h"

namespace nvenzol {

// The text (blanks around it dropped) as a whole number of 1 to 9 digits,
// written back without leading zeros; false for anything else ("", "1;drop",
// "-3", "1.5").
NVENZOL_EXPORT bool CheckedNumber(const CString& text, CString& number);

} // namespace nvenzol
