// Names from the chart of accounts and the reference books of the analytic
// dimensions, read with SQL.
#pragma once
#include "LedmarkApi.h"
#include <afx.h>

// Names of a synthetic account, an analytic account and a KOSGU code.
LEDMARK_API CString GL_GetCol1_Name(const char* col1);
LEDMARK_API CString GL_GetCol2_Name(const char* col1, const char* col2);
LEDMARK_API CString GL_GetCol3_Name(const char* col1, const char* col2, const char* col3);
// Name of `code` in reference book `book`.
LEDMARK_API CString GL_SB_Name(int book, const char* code);
// Unit of measure of a stock item used as analytic value n of the account.
LEDMARK_API CString GL_SB_EI(const char* account, short n, const char* code);
// Number of rows of the reference book of dimension n whose key is `code`;
// 0 when the check cannot apply.
LEDMARK_API int GL_Verify_SB(const char* account, short n, const char* code);
// Which analytic dimension (1..3) of the account uses reference book `book`; 0 = none.
LEDMARK_API int GL_WhichSB(int col0, const char* col1, const char* col2, const char* col3, unsigned book);
// The KOSGU code (3 characters) that goes with an economic classification code
// on the debit (1), credit (2) or either (3) side of the account.
LEDMARK_API CString GL_GetTailFromEKR(const char* account, const char* ekr, int type);
