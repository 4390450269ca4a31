// The shared inside of one open ODBC connection: its handle, the lock that
// serialises every call on it, the statements alive on it (closed with it),
// the transaction depth and one reusable statement for commands without rows.
#pragma once
#include "OdbcHandle.h"
#include "StatementListener.h"
#include "com_error.h"

#include <memory>
#include <mutex>
#include <set>

namespace vornal::ado {

class OdbcStatement;

class ConnectionState : public std::enable_shared_from_this<ConnectionState> {
public:
    ConnectionState() = default;
    ~ConnectionState();
    ConnectionState(const ConnectionState&) = delete;
    ConnectionState& operator=(const ConnectionState&) = delete;

    void open(const QString& connectionString, long loginTimeoutSeconds);
    void close();
    bool isOpen() const { return connected_; }
    // The text the connection was opened with (for a second connection of the same user).
    const QString& connectionString() const { return connectionString_; }
    SQLHDBC dbc() const { return static_cast<SQLHDBC>(dbc_.get()); }
    // The driver hands texts over as UTF-8 when asked for SQL_C_CHAR (MariaDB's
    // with a client character set of utf8 or utf8mb4).
    bool utf8Text() const { return utf8Text_; }
    // The driver's declared text widths hold every value of the column
    // (MariaDB's and MySQL's); another driver may declare less (BlockReader.h).
    bool declaredWidthsHold() const { return mariaDb_; }
    std::recursive_mutex& mutex() { return mutex_; }

    std::shared_ptr<OdbcStatement> newStatement();
    // Runs a command and reads past all its results; returns the rows it touched.
    long long executeNoRecords(const QString& sql);

    long beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    int transactionDepth() const { return depth_; }

    void attach(OdbcStatement* statement);
    void detach(OdbcStatement* statement);

private:
    void requireOpen() const;
    void endTransaction(SQLSMALLINT completion, const QString& doing);
    // MariaDB's driver gives a later statement's failure of one call without
    // the server's error number; the server still has it for SHOW WARNINGS.
    _com_error withServerErrorNumber(const _com_error& error);

    std::recursive_mutex mutex_;
    QString connectionString_;
    OdbcHandle dbc_;
    bool connected_ = false;
    bool mariaDb_ = false;
    bool utf8Text_ = false;
    int depth_ = 0;
    std::set<OdbcStatement*> statements_;
    std::shared_ptr<OdbcStatement> commandStatement_;
};

// One statement handle on a connection; it dies with the connection's Close.
class OdbcStatement {
public:
    // A statement of a result keeps its connection open while it lives.
    explicit OdbcStatement(std::shared_ptr<ConnectionState> connection);
    // The connection's own command statement does not (it would keep itself alive).
    explicit OdbcStatement(ConnectionState& owner);
    ~OdbcStatement();
    OdbcStatement(const OdbcStatement&) = delete;
    OdbcStatement& operator=(const OdbcStatement&) = delete;

    SQLHSTMT get() const { return static_cast<SQLHSTMT>(handle_.get()); }
    bool alive() const { return static_cast<bool>(handle_); }
    ConnectionState& connection() const { return *owner_; }
    // Called by the connection when it closes under this statement.
    void invalidate() { handle_.reset(); }

    // Asks for a static (scrollable) cursor before the statement runs; false
    // when the driver keeps another kind, so rows are read in order only.
    bool useStaticCursor();
    // SQLExecDirectW; true when the first result has columns.
    bool executeDirect(const QString& sql, const QString& doing);
    // Moves to the next result; false when there is none.
    bool moreResults(const QString& doing);
    SQLSMALLINT columnCount(const QString& doing);
    long long rowCount(const QString& doing);
    // Closes the cursor and drops unread results; keeps the handle for reuse.
    void closeCursor();
    SQLRETURN check(SQLRETURN rc, const QString& doing) const;

private:
    ConnectionState* owner_;
    std::shared_ptr<ConnectionState> keepAlive_;
    OdbcHandle handle_;
};

}  // namespace vornal::ado
