#include "DbReportRecorder.h"

#include <gtest/gtest.h>

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

// How many of the recorded reports the test has looked at.
size_t& Seen()
{
    static size_t seen = 0;
    return seen;
}

void Record(const DbErrorReport& report)
{
    std::lock_guard lock(Mutex());
    Recorded().push_back(report);
}

}  // namespace

void FailOnDbReport(const DbErrorReport& report)
{
    ADD_FAILURE() << "a database report nobody expected: " << (LPCTSTR)report.message << "\n"
                  << (LPCTSTR)report.details;
}

DbReportRecorder::DbReportRecorder() : previous_(SetDbErrorHook(&Record))
{
    std::lock_guard lock(Mutex());
    Recorded().clear();
    Seen() = 0;
}

DbReportRecorder::~DbReportRecorder()
{
    SetDbErrorHook(previous_);
    std::lock_guard lock(Mutex());
    for (size_t i = Seen(); i < Recorded().size(); ++i)
        ADD_FAILURE() << "a database report the test never checked: " << (LPCTSTR)Recorded()[i].message << "\n"
                      << (LPCTSTR)Recorded()[i].details;
    Recorded().clear();
    Seen() = 0;
}

const std::vector<DbErrorReport>& DbReportRecorder::reports() const
{
    std::lock_guard lock(Mutex());
    Seen() = Recorded().size();
    return Recorded();
}

void DbReportRecorder::clear(size_t expected)
{
    std::lock_guard lock(Mutex());
    if (Recorded().size() != expected) {
        std::string reported;
        for (const DbErrorReport& report : Recorded())
            reported += "\n" + report.message.ToStdString() + "\n" + report.details.ToStdString();
        ADD_FAILURE() << Recorded().size() << " database reports where the test expected " << expected << reported;
    }
    Recorded().clear();
    Seen() = 0;
}

}  // namespace vornal::testing
