#include "RawOdbcRead.h"

#include "RawOdbcConnection.h"

#include <chrono>
#include <functional>
#include <vector>

namespace {

// Connects, runs `read` on a statement of the query and times it.
RawReadResult Timed(const std::string& connectionString, const std::string& sql,
                    const std::function<long(SQLHSTMT, SQLSMALLINT)>& read)
{
    RawReadResult result;
    RawOdbcConnection odbc(connectionString);
    if (!odbc.connected()) {
        result.error = odbc.error();
        return result;
    }
    const auto start = std::chrono::steady_clock::now();
    if (!SQL_SUCCEEDED(SQLExecDirect(odbc.stmt(), (SQLCHAR*)sql.c_str(), SQL_NTS))) {
        result.error = odbc.error();
        return result;
    }
    SQLSMALLINT columns = 0;
    SQLNumResultCols(odbc.stmt(), &columns);
    result.rows = read(odbc.stmt(), columns);
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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

RawReadResult RunRawOdbcReads(const std::string& connectionString, const std::vector<std::string>& sqls,
                              std::vector<std::string>* firstRows)
{
    RawReadResult result;
    RawOdbcConnection odbc(connectionString);
    if (!odbc.connected()) {
        result.error = odbc.error();
        return result;
    }
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& sql : sqls) {
        if (!SQL_SUCCEEDED(SQLExecDirect(odbc.stmt(), (SQLCHAR*)sql.c_str(), SQL_NTS))) {
            result.error = odbc.error();
            return result;
        }
        SQLSMALLINT columns = 0;
        SQLNumResultCols(odbc.stmt(), &columns);
        char text[512];
        SQLLEN length = 0;
        bool first = true;
        while (SQL_SUCCEEDED(SQLFetch(odbc.stmt()))) {
            std::string row;
            for (SQLUSMALLINT c = 1; c <= columns; ++c) {
                SQLGetData(odbc.stmt(), c, SQL_C_CHAR, text, sizeof text, &length);
                if (first && firstRows)
                    row += (c > 1 ? "@" : "") + std::string(length > 0 ? text : "");
            }
            if (first && firstRows)
                firstRows->push_back(row);
            first = false;
            ++result.rows;
        }
        SQLCloseCursor(odbc.stmt());
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
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
