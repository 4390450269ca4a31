// The named calls of the modules. A module's Init registers the functions that
// a workplace's commands reach by name, each taking an optional whole number:
// a command's script writes app.call(name [, n]). The call runs on the
// user-interface thread once the script that asked for it has returned, so a
// form or a question the call shows never waits inside a script.
#pragma once

#include <functional>
#include <string>

namespace appcore {

using ModuleCall = std::function<void(int argument)>;

// Registers (or replaces) the call of that name.
void RegisterModuleCall(const std::string& name, ModuleCall call);
bool HasModuleCall(const std::string& name);
// Forgets every registered call and every queued one (a program that ends, a
// test that starts its modules again).
void ClearModuleCalls();

// Queues the call to run after the script that asks for it: false, and nothing
// queued, for a name no module registered. A call queued outside a command
// also runs from the event loop.
bool QueueModuleCall(const std::string& name, int argument);
// Runs the queued calls in the order they were asked for (the command's end).
void RunQueuedModuleCalls();
// Drops the queued calls (the command's script failed after asking).
void DropQueuedModuleCalls();

} // namespace appcore
