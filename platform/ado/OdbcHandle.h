// One owned ODBC handle (environment, connection or statement), freed once.
#pragma once
#include "OdbcText.h"

namespace vornal::ado {

class OdbcHandle {
public:
    OdbcHandle() = default;
    // Allocates a handle of the type under the parent; throws _com_error.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent, const QString& doing);
    ~OdbcHandle() { reset(); }
    OdbcHandle(OdbcHandle&& other) noexcept;
    OdbcHandle& operator=(OdbcHandle&& other) noexcept;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const { return handle_; }
    SQLSMALLINT type() const { return type_; }
    explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }
    void reset();

private:
    SQLSMALLINT type_ = 0;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// The process's one ODBC environment (ODBC 3 behaviour). It reads no system
// driver list: drivers are named by their library file, and ODBCSYSINI points
// at a private empty folder so no driver logs or settings of the machine apply.
SQLHENV OdbcEnvironment();

}  // namespace vornal::ado
