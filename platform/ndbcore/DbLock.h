// The one lock of the database layer. Every entry point holds it while it
// uses the shared connection or the layer's state, so the payroll worker and
// the user-interface thread never interleave on them. Reports go out after
// the lock is released (a report may wait for the user-interface thread).
#pragma once
#include <mutex>

std::recursive_mutex& DbMutex();

class DbGuard {
public:
    DbGuard() : lock_(DbMutex()) {}

private:
    std::lock_guard<std::recursive_mutex> lock_;
};
