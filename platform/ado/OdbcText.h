// Text between the layer (UTF-16 QString) and the wide ODBC calls (SQLWCHAR,
// two bytes in unixODBC): the same code units, so only the pointer type changes.
// Private to the ADO subset: it pulls in the ODBC headers.
#pragma once
#include <QString>
#include <sql.h>
#include <sqlext.h>

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC built with 2-byte SQLWCHAR expected");

namespace vornal::ado {

inline SQLWCHAR* Wide(const QString& text)
{
    return reinterpret_cast<SQLWCHAR*>(const_cast<char16_t*>(reinterpret_cast<const char16_t*>(text.utf16())));
}

inline QString FromWide(const SQLWCHAR* text, SQLLEN chars)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), static_cast<qsizetype>(chars));
}

}  // namespace vornal::ado
