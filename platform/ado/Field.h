// Field and Fields of a recordset: rs->Fields->GetItem("name")->Value.
// A field always shows the recordset's current row: its Value is read again
// each time the field is reached through its pointer.
#pragma once
#include "AdoPtr.h"
#include "AdoProperty.h"
#include "variant_t.h"

#include <memory>

namespace vornal::ado {
struct RecordCursor;
}

class Field {
public:
    Field(std::shared_ptr<vornal::ado::RecordCursor> cursor, int column);
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    // Refreshed on every -> of a FieldPtr; empty at either end of the recordset.
    _variant_t Value;
    const _bstr_t Name;
    const long Type;
    const long DefinedSize;
    const long Precision;
    const long NumericScale;

    // Throws _com_error at either end of the recordset: callers test adoEOF first.
    _variant_t GetValue() const;
    _bstr_t GetName() const { return Name; }
    long GetType() const { return Type; }
    long GetDefinedSize() const { return DefinedSize; }
    long GetActualSize() const;
    void Refresh();

private:
    std::shared_ptr<vornal::ado::RecordCursor> cursor_;
    int column_;
};

class FieldPtr : public AdoPtr<Field> {
public:
    using AdoPtr<Field>::AdoPtr;
    FieldPtr(AdoPtr<Field> other) : AdoPtr<Field>(std::move(other)) {}
    Field* operator->() const
    {
        Field* field = AdoPtr<Field>::operator->();
        field->Refresh();
        return field;
    }
};

class Fields {
public:
    explicit Fields(std::shared_ptr<vornal::ado::RecordCursor> cursor);
    Fields(const Fields&) = delete;
    Fields& operator=(const Fields&) = delete;

    // By name (any case) or by number from 0; throws adErrItemNotFound.
    FieldPtr GetItem(const _variant_t& index) const;
    FieldPtr GetItem(const char* name) const { return GetItem(_variant_t(name)); }
    FieldPtr GetItem(const _bstr_t& name) const { return GetItem(_variant_t(name)); }
    FieldPtr GetItem(int index) const { return GetItem(_variant_t(index)); }
    FieldPtr GetItem(long index) const { return GetItem(_variant_t(index)); }
    long GetCount() const;

    const AdoReadProperty<Fields, long, &Fields::GetCount> Count{this};
    const AdoIndexedProperty<Fields, FieldPtr, _variant_t, &Fields::GetItem> Item{this};

private:
    std::shared_ptr<vornal::ado::RecordCursor> cursor_;
};

using FieldsPtr = AdoPtr<Fields>;
