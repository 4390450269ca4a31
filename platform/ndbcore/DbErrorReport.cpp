#include "DbErrorReport.h"
#include "DbLossWatch.h"

#include "DbErrorHeadline.h"
#include "dlg/AfxFailureScope.h"

#include <atomic>
#include <cstdio>

namespace {

void WriteToStderr(const DbErrorReport& report)
{
    std::fprintf(stderr, "%s\n%s\n", (LPCTSTR)report.message, (LPCTSTR)report.details);
    std::fflush(stderr);
}

std::atomic<DbErrorHook>& Hook()
{
    static std::atomic<DbErrorHook> hook{&WriteToStderr};
    return hook;
}

}  // namespace

DbErrorHook SetDbErrorHook(DbErrorHook hook)
{
    return Hook().exchange(hook ? hook : &WriteToStderr);
}

CString DbErrorMessage(DbErrorKind kind)
{
    switch (kind) {
    case DbErrorKind::ConnectionLost:
        return "Нет связи с сервером базы данных: соединение прервано, и открыть его заново не удалось. "
               "Проверьте сеть и параметры подключения.";
    case DbErrorKind::Constraint:
        return "Изменения не сохранены: данные нарушают правила базы данных (повтор ключа, "
               "незаполненное обязательное поле, ссылка на несуществующую запись или недопустимое значение).";
    case DbErrorKind::NoData:
        return "Нет данных для выполнения операции.";
    default:
        return "Ошибка при работе с базой данных.";
    }
}

CString DbLostDuringSaveMessage()
{
    return "Связь с сервером базы данных прервалась во время записи: последние изменения не сохранены. "
           "Повторите запись; программа подключится к серверу заново.";
}

CString DbLostOutcomeUnknownMessage()
{
    return "Связь с сервером базы данных прервалась во время записи: неизвестно, сохранены ли последние "
           "изменения. Проверьте их, прежде чем записывать снова; программа подключится к серверу заново.";
}

DbErrorReport MakeDbErrorReport(const _com_error& error, LPCTSTR context)
{
    DbErrorReport report;
    report.kind = error.Kind();
    report.message = DbErrorMessage(report.kind);
    report.headline = DbErrorHeadline(error);
    // Every diagnostic of the driver, whole, then what we were doing.
    QString details;
    for (const DbDiagnostic& d : error.Diagnostics())
        details += QStringLiteral("%1SQLSTATE %2, код %3: %4")
                       .arg(details.isEmpty() ? QString() : QStringLiteral("\n"), d.sqlState)
                       .arg(d.nativeError)
                       .arg(d.message);
    if (details.isEmpty()) {
        details = error.Description().qstring();
        if (!error.SqlState().isEmpty())
            details += QStringLiteral("\nSQLSTATE %1, код %2").arg(error.SqlState()).arg(error.NativeError());
    }
    if (!error.Doing().isEmpty())
        details += QStringLiteral("\nПри: ") + error.Doing();
    if (context && *context)
        details += QStringLiteral("\n") + CString(context).ToQString();
    report.details = CString(details);
    return report;
}

// Whether the report the layer just made for this thread was told to a loss
// watch instead (DbSession.cpp); asking forgets it.
bool TakeToldWatch();

void ReportDBError(const DbErrorReport& report)
{
    if (TakeToldWatch())
        return;  // the caller watches for the break and tells the user itself
    // One failure of a piece of work is told once (AfxFailureScope.h); the
    // administrator finds the others on stderr.
    if (!AfxShowFailure([report] { Hook().load()(report); }))
        WriteToStderr(report);
}

void ReportDBError(const _com_error& error, int, LPCTSTR context)
{
    ReportDBError(MakeDbErrorReport(error, context));
}

void ReportDBProblem(DbErrorKind kind, LPCTSTR message, LPCTSTR details)
{
    DbErrorReport report;
    report.kind = kind;
    report.message = message;
    report.details = details ? details : "";
    ReportDBError(report);
}

void LogDbWarning(LPCTSTR text)
{
    std::fprintf(stderr, "database layer: %s\n", text);
    std::fflush(stderr);
}
