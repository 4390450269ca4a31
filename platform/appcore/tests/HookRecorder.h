// Records what the interpreter and the archive tell the user, for one test.
#pragma once

#include "ScriptHooks.h"

#include <string>
#include <vector>

struct HookRecorder {
    std::vector<std::string> errors;
    std::vector<std::string> logs;
    std::vector<std::string> boxes;
    std::vector<std::string> reports;
    int boxAnswer = 6; // IDYES

    HookRecorder()
    {
        appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
        saved = hooks;
        hooks.reportError = [this](const std::string& text) { errors.push_back(text); };
        hooks.log = [this](const std::string& text) { logs.push_back(text); };
        hooks.messageBox = [this](const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return boxAnswer;
        };
        hooks.showReport = [this](const std::string& html, const std::string& title) {
            reports.push_back(title + "|" + html);
        };
    }
    ~HookRecorder() { appcore::GetScriptHooks() = saved; }
    HookRecorder(const HookRecorder&) = delete;
    HookRecorder& operator=(const HookRecorder&) = delete;

private:
    appcore::ScriptHooks saved;
};
