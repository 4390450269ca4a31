// _Recordset: the rows of a query with a current position.
//
//   _RecordsetPtr rs = GetConnection()->Execute(sql, NULL, adCmdText);
//   while (!rs->adoEOF) { _variant_t v = rs->GetCollect("name"); ...; rs->MoveNext(); }
//   rs->Close();
//
// Rows are read from the driver only as the position reaches them. A
// recordset from Execute (or opened forward-only) forgets the rows it has
// passed while it has no clone; MoveFirst then runs the query again.
// Bookmarks are record numbers counted from 1, the same as AbsolutePosition.
// Opened adOpenStatic (or adOpenKeyset) on a driver that keeps the result, any
// record is read by its position without reading the ones before it.
#pragma once
#include "AdoPtr.h"
#include "AdoProperty.h"
#include "Field.h"
#include "variant_t.h"

#include <functional>
#include <memory>

namespace vornal::ado {
struct RecordCursor;
class ConnectionState;
class RecordRows;
}

class _Connection;
class _Recordset;
using _RecordsetPtr = AdoPtr<_Recordset>;

class _Recordset {
public:
    _Recordset();
    ~_Recordset();
    _Recordset(const _Recordset&) = delete;
    _Recordset& operator=(const _Recordset&) = delete;

    // Runs the query on the connection. The cursor type decides whether passed rows are kept.
    HRESULT Open(const _variant_t& source, _Connection* connection, long cursorType = adOpenUnspecified,
                 long lockType = adLockUnspecified, long options = adCmdUnspecified);
    HRESULT Open(const char* source, _Connection* connection, long cursorType = adOpenUnspecified,
                 long lockType = adLockUnspecified, long options = adCmdUnspecified)
    {
        return Open(_variant_t(source), connection, cursorType, lockType, options);
    }
    HRESULT Close();
    long GetState() const;

    bool GetadoEOF() const;
    bool GetEndOfFile() const { return GetadoEOF(); }
    bool GetBOF() const;
    HRESULT MoveNext();
    HRESULT MovePrevious();
    HRESULT MoveFirst();
    HRESULT MoveLast();
    HRESULT Move(long count);

    // A field of the current row by name (any case) or number from 0.
    _variant_t GetCollect(const _variant_t& index) const;
    _variant_t GetCollect(const char* name) const { return GetCollect(_variant_t(name)); }
    _variant_t GetCollect(const _bstr_t& name) const { return GetCollect(_variant_t(name)); }
    _variant_t GetCollect(int index) const { return GetCollect(_variant_t(index)); }
    _variant_t GetCollect(long index) const { return GetCollect(_variant_t(index)); }
    FieldsPtr GetFields() const;

    long GetRecordCount() const;
    long GetAbsolutePosition() const;
    void PutAbsolutePosition(const long& position);
    _variant_t GetBookmark() const;
    void PutBookmark(const _variant_t& bookmark);
    // How many rows of the result were read from the driver so far (this
    // platform's own: lists that read only what they show are tested by it).
    long GetRowsRead() const;
    // A second position over the same rows.
    _RecordsetPtr Clone(long lockType = adLockUnspecified) const;

    // This platform's own: an ordered query read a page at a time by its key
    // (a list that opens on its last screen at the same cost over any number
    // of rows; KeyedRows.h in this library tells how). `key` names the
    // columns of the query's closing "order by", which must order by them
    // ascending and by nothing else; rows must differ in them and they must
    // not be null. False, with nothing opened, when the query is not one that
    // is read so (or its result lacks a key column); throws _com_error when
    // it fails. `countHint` is the
    // provisional count until the rows are counted (the last count of the
    // same list, or 0); `countTable`, when given, is counted alone under the
    // query's condition (KeyedQuery::count).
    bool OpenKeyed(const QString& sql, _Connection* connection, const QStringList& key, int pageRows,
                   long countHint = 0, const QString& countTable = QString());
    // Whether the rows are counted: always, unless the recordset is keyed and
    // its count is still being made.
    bool IsCounted() const;
    // A keyed recordset calls `listener` (on another thread) once its count
    // is there, so the list takes it (TakeShift).
    void OnCounted(std::function<void()> listener);
    // For a keyed recordset: takes the count once it is there (waiting for
    // it with `wait`) and gives how far the rows' positions moved since the
    // last call; the rows keep their place from the end of the list. The
    // recordset's own position is not moved. 0 for any other recordset.
    long TakeShift(bool wait = false);

    long GetCursorLocation() const { return cursorLocation_; }
    void PutCursorLocation(const long& location) { cursorLocation_ = location; }

    class FieldsProperty {
    public:
        explicit FieldsProperty(const _Recordset* owner) : owner_(owner) {}
        FieldsProperty(const FieldsProperty&) = delete;
        ::Fields* operator->() const;
        operator FieldsPtr() const { return owner_->GetFields(); }

    private:
        const _Recordset* owner_;
    };

    const AdoReadProperty<_Recordset, bool, &_Recordset::GetadoEOF> adoEOF{this};
    const AdoReadProperty<_Recordset, bool, &_Recordset::GetadoEOF> EndOfFile{this};
    const AdoReadProperty<_Recordset, bool, &_Recordset::GetBOF> BOF{this};
    const AdoReadProperty<_Recordset, long, &_Recordset::GetRecordCount> RecordCount{this};
    const AdoReadProperty<_Recordset, long, &_Recordset::GetState> State{this};
    AdoProperty<_Recordset, long, &_Recordset::GetAbsolutePosition, &_Recordset::PutAbsolutePosition> AbsolutePosition{this};
    AdoProperty<_Recordset, _variant_t, &_Recordset::GetBookmark, &_Recordset::PutBookmark> Bookmark{this};
    AdoProperty<_Recordset, long, &_Recordset::GetCursorLocation, &_Recordset::PutCursorLocation> CursorLocation{this};
    const FieldsProperty Fields{this};
    const AdoIndexedProperty<_Recordset, _variant_t, _variant_t, &_Recordset::GetCollect> Collect{this};

    // Used by _Connection::Execute: a recordset over a result already produced.
    void Attach(std::shared_ptr<vornal::ado::ConnectionState> connection, const QString& sql,
                std::shared_ptr<vornal::ado::RecordRows> source, bool forwardOnly);

private:
    void MoveTo(long long position);
    void Requery();
    void ForgetPassedRows();

    std::shared_ptr<vornal::ado::RecordCursor> cursor_;
    std::shared_ptr<::Fields> fields_;
    std::shared_ptr<vornal::ado::ConnectionState> connection_;
    QString sql_;
    long cursorLocation_ = adUseServer;
};
