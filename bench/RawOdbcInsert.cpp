#include "RawOdbcInsert.h"

#include "RawOdbcConnection.h"

#include <chrono>

namespace {

// The statements on a fresh connection inside one transaction, each result
// read to the end when `readResults`.
double InOneTransaction(const std::string& connectionString, const std::vector<std::string>& statements,
                        bool readResults, std::string& error)
{
    RawOdbcConnection odbc(connectionString);
    if (!odbc.connected()) {
        error = odbc.error();
        return -1;
    }
    const auto start = std::chrono::steady_clock::now();
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
    SQLWCHAR text[512];
    SQLLEN length = 0;
    for (const std::string& statement : statements) {
        SQLRETURN rc = SQLExecDirect(odbc.stmt(), (SQLCHAR*)statement.c_str(), static_cast<SQLINTEGER>(statement.size()));
        // An update or delete that met no row answers "no data".
        if (!SQL_SUCCEEDED(rc) && !(readResults && rc == SQL_NO_DATA)) {
            error = odbc.error();
            break;
        }
        if (!readResults)
            continue;
        do {
            SQLSMALLINT columns = 0;
            SQLNumResultCols(odbc.stmt(), &columns);
            while (columns > 0 && SQL_SUCCEEDED(SQLFetch(odbc.stmt())))
                for (SQLUSMALLINT c = 1; c <= columns; ++c)
                    SQLGetData(odbc.stmt(), c, SQL_C_WCHAR, text, sizeof text, &length);
            rc = SQLMoreResults(odbc.stmt());
        } while (SQL_SUCCEEDED(rc));
        SQLFreeStmt(odbc.stmt(), SQL_CLOSE);
    }
    const bool ok = error.empty();
    SQLEndTran(SQL_HANDLE_DBC, odbc.dbc(), ok ? SQL_COMMIT : SQL_ROLLBACK);
    SQLSetConnectAttr(odbc.dbc(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    return ok ? std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() : -1;
}

} // namespace

double RunRawOdbcInserts(const std::string& connectionString, const std::vector<std::string>& statements,
                         std::string& error)
{
    return InOneTransaction(connectionString, statements, false, error);
}

double RunRawOdbcReplay(const std::string& connectionString, const std::vector<std::string>& statements,
                        std::string& error)
{
    return InOneTransaction(connectionString, statements, true, error);
}
