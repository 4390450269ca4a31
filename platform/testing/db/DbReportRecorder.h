// Records what the database layer reports while it lives, instead of writing
// it to stderr, so a test can check that a failure was reported (and how).
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

    const std::vector<DbErrorReport>& reports() const;
    void clear();

private:
    DbErrorHook previous_;
};

}  // namespace vornal::testing
