// A break of the connection whose outcome is unknown. A call that ends with
// its own commit (a write outside a transaction, whose batch carries its
// begin and commit, or the commit of a transaction) can break after the
// server committed: such a break is reported as unknown
// (DbLostOutcomeUnknownMessage), never as changes not saved. A caller that can
// find out on a new connection watches for it and tells the user what
// happened itself.
#pragma once
#include "afx.h"

// While one is alive on a thread, a break whose outcome is unknown during a
// call of that thread is not reported: the call fails, and Unknown() says so.
// A break whose outcome is certain (inside a transaction before its commit,
// or before anything was sent) is reported as usual. Only the innermost
// watch of a thread is told.
class AFX_EXT_CLASS CDbLossWatch {
public:
    CDbLossWatch();
    ~CDbLossWatch();
    CDbLossWatch(const CDbLossWatch&) = delete;
    CDbLossWatch& operator=(const CDbLossWatch&) = delete;
    bool Unknown() const { return unknown_; }

    // Tells the thread's innermost watch; false when there is none.
    static bool Tell();

private:
    bool unknown_ = false;
    CDbLossWatch* previous_;
};

// Opens the session's connection again after it broke, trying for up to
// `seconds` (the server may be restarting); nothing is reported. Whether it
// is open. Never inside a transaction.
AFX_EXT_API bool ConnectAgain(int seconds);

// The message of a connection that broke during a call that ends with its
// own commit: the server may have written the changes before it broke.
AFX_EXT_API CString DbLostOutcomeUnknownMessage();

// Runs one statement, in the open transaction when there is one. A key or
// value the database's rules refuse (another row has the key) is answered,
// not reported: only the statement is undone and the transaction goes on, so
// the caller may try another key. 1 written, -1 refused by a rule, 0 any
// other failure (reported as ExecuteSql reports it).
AFX_EXT_API int ExecuteSqlUnlessRefused(LPCTSTR sql);
