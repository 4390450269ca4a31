// Reads one column of the current row into a variant, choosing the C type by
// the column's SQL type: whole numbers, doubles, exact decimals, dates and
// date-times, and text of any length as UTF-16.
#pragma once
#include "OdbcText.h"
#include "variant_t.h"

namespace vornal::ado {

struct ColumnInfo {
    QString name;
    SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
    SQLULEN size = 0;
    SQLSMALLINT decimals = 0;
    bool nullable = true;
};

ColumnInfo DescribeColumn(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing);
_variant_t ReadColumn(SQLHSTMT statement, SQLUSMALLINT column, const ColumnInfo& info, const QString& doing);
// The ADO type of a column (adInteger, adNumeric, adVarWChar ...).
long AdoTypeOf(const ColumnInfo& info);

}  // namespace vornal::ado
