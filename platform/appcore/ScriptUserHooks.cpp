#include "ScriptUserHooks.h"

#include "ScriptHooks.h"
#include "afx.h"

namespace appcore {

void RouteScriptMessagesToUser()
{
    ScriptHooks& hooks = GetScriptHooks();
    hooks.reportError = [](const std::string& text) { AfxMessageBox(text.c_str(), MB_OK | MB_ICONSTOP); };
    hooks.messageBox = [](const std::string& text, const std::string& caption, unsigned type) {
        return AfxMessageBoxFor(nullptr, text.c_str(), caption.empty() ? nullptr : caption.c_str(), type);
    };
}

} // namespace appcore
