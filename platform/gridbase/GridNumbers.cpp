#include "GridNumbers.h"

#include <algorithm>
#include <cstring>

namespace {

// Decimals beyond any the database stores; Number keeps up to this many.
const int kSignificantDecimals = 10;

QString Rounded(double value, int decimals)
{
    return RoundDecimalText(ShortestNumberText(value), std::max(decimals, 0));
}

bool IsZeroText(const QString& number)
{
    for (QChar c : number)
        if (c != QLatin1Char('0') && c != QLatin1Char('.') && c != QLatin1Char('-'))
            return false;
    return true;
}

// "1234567.50" as "1,234,567.50".
QString GroupThousands(const QString& number)
{
    const qsizetype sign = number.startsWith(QLatin1Char('-')) ? 1 : 0;
    qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point < 0)
        point = number.size();
    QString grouped = number;
    for (qsizetype at = point - 3; at > sign; at -= 3)
        grouped.insert(at, QLatin1Char(','));
    return grouped;
}

QString DropTrailingZeros(QString number)
{
    if (!number.contains(QLatin1Char('.')))
        return number;
    while (number.endsWith(QLatin1Char('0')))
        number.chop(1);
    if (number.endsWith(QLatin1Char('.')))
        number.chop(1);
    return number == QLatin1String("-0") ? QStringLiteral("0") : number;
}

} // namespace

CString GetNumberDelimiter()
{
    return CString(".");
}

CString FormatNumber(double value, LPCTSTR pattern, int decimals)
{
    const QString number = Rounded(value, decimals);
    const bool group = pattern && std::strchr(pattern, ',');
    return CString(group ? GroupThousands(number) : number);
}

CString FormatNumber0(double value, LPCTSTR pattern, int decimals)
{
    if (IsZeroText(Rounded(value, decimals)))
        return CString();
    return FormatNumber(value, pattern, decimals);
}

CString FormatNumber1(double value, LPCTSTR pattern, int decimals)
{
    return rtz(FormatNumber(value, pattern, decimals));
}

CString Number(double value, int minDecimals)
{
    QString number = DropTrailingZeros(Rounded(value, kSignificantDecimals));
    if (minDecimals <= 0)
        return CString(number);
    qsizetype point = number.indexOf(QLatin1Char('.'));
    if (point < 0) {
        point = number.size();
        number += QLatin1Char('.');
    }
    const qsizetype decimals = number.size() - point - 1;
    if (decimals < minDecimals)
        number += QString(minDecimals - decimals, QLatin1Char('0'));
    return CString(number);
}

CString Number(const CString& text, int minDecimals)
{
    return Number(_tstof(text), minDecimals);
}

CString Number0(double value)
{
    const CString number = Number(value, 0);
    return number == "0" ? CString() : number;
}

CString Number_(double value)
{
    return Number(value, 0);
}

CString ftoa(double value)
{
    return CString(ShortestNumberText(value));
}

CString utoa(long long value)
{
    return CString(QString::number(value));
}

CString utos(long long value)
{
    return utoa(value);
}

CString utoa(HWND window)
{
    return utoa(static_cast<long long>(reinterpret_cast<UINT_PTR>(window)));
}

CString utoa(const CWnd* window)
{
    return utoa(window ? window->GetSafeHwnd() : HWND(nullptr));
}

CString rtz(const CString& text)
{
    return CString(DropTrailingZeros(text.ToQString()));
}
