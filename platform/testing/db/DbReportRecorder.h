// Records what the database layer reports while it lives, instead of writing
// it to stderr, so a test can check that a failure was reported (and how).
// A report that the test never looked at (recorded after its last call of
// reports() or clear()) fails the test when the recorder ends, and clear()
// is told how many reports the test expected: a failure nobody expected is
// never passed over, nor dropped unread.
//
// Outside a recorder's life, a database test's reports fail the test at once
// (UseFreshDatabase installs that hook).
#pragma once
#include "DbErrorReport.h"

#include <vector>

namespace vornal::testing {

class DbReportRecorder {
public:
    DbReportRecorder();
    ~DbReportRecorder();
    DbReportRecorder(const DbReportRecorder&) = delete;
    DbReportRecorder& operator=(const DbReportRecorder&) = delete;

    // The reports so far; looking at them counts as checking them.
    const std::vector<DbErrorReport>& reports() const;
    // Forgets the reports so far, which must be exactly `expected` since the
    // recorder began or was last cleared (looked at or not); else the test
    // fails with each of them.
    void clear(size_t expected);

private:
    DbErrorHook previous_;
};

// The hook of a database test outside a recorder's life: every report fails
// the running test with its text.
void FailOnDbReport(const DbErrorReport& report);

}  // namespace vornal::testing
