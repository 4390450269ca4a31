#include "Recordset.h"

#include "Connection.h"
#include "ConnectionState.h"
#include "KeyedRows.h"
#include "RecordCursor.h"
#include "RowSource.h"

using vornal::ado::RecordCursor;
using vornal::ado::RowSource;

_Recordset::_Recordset()
    : cursor_(std::make_shared<RecordCursor>()), fields_(std::make_shared<::Fields>(cursor_))
{
}

_Recordset::~_Recordset() = default;

void _Recordset::Attach(std::shared_ptr<vornal::ado::ConnectionState> connection, const QString& sql,
                        std::shared_ptr<vornal::ado::RecordRows> source, bool forwardOnly)
{
    connection_ = std::move(connection);
    sql_ = sql;
    cursor_->source = std::move(source);
    cursor_->position = 0;
    cursor_->forwardOnly = forwardOnly;
}

HRESULT _Recordset::Open(const _variant_t& source, _Connection* connection, long cursorType, long, long)
{
    if (cursor_->open())
        throw _com_error(adErrObjectOpen, QStringLiteral("Набор записей уже открыт"));
    if (!connection || connection->GetState() != adStateOpen)
        throw _com_error(adErrObjectClosed, QStringLiteral("Для набора записей не задано открытое соединение"));
    const QString sql = source.text();
    // A static cursor is read by position: a list can open at its last screen.
    const bool scrollable = cursorType == adOpenStatic || cursorType == adOpenKeyset;
    std::shared_ptr<RowSource> rows = vornal::ado::RunQuery(*connection->state(), sql, nullptr, scrollable);
    const bool forwardOnly = cursorLocation_ != adUseClient
        && (cursorType == adOpenForwardOnly || cursorType == adOpenUnspecified);
    if (rows)
        Attach(connection->state(), sql, std::move(rows), forwardOnly);
    return S_OK;
}

HRESULT _Recordset::Close()
{
    cursor_->requireOpen();
    cursor_->source.reset();
    cursor_->position = 0;
    return S_OK;
}

long _Recordset::GetState() const
{
    return cursor_->open() ? adStateOpen : adStateClosed;
}

bool _Recordset::GetadoEOF() const
{
    cursor_->requireOpen();
    return !cursor_->source->has(std::max(0LL, cursor_->position));
}

bool _Recordset::GetBOF() const
{
    cursor_->requireOpen();
    return cursor_->position < 0 || !cursor_->source->has(0);
}

void _Recordset::ForgetPassedRows()
{
    if (cursor_->forwardOnly && cursor_->source.use_count() == 1)
        cursor_->source->forgetBefore(cursor_->position);
}

void _Recordset::Requery()
{
    std::shared_ptr<RowSource> rows = vornal::ado::RunQuery(*connection_, sql_, nullptr);
    if (!rows)
        throw _com_error(adErrObjectClosed, QStringLiteral("Запрос больше не возвращает записей"));
    cursor_->source = std::move(rows);
}

void _Recordset::MoveTo(long long position)
{
    cursor_->requireOpen();
    if (position >= 0 && position < cursor_->source->firstKept()) {
        if (!cursor_->forwardOnly || !connection_)
            throw _com_error(adErrFeatureNotAvailable,
                             QStringLiteral("Запись уже пройдена: набор читается только вперёд"));
        Requery();
    }
    cursor_->position = std::max(-1LL, position);
    ForgetPassedRows();
}

HRESULT _Recordset::MoveNext()
{
    if (GetadoEOF())
        throw _com_error(adErrNoCurrentRecord);
    MoveTo(cursor_->position + 1);
    return S_OK;
}

HRESULT _Recordset::MovePrevious()
{
    if (GetBOF())
        throw _com_error(adErrNoCurrentRecord);
    MoveTo(cursor_->position - 1);
    return S_OK;
}

HRESULT _Recordset::MoveFirst()
{
    MoveTo(0);
    return S_OK;
}

HRESULT _Recordset::MoveLast()
{
    cursor_->requireOpen();
    MoveTo(std::max(0LL, cursor_->source->count() - 1));
    return S_OK;
}

HRESULT _Recordset::Move(long count)
{
    cursor_->requireOpen();
    MoveTo(cursor_->position + count);
    return S_OK;
}

_variant_t _Recordset::GetCollect(const _variant_t& index) const
{
    const int column = cursor_->columnOf(index);
    return cursor_->current()[static_cast<std::size_t>(column)];
}

FieldsPtr _Recordset::GetFields() const
{
    return FieldsPtr(fields_);
}

::Fields* _Recordset::FieldsProperty::operator->() const
{
    return owner_->fields_.get();
}

long _Recordset::GetRecordCount() const
{
    cursor_->requireOpen();
    return static_cast<long>(cursor_->source->count());
}

long _Recordset::GetAbsolutePosition() const
{
    cursor_->requireOpen();
    if (cursor_->position < 0)
        return adPosBOF;
    if (!cursor_->source->has(cursor_->position))
        return adPosEOF;
    return static_cast<long>(cursor_->position + 1);
}

void _Recordset::PutAbsolutePosition(const long& position)
{
    cursor_->requireOpen();
    const long long index = static_cast<long long>(position) - 1;
    if (index < 0 || (index >= cursor_->source->firstKept() && !cursor_->source->has(index)))
        throw _com_error(adErrNoCurrentRecord);
    MoveTo(index);
}

_variant_t _Recordset::GetBookmark() const
{
    cursor_->current();
    return _variant_t(static_cast<long>(cursor_->position + 1));
}

void _Recordset::PutBookmark(const _variant_t& bookmark)
{
    PutAbsolutePosition(static_cast<long>(bookmark.toInt64()));
}

long _Recordset::GetRowsRead() const
{
    return cursor_->open() ? static_cast<long>(cursor_->source->rowsRead()) : 0;
}

_RecordsetPtr _Recordset::Clone(long) const
{
    cursor_->requireOpen();
    auto clone = std::make_shared<_Recordset>();
    clone->connection_ = connection_;
    clone->sql_ = sql_;
    clone->cursor_->source = cursor_->source;
    clone->cursor_->position = cursor_->position;
    return _RecordsetPtr(clone);
}

bool _Recordset::OpenKeyed(const QString& sql, _Connection* connection, const QStringList& key, int pageRows,
                           long countHint, const QString& countTable)
{
    if (cursor_->open())
        throw _com_error(adErrObjectOpen, QStringLiteral("Набор записей уже открыт"));
    if (!connection || connection->GetState() != adStateOpen)
        throw _com_error(adErrObjectClosed, QStringLiteral("Для набора записей не задано открытое соединение"));
    vornal::ado::KeyedQuery query;
    if (!query.split(sql, key))
        return false;
    query.setCountTable(countTable);
    auto rows = std::make_shared<vornal::ado::KeyedRows>(connection->state(), query, pageRows, countHint);
    if (!rows->open())
        return false;
    Attach(connection->state(), sql, std::move(rows), false);
    return true;
}

bool _Recordset::IsCounted() const
{
    auto* keyed = dynamic_cast<vornal::ado::KeyedRows*>(cursor_->source.get());
    return !keyed || keyed->counted();
}

void _Recordset::OnCounted(std::function<void()> listener)
{
    if (auto* keyed = dynamic_cast<vornal::ado::KeyedRows*>(cursor_->source.get()))
        keyed->setCountListener(std::move(listener));
}

long _Recordset::TakeShift(bool wait)
{
    auto* keyed = dynamic_cast<vornal::ado::KeyedRows*>(cursor_->source.get());
    return keyed ? static_cast<long>(keyed->takeShift(wait)) : 0;
}
