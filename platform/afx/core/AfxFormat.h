// printf-style formatting with checked arguments.
//
// The modules format every SQL text, script call and message with printf
// conversions. Here the arguments arrive through variadic templates, each one
// is captured with its real type, and the conversion is checked against it:
// a missing or extra argument, or an argument of the wrong kind (a text for %d,
// an integer for %f, a number for %s), throws CFormatException naming the format.
//
// Supported: %d %i %u %o %x %X %c %C %s %S %f %F %e %E %g %G %a %A %p and %%,
// with the flags "-+ #0", a width and a precision (either may be "*"), and the
// length modifiers h hh l ll L j z t I I32 I64, which are accepted and ignored
// (the argument's own type decides). %s and %S take CString, const char* (UTF-8),
// std::string, std::string_view and QString; width and precision of a text count
// characters. Numbers always use "." as the decimal point, whatever the locale.
// %n is refused.
#pragma once

#include <QString>
#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

class CString;

// A format whose arguments do not match it. what() names the format text.
class CFormatException : public std::runtime_error {
public:
    CFormatException(const std::string& format, const std::string& problem);
    const std::string& format() const { return m_format; }

private:
    std::string m_format;
};

// One argument of a format, captured with its kind.
struct AfxFormatArg {
    enum class Kind { Signed, Unsigned, Floating, Character, Text, Pointer };

    Kind kind = Kind::Signed;
    long long integer = 0;        // Signed and Character (the code point)
    unsigned long long bits = 0;  // Unsigned; for Signed the value in its own width
    double floating = 0;
    QString text;
    const void* pointer = nullptr;

    static AfxFormatArg Signed(long long value, int bytes);
    static AfxFormatArg Unsigned(unsigned long long value);
    static AfxFormatArg Floating(double value);
    static AfxFormatArg Character(char32_t code);
    static AfxFormatArg Byte(char c);
    static AfxFormatArg Text(const QString& value);
    static AfxFormatArg Utf8(const char* value);
    static AfxFormatArg Utf8(std::string_view value);
    static AfxFormatArg Of(const CString& value);
    static AfxFormatArg Pointer(const void* value);
};

template <class>
inline constexpr bool afxAlwaysFalse = false;

template <class T>
AfxFormatArg AfxMakeFormatArg(const T& value)
{
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, bool>)
        return AfxFormatArg::Signed(value ? 1 : 0, sizeof(int));
    else if constexpr (std::is_same_v<U, char>)
        return AfxFormatArg::Byte(value);
    else if constexpr (std::is_same_v<U, char16_t> || std::is_same_v<U, char32_t>
                       || std::is_same_v<U, wchar_t>)
        return AfxFormatArg::Character(static_cast<char32_t>(value));
    else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>)
        return AfxFormatArg::Signed(value, sizeof(U));
    else if constexpr (std::is_integral_v<U>)
        return AfxFormatArg::Unsigned(value);
    else if constexpr (std::is_enum_v<U>)
        return AfxMakeFormatArg(static_cast<std::underlying_type_t<U>>(value));
    else if constexpr (std::is_floating_point_v<U>)
        return AfxFormatArg::Floating(static_cast<double>(value));
    else if constexpr (std::is_same_v<U, CString>)
        return AfxFormatArg::Of(value);
    else if constexpr (std::is_same_v<U, QString>)
        return AfxFormatArg::Text(value);
    else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>)
        return AfxFormatArg::Utf8(std::string_view(value));
    else if constexpr ((std::is_pointer_v<U> || std::is_array_v<U>)
                       && std::is_same_v<std::remove_cv_t<std::remove_pointer_t<std::decay_t<U>>>, char>)
        return AfxFormatArg::Utf8(static_cast<const char*>(value));
    else if constexpr (std::is_pointer_v<U> || std::is_null_pointer_v<U>)
        return AfxFormatArg::Pointer(value);
    else
        static_assert(afxAlwaysFalse<U>, "this type cannot be passed to a printf-style format");
}

// Formats `format` with the captured arguments; throws CFormatException.
QString AfxFormatText(const char* format, std::span<const AfxFormatArg> args);

template <class... A>
QString AfxFormatQString(const char* format, const A&... args)
{
    const std::array<AfxFormatArg, sizeof...(A)> list{AfxMakeFormatArg(args)...};
    return AfxFormatText(format, std::span<const AfxFormatArg>(list));
}
