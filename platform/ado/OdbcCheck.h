// The one checked road of every SQL* call: a failure becomes a _com_error with
// the driver's diagnostics and what we were doing.
#pragma once
#include "OdbcText.h"
#include "com_error.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace vornal::ado {

std::vector<DbDiagnostic> ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

// Returns the code when it is a success or SQL_NO_DATA; throws otherwise.
SQLRETURN Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const QString& doing);

[[noreturn]] void ThrowDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const QString& doing);

inline bool Succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

// A statement text for an error report, on one line.
QString StatementForReport(const QString& sql);
// "выполнение: <statement>" and "чтение результата: <statement>".
QString ExecutingDoing(const QString& sql);
QString ReadingDoing(const QString& sql);

}  // namespace vornal::ado
