// A piece of work that reads what it checks (a document's checks before its
// save) says one thing when a read fails: the failure. A check whose read
// failed would otherwise go on to call the value wrong ("Нет такого счета")
// and every later read of the same work would report the same lost
// connection again.
//
// While a scope is open on the calling thread, the first failure reported
// through AfxShowFailure is shown; once it has been, further failures are not
// shown, and a message box of the work only informing is not shown either
// (it is written to stderr and answered IDOK); a question is answered as
// refused (IDNO, IDCANCEL, IDABORT) without being asked. The work asks
// AfxFailedInScope whether it may go on. Scopes nest and belong to the
// thread that opened them; outside any scope every failure is shown.
#pragma once
#include "afx.h"

#include <functional>

AFX_EXT_API void AfxBeginFailureScope();
AFX_EXT_API void AfxEndFailureScope();
// Whether a failure was reported in the calling thread's open scope.
AFX_EXT_API bool AfxFailedInScope();
// Shows a failure through `show` unless the open scope has reported one
// already; message boxes `show` raises are shown. While a message hold is
// open, `show` waits for its end (AfxShowWhenFree). False when not shown.
AFX_EXT_API bool AfxShowFailure(std::function<void()> show);
// Whether a message box of the work is kept from the user now.
AFX_EXT_API bool AfxMessagesQuietAfterFailure();

// A scope for the object's lifetime.
class CAfxFailureScope {
public:
    CAfxFailureScope() { AfxBeginFailureScope(); }
    ~CAfxFailureScope() { AfxEndFailureScope(); }
    CAfxFailureScope(const CAfxFailureScope&) = delete;
    CAfxFailureScope& operator=(const CAfxFailureScope&) = delete;
    bool Failed() const { return AfxFailedInScope(); }
};
