#include "ScriptUserHooks.h"

#include "CHelpers.h"
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
    hooks.showReport = [](const std::string& html, const std::string& title) {
        CHelpers::DisplayMessage(html.c_str(), title.c_str(), 0, 9, "#f5f5FF", -1, -1);
    };
}

} // namespace appcore
