// An interpreter of the calling thread's own for the object's lifetime, made
// the thread's current one (CInterpriter::GetCurrent), as CDbThreadSession
// gives a thread a connection of its own. A worker (the payroll run) takes
// one before its first script call: every call it makes then (CHelpers::EXEC_*,
// the ledger library's bridges) evaluates in its own Lua state and never in
// the user-interface thread's. Without one, a script call on a worker thread
// is refused and reported.
//
//   CDbThreadSession session;       // its own connection
//   CThreadInterpriter scripts;     // its own interpreter with the configuration's scripts
//   if (!session.IsOpen() || !scripts.IsReady()) return;
#pragma once

#include "CInterpriter.h"

#include <memory>

class CThreadInterpriter {
public:
    // A new interpreter with every script of the loaded configuration.
    CThreadInterpriter();
    // Makes an interpreter the caller owns current on this thread.
    explicit CThreadInterpriter(CInterpriter& interpriter);
    ~CThreadInterpriter();
    CThreadInterpriter(const CThreadInterpriter&) = delete;
    CThreadInterpriter& operator=(const CThreadInterpriter&) = delete;

    // False when the configuration's scripts could not be loaded (reported).
    bool IsReady() const { return m_ready; }
    CInterpriter& Get() { return *m_current; }

    // For CInterpriter::GetCurrent: the interpreter made current on this thread.
    static CInterpriter* OfThisThread();

private:
    std::unique_ptr<CInterpriter> m_own;
    CInterpriter* m_current = nullptr;
    CInterpriter* m_previous = nullptr;
    bool m_ready = false;
};
