// Reference-book and employee lookups. Table and column names come from the
// program, never from a user; a name that is not a plain identifier is
// refused (reported) rather than formatted into SQL.
#pragma once
#include "afx.h"

// The `name` (or the given column) of the row whose id is the code; "" when
// the code is empty or unknown.
CString GetFromSPR(LPCTSTR table, LPCTSTR code, LPCTSTR column = nullptr);
// Nonzero when the code is an id of the table.
int SprOk(LPCTSTR table, LPCTSTR code);
// Looks a row up by fragments of its name: every blank-separated fragment
// must occur in `name`, in any case. 0 none, 1 exactly one (its id into `id`),
// 2 several.
int SuUniqByName(LPCTSTR table, LPCTSTR fragments, long& id);
int SuUniqByName(LPCTSTR table, LPCTSTR fragments, CString& id);
// The same among the rows that satisfy `condition` (an SQL condition the
// program built, without "where"; empty for every row), so a count and a
// picker opened on SqlNameCondition beside the same condition see one set.
int SuUniqByName(LPCTSTR table, LPCTSTR condition, LPCTSTR fragments, long& id);
int SuUniqByName(LPCTSTR table, LPCTSTR condition, LPCTSTR fragments, CString& id);
// The condition of SuUniqByName on `name`: every blank-separated fragment
// occurs in it, letter case aside, "%", "_" and "\" taken literally; "" when
// the text holds no fragment.
CString SqlNameCondition(LPCTSTR fragments);
// The employee's full name, words separated by blanks; "" for an unknown number.
CString GetFio(LPCTSTR tn);
// "Петрова Анна Сергеевна" gives "Петрова А.С.".
CString GetFioShort0(LPCTSTR fullName);
// True for a plain SQL name (letters, digits, "_", not starting with a digit).
bool IsSqlIdentifier(const QString& name);
