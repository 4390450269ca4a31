// Where the interpreter and the scripts reach the user.
//
// Script errors, the scripts' message boxes and questions, their HTML reports
// and their log lines go through these replaceable hooks. The application
// points them at the interaction point and the report window; tests point them
// at recorders. The defaults write to the standard error stream and answer
// every question with "No".
#pragma once

#include <functional>
#include <string>

namespace appcore {

// The Windows message-box type bits and answers the hooks speak.
constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbYesNo = 0x04;
constexpr unsigned kMbTypeMask = 0x0F;
constexpr unsigned kMbIconStop = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconInformation = 0x40;
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

struct ScriptHooks {
    // A script error or a configuration fault the user must see.
    std::function<void(const std::string& text)> reportError;
    // A line for the program's log (module loading, Load()/UnLoad() traces).
    std::function<void(const std::string& text)> log;
    // A message box: the Windows MB_* type bits; answers IDOK/IDYES/IDNO/IDCANCEL.
    std::function<int(const std::string& text, const std::string& caption, unsigned type)> messageBox;
    // A finished HTML page for the report window.
    std::function<void(const std::string& html, const std::string& title)> showReport;
    // Sees every call text before it is evaluated, with its context ("" for the
    // global one); tests record what the modules hand to the interpreter. The
    // application leaves it unset.
    std::function<void(const std::string& call, const std::string& context)> evaluating;
};

// The hooks in force. Replace members directly; a null member falls back to the default.
ScriptHooks& GetScriptHooks();

// Calls the hook in force, or its default.
void ScriptReportError(const std::string& text);
void ScriptLog(const std::string& text);
int ScriptMessageBox(const std::string& text, const std::string& caption, unsigned type);
void ScriptShowReport(const std::string& html, const std::string& title);

} // namespace appcore
