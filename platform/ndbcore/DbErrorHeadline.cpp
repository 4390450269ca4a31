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

QString DbServerText(const QString& driverText)
{
    static const QRegularExpression prefixes(QStringLiteral("^(\\s*\\[[^\\]]*\\])+\\s*"));
    return QString(driverText).remove(prefixes).simplified();
}

CString DbErrorHeadline(const _com_error& error)
{
    QString what;
    if (t_task)
        what = t_task->m_what.ToQString();
    else if (error.Kind() == DbErrorKind::ConnectionLost)
        what = QStringLiteral("Нет связи с сервером базы данных");
    else if (Writes(error.Doing()))
        what = QStringLiteral("Не удалось записать изменения");
    else
        what = QStringLiteral("Не удалось прочитать данные");
    const QString said = DbServerText(error.Diagnostics().empty() ? error.Description().qstring()
                                                                  : error.Diagnostics().front().message);
    return CString(said.isEmpty() ? what + QLatin1Char('.') : what + QStringLiteral(": ") + said);
}
