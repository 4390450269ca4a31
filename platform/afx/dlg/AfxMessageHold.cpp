#include "dlg/AfxMessageHold.h"

#include <deque>

namespace {

struct Hold {
    int depth = 0;
    std::deque<std::function<void()>> kept;
};

Hold& ThisThread()
{
    thread_local Hold hold;
    return hold;
}

} // namespace

void AfxBeginMessageHold()
{
    ++ThisThread().depth;
}

void AfxEndMessageHold()
{
    Hold& hold = ThisThread();
    if (hold.depth == 0 || --hold.depth > 0)
        return;
    // What a kept step does may open a hold of its own and keep more.
    while (hold.depth == 0 && !hold.kept.empty()) {
        std::function<void()> show = std::move(hold.kept.front());
        hold.kept.pop_front();
        show();
    }
}

bool AfxMessagesHeld()
{
    return ThisThread().depth > 0;
}

void AfxShowWhenFree(std::function<void()> show)
{
    Hold& hold = ThisThread();
    if (hold.depth > 0)
        hold.kept.push_back(std::move(show));
    else
        show();
}
