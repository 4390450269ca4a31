// The ledger module in a small program for the tests of its forms: the
// application object and an MDI main frame, the module's templates
// registered by CLedmark::Init as the application core does, the
// configuration's scripts and a fresh database with the working year of today.
#pragma once
#include "appcore.h"
#include "tests/LedgerDatabase.h"

namespace ledgertest {

class LedgerProgram : public ledmark_test::LedgerDatabase {
protected:
    void SetUp() override;
    void TearDown() override;

    // The first view of the active MDI child, as the class asked for.
    template <class T>
    T* Active() const
    {
        CMDIChildWnd* child = frame->MDIGetActive();
        return child ? dynamic_cast<T*>(child->GetActiveView()) : nullptr;
    }
    int ChildCount() const;
    // Posted messages delivered and closed windows deleted.
    void Settle() const;
    // A date of the working year as dd.mm.yyyy ("15.03" of this year).
    static CString ThisYear(const char* dayAndMonth);

    CWinApp* app = nullptr;
    CMDIFrameWnd* frame = nullptr;
};

} // namespace ledgertest
