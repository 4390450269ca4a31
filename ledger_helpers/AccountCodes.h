// The 9-character budget account code as text: source of financing (1),
// synthetic account (3), analytic account (2), KOSGU code (3), as "230405000".
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

// The code of an account as 9 characters, for the two forms an account is
// written in: a full code (9 characters, kept) or a short synthetic code of an
// off-balance account (1 to 3 characters: "17", "017" become "001700000").
// Any other text (empty, 4 to 8 characters, more than 9) cannot be an account
// code and comes back as given.
LEDMARK_API CString GL_GetReadableSchet(const char* s);
// "304.05.2" (synthetic.analytic.source) becomes "230405000"; text without a
// point comes back unchanged.
LEDMARK_API CString GetFullSch(CString& s);
LEDMARK_API CString GetShortSch(CString& s);
// 1 when the text has the length of a short (3) or a full (9) account code.
LEDMARK_API int GL_Valid_Sch1(const char* s, int shortForm);
// Name of a source of financing by its digit; "" for an unknown one.
LEDMARK_API CString GL_GetCol0_Name(const char* col0);
