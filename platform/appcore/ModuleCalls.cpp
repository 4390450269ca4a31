#include "ModuleCalls.h"

#include "ScriptHooks.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace appcore {

namespace {

struct Calls {
    std::mutex lock;
    std::map<std::string, ModuleCall> named;
    std::vector<std::pair<std::string, int>> queued;
};

Calls& State()
{
    static Calls calls;
    return calls;
}

} // namespace

void RegisterModuleCall(const std::string& name, ModuleCall call)
{
    std::lock_guard<std::mutex> guard(State().lock);
    State().named[name] = std::move(call);
}

bool HasModuleCall(const std::string& name)
{
    std::lock_guard<std::mutex> guard(State().lock);
    return State().named.count(name) != 0;
}

void ClearModuleCalls()
{
    std::lock_guard<std::mutex> guard(State().lock);
    State().named.clear();
    State().queued.clear();
}

bool QueueModuleCall(const std::string& name, int argument)
{
    {
        std::lock_guard<std::mutex> guard(State().lock);
        if (!State().named.count(name))
            return false;
        State().queued.emplace_back(name, argument);
    }
    // A script evaluated outside a command (a form's, a report's) has no end
    // that runs the queue: the event loop runs it once the script has returned.
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { RunQueuedModuleCalls(); }, Qt::QueuedConnection);
    return true;
}

void RunQueuedModuleCalls()
{
    for (;;) {
        std::pair<std::string, int> next;
        ModuleCall call;
        {
            std::lock_guard<std::mutex> guard(State().lock);
            if (State().queued.empty())
                return;
            next = State().queued.front();
            State().queued.erase(State().queued.begin());
            const auto found = State().named.find(next.first);
            if (found == State().named.end())
                continue;
            call = found->second;
        }
        try {
            call(next.second);
        } catch (const std::exception& error) {
            ScriptReportError("Вызов «" + next.first + "» не выполнен: " + error.what());
        }
    }
}

void DropQueuedModuleCalls()
{
    std::lock_guard<std::mutex> guard(State().lock);
    State().queued.clear();
}

} // namespace appcore
