#include "RawOdbcInsert.h"

#include "RawOdbcConnection.h"

#include <chrono>

double RunRawOdbcInserts(const std::string& connectionString, const std::vector<std::string>& statements,
                         std::string& error)
{
    RawOdbcConnection odbc(connectionString);
    if (!odbc.connected()) {
        error = odbc.error();
        return -1;
    }
    const auto start = std::chrono::steady_clock::now();
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
    for (const std::string& statement : statements) {
        const SQLRETURN rc =
            SQLExecDirect(odbc.stmt(), (SQLCHAR*)statement.c_str(), static_cast<SQLINTEGER>(statement.size()));
        if (!SQL_SUCCEEDED(rc)) {
            error = odbc.error();
            break;
        }
    }
    const bool ok = error.empty();
    SQLEndTran(SQL_HANDLE_DBC, odbc.dbc(), ok ? SQL_COMMIT : SQL_ROLLBACK);
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    return ok ? std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() : -1;
}
