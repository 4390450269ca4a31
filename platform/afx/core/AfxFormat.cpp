#include "AfxFormat.h"

#include "CString.h"

#include <clocale>
#include <cstdio>
#include <locale.h>

CFormatException::CFormatException(const std::string& format, const std::string& problem)
    : std::runtime_error("format \"" + format + "\": " + problem)
    , m_format(format)
{
}

AfxFormatArg AfxFormatArg::Signed(long long value, int bytes)
{
    AfxFormatArg a;
    a.kind = Kind::Signed;
    a.integer = value;
    // %u and %x of a negative value show it in the argument's own width, as C does.
    a.bits = static_cast<unsigned long long>(value);
    if (bytes < 8)
        a.bits &= (1ULL << (bytes * 8)) - 1;
    return a;
}

AfxFormatArg AfxFormatArg::Unsigned(unsigned long long value)
{
    AfxFormatArg a;
    a.kind = Kind::Unsigned;
    a.bits = value;
    return a;
}

AfxFormatArg AfxFormatArg::Floating(double value)
{
    AfxFormatArg a;
    a.kind = Kind::Floating;
    a.floating = value;
    return a;
}

AfxFormatArg AfxFormatArg::Character(char32_t code)
{
    AfxFormatArg a;
    a.kind = Kind::Character;
    a.integer = code;
    a.bits = code;
    return a;
}

AfxFormatArg AfxFormatArg::Byte(char c)
{
    return Character(static_cast<unsigned char>(c));
}

AfxFormatArg AfxFormatArg::Text(const QString& value)
{
    AfxFormatArg a;
    a.kind = Kind::Text;
    a.text = value;
    return a;
}

AfxFormatArg AfxFormatArg::Utf8(const char* value)
{
    return Text(value ? QString::fromUtf8(value) : QStringLiteral("(null)"));
}

AfxFormatArg AfxFormatArg::Utf8(std::string_view value)
{
    return Text(QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

AfxFormatArg AfxFormatArg::Of(const CString& value)
{
    return Text(value.ToQString());
}

AfxFormatArg AfxFormatArg::Pointer(const void* value)
{
    AfxFormatArg a;
    a.kind = Kind::Pointer;
    a.pointer = value;
    return a;
}

namespace {

const char* kindName(AfxFormatArg::Kind kind)
{
    switch (kind) {
    case AfxFormatArg::Kind::Signed: return "a signed integer";
    case AfxFormatArg::Kind::Unsigned: return "an unsigned integer";
    case AfxFormatArg::Kind::Floating: return "a floating-point number";
    case AfxFormatArg::Kind::Character: return "a character";
    case AfxFormatArg::Kind::Text: return "a text";
    case AfxFormatArg::Kind::Pointer: return "a pointer";
    }
    return "?";
}

// One conversion as parsed from the format.
struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    char conversion = 0;
};

// Runs snprintf with one conversion whose argument type matches it exactly,
// in the "C" locale of this thread so the decimal point is ".".
template <class V>
QString cFormat(const std::string& dir, V value)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = uselocale(cLocale);
    char small[128];
    int n = std::snprintf(small, sizeof small, dir.c_str(), value);
    QString result;
    if (n >= 0 && n < int(sizeof small)) {
        result = QString::fromLatin1(small, n);
    } else if (n >= 0) {
        std::string big(size_t(n) + 1, '\0');
        std::snprintf(big.data(), big.size(), dir.c_str(), value);
        result = QString::fromLatin1(big.data(), n);
    }
    uselocale(previous);
    return result;
}

class Formatter {
public:
    Formatter(const char* format, std::span<const AfxFormatArg> args)
        : m_format(format ? format : "")
        , m_args(args)
    {
        if (!format)
            fail("the format is a null pointer");
    }

    QString run()
    {
        const char* p = m_format.c_str();
        const char* literal = p;
        while (*p) {
            if (*p != '%') {
                ++p;
                continue;
            }
            m_out += QString::fromUtf8(literal, p - literal);
            ++p;
            if (*p == '%') {
                m_out += QLatin1Char('%');
                literal = ++p;
                continue;
            }
            p = convert(p);
            literal = p;
        }
        m_out += QString::fromUtf8(literal, p - literal);
        if (m_next != m_args.size())
            fail(std::to_string(m_args.size()) + " arguments given, the format takes "
                 + std::to_string(m_next));
        return m_out;
    }

private:
    [[noreturn]] void fail(const std::string& problem) const { throw CFormatException(m_format, problem); }

    const AfxFormatArg& take(char conversion)
    {
        if (m_next >= m_args.size())
            fail(std::string("no argument for %") + conversion + " (argument "
                 + std::to_string(m_next + 1) + ")");
        return m_args[m_next++];
    }

    void wrongKind(const AfxFormatArg& arg, char conversion) const
    {
        fail("argument " + std::to_string(m_next) + " is " + kindName(arg.kind) + ", %"
             + conversion + " cannot show it");
    }

    int starValue()
    {
        const AfxFormatArg& a = take('*');
        if (a.kind == AfxFormatArg::Kind::Signed)
            return int(a.integer);
        if (a.kind == AfxFormatArg::Kind::Unsigned)
            return int(a.bits);
        wrongKind(a, '*');
        return 0;
    }

    int number(const char*& p)
    {
        int value = 0;
        while (*p >= '0' && *p <= '9')
            value = value * 10 + (*p++ - '0');
        return value;
    }

    const char* parse(const char* p, Directive& dir)
    {
        while (*p && std::string_view("-+ #0").find(*p) != std::string_view::npos)
            dir.flags += *p++;
        if (*p == '*') {
            ++p;
            dir.width = starValue();
            if (dir.width < 0) {
                dir.flags += '-';
                dir.width = -dir.width;
            }
        } else if (*p >= '0' && *p <= '9') {
            dir.width = number(p);
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                ++p;
                dir.precision = starValue();
            } else {
                dir.precision = number(p);
            }
        }
        return skipLength(p);
    }

    static const char* skipLength(const char* p)
    {
        for (const char* m : {"I64", "I32", "hh", "ll", "h", "l", "L", "j", "z", "t", "q", "I"}) {
            const size_t n = std::char_traits<char>::length(m);
            if (std::string_view(p).substr(0, n) == m)
                return p + n;
        }
        return p;
    }

    std::string cDirective(const Directive& dir, const char* length, char conversion) const
    {
        std::string s = "%" + dir.flags;
        if (dir.width >= 0)
            s += std::to_string(dir.width);
        if (dir.precision >= 0)
            s += "." + std::to_string(dir.precision);
        return s + length + conversion;
    }

    QString pad(QString text, const Directive& dir) const
    {
        if (dir.width > text.size()) {
            const QString fill(dir.width - text.size(), QLatin1Char(' '));
            text = dir.flags.find('-') != std::string::npos ? text + fill : fill + text;
        }
        return text;
    }

    const char* convert(const char* p)
    {
        Directive dir;
        p = parse(p, dir);
        dir.conversion = *p;
        if (!*p)
            fail("the format ends inside a conversion");
        ++p;
        m_out += one(dir);
        return p;
    }

    QString one(const Directive& dir)
    {
        const char c = dir.conversion;
        switch (c) {
        case 'd': case 'i': return signedNumber(take(c), dir);
        case 'u': case 'o': case 'x': case 'X': return unsignedNumber(take(c), dir);
        case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
            return floatingNumber(take(c), dir);
        case 'c': case 'C': return character(take(c), dir);
        case 's': case 'S': return text(take(c), dir);
        case 'p': return pointer(take(c), dir);
        case 'n': fail("%n is not allowed");
        default: fail(std::string("unknown conversion %") + c);
        }
    }

    QString signedNumber(const AfxFormatArg& a, const Directive& dir)
    {
        using K = AfxFormatArg::Kind;
        if (a.kind == K::Signed || a.kind == K::Character)
            return cFormat(cDirective(dir, "ll", dir.conversion), a.integer);
        if (a.kind == K::Unsigned)
            return cFormat(cDirective(dir, "ll", 'u'), a.bits);
        wrongKind(a, dir.conversion);
        return {};
    }

    QString unsignedNumber(const AfxFormatArg& a, const Directive& dir)
    {
        using K = AfxFormatArg::Kind;
        if (a.kind != K::Signed && a.kind != K::Unsigned && a.kind != K::Character)
            wrongKind(a, dir.conversion);
        return cFormat(cDirective(dir, "ll", dir.conversion), a.bits);
    }

    QString floatingNumber(const AfxFormatArg& a, const Directive& dir)
    {
        if (a.kind != AfxFormatArg::Kind::Floating)
            wrongKind(a, dir.conversion);
        return cFormat(cDirective(dir, "", dir.conversion), a.floating);
    }

    QString character(const AfxFormatArg& a, const Directive& dir)
    {
        using K = AfxFormatArg::Kind;
        if (a.kind != K::Character && a.kind != K::Signed && a.kind != K::Unsigned)
            wrongKind(a, dir.conversion);
        const char32_t code = static_cast<char32_t>(a.kind == K::Unsigned ? a.bits : a.integer);
        return pad(QString::fromUcs4(&code, 1), dir);
    }

    QString text(const AfxFormatArg& a, const Directive& dir)
    {
        if (a.kind != AfxFormatArg::Kind::Text)
            wrongKind(a, dir.conversion);
        return pad(dir.precision >= 0 ? a.text.left(dir.precision) : a.text, dir);
    }

    QString pointer(const AfxFormatArg& a, const Directive& dir)
    {
        if (a.kind != AfxFormatArg::Kind::Pointer)
            wrongKind(a, dir.conversion);
        return cFormat(cDirective(dir, "", 'p'), a.pointer);
    }

    std::string m_format;
    std::span<const AfxFormatArg> m_args;
    size_t m_next = 0;
    QString m_out;
};

} // namespace

QString AfxFormatText(const char* format, std::span<const AfxFormatArg> args)
{
    return Formatter(format, args).run();
}
