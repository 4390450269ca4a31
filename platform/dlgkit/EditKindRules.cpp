#include "EditKindRules.h"
#include "gridbase.h"
#include <QRegularExpression>

namespace dlgkit {

namespace {

const QRegularExpression& partialPattern(int kind)
{
    // A date while typed: digits alone (ddmmyyyy), or day, month and year
    // parts separated by dots.
    static const QRegularExpression date(QStringLiteral(R"(^(\d{0,8}|\d{1,2}\.\d{0,2}|\d{1,2}\.\d{1,2}\.\d{0,4})$)"));
    static const QRegularExpression decimal(QStringLiteral(R"(^-?\d*(\.\d*)?$)"));
    static const QRegularExpression amount(QStringLiteral(R"(^-?\d*(\.\d{0,2})?$)"));
    return kind == EDIT_KIND_DATE ? date : (kind == EDIT_KIND_DECIMAL ? decimal : amount);
}

bool isNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral(R"(^-?(\d+\.?\d*|\.\d+)$)"));
    return number.match(text).hasMatch();
}

} // namespace

bool EditKindFilters(int kind)
{
    return kind == EDIT_KIND_DATE || kind == EDIT_KIND_DECIMAL || kind == EDIT_KIND_AMOUNT;
}

QString EditTypedForm(int kind, const QString& text)
{
    if (!EditKindFilters(kind))
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (kind == EDIT_KIND_DATE && (c == QLatin1Char(',') || c == QLatin1Char('/') || c == QLatin1Char('-')))
            out += QLatin1Char('.');
        else if (kind != EDIT_KIND_DATE && c == QLatin1Char(','))
            out += QLatin1Char('.');
        else if (kind != EDIT_KIND_DATE && (c == QLatin1Char(' ') || c == QChar(0x00A0)))
            continue;
        else
            out += c;
    }
    return out;
}

bool EditMayHold(int kind, const QString& text)
{
    return !EditKindFilters(kind) || partialPattern(kind).match(text).hasMatch();
}

bool EditWantsDateDot(const QString& text)
{
    static const QRegularExpression finished(QStringLiteral(R"(^(\d{2}|\d{1,2}\.\d{2})$)"));
    return finished.match(text).hasMatch();
}

CString EditLeavingForm(int kind, const CString& text, bool& ok)
{
    ok = true;
    const QString typed = EditTypedForm(kind, text.ToQString().trimmed());
    if (!EditKindFilters(kind))
        return text;
    if (typed.isEmpty())
        return CString();
    if (kind == EDIT_KIND_DATE) {
        CString date = DMG(CString(typed), 1, 0);
        ok = !date.IsEmpty();
        return ok ? date : text;
    }
    ok = isNumber(typed);
    if (!ok)
        return text;
    if (kind == EDIT_KIND_DECIMAL)
        return CString(typed);
    return FormatNumber(atof(CString(typed)), "", 2);
}

} // namespace dlgkit
