// The ledger module in a small program for the tests of its forms: the
// application object and an MDI main frame, the module's templates
// registered by CLedmark::Init as the application core does, the
// configuration's scripts and a fresh database with the working year of today.
#pragma once
#include "MdiProgram.h"
#include "appcore.h"
#include "tests/LedgerDatabase.h"

namespace ledgertest {

class LedgerProgram : public ledmark_test::LedgerDatabase, protected afxtest::MdiProgram {
protected:
    void SetUp() override;
    void TearDown() override;

    // A date of the working year as dd.mm.yyyy ("15.03" of this year).
    static CString ThisYear(const char* dayAndMonth);
};

} // namespace ledgertest
