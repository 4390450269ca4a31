// An employee's row of table tn as the forms read it.
#pragma once

#include "afx.h"

// Non-zero when the personnel number exists. A text that is not a whole
// number is no personnel number (0, without asking the database).
int TnOk(int tn);
int TnOk(long tn);
int TnOk(const char* tn);

// One column of the employee's row as text, in the text forms of the database
// layer (dates dd.mm.yyyy, numbers with "." and no grouping, NULL as ""); ""
// for an unknown employee. A column name that is not a plain identifier is
// refused (reported) and gives "".
CString GetTN(long tn, const char* column);
CString GetTN(const char* tn, const char* column);

// The SQL expression of an employee's surname with initials over table tn
// ("Петрова А.С."), in the current dialect.
CString GL_SqlFioShort();
