#include "RawOdbcRead.h"

#include <chrono>
#include <functional>
#include <sql.h>
#include <sqlext.h>
#include <vector>

namespace {

std::string Diagnostic(SQLSMALLINT type, SQLHANDLE handle)
{
    SQLCHAR state[6] = {}, text[512] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length);
    return std::string(reinterpret_cast<char*>(state)) + " " + reinterpret_cast<char*>(text);
}

// Connects, runs `read` on a statement of the query and times it.
RawReadResult Timed(const std::string& connectionString, const std::string& sql,
                    const std::function<long(SQLHSTMT, SQLSMALLINT)>& read)
{
    RawReadResult result;
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
    SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
    if (!SQL_SUCCEEDED(SQLDriverConnect(dbc, nullptr, (SQLCHAR*)connectionString.c_str(), SQL_NTS, nullptr, 0,
                                        nullptr, SQL_DRIVER_NOPROMPT))) {
        result.error = Diagnostic(SQL_HANDLE_DBC, dbc);
    } else {
        SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
        const auto start = std::chrono::steady_clock::now();
        if (!SQL_SUCCEEDED(SQLExecDirect(stmt, (SQLCHAR*)sql.c_str(), SQL_NTS))) {
            result.error = Diagnostic(SQL_HANDLE_STMT, stmt);
        } else {
            SQLSMALLINT columns = 0;
            SQLNumResultCols(stmt, &columns);
            result.rows = read(stmt, columns);
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        SQLDisconnect(dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, env);
    return result;
}

} // namespace

RawReadResult RunRawOdbcRead(const std::string& connectionString, const std::string& sql)
{
    return Timed(connectionString, sql, [](SQLHSTMT stmt, SQLSMALLINT columns) {
        long rows = 0;
        SQLWCHAR text[512];
        SQLLEN length = 0;
        while (SQL_SUCCEEDED(SQLFetch(stmt))) {
            for (SQLUSMALLINT c = 1; c <= columns; ++c)
                SQLGetData(stmt, c, SQL_C_WCHAR, text, sizeof text, &length);
            ++rows;
        }
        return rows;
    });
}

RawReadResult RunRawOdbcFirstRow(const std::string& connectionString, const std::string& sql)
{
    return Timed(connectionString, sql, [](SQLHSTMT stmt, SQLSMALLINT) {
        return SQL_SUCCEEDED(SQLFetch(stmt)) ? 1L : 0L;
    });
}

RawReadResult RunRawOdbcBlockRead(const std::string& connectionString, const std::string& sql)
{
    return Timed(connectionString, sql, [](SQLHSTMT stmt, SQLSMALLINT columns) {
        const SQLULEN block = 256;
        const SQLLEN width = 256;
        SQLULEN fetched = 0;
        SQLSetStmtAttr(stmt, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(block), 0);
        SQLSetStmtAttr(stmt, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);
        std::vector<char> buffers(static_cast<std::size_t>(columns) * block * width);
        std::vector<SQLLEN> lengths(static_cast<std::size_t>(columns) * block);
        for (SQLUSMALLINT c = 0; c < columns; ++c)
            SQLBindCol(stmt, c + 1, SQL_C_CHAR, &buffers[c * block * width], width, &lengths[c * block]);
        long rows = 0;
        while (SQL_SUCCEEDED(SQLFetch(stmt)))
            rows += static_cast<long>(fetched);
        return rows;
    });
}
