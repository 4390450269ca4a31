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
// A code of a reference book as SQL: NULL when empty, else a checked number;
// false for a text that is no whole number.
NVENZOL_EXPORT bool CodeLiteral(const CString& text, CString& sql);
// A number typed with "," or "." as SQL ("1 234,5" gives 1234.5): NULL when
// empty; false for a text that is no number.
NVENZOL_EXPORT bool NumberLiteral(const CString& text, CString& sql);

} // namespace nvenzol
