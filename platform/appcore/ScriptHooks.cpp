#include "ScriptHooks.h"

#include <cstdio>

namespace appcore {

ScriptHooks& GetScriptHooks()
{
    static ScriptHooks hooks;
    return hooks;
}

void ScriptReportError(const std::string& text)
{
    if (GetScriptHooks().reportError)
        GetScriptHooks().reportError(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

void ScriptLog(const std::string& text)
{
    if (GetScriptHooks().log)
        GetScriptHooks().log(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
}

int ScriptMessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    if (GetScriptHooks().messageBox)
        return GetScriptHooks().messageBox(text, caption, type);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return (type & kMbTypeMask) == kMbOk ? kIdOk : kIdNo;
}

void ScriptShowReport(const std::string& html, const std::string& title)
{
    if (GetScriptHooks().showReport)
        GetScriptHooks().showReport(html, title);
    else
        std::fprintf(stderr, "%s: %zu bytes of HTML\n", title.c_str(), html.size());
}

} // namespace appcore
