#include "MoneyText.h"

#include <charconv>
#include <cmath>

QString ShortestNumberText(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
}

namespace {

bool AllDigits(const QString& text)
{
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Adds one to a run of decimal digits ("199" gives "200", "99" gives "100").
QString Increment(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

}  // namespace

QString RoundDecimalText(const QString& number, int places)
{
    QString text = number.trimmed();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative || text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    QString whole = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    if ((whole.isEmpty() && fraction.isEmpty()) || !AllDigits(whole) || !AllDigits(fraction))
        return QString();
    const bool up = fraction.size() > places && fraction[places] >= QLatin1Char('5');
    QString digits = whole + fraction.left(places).leftJustified(places, QLatin1Char('0'));
    if (up)
        digits = Increment(digits);
    while (digits.size() > places + 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    digits = digits.rightJustified(places + 1, QLatin1Char('0'));
    const bool zero = digits.count(QLatin1Char('0')) == digits.size();
    QString result = places > 0 ? digits.chopped(places) + QLatin1Char('.') + digits.right(places) : digits;
    return negative && !zero ? QLatin1Char('-') + result : result;
}

double RoundKopecks(double amount)
{
    return RoundDecimalText(ShortestNumberText(amount), 2).toDouble();
}

CString ftoa0(double amount)
{
    return CString(RoundDecimalText(ShortestNumberText(amount), 2));
}

CString ftoa2(double amount)
{
    return ftoa0(amount);
}

void NormalizeOst(double& debit, double& credit)
{
    const double net = RoundKopecks(debit - credit);
    debit = net > 0 ? net : 0;
    credit = net < 0 ? -net : 0;
}
