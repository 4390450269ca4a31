// A test of the staff modules on the real database: this binary's fresh
// database with the demo staff, the configuration's scripts in the
// application's interpreter (the personnel workplace chosen) and the working
// month of today, as the demo data follows the calendar.
#pragma once
#include "tests/LedgerScripts.h"

#include <DbReportRecorder.h>
#include <gtest/gtest.h>

namespace stafftest {

class StaffDatabase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs statements (one per line) and fails the test when they fail.
    void Run(const char* sql);
    CString Text(const char* sql);
    long long Count(const char* sql);
    // A date of the working year as dd.mm.yyyy ("15.03" of this year), and
    // of the year before.
    static CString ThisYear(const char* dayAndMonth);
    static CString LastYear(const char* dayAndMonth);

    ledmark_test::LedgerScripts scripts{true, "ПЕРСО"};
    vornal::testing::DbReportRecorder dbReports;

private:
    long m_year = 0;
    long m_month = 0;
};

} // namespace stafftest
