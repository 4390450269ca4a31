// The texts of a material or asset row as the documents read them: numbers
// typed with a decimal comma or blanks, and the ids that may reach SQL.
#pragma once
#include "afx.h"

class CCellwork;

namespace nledmark {

// A typed number with "." as the decimal point and no blanks ("" stays "").
CString CellDecimal(const CString& text);
// The number of a cell (0 for an empty or unreadable one).
double CellNumber(const CCellwork& grid, long col, long row);
// A whole number of up to nine digits, nothing else (an id or a personnel
// number as SQL may take it).
bool IsIdText(const CString& text);
// An id as SQL may take it: the trimmed whole number, or "" for anything else.
CString CellId(const CString& text);
// A list of ids as a picker writes it ("3,5, 7"): into `ids` as "3,5,7" ("" for
// an empty text); false when any part is no id, and then nothing reaches SQL.
bool IdListText(const CString& text, CString& ids);

} // namespace nledmark
