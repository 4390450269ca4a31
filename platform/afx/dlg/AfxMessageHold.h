// The message hold of a thread: while the thread holds locks in the database
// (a transaction of the database layer is open) no window may wait for the
// user, or one user who leaves a box open stops every other user's save.
//
// While a hold is open on the calling thread, a message box that only informs
// (an OK button alone) is kept and shown, in order, when the thread's last
// hold ends; AfxMessageBox answers it IDOK at once. Work given to
// AfxShowWhenFree (the database layer's error reports) waits the same way. A
// step that needs an answer (a question, a dialog, a chooser) cannot wait: it
// is not shown, it is answered as refused (IDNO, IDCANCEL, IDABORT or 0), and
// the refusal is logged as a fault of the caller. Holds nest and belong to the
// thread that opened them.
#pragma once
#include <functional>

void AfxBeginMessageHold();
// Ends one hold; the last one shows what was kept.
void AfxEndMessageHold();
// Whether a hold is open on the calling thread.
bool AfxMessagesHeld();
// Runs `show` at once, or when the calling thread's last hold ends.
void AfxShowWhenFree(std::function<void()> show);

// A hold for the object's lifetime.
class CAfxMessageHold {
public:
    CAfxMessageHold() { AfxBeginMessageHold(); }
    ~CAfxMessageHold() { AfxEndMessageHold(); }
    CAfxMessageHold(const CAfxMessageHold&) = delete;
    CAfxMessageHold& operator=(const CAfxMessageHold&) = delete;
};
