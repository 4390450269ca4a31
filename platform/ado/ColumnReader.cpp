#include "ColumnReader.h"

#include "OdbcCheck.h"

#include <limits>
#include <vector>

namespace vornal::ado {

namespace {

SQLRETURN GetData(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType, void* target, SQLLEN size,
                  SQLLEN* indicator, const QString& doing)
{
    return Check(SQLGetData(statement, column, cType, target, size, indicator), SQL_HANDLE_STMT, statement, doing);
}

_variant_t ReadInteger(SQLHSTMT statement, SQLUSMALLINT column, bool wide, const QString& doing)
{
    SQLBIGINT value = 0;
    SQLLEN indicator = 0;
    GetData(statement, column, SQL_C_SBIGINT, &value, 0, &indicator, doing);
    if (indicator == SQL_NULL_DATA)
        return _variant_t::Null();
    const bool fitsInt = value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
    return wide || !fitsInt ? _variant_t(static_cast<long long>(value)) : _variant_t(static_cast<long>(value));
}

_variant_t ReadDouble(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    SQLDOUBLE value = 0;
    SQLLEN indicator = 0;
    GetData(statement, column, SQL_C_DOUBLE, &value, 0, &indicator, doing);
    return indicator == SQL_NULL_DATA ? _variant_t::Null() : _variant_t(static_cast<double>(value));
}

_variant_t ReadBit(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    unsigned char value = 0;
    SQLLEN indicator = 0;
    GetData(statement, column, SQL_C_BIT, &value, 0, &indicator, doing);
    return indicator == SQL_NULL_DATA ? _variant_t::Null() : _variant_t(value != 0);
}

_variant_t ReadDate(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    SQL_DATE_STRUCT value = {};
    SQLLEN indicator = 0;
    GetData(statement, column, SQL_C_TYPE_DATE, &value, sizeof value, &indicator, doing);
    if (indicator == SQL_NULL_DATA)
        return _variant_t::Null();
    return _variant_t::FromDate({value.year, value.month, value.day, 0, 0, 0}, false);
}

_variant_t ReadTimestamp(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    SQL_TIMESTAMP_STRUCT value = {};
    SQLLEN indicator = 0;
    GetData(statement, column, SQL_C_TYPE_TIMESTAMP, &value, sizeof value, &indicator, doing);
    if (indicator == SQL_NULL_DATA)
        return _variant_t::Null();
    return _variant_t::FromDate({value.year, value.month, value.day, value.hour, value.minute, value.second}, true);
}

// Text in pieces: a long text answers "truncated" and the rest comes with the next call.
_variant_t ReadText(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    std::vector<SQLWCHAR> buffer(256);
    QString text;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLLEN bytes = static_cast<SQLLEN>(buffer.size() * sizeof(SQLWCHAR));
        const SQLRETURN rc = GetData(statement, column, SQL_C_WCHAR, buffer.data(), bytes, &indicator, doing);
        if (rc == SQL_NO_DATA)
            break;
        if (indicator == SQL_NULL_DATA)
            return _variant_t::Null();
        const bool truncated = indicator == SQL_NO_TOTAL || indicator >= bytes;
        if (!truncated) {
            text += FromWide(buffer.data(), indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)));
            break;
        }
        const SQLLEN chunk = static_cast<SQLLEN>(buffer.size()) - 1;
        text += FromWide(buffer.data(), chunk);
        const SQLLEN rest = indicator == SQL_NO_TOTAL ? chunk * 2
                                                      : indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)) - chunk;
        buffer.assign(static_cast<std::size_t>(std::max<SQLLEN>(rest, 1) + 1), 0);
    }
    return _variant_t(text);
}

// Text asked for as the connection's own UTF-8: the driver hands its bytes over
// as they came, without a conversion of its own for every value. A long text
// comes in pieces that may cut a character, so the bytes are joined first.
_variant_t ReadUtf8Text(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    char first[512];
    SQLLEN indicator = 0;
    SQLRETURN rc = GetData(statement, column, SQL_C_CHAR, first, sizeof first, &indicator, doing);
    if (rc == SQL_NO_DATA)
        return _variant_t(QString());
    if (indicator == SQL_NULL_DATA)
        return _variant_t::Null();
    const SQLLEN room = static_cast<SQLLEN>(sizeof first) - 1;
    if (indicator != SQL_NO_TOTAL && indicator <= room)
        return _variant_t(QString::fromUtf8(first, static_cast<qsizetype>(indicator)));
    QByteArray bytes(first, static_cast<qsizetype>(room));
    std::vector<char> buffer(indicator == SQL_NO_TOTAL ? 4096 : static_cast<std::size_t>(indicator - room + 1));
    for (;;) {
        rc = GetData(statement, column, SQL_C_CHAR, buffer.data(), static_cast<SQLLEN>(buffer.size()), &indicator, doing);
        if (rc == SQL_NO_DATA)
            break;
        const SQLLEN chunk = static_cast<SQLLEN>(buffer.size()) - 1;
        if (indicator != SQL_NO_TOTAL && indicator <= chunk) {
            bytes.append(buffer.data(), static_cast<qsizetype>(indicator));
            break;
        }
        bytes.append(buffer.data(), static_cast<qsizetype>(chunk));
    }
    return _variant_t(QString::fromUtf8(bytes));
}

bool IsCharacterType(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_CHAR:
    case SQL_VARCHAR:
    case SQL_LONGVARCHAR:
    case SQL_WCHAR:
    case SQL_WVARCHAR:
    case SQL_WLONGVARCHAR: return true;
    default: return false;
    }
}

_variant_t ReadDecimal(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    const _variant_t text = ReadText(statement, column, doing);
    return text.isNull() ? text : _variant_t::FromDecimalText(text.text());
}

}  // namespace

ColumnInfo DescribeColumn(SQLHSTMT statement, SQLUSMALLINT column, const QString& doing)
{
    SQLWCHAR name[256] = {};
    SQLSMALLINT nameLength = 0;
    ColumnInfo info;
    SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;
    Check(SQLDescribeColW(statement, column, name, static_cast<SQLSMALLINT>(std::size(name)), &nameLength,
                          &info.sqlType, &info.size, &info.decimals, &nullable),
          SQL_HANDLE_STMT, statement, doing);
    info.name = FromWide(name, std::min<SQLLEN>(nameLength, SQLLEN(std::size(name)) - 1));
    info.nullable = nullable != SQL_NO_NULLS;
    return info;
}

_variant_t ReadColumn(SQLHSTMT statement, SQLUSMALLINT column, const ColumnInfo& info, const QString& doing,
                      bool utf8)
{
    if (utf8 && IsCharacterType(info.sqlType))
        return ReadUtf8Text(statement, column, doing);
    switch (info.sqlType) {
    case SQL_BIT: return ReadBit(statement, column, doing);
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER: return ReadInteger(statement, column, false, doing);
    case SQL_BIGINT: return ReadInteger(statement, column, true, doing);
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE: return ReadDouble(statement, column, doing);
    case SQL_DECIMAL:
    case SQL_NUMERIC: return ReadDecimal(statement, column, doing);
    case SQL_TYPE_DATE:
    case SQL_DATE: return ReadDate(statement, column, doing);
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return ReadTimestamp(statement, column, doing);
    default: return ReadText(statement, column, doing);
    }
}

long AdoTypeOf(const ColumnInfo& info)
{
    switch (info.sqlType) {
    case SQL_BIT: return adBoolean;
    case SQL_TINYINT: return adTinyInt;
    case SQL_SMALLINT: return adSmallInt;
    case SQL_INTEGER: return adInteger;
    case SQL_BIGINT: return adBigInt;
    case SQL_REAL: return adSingle;
    case SQL_FLOAT:
    case SQL_DOUBLE: return adDouble;
    case SQL_DECIMAL:
    case SQL_NUMERIC: return adNumeric;
    case SQL_TYPE_DATE:
    case SQL_DATE: return adDBDate;
    case SQL_TYPE_TIME:
    case SQL_TIME: return adDBTime;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return adDBTimeStamp;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return adVarBinary;
    case SQL_WLONGVARCHAR:
    case SQL_LONGVARCHAR: return adLongVarWChar;
    default: return adVarWChar;
    }
}

}  // namespace vornal::ado
