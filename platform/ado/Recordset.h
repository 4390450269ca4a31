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

#include <memory>

namespace vornal::ado {
struct RecordCursor;
class ConnectionState;
class RowSource;
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
                std::shared_ptr<vornal::ado::RowSource> source, bool forwardOnly);

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
