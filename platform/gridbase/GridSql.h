// The SQL dialect as the forms ask for it. The driver id is the database
// layer's (GetDriverId/SetDriverId come with this header): 0 and 3 SQL Server,
// 1 and 4 MariaDB/MySQL, 2 PostgreSQL; the fragments below follow it.
#pragma once
#include "afx.h"
#include "ado.h"
#include "DbSettings.h"

// The full name of an employee over table `tn` (tn.f, tn.i, tn.o joined by
// blanks, a missing part left out) in the current dialect.
CString GL_SqlFio();
// The dialect's expression of `expression`, or `fallback` when it is NULL.
CString SqlIsNull(LPCTSTR expression, LPCTSTR fallback);
// A recordset field as text, in the same forms as ExecuteString gives: "" for
// NULL, dates dd.mm.yyyy, date-times dd.mm.yyyy hh:mm:ss, numbers with "."
// and no grouping, decimals with their stored scale, BIT as "1"/"0".
CString SafeArayToString(const _variant_t& value);
