#include "ScriptCallText.h"

#include <cstring>

namespace appcore {

namespace {

bool IsNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsReserved(const std::string& name)
{
    static const char* const words[] = {"and", "break", "do", "else", "elseif", "end", "false", "for", "function",
                                        "goto", "if", "in", "local", "nil", "not", "or", "repeat", "return", "then",
                                        "true", "until", "while"};
    for (const char* word : words)
        if (name == word)
            return true;
    return false;
}

// A text between double quotes; `p` is on the opening quote.
bool ParseText(const char*& p, std::string& out)
{
    for (++p; *p != '"'; ++p) {
        if (*p == '\0' || *p == '\n' || *p == '\r')
            return false;
        if (*p != '\\') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
        case '\\': out += '\\'; break;
        case '"': out += '"'; break;
        case '\'': out += '\''; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'a': out += '\a'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'v': out += '\v'; break;
        default: {
            if (!IsDigit(*p))
                return false;  // \x, \z, \u{...} and a line break: left to the compiler
            int value = 0;
            for (int digits = 0; digits < 3 && IsDigit(*p); ++digits, ++p)
                value = value * 10 + (*p - '0');
            if (value > 255)
                return false;
            out += static_cast<char>(value);
            --p;
        }
        }
    }
    ++p;
    return true;
}

// A decimal integer that Lua reads as an integer (at most 18 digits).
bool ParseInteger(const char*& p, long long& out)
{
    const bool negative = *p == '-';
    if (negative)
        ++p;
    if (!IsDigit(*p))
        return false;
    long long value = 0;
    int digits = 0;
    for (; IsDigit(*p); ++p, ++digits) {
        if (digits == 18)
            return false;
        value = value * 10 + (*p - '0');
    }
    out = negative ? -value : value;
    return true;
}

} // namespace

bool ParseScriptCallText(const char* text, ScriptCallText& call)
{
    call = ScriptCallText();
    if (!text || !IsNameStart(*text))
        return false;
    const char* p = text;
    while (IsNameStart(*p) || IsDigit(*p))
        call.function += *p++;
    if (IsReserved(call.function) || *p != '(')
        return false;
    ++p;
    if (*p != ')') {
        for (;;) {
            ScriptCallArgument argument;
            if (*p == '"') {
                if (!ParseText(p, argument.text))
                    return false;
            } else {
                argument.isText = false;
                if (!ParseInteger(p, argument.integer))
                    return false;
                // "1.5", "1e3", "0x10" and the like are read by the compiler.
                if (*p != ',' && *p != ')')
                    return false;
            }
            call.arguments.push_back(std::move(argument));
            if (*p == ')')
                break;
            if (*p != ',')
                return false;
            ++p;
        }
    }
    ++p;
    if (*p == ';')
        ++p;
    return *p == '\0';
}

} // namespace appcore
