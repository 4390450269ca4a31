// Reads one column of the current row into a variant, choosing the C type by
// the column's SQL type: whole numbers, doubles, exact decimals, dates and
// date-times, and text of any length.
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
// `utf8`: the driver gives SQL_C_CHAR texts as UTF-8 (ConnectionState::utf8Text);
// texts are then read as such, else as UTF-16.
_variant_t ReadColumn(SQLHSTMT statement, SQLUSMALLINT column, const ColumnInfo& info, const QString& doing,
                      bool utf8 = false);
// The ADO type of a column (adInteger, adNumeric, adVarWChar ...).
long AdoTypeOf(const ColumnInfo& info);

}  // namespace vornal::ado
