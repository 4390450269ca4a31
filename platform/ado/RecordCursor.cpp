#include "RecordCursor.h"

namespace vornal::ado {

void RecordCursor::requireOpen() const
{
    if (!source)
        throw _com_error(adErrObjectClosed, QStringLiteral("Набор записей закрыт"));
}

const RecordRows::Row& RecordCursor::current() const
{
    requireOpen();
    if (position < 0 || !source->has(position))
        throw _com_error(adErrNoCurrentRecord);
    return source->row(position);
}

int RecordCursor::columnOf(const _variant_t& index) const
{
    requireOpen();
    if (index.vt == VT_BSTR) {
        const int column = source->columnIndex(index.text());
        if (column < 0)
            throw _com_error(adErrItemNotFound,
                             QStringLiteral("Поле «%1» не найдено в наборе записей").arg(index.text()));
        return column;
    }
    const long long column = index.toInt64();
    if (column < 0 || column >= source->columnCount())
        throw _com_error(adErrItemNotFound,
                         QStringLiteral("Поля с номером %1 нет в наборе записей").arg(column));
    return static_cast<int>(column);
}

}  // namespace vornal::ado
