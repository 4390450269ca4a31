#include "Connection.h"

#include "ConnectionState.h"
#include "OdbcCheck.h"
#include "RowSource.h"

namespace vornal::ado {

QString QuoteOdbcValue(const QString& value)
{
    static const QString special = QStringLiteral(";{} =");
    bool needs = value.isEmpty() ? false : value.front().isSpace() || value.back().isSpace();
    for (QChar c : value)
        needs = needs || special.contains(c);
    if (!needs)
        return value;
    QString escaped = value;
    escaped.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + escaped + QLatin1Char('}');
}

}  // namespace vornal::ado

using vornal::ado::ConnectionState;

_Connection::_Connection() : state_(std::make_shared<ConnectionState>()) {}

_Connection::~_Connection() = default;

HRESULT _Connection::Open(const _bstr_t& connectionString, const _bstr_t& user, const _bstr_t& password, long)
{
    if (connectionString.length() > 0)
        connectionString_ = connectionString;
    QString text = connectionString_.qstring();
    if (user.length() > 0)
        text += QStringLiteral(";UID=") + vornal::ado::QuoteOdbcValue(user.qstring());
    if (password.length() > 0)
        text += QStringLiteral(";PWD=") + vornal::ado::QuoteOdbcValue(password.qstring());
    // A closed connection may be opened again; its old recordsets stay closed.
    if (!state_->isOpen() && state_.use_count() > 1)
        state_ = std::make_shared<ConnectionState>();
    state_->open(text, timeout_);
    return S_OK;
}

HRESULT _Connection::Close()
{
    if (!state_->isOpen())
        throw _com_error(adErrObjectClosed, QStringLiteral("Соединение с базой данных уже закрыто"));
    state_->close();
    return S_OK;
}

_RecordsetPtr _Connection::Execute(const _bstr_t& commandText, _variant_t* recordsAffected, long options)
{
    const QString& sql = commandText.qstring();
    if (options != adOptionUnspecified && (options & adExecuteNoRecords)) {
        const long long affected = state_->executeNoRecords(sql);
        if (recordsAffected)
            *recordsAffected = _variant_t(static_cast<long>(affected));
        return nullptr;
    }
    long long affected = 0;
    std::shared_ptr<vornal::ado::RowSource> rows = vornal::ado::RunQuery(*state_, sql, &affected);
    if (recordsAffected)
        *recordsAffected = _variant_t(static_cast<long>(affected));
    auto recordset = std::make_shared<_Recordset>();
    if (rows)
        recordset->Attach(state_, sql, std::move(rows), true);
    return _RecordsetPtr(recordset);
}

long _Connection::BeginTrans()
{
    return state_->beginTransaction();
}

HRESULT _Connection::CommitTrans()
{
    state_->commitTransaction();
    return S_OK;
}

HRESULT _Connection::RollbackTrans()
{
    state_->rollbackTransaction();
    return S_OK;
}

bool _Connection::InTransaction() const
{
    return state_->transactionDepth() > 0;
}

long _Connection::GetState() const
{
    return state_->isOpen() ? adStateOpen : adStateClosed;
}
