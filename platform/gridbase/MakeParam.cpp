#include "MakeParam.h"

#include "afx.h"

#include <cstdio>
#include <cstring>

namespace gridbase {

std::string EscapeScriptText(const char* text, size_t length)
{
    std::string out;
    out.reserve(length + 8);
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case ']': out += "\\093"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                // Always three digits, so a following digit cannot join the escape.
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\%03u", static_cast<unsigned>(c));
                out += escape;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

std::string EscapeScriptText(const std::string& text)
{
    return EscapeScriptText(text.data(), text.size());
}

} // namespace gridbase

CString MakeParam(const char* text)
{
    return CString(gridbase::EscapeScriptText(text ? text : ""));
}

CString MakeParam(const CString& text)
{
    // Through the text's own length, so that a NUL inside it is escaped too.
    std::string utf8 = text.ToStdString();
    return CString(gridbase::EscapeScriptText(utf8.data(), utf8.size()));
}
