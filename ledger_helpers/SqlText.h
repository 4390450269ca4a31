// Values from callers written into the library's own SQL.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

// A text between single quotes, escaped for the current dialect.
CString SqlQuoted(const char* text);
// The condition "column holds `value`", compared as text: a number column
// compared with a text would take the text's leading digits ("1 шт" as 1).
CString SqlKeyIs(const char* column, const char* value);
// TRUE for a non-empty text of the digits 0-9 alone: a code or key that may
// stand in SQL without quotes. The modules check typed codes with it too.
LEDMARK_API bool IsDigitsOnly(const CString& text);
