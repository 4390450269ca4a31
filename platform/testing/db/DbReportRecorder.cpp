#include "DbReportRecorder.h"

#include <mutex>

namespace vornal::testing {

namespace {

std::mutex& Mutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<DbErrorReport>& Recorded()
{
    static std::vector<DbErrorReport> reports;
    return reports;
}

void Record(const DbErrorReport& report)
{
    std::lock_guard lock(Mutex());
    Recorded().push_back(report);
}

}  // namespace

DbReportRecorder::DbReportRecorder() : previous_(SetDbErrorHook(&Record))
{
    clear();
}

DbReportRecorder::~DbReportRecorder()
{
    SetDbErrorHook(previous_);
}

const std::vector<DbErrorReport>& DbReportRecorder::reports() const
{
    return Recorded();
}

void DbReportRecorder::clear()
{
    std::lock_guard lock(Mutex());
    Recorded().clear();
}

}  // namespace vornal::testing
