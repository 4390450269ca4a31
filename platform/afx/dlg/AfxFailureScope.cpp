#include "dlg/AfxFailureScope.h"

#include "dlg/AfxMessageHold.h"

namespace {

struct Scope {
    int depth = 0;
    bool failed = false;
    int showing = 0;  // failures being shown now: their boxes are shown
};

Scope& ThisThread()
{
    thread_local Scope scope;
    return scope;
}

} // namespace

void AfxBeginFailureScope()
{
    ++ThisThread().depth;
}

void AfxEndFailureScope()
{
    Scope& scope = ThisThread();
    if (scope.depth > 0 && --scope.depth == 0)
        scope.failed = false;
}

bool AfxFailedInScope()
{
    const Scope& scope = ThisThread();
    return scope.depth > 0 && scope.failed;
}

bool AfxShowFailure(std::function<void()> show)
{
    Scope& scope = ThisThread();
    if (scope.depth > 0) {
        if (scope.failed)
            return false;
        scope.failed = true;
    }
    AfxShowWhenFree([show = std::move(show)] {
        Scope& shown = ThisThread();
        ++shown.showing;
        show();
        --shown.showing;
    });
    return true;
}

bool AfxMessagesQuietAfterFailure()
{
    const Scope& scope = ThisThread();
    return scope.depth > 0 && scope.failed && scope.showing == 0;
}
