#include "RawOdbcDocuments.h"

#include "RawOdbcConnection.h"

#include <chrono>

double RunRawOdbcDocuments(const std::string& connectionString,
                           const std::vector<std::vector<std::string>>& documents, std::string& error)
{
    RawOdbcConnection odbc(connectionString);
    if (!odbc.connected()) {
        error = odbc.error();
        return -1;
    }
    const auto start = std::chrono::steady_clock::now();
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
    for (const std::vector<std::string>& statements : documents) {
        for (const std::string& statement : statements) {
            const SQLRETURN rc =
                SQLExecDirect(odbc.stmt(), (SQLCHAR*)statement.c_str(), static_cast<SQLINTEGER>(statement.size()));
            if (!SQL_SUCCEEDED(rc)) {
                error = odbc.error();
                break;
            }
        }
        if (!error.empty() || !SQL_SUCCEEDED(SQLEndTran(SQL_HANDLE_DBC, odbc.dbc(), SQL_COMMIT))) {
            if (error.empty())
                error = odbc.error();
            SQLEndTran(SQL_HANDLE_DBC, odbc.dbc(), SQL_ROLLBACK);
            break;
        }
    }
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    return error.empty() ? std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() : -1;
}
