// The id lists typed into the ledger's report forms (branches, KBK codes)
// turned into SQL text only after every part was checked to be a number, so
// no typed text reaches a query of the module as it was typed.
#pragma once
#include "afx.h"

namespace nledmark {

// A typed list of ids ("1, 3,5") as checked SQL text ("1,3,5"); empty parts
// are skipped. FALSE when a part is no whole number.
BOOL CheckedIdList(const CString& text, CString& ids);

// True when `text` is a whole number (a code typed into a filter field).
bool IsWholeNumber(const CString& text);

// The KBK list typed as "12,,15" as the condition " and (kbk_deb=12 or
// kbk_deb=15)" on `side` ("deb" or "kred"); "" for an empty list. Empty parts
// are passed over; false (and `bad` the part) when a part is no whole number.
bool KbkListCondition(const CString& list, const char* side, CString& condition, CString* bad = nullptr);

} // namespace nledmark
