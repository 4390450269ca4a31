#include "DateText.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

bool ReadTime(const QString& hour, const QString& minute, const QString& second, DateParts& parts)
{
    if (hour.isEmpty())
        return true;
    parts.hour = hour.toInt();
    parts.minute = minute.toInt();
    parts.second = second.isEmpty() ? 0 : second.toInt();
    return parts.hour <= 23 && parts.minute <= 59 && parts.second <= 59;
}

}  // namespace

bool ParseDateText(const QString& text, DateParts& parts, bool* hasTime)
{
    static const QRegularExpression russian(QStringLiteral(
        "^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})(?:\\s+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    static const QRegularExpression iso(QStringLiteral(
        "^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[\\sT]+(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?$"));
    const QString t = text.trimmed();
    QRegularExpressionMatch m = russian.match(t);
    const bool dayFirst = m.hasMatch();
    if (!dayFirst)
        m = iso.match(t);
    if (!m.hasMatch())
        return false;
    DateParts p;
    p.day = m.captured(dayFirst ? 1 : 3).toInt();
    p.month = m.captured(2).toInt();
    p.year = m.captured(dayFirst ? 3 : 1).toInt();
    if (!vornal::ado::IsValidCalendarDate(p.year, p.month, p.day) || !ReadTime(m.captured(4), m.captured(5), m.captured(6), p))
        return false;
    parts = p;
    if (hasTime)
        *hasTime = !m.captured(4).isEmpty();
    return true;
}

QString DateText(int year, int month, int day)
{
    return QStringLiteral("%1.%2.%3")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

QString DateText(const DateParts& parts)
{
    return DateText(parts.year, parts.month, parts.day);
}

bool DatePartsOf(const COleDateTime& date, DateParts& parts)
{
    if (date.GetStatus() != COleDateTime::valid)
        return false;
    parts = {date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(), date.GetSecond()};
    return true;
}

DateParts Today()
{
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day(), 0, 0, 0};
}

DateParts Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute(),
            now.time().second()};
}
