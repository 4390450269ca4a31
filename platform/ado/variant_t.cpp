#include "variant_t.h"

#include "com_error.h"

#include <charconv>
#include <cmath>
#include <limits>

using vornal::ado::DateParts;

const _variant_t vtMissing;

namespace {

QString DoubleText(double v)
{
    if (v == 0)
        return QStringLiteral("0");
    if (!std::isfinite(v))
        return QString();
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return QString::fromLatin1(buf, static_cast<qsizetype>(r.ptr - buf));
}

QString DecimalText(long long mantissa, unsigned scale)
{
    // Written backwards into one buffer: the digits, the point, the zeros
    // that fill a value below one up to its scale, the sign; one text made.
    char16_t buffer[24 + 256];
    char16_t* const end = buffer + sizeof buffer / sizeof buffer[0];
    char16_t* at = end;
    const bool negative = mantissa < 0;
    // The magnitude as unsigned, so the smallest value does not overflow.
    unsigned long long magnitude = negative ? 0ull - static_cast<unsigned long long>(mantissa)
                                            : static_cast<unsigned long long>(mantissa);
    unsigned written = 0;
    do {
        *--at = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
        ++written;
        if (scale > 0 && written == scale)
            *--at = u'.';
    } while (magnitude > 0);
    if (scale > 0 && written <= scale) {
        while (written < scale) {
            *--at = u'0';
            if (++written == scale)
                *--at = u'.';
        }
        *--at = u'0';
    }
    if (negative)
        *--at = u'-';
    return QString(reinterpret_cast<const QChar*>(at), static_cast<qsizetype>(end - at));
}

// The exact decimal of a plain text: an optional minus, then at most 18 digits
// with at most one point among or around them. False for any other text,
// which the general reading takes.
bool PlainDecimal(const QString& text, long long& mantissa, unsigned& scale)
{
    const QChar* p = text.constData();
    const qsizetype n = text.size();
    const bool negative = n > 0 && p[0] == QLatin1Char('-');
    long long value = 0;
    int digits = 0;
    bool point = false;
    unsigned after = 0;
    for (qsizetype i = negative ? 1 : 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (++digits > 18)
                return false;
            value = value * 10 + (c - u'0');
            after += point ? 1 : 0;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    mantissa = negative ? -value : value;
    scale = after;
    return true;
}

QString DateText(DATE value, bool withTime)
{
    const DateParts p = vornal::ado::SplitOleDate(value);
    QString text = QStringLiteral("%1.%2.%3")
                       .arg(p.day, 2, 10, QLatin1Char('0'))
                       .arg(p.month, 2, 10, QLatin1Char('0'))
                       .arg(p.year, 4, 10, QLatin1Char('0'));
    if (withTime)
        text += QStringLiteral(" %1:%2:%3")
                    .arg(p.hour, 2, 10, QLatin1Char('0'))
                    .arg(p.minute, 2, 10, QLatin1Char('0'))
                    .arg(p.second, 2, 10, QLatin1Char('0'));
    return text;
}

[[noreturn]] void Mismatch(const QString& what)
{
    throw _com_error(DISP_E_TYPEMISMATCH,
                     QStringLiteral("Значение «%1» нельзя прочитать как число").arg(what));
}

double ParseNumber(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        Mismatch(text);
    return v;
}

double Pow10(unsigned n)
{
    double r = 1;
    while (n--)
        r *= 10;
    return r;
}

}  // namespace

_variant_t::_variant_t(double v, VARTYPE type) : vt(type == VT_DATE ? VT_DATE : VT_R8)
{
    dblVal = v;
    if (vt == VT_DATE)
        hasTime_ = v != std::trunc(v);
}

_variant_t::_variant_t(const char* utf8) : vt(VT_BSTR), text_(QString::fromUtf8(utf8 ? utf8 : "")) {}

_variant_t::_variant_t(const char16_t* text)
    : vt(VT_BSTR), text_(text ? QString::fromUtf16(text) : QString())
{
}

_variant_t::_variant_t(const wchar_t* text)
    : vt(VT_BSTR), text_(text ? QString::fromWCharArray(text) : QString())
{
}

_variant_t::_variant_t(const _bstr_t& text) : vt(VT_BSTR), text_(text.qstring()) {}

_variant_t::_variant_t(const QString& text) : vt(VT_BSTR), text_(text) {}

_variant_t _variant_t::Null()
{
    _variant_t v;
    v.vt = VT_NULL;
    return v;
}

_variant_t _variant_t::FromDate(const DateParts& parts, bool withTime)
{
    DATE value = 0;
    if (!vornal::ado::MakeOleDate(parts, value))
        return Null();
    _variant_t v(value, VT_DATE);
    v.hasTime_ = withTime;
    return v;
}

_variant_t _variant_t::FromDecimalText(const QString& text)
{
    // The plain text every driver gives, read without texts of its own.
    long long plain = 0;
    unsigned plainScale = 0;
    if (PlainDecimal(text, plain, plainScale)) {
        _variant_t v;
        v.vt = VT_DECIMAL;
        v.llVal = plain;
        v.scale_ = static_cast<unsigned char>(plainScale);
        return v;
    }
    const QString t = text.trimmed();
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    const QString digits = point < 0 ? t : t.left(point) + t.mid(point + 1);
    const unsigned scale = point < 0 ? 0u : static_cast<unsigned>(t.size() - point - 1);
    bool ok = false;
    const long long mantissa = digits.toLongLong(&ok);
    if (ok && scale <= 18) {
        _variant_t v;
        v.vt = VT_DECIMAL;
        v.llVal = mantissa;
        v.scale_ = static_cast<unsigned char>(scale);
        return v;
    }
    return _variant_t(ParseNumber(t));
}

void _variant_t::Clear()
{
    *this = _variant_t();
}

void _variant_t::SetString(const char* utf8)
{
    *this = _variant_t(utf8);
}

void _variant_t::ChangeType(VARTYPE type, const _variant_t* source)
{
    const _variant_t from = source ? *source : *this;
    switch (type) {
    case VT_EMPTY: *this = _variant_t(); break;
    case VT_NULL: *this = Null(); break;
    case VT_BSTR: *this = _variant_t(from.text()); break;
    case VT_R4: *this = _variant_t(static_cast<float>(from.toDouble())); break;
    case VT_R8: *this = _variant_t(from.toDouble()); break;
    case VT_BOOL: *this = _variant_t(from.toBool()); break;
    case VT_DATE: *this = _variant_t(from.toDouble(), VT_DATE); break;
    case VT_I8: *this = _variant_t(from.toInt64()); break;
    case VT_I2:
    case VT_I4:
    case VT_INT: SetSigned(type, from.toInt64()); text_.clear(); break;
    default: SetUnsigned(type, static_cast<unsigned long long>(from.toInt64())); text_.clear(); break;
    }
}

bool _variant_t::isUnsigned() const
{
    return vt == VT_UI1 || vt == VT_UI2 || vt == VT_UI4 || vt == VT_UI8 || vt == VT_UINT;
}

bool _variant_t::isInteger() const
{
    switch (vt) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
        return true;
    default:
        return false;
    }
}

QString _variant_t::text() const
{
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_ERROR:
        return QString();
    case VT_BSTR: return text_;
    case VT_BOOL: return boolVal ? QStringLiteral("1") : QStringLiteral("0");
    case VT_R4: return DoubleText(static_cast<double>(fltVal));
    case VT_R8: return DoubleText(dblVal);
    case VT_DECIMAL: return DecimalText(llVal, scale_);
    case VT_DATE: return DateText(date, hasTime_);
    default:
        return isUnsigned() ? QString::number(ullVal) : QString::number(llVal);
    }
}

long long _variant_t::toInt64() const
{
    if (isInteger())
        return llVal;
    switch (vt) {
    case VT_EMPTY: return 0;
    case VT_BOOL: return boolVal ? -1 : 0;
    case VT_DECIMAL:
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_BSTR: {
        const double d = toDouble();
        if (!(std::fabs(d) < 9.2e18))
            throw _com_error(DISP_E_OVERFLOW);
        // Whole numbers in text and decimals come back exactly; fractions round.
        return std::llround(d);
    }
    default:
        Mismatch(text());
    }
}

double _variant_t::toDouble() const
{
    if (isInteger())
        return isUnsigned() ? static_cast<double>(ullVal) : static_cast<double>(llVal);
    switch (vt) {
    case VT_EMPTY: return 0;
    case VT_BOOL: return boolVal ? -1 : 0;
    case VT_R4: return fltVal;
    case VT_R8:
    case VT_DATE: return dblVal;
    case VT_DECIMAL: return static_cast<double>(llVal) / Pow10(scale_);
    case VT_BSTR: return ParseNumber(text_);
    default: Mismatch(QStringLiteral("NULL"));
    }
}

bool _variant_t::toBool() const
{
    if (vt == VT_BOOL)
        return boolVal != 0;
    return toDouble() != 0;
}

// Declared only as the class's friend, so the header's default visibility does not
// reach it: it is named here as exported, or no deliverable could call it.
__attribute__((visibility("default"))) bool operator==(const _variant_t& a, const _variant_t& b)
{
    if (a.vt != b.vt)
        return false;
    switch (a.vt) {
    case VT_EMPTY:
    case VT_NULL: return true;
    case VT_BSTR: return a.text_ == b.text_;
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_DECIMAL: return a.toDouble() == b.toDouble();
    case VT_BOOL: return (a.boolVal != 0) == (b.boolVal != 0);
    default: return a.llVal == b.llVal;
    }
}
