// Makes any text safe to stand between double quotes in a script call text.
#pragma once

#include <string>

namespace gridbase {

// The text escaped for a double-quoted string of a call text: backslash,
// double quote, line feed, carriage return, NUL and the other control
// characters become escapes, and "]" is escaped too so that no "]]" can close
// a long bracket around the call. The script receives the text unchanged.
std::string EscapeScriptText(const char* text, size_t length);
std::string EscapeScriptText(const std::string& text);

} // namespace gridbase

class CString;

// The text made safe to stand between double quotes in a script call, e.g.
// Format("GL_InsertProvodka(...,\"%s\",...)", MakeParam(note)).
CString MakeParam(const char* text);
CString MakeParam(const CString& text);
