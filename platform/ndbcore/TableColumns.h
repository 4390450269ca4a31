// Whether a table of the current database has a column, asked of the
// server's information schema in the dialect of the connection.
#pragma once
#include "DbDialect.h"
#include "afx.h"

// The query that counts (as cnt) the columns named `column` of `table`,
// letter case aside, in the current database.
CString TableColumnQuery(LPCTSTR table, LPCTSTR column);
// The same query in the text of a given dialect.
CString TableColumnQuery(LPCTSTR table, LPCTSTR column, SqlDialect dialect);
// TRUE when the table has the column.
BOOL TableHasColumn(LPCTSTR table, LPCTSTR column);
