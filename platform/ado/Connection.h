// _Connection: one ODBC connection opened by a connection string.
//
//   _ConnectionPtr c; c.CreateInstance(__uuidof(Connection));
//   c->Open("DRIVER={...};SERVER=...;DATABASE=...", "", "", adConnectUnspecified);
//   _RecordsetPtr rs = c->Execute(sql, NULL, adCmdText);
//
// Every call on one connection is serialised by its own lock, so a worker
// thread and the user-interface thread never interleave on the wire.
#pragma once
#include "AdoPtr.h"
#include "AdoProperty.h"
#include "Recordset.h"
#include "bstr_t.h"
#include "variant_t.h"

#include <memory>

namespace vornal::ado {
class ConnectionState;
// A value of a connection string attribute, braced when it holds ; { } or blanks.
QString QuoteOdbcValue(const QString& value);
}

enum ConnectOptionEnum : long { adConnectUnspecified = -1, adAsyncConnect = 16 };

class _Connection {
public:
    _Connection();
    ~_Connection();
    _Connection(const _Connection&) = delete;
    _Connection& operator=(const _Connection&) = delete;

    // Empty arguments take the connection string set before. Throws _com_error.
    HRESULT Open(const _bstr_t& connectionString = _bstr_t(), const _bstr_t& user = _bstr_t(),
                 const _bstr_t& password = _bstr_t(), long options = adConnectUnspecified);
    HRESULT Open(const char* connectionString, const char* user = "", const char* password = "",
                 long options = adConnectUnspecified)
    {
        return Open(_bstr_t(connectionString), _bstr_t(user), _bstr_t(password), options);
    }
    HRESULT Close();

    // Rows of the first result that has columns, or a closed recordset for a
    // command without rows; adExecuteNoRecords gives no recordset at all.
    _RecordsetPtr Execute(const _bstr_t& commandText, _variant_t* recordsAffected = nullptr,
                          long options = adCmdUnspecified);
    _RecordsetPtr Execute(const char* commandText, _variant_t* recordsAffected = nullptr,
                          long options = adCmdUnspecified)
    {
        return Execute(_bstr_t(commandText), recordsAffected, options);
    }

    long BeginTrans();
    HRESULT CommitTrans();
    HRESULT RollbackTrans();
    // Whether BeginTrans opened a transaction that has not ended yet.
    bool InTransaction() const;

    long GetState() const;
    _bstr_t GetConnectionString() const { return connectionString_; }
    void PutConnectionString(const _bstr_t& text) { connectionString_ = text; }
    long GetConnectionTimeout() const { return timeout_; }
    void PutConnectionTimeout(const long& seconds) { timeout_ = seconds; }

    const AdoReadProperty<_Connection, long, &_Connection::GetState> State{this};
    AdoProperty<_Connection, _bstr_t, &_Connection::GetConnectionString, &_Connection::PutConnectionString>
        ConnectionString{this};
    AdoProperty<_Connection, long, &_Connection::GetConnectionTimeout, &_Connection::PutConnectionTimeout>
        ConnectionTimeout{this};

    // The shared inside, for the recordsets of this connection.
    const std::shared_ptr<vornal::ado::ConnectionState>& state() const { return state_; }

private:
    std::shared_ptr<vornal::ado::ConnectionState> state_;
    _bstr_t connectionString_;
    long timeout_ = 15;
};

using _ConnectionPtr = AdoPtr<_Connection>;
