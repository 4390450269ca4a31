#include "RawOdbcConnection.h"

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

RawOdbcConnection::RawOdbcConnection(const std::string& connectionString)
{
    SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &m_env);
    SQLSetEnvAttr(m_env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, m_env, &m_dbc);
    const SQLRETURN rc = SQLDriverConnect(m_dbc, nullptr, (SQLCHAR*)connectionString.c_str(), SQL_NTS, nullptr, 0,
                                          nullptr, SQL_DRIVER_NOPROMPT);
    if (SQL_SUCCEEDED(rc))
        SQLAllocHandle(SQL_HANDLE_STMT, m_dbc, &m_stmt);
    else
        m_connectError = Diagnostic(SQL_HANDLE_DBC, m_dbc);
}

RawOdbcConnection::~RawOdbcConnection()
{
    if (m_stmt != SQL_NULL_HSTMT) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_stmt);
        SQLDisconnect(m_dbc);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    SQLFreeHandle(SQL_HANDLE_ENV, m_env);
}

std::string RawOdbcConnection::error() const
{
    return connected() ? Diagnostic(SQL_HANDLE_STMT, m_stmt) : m_connectError;
}
