// One plain unixODBC connection with one statement: what the benchmarks'
// yardsticks (the same work without the suite's layers) stand on. Only the
// RawOdbc*.cpp files include it: the ODBC headers and the MFC subset's do not mix.
#pragma once
#include <sql.h>
#include <sqlext.h>
#include <string>

class RawOdbcConnection {
public:
    explicit RawOdbcConnection(const std::string& connectionString);
    ~RawOdbcConnection();
    RawOdbcConnection(const RawOdbcConnection&) = delete;
    RawOdbcConnection& operator=(const RawOdbcConnection&) = delete;

    bool connected() const { return m_stmt != SQL_NULL_HSTMT; }
    SQLHDBC dbc() const { return m_dbc; }
    SQLHSTMT stmt() const { return m_stmt; }
    // Why connecting failed, or the driver's message of the statement's last failure.
    std::string error() const;

private:
    SQLHENV m_env = SQL_NULL_HENV;
    SQLHDBC m_dbc = SQL_NULL_HDBC;
    SQLHSTMT m_stmt = SQL_NULL_HSTMT;
    std::string m_connectError;
};
