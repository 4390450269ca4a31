#include "DbErrorHeadline.h"

#include <QRegularExpression>

namespace {

thread_local const CDbTask* t_task = nullptr;

bool Writes(const QString& doing)
{
    static const QRegularExpression write(
        QStringLiteral("^\\s*(выполнение:\\s*)?(insert|update|delete|replace|call|create|alter|drop|truncate)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return write.match(doing).hasMatch();
}

}  // namespace

CDbTask::CDbTask(LPCTSTR whatFails) : m_what(whatFails), m_outer(t_task) { t_task = this; }

CDbTask::~CDbTask() { t_task = m_outer; }

CString DbErrorHeadline(const _com_error& error)
{
    const DbErrorKind kind = error.Kind();
    QString what;
    if (t_task)
        what = t_task->m_what.ToQString();
    else if (kind == DbErrorKind::ConnectionLost)
        return CString("Нет связи с сервером базы данных.");
    else if (Writes(error.Doing()))
        what = QStringLiteral("Не удалось записать изменения");
    else
        what = QStringLiteral("Не удалось прочитать данные");
    // The cause in the bookkeeper's words; the server's own text is in the details.
    QString cause;
    if (kind == DbErrorKind::ConnectionLost)
        cause = QStringLiteral("нет связи с сервером базы данных");
    else if (kind == DbErrorKind::Constraint)
        cause = QStringLiteral("данные нарушают правила базы данных");
    return CString(cause.isEmpty() ? what + QLatin1Char('.') : what + QStringLiteral(": ") + cause + QLatin1Char('.'));
}
