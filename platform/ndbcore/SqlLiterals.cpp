#include "SqlLiterals.h"

#include "DateText.h"
#include "DbDialect.h"
#include "DbErrorReport.h"

#include <QRegularExpression>

namespace {

const char* const kNull = "NULL";

CString NumberOrNull(LPCTSTR text, const char* what)
{
    const QString typed = CString(text).ToQString();
    QString number;
    if (NormalizeNumberText(typed, number))
        return CString(number);
    if (!typed.trimmed().isEmpty())
        LogDbWarning(CString(QStringLiteral("%1: «%2» is not a number, NULL is written").arg(QLatin1String(what), typed)));
    return kNull;
}

}  // namespace

bool NormalizeNumberText(const QString& text, QString& number)
{
    static const QRegularExpression form(QStringLiteral("^([+-]?)(\\d*)(?:\\.(\\d*))?$"));
    QString t = text;
    t.remove(QRegularExpression(QStringLiteral("[\\s\\x{00A0}\\x{202F}]")));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    const QRegularExpressionMatch m = form.match(t);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return false;
    QString whole = m.captured(2);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    number = (m.captured(1) == QLatin1String("-") ? QStringLiteral("-") : QString()) + whole;
    if (!m.captured(3).isEmpty())
        number += QLatin1Char('.') + m.captured(3);
    return true;
}

CString MakeSqlStr(LPCTSTR text)
{
    return CString(EscapeSqlText(CString(text).ToQString(), CurrentDialect()));
}

CString NullStr(LPCTSTR text)
{
    const CString value(text);
    if (value.IsEmpty())
        return kNull;
    return CString(QuoteSqlText(value.ToQString(), CurrentDialect()));
}

CString NullInt0(LPCTSTR text)
{
    return NumberOrNull(text, "NullInt0");
}

CString NullFloat(LPCTSTR text)
{
    return NumberOrNull(text, "NullFloat");
}

CString DB_Digit(LPCTSTR text)
{
    return NumberOrNull(text, "DB_Digit");
}

CString ChangeDateUS0(LPCTSTR date, int)
{
    const QString typed = CString(date).ToQString();
    DateParts p;
    bool hasTime = false;
    if (!ParseDateText(typed, p, &hasTime)) {
        if (!typed.trimmed().isEmpty())
            LogDbWarning(CString(QStringLiteral("ChangeDateUS0: «%1» is not a date, NULL is written").arg(typed)));
        return kNull;
    }
    const SqlDialect dialect = CurrentDialect();
    if (hasTime)
        return CString(SqlDateTimeLiteral(p.year, p.month, p.day, p.hour, p.minute, p.second, dialect));
    return CString(SqlDateLiteral(p.year, p.month, p.day, dialect));
}

CString ChangeDateUS(LPCTSTR date, int unused)
{
    return ChangeDateUS0(date, unused);
}

CString GetCurDateUS0(int withTime)
{
    const DateParts p = Now();
    const SqlDialect dialect = CurrentDialect();
    if (withTime)
        return CString(SqlDateTimeLiteral(p.year, p.month, p.day, p.hour, p.minute, p.second, dialect));
    return CString(SqlDateLiteral(p.year, p.month, p.day, dialect));
}

CString PadR(LPCTSTR text, int width)
{
    return CString(CString(text).ToQString().leftJustified(width, QLatin1Char(' ')));
}
