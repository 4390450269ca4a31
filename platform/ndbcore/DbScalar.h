// Internal reads and commands of the layer on a given connection; they throw
// _com_error and leave reporting to the entry points.
#pragma once
#include "afx.h"
#include "ado.h"

// The first column of the first row; empty (VT_EMPTY) when there is no row.
_variant_t ScalarOf(_Connection& connection, const QString& sql);
inline _variant_t ScalarOf(_Connection& connection, const CString& sql)
{
    return ScalarOf(connection, sql.ToQString());
}
// A command without rows; answers the rows it touched.
long long RunCommand(_Connection& connection, const QString& sql);
