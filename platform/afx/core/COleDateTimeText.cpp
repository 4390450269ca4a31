// COleDateTime as text: Format and ParseDateTime.
#include "COleDateTime.h"
#include "AfxCalendar.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const char* const kMonths[12] = {"Январь", "Февраль", "Март", "Апрель", "Май", "Июнь", "Июль",
                                 "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
const char* const kMonthsShort[12] = {"янв", "фев", "мар", "апр", "май", "июн",
                                      "июл", "авг", "сен", "окт", "ноя", "дек"};
const char* const kDays[7] = {"Воскресенье", "Понедельник", "Вторник", "Среда",
                              "Четверг", "Пятница", "Суббота"};
const char* const kDaysShort[7] = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};

QString number(int value, int width, bool dropZeros)
{
    return QString::number(value).rightJustified(dropZeros ? 0 : width, QLatin1Char('0'));
}

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    return digits.size() > 2 ? year : AfxFullYear(year);
}

struct ParsedDate {
    int year = 1899, month = 12, day = 30;
};
struct ParsedTime {
    int hour = 0, minute = 0, second = 0;
};

bool parseDate(const QString& text, ParsedDate& out)
{
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    QRegularExpressionMatch m = iso.match(text);
    if (m.hasMatch()) {
        out = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
        return true;
    }
    m = dmy.match(text);
    if (!m.hasMatch())
        return false;
    out = {fullYear(m.captured(3)), m.captured(2).toInt(), m.captured(1).toInt()};
    return true;
}

bool parseTime(const QString& text, ParsedTime& out)
{
    static const QRegularExpression hms(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    const QRegularExpressionMatch m = hms.match(text);
    if (!m.hasMatch())
        return false;
    out = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
    return true;
}

} // namespace

CString COleDateTime::Format(const char* format) const
{
    Parts p{};
    if (!parts(p))
        return CString();
    if (!format)
        format = (p.hour || p.minute || p.second) ? "%d.%m.%Y %H:%M:%S" : "%d.%m.%Y";
    const QString f = QString::fromUtf8(format);
    QString out;
    for (qsizetype i = 0; i < f.size(); ++i) {
        if (f[i] != QLatin1Char('%') || i + 1 >= f.size()) {
            out += f[i];
            continue;
        }
        bool dropZeros = false;
        QChar code = f[++i];
        if (code == QLatin1Char('#') && i + 1 < f.size()) {
            dropZeros = true;
            code = f[++i];
        }
        switch (code.unicode()) {
        case 'd': out += number(p.day, 2, dropZeros); break;
        case 'm': out += number(p.month, 2, dropZeros); break;
        case 'Y': out += number(p.year, 4, dropZeros); break;
        case 'y': out += number(p.year % 100, 2, dropZeros); break;
        case 'H': out += number(p.hour, 2, dropZeros); break;
        case 'I': out += number(p.hour % 12 ? p.hour % 12 : 12, 2, dropZeros); break;
        case 'M': out += number(p.minute, 2, dropZeros); break;
        case 'S': out += number(p.second, 2, dropZeros); break;
        case 'j': out += number(p.dayOfYear, 3, dropZeros); break;
        case 'w': out += QString::number(p.dayOfWeek - 1); break;
        case 'p': out += QLatin1String(p.hour < 12 ? "AM" : "PM"); break;
        case 'a': out += QString::fromUtf8(kDaysShort[p.dayOfWeek - 1]); break;
        case 'A': out += QString::fromUtf8(kDays[p.dayOfWeek - 1]); break;
        case 'b': out += QString::fromUtf8(kMonthsShort[p.month - 1]); break;
        case 'B': out += QString::fromUtf8(kMonths[p.month - 1]); break;
        case 'x': out += Format("%d.%m.%Y").ToQString(); break;
        case 'X': out += Format("%H:%M:%S").ToQString(); break;
        case 'c': out += Format("%d.%m.%Y %H:%M:%S").ToQString(); break;
        case '%': out += QLatin1Char('%'); break;
        default: out += QLatin1Char('%') + code; break;
        }
    }
    return CString(out);
}

bool COleDateTime::ParseDateTime(const char* text, DWORD flags, DWORD)
{
    const QString s = QString::fromUtf8(text ? text : "").trimmed();
    QString datePart = s;
    QString timePart;
    const qsizetype split = s.indexOf(QRegularExpression(QStringLiteral("[ T]")));
    if (split > 0) {
        datePart = s.left(split);
        timePart = s.mid(split + 1).trimmed();
    } else if (s.contains(QLatin1Char(':'))) {
        datePart.clear();
        timePart = s;
    }
    ParsedDate date;
    ParsedTime time;
    const bool ok = !s.isEmpty() && (datePart.isEmpty() || parseDate(datePart, date))
        && (timePart.isEmpty() || parseTime(timePart, time));
    if (!ok) {
        m_dt = 0;
        m_status = invalid;
        return false;
    }
    if (flags & VAR_DATEVALUEONLY)
        time = {};
    if (flags & VAR_TIMEVALUEONLY)
        date = {};
    return SetDateTime(date.year, date.month, date.day, time.hour, time.minute, time.second) == 0;
}
