// Whether a table of the current database has a column, asked of the
// server's information schema in the dialect of the connection.
#pragma once
#include "DbDialect.h"
#include "afx.h"

#include <vector>

// The query that counts (as cnt) the columns named `column` of `table`,
// letter case aside, in the current database.
CString TableColumnQuery(LPCTSTR table, LPCTSTR column);
// The same query in the text of a given dialect.
CString TableColumnQuery(LPCTSTR table, LPCTSTR column, SqlDialect dialect);
// TRUE when the table has the column.
BOOL TableHasColumn(LPCTSTR table, LPCTSTR column);

// What a form that writes any column needs to know of it.
enum class ColumnKind { Text, Number, Date };
struct TableColumnInfo {
    CString name;
    ColumnKind kind = ColumnKind::Text;
    bool nullable = true;
    bool hasDefault = false;   // a default other than NULL
};
// The columns of a table of the current database, in their order; empty when
// the table is unknown or the query failed (reported).
std::vector<TableColumnInfo> TableColumnsOf(LPCTSTR table);
