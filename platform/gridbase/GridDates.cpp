#include "GridDates.h"

#include "DateText.h"
#include "core/AfxCalendar.h"

#include <QRegularExpression>

namespace {

const int kFirstYear = 1900;

int FullYear(const QString& digits)
{
    const int year = digits.toInt();
    return digits.size() > 2 ? year : AfxFullYear(year);
}

// The short forms a user types: d,m,yy  d/m/yyyy  d m yy  ddmmyy  ddmmyyyy.
bool ParseTypedDate(const QString& text, DateParts& parts)
{
    static const QRegularExpression separated(
        QStringLiteral("^(\\d{1,2})[.,/ -](\\d{1,2})[.,/ -](\\d{2}|\\d{4})$"));
    static const QRegularExpression digits(QStringLiteral("^(\\d{2})(\\d{2})(\\d{2}|\\d{4})$"));
    QRegularExpressionMatch m = separated.match(text);
    if (!m.hasMatch())
        m = digits.match(text);
    if (!m.hasMatch())
        return false;
    parts = {FullYear(m.captured(3)), m.captured(2).toInt(), m.captured(1).toInt(), 0, 0, 0};
    return vornal::ado::IsValidCalendarDate(parts.year, parts.month, parts.day);
}

} // namespace

CString DMG(const CString& text, int shortForms, int)
{
    const QString typed = text.ToQString().trimmed();
    DateParts parts;
    const bool read = ParseDateText(typed, parts) || (shortForms && ParseTypedDate(typed, parts));
    if (!read || parts.year < kFirstYear)
        return CString();
    return CString(DateText(parts));
}

CString DMGtoStr(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return CString();
    return date.Format("%d.%m.%Y");
}

CString GetLocalDate(int year, int month, int day)
{
    COleDateTime date;
    if (date.SetDate(year, month, day) != 0)
        return CString();
    return DMGtoStr(date);
}
