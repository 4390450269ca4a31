// A call text of the simple form the bridges write, Name(arg,...), with
// literal arguments only: texts between double quotes (with Lua's escapes)
// and integers. Such a call reaches its function without compiling the text;
// any other text is compiled as before.
#pragma once

#include <string>
#include <vector>

namespace appcore {

struct ScriptCallArgument {
    bool isText = true;
    std::string text;
    long long integer = 0;
};

struct ScriptCallText {
    std::string function;
    std::vector<ScriptCallArgument> arguments;
};

// False when the text is not of that form (then nothing is said of it).
bool ParseScriptCallText(const char* text, ScriptCallText& call);

} // namespace appcore
