// The application's interpreter for one test: the built configuration archive,
// a workplace chosen (the ledger's unless named), and recorders of what
// reaches the user and of every call text handed to the interpreter.
#pragma once
#include <afx.h>

#include <string>
#include <vector>

namespace ledmark_test {

struct Evaluation {
    std::string call;
    std::string context; // "" = global
};

class LedgerScripts {
public:
    // With `configuration` the configuration's scripts are loaded (the ledger's
    // rules; the modules are the test's own, none is loaded); without, the
    // interpreter starts empty for stand-in scripts.
    explicit LedgerScripts(bool configuration, const char* workplace = "ЛЕДМАРК");
    ~LedgerScripts();
    LedgerScripts(const LedgerScripts&) = delete;
    LedgerScripts& operator=(const LedgerScripts&) = delete;

    // Loads a script chunk into the global context.
    bool Define(const std::string& lua);
    // The workplace context: "Arm." + its id.
    std::string Workplace() const;
    void Clear();

    std::vector<Evaluation> calls;
    std::vector<std::string> errors;   // script errors shown to the user
    std::vector<std::string> messages; // the scripts' message boxes

private:
    struct Saved;
    Saved* m_saved;
};

} // namespace ledmark_test
