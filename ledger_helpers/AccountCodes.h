// The 9-character budget account code as text: source of financing (1),
// synthetic account (3), analytic account (2), KOSGU code (3), as "230405000".
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

// The code of an account given in full or as a short synthetic code of an
// off-balance account ("17", "017"), which becomes "001700000".
LEDMARK_API CString GL_GetReadableSchet(const char* s);
// "304.05.2" (synthetic.analytic.source) becomes "230405000"; text without a
// point comes back unchanged.
LEDMARK_API CString GetFullSch(CString& s);
LEDMARK_API CString GetShortSch(CString& s);
// 1 when the text has the length of a short (3) or a full (9) account code.
LEDMARK_API int GL_Valid_Sch1(const char* s, int shortForm);
// Name of a source of financing by its digit; "" for an unknown one.
LEDMARK_API CString GL_GetCol0_Name(const char* col0);
