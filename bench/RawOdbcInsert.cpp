#include "RawOdbcInsert.h"

#include <chrono>
#include <sql.h>
#include <sqlext.h>

namespace {

std::string Diagnostic(SQLSMALLINT type, SQLHANDLE handle)
{
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length);
    return std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
}

}  // namespace

double RunRawOdbcInserts(const std::string& connectionString, const std::vector<std::string>& statements,
                         std::string& error)
{
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    double seconds = -1;
    SQLRETURN rc = SQLDriverConnect(dbc, nullptr, (SQLCHAR*)connectionString.c_str(), SQL_NTS, nullptr, 0, nullptr,
                                    SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        error = Diagnostic(SQL_HANDLE_DBC, dbc);
    } else {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        const auto start = std::chrono::steady_clock::now();
        SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
        for (const std::string& statement : statements) {
            rc = SQLExecDirect(stmt, (SQLCHAR*)statement.c_str(), static_cast<SQLINTEGER>(statement.size()));
            if (!SQL_SUCCEEDED(rc)) {
                error = Diagnostic(SQL_HANDLE_STMT, stmt);
                break;
            }
        }
        const bool ok = error.empty();
        SQLEndTran(SQL_HANDLE_DBC, dbc, ok ? SQL_COMMIT : SQL_ROLLBACK);
        SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
        if (ok)
            seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return seconds;
}
