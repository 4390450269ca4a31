#include "Field.h"

#include "RecordCursor.h"

using vornal::ado::RecordCursor;

namespace {

const vornal::ado::ColumnInfo& InfoOf(const std::shared_ptr<RecordCursor>& cursor, int column)
{
    cursor->requireOpen();
    return cursor->source->column(column);
}

}  // namespace

Field::Field(std::shared_ptr<RecordCursor> cursor, int column)
    : Name(InfoOf(cursor, column).name),
      Type(vornal::ado::AdoTypeOf(InfoOf(cursor, column))),
      DefinedSize(static_cast<long>(InfoOf(cursor, column).size)),
      Precision(static_cast<long>(InfoOf(cursor, column).size)),
      NumericScale(InfoOf(cursor, column).decimals),
      cursor_(std::move(cursor)),
      column_(column)
{
}

_variant_t Field::GetValue() const
{
    return cursor_->current()[static_cast<std::size_t>(column_)];
}

long Field::GetActualSize() const
{
    const _variant_t value = GetValue();
    return value.isNull() ? -1 : static_cast<long>(value.text().size());
}

void Field::Refresh()
{
    if (cursor_->open() && !cursor_->atStart() && !cursor_->atEnd())
        Value = cursor_->source->row(cursor_->position)[static_cast<std::size_t>(column_)];
    else
        Value = _variant_t();
}

Fields::Fields(std::shared_ptr<RecordCursor> cursor) : cursor_(std::move(cursor)) {}

FieldPtr Fields::GetItem(const _variant_t& index) const
{
    const int column = cursor_->columnOf(index);
    return FieldPtr(std::make_shared<Field>(cursor_, column));
}

long Fields::GetCount() const
{
    return cursor_->open() ? cursor_->source->columnCount() : 0;
}
