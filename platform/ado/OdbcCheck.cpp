#include "OdbcCheck.h"

namespace vornal::ado {

std::vector<DbDiagnostic> ReadDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle)
{
    std::vector<DbDiagnostic> result;
    if (!handle)
        return result;
    for (SQLSMALLINT record = 1; record <= 10; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLWCHAR text[1024] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &native, text,
                                            static_cast<SQLSMALLINT>(std::size(text)), &length);
        if (!Succeeded(rc))
            break;
        DbDiagnostic d;
        d.sqlState = FromWide(state, 5);
        d.nativeError = native;
        d.message = FromWide(text, std::min<SQLLEN>(length, SQLLEN(std::size(text)) - 1));
        result.push_back(d);
    }
    return result;
}

void ThrowDiagnostics(SQLSMALLINT handleType, SQLHANDLE handle, const QString& doing)
{
    std::vector<DbDiagnostic> diagnostics = ReadDiagnostics(handleType, handle);
    const QString text = diagnostics.empty() ? QStringLiteral("Драйвер ODBC сообщил об ошибке без описания")
                                             : diagnostics.front().message;
    throw _com_error(E_FAIL, text, doing, std::move(diagnostics));
}

SQLRETURN Check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const QString& doing)
{
    if (Succeeded(rc) || rc == SQL_NO_DATA)
        return rc;
    if (rc == SQL_INVALID_HANDLE)
        throw _com_error(E_POINTER, QStringLiteral("Недействительный дескриптор ODBC"), doing);
    ThrowDiagnostics(handleType, handle, doing);
}

QString StatementForReport(const QString& sql)
{
    // Whole: the report's details keep it for support.
    return sql.simplified();
}

QString ExecutingDoing(const QString& sql)
{
    return QStringLiteral("выполнение: ") + StatementForReport(sql);
}

QString ReadingDoing(const QString& sql)
{
    return QStringLiteral("чтение результата: ") + StatementForReport(sql);
}

}  // namespace vornal::ado
