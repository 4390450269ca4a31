// A test of the ledger's rules on the real database: this binary's fresh
// database, the configuration's scripts in the application's interpreter, the
// user's working year 2024 and no closed period.
#pragma once
#include "LedgerScripts.h"

#include <DbReportRecorder.h>
#include <gtest/gtest.h>

namespace ledmark_test {

class LedgerDatabase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs statements (one per line) and fails the test when they fail.
    void Run(const char* sql);
    CString Text(const char* sql);
    long long Count(const char* sql);

    LedgerScripts scripts{true};
    vornal::testing::DbReportRecorder dbReports;

private:
    long m_year = 0;
};

} // namespace ledmark_test
