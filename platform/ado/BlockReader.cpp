#include "BlockReader.h"

#include "OdbcCheck.h"

#include <limits>
#include <mutex>

namespace vornal::ado {

namespace {

// The C type a column is bound as and the bytes of one value; 0 bytes when
// the column is read row by row. Decimals come as text, as ReadColumn reads them.
std::pair<SQLSMALLINT, SQLLEN> Binding(const ColumnInfo& info, bool utf8, SQLLEN textBytes, bool widthsHold)
{
    const auto text = [&](SQLULEN chars) -> std::pair<SQLSMALLINT, SQLLEN> {
        const SQLSMALLINT cType = utf8 ? SQL_C_CHAR : SQL_C_WCHAR;
        if (chars == 0 || chars > BlockReader::kWidestText || !widthsHold)
            return {cType, 0};
        if (textBytes > 0)
            return {cType, textBytes};
        // A character takes up to four bytes of UTF-8, or two UTF-16 units
        // outside the basic plane; then the end.
        const SQLLEN bytes = utf8 ? static_cast<SQLLEN>(4 * chars + 1)
                                  : static_cast<SQLLEN>((2 * chars + 1) * sizeof(SQLWCHAR));
        return {cType, bytes};
    };
    switch (info.sqlType) {
    case SQL_BIT: return {SQL_C_BIT, sizeof(unsigned char)};
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT: return {SQL_C_SBIGINT, sizeof(SQLBIGINT)};
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return {SQL_C_DOUBLE, sizeof(SQLDOUBLE)};
    case SQL_DECIMAL:
    case SQL_NUMERIC: return text(info.size + 2);  // a sign and a point
    case SQL_TYPE_DATE:
    case SQL_DATE: return {SQL_C_TYPE_DATE, sizeof(SQL_DATE_STRUCT)};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return {SQL_C_TYPE_TIMESTAMP, sizeof(SQL_TIMESTAMP_STRUCT)};
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_TYPE_TIME:
    case SQL_TIME:
    case SQL_GUID: return text(info.size);
    default: return {SQL_C_WCHAR, 0};  // long texts, binary values, types unknown
    }
}

// The buffers of the last reader gone, kept for the next one.
struct SpareBuffer {
    std::mutex mutex;
    std::unique_ptr<char[]> buffer;
    std::size_t bytes = 0;
};

SpareBuffer& Spare()
{
    static SpareBuffer spare;
    return spare;
}

// A buffer of at least `bytes`: the spare one when it is large enough.
std::unique_ptr<char[]> TakeBuffer(std::size_t bytes, std::size_t& taken)
{
    SpareBuffer& spare = Spare();
    {
        std::lock_guard lock(spare.mutex);
        if (spare.buffer && spare.bytes >= bytes) {
            taken = spare.bytes;
            spare.bytes = 0;
            return std::move(spare.buffer);
        }
    }
    taken = bytes;
    return std::unique_ptr<char[]>(new char[bytes]);
}

// Keeps the larger of the spare buffer and `buffer`.
void GiveBack(std::unique_ptr<char[]> buffer, std::size_t bytes)
{
    if (!buffer)
        return;
    SpareBuffer& spare = Spare();
    std::lock_guard lock(spare.mutex);
    if (bytes > spare.bytes) {
        std::swap(spare.buffer, buffer);
        spare.bytes = bytes;
    }
}

// Each column's values and indicators start on a boundary any bound C type takes.
constexpr std::size_t kAlign = alignof(std::max_align_t);

std::size_t Aligned(std::size_t bytes)
{
    return (bytes + kAlign - 1) / kAlign * kAlign;
}

bool IsAscii(const char* text, SQLLEN length)
{
    for (SQLLEN i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    }
    return true;
}

void Unbind(SQLHSTMT statement)
{
    SQLFreeStmt(statement, SQL_UNBIND);
    SQLSetStmtAttrW(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0);
    SQLSetStmtAttrW(statement, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    SQLSetStmtAttrW(statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
}

}  // namespace

std::unique_ptr<BlockReader> BlockReader::Bind(SQLHSTMT statement, const std::vector<ColumnInfo>& columns,
                                               bool utf8, long long expectedRows, SQLLEN textBytes, bool widthsHold)
{
    if (columns.empty())
        return nullptr;
    SQLLEN rowBytes = 0;
    std::vector<std::pair<SQLSMALLINT, SQLLEN>> bindings;
    for (const ColumnInfo& info : columns) {
        bindings.push_back(Binding(info, utf8, textBytes, widthsHold));
        if (bindings.back().second == 0)
            return nullptr;
        rowBytes += bindings.back().second + static_cast<SQLLEN>(sizeof(SQLLEN));
    }
    SQLULEN rows = std::min<SQLULEN>(kBlockRows, static_cast<SQLULEN>(kBlockBytes / rowBytes));
    if (expectedRows >= 0)
        rows = std::min<SQLULEN>(rows, static_cast<SQLULEN>(expectedRows));
    if (rows < 2)
        return nullptr;

    std::unique_ptr<BlockReader> reader(new BlockReader(statement, rows));
    reader->status_.reset(new SQLUSMALLINT[rows]);
    bool bound = Succeeded(SQLSetStmtAttrW(statement, SQL_ATTR_ROW_BIND_TYPE,
                                           reinterpret_cast<SQLPOINTER>(SQLULEN(SQL_BIND_BY_COLUMN)), 0))
        && Succeeded(SQLSetStmtAttrW(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows), 0))
        && Succeeded(SQLSetStmtAttrW(statement, SQL_ATTR_ROWS_FETCHED_PTR, &reader->fetched_, 0))
        && Succeeded(SQLSetStmtAttrW(statement, SQL_ATTR_ROW_STATUS_PTR, reader->status_.get(), 0));
    // A driver may take another block size than asked (01S02): no larger one fits the buffers.
    SQLULEN taken = 0;
    bound = bound && Succeeded(SQLGetStmtAttrW(statement, SQL_ATTR_ROW_ARRAY_SIZE, &taken, 0, nullptr))
        && taken >= 2 && taken <= rows;
    reader->rows_ = taken;
    std::size_t bytes = 0;
    for (const auto& binding : bindings)
        bytes += Aligned(static_cast<std::size_t>(binding.second) * rows) + Aligned(sizeof(SQLLEN) * rows);
    reader->buffer_ = TakeBuffer(bytes, reader->bufferBytes_);
    char* at = reader->buffer_.get();
    for (std::size_t c = 0; bound && c < columns.size(); ++c) {
        Column column;
        column.info = columns[c];
        column.cType = bindings[c].first;
        column.width = bindings[c].second;
        column.values = at;
        at += Aligned(static_cast<std::size_t>(column.width) * rows);
        column.lengths = reinterpret_cast<SQLLEN*>(at);
        at += Aligned(sizeof(SQLLEN) * rows);
        bound = Succeeded(SQLBindCol(statement, static_cast<SQLUSMALLINT>(c + 1), column.cType, column.values,
                                     column.width, column.lengths));
        reader->columns_.push_back(std::move(column));
    }
    if (!bound) {
        Unbind(statement);
        return nullptr;
    }
    return reader;
}

BlockReader::~BlockReader()
{
    GiveBack(std::move(buffer_), bufferBytes_);
}

bool BlockReader::fetch(std::deque<Row>& rows, const QString& doing)
{
    fetched_ = 0;
    if (Check(SQLFetch(statement_), SQL_HANDLE_STMT, statement_, doing) == SQL_NO_DATA)
        return false;
    for (SQLULEN r = 0; r < fetched_; ++r) {
        if (status_[r] == SQL_ROW_NOROW)
            continue;
        if (status_[r] == SQL_ROW_ERROR)
            ThrowDiagnostics(SQL_HANDLE_STMT, statement_, doing);
        Row row;
        row.reserve(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c)
            row.push_back(value(c, r, doing));
        rows.push_back(std::move(row));
    }
    return fetched_ > 0;
}

_variant_t BlockReader::value(std::size_t c, SQLULEN r, const QString& doing)
{
    Column& column = columns_[c];
    const SQLLEN length = column.lengths[r];
    if (length == SQL_NULL_DATA)
        return _variant_t::Null();
    const char* at = column.values + static_cast<std::size_t>(column.width) * r;
    switch (column.cType) {
    case SQL_C_BIT: return _variant_t(*reinterpret_cast<const unsigned char*>(at) != 0);
    case SQL_C_SBIGINT: {
        const SQLBIGINT value = *reinterpret_cast<const SQLBIGINT*>(at);
        const bool fitsInt = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
        return column.info.sqlType == SQL_BIGINT || !fitsInt ? _variant_t(static_cast<long long>(value))
                                                             : _variant_t(static_cast<long>(value));
    }
    case SQL_C_DOUBLE: return _variant_t(static_cast<double>(*reinterpret_cast<const SQLDOUBLE*>(at)));
    case SQL_C_TYPE_DATE: {
        const auto& d = *reinterpret_cast<const SQL_DATE_STRUCT*>(at);
        return _variant_t::FromDate({d.year, d.month, d.day, 0, 0, 0}, false);
    }
    case SQL_C_TYPE_TIMESTAMP: {
        const auto& t = *reinterpret_cast<const SQL_TIMESTAMP_STRUCT*>(at);
        return _variant_t::FromDate({t.year, t.month, t.day, t.hour, t.minute, t.second}, true);
    }
    default: break;
    }
    // A text, whole when it fits its buffer with its end.
    const bool utf8 = column.cType == SQL_C_CHAR;
    const SQLLEN room = column.width - (utf8 ? 1 : static_cast<SQLLEN>(sizeof(SQLWCHAR)));
    if (length == SQL_NO_TOTAL || length > room)
        throw _com_error(E_FAIL,
                         QStringLiteral("Текст столбца «%1» длиннее объявленной драйвером ширины (%2)")
                             .arg(column.info.name)
                             .arg(column.info.size),
                         doing);
    const bool decimal = column.info.sqlType == SQL_DECIMAL || column.info.sqlType == SQL_NUMERIC;
    if (decimal && utf8 && IsAscii(at, length)) {
        // A decimal keeps no text: its digits are read from a text of this
        // thread's, which needs no memory of its own once it has grown.
        thread_local QString digits;
        digits.resize(static_cast<qsizetype>(length));
        QChar* to = digits.data();
        for (SQLLEN i = 0; i < length; ++i)
            to[i] = QLatin1Char(at[i]);
        return _variant_t::FromDecimalText(digits);
    }
    const QString text = utf8 ? QString::fromUtf8(at, static_cast<qsizetype>(length))
                              : FromWide(reinterpret_cast<const SQLWCHAR*>(at),
                                         length / static_cast<SQLLEN>(sizeof(SQLWCHAR)));
    return decimal ? _variant_t::FromDecimalText(text) : _variant_t(text);
}

}  // namespace vornal::ado
