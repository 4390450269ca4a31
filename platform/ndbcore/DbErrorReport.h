// How the database layer tells the user about a failure. The message is
// Russian and chosen by the kind of failure; the details (the driver's text,
// SQLSTATE, server code and what we were doing) follow for the administrator.
//
// The report goes through a hook: by default it is written to stderr; the
// windows half installs one that shows it (marshalled to the user-interface
// thread). Tests install one that records reports. While the calling thread
// holds a transaction open, the hook is called only after the transaction
// has ended (AfxShowWhenFree): no report waits for the user while the
// database holds locks.
#pragma once
#include "afx.h"
#include "ado.h"

struct DbErrorReport {
    DbErrorKind kind = DbErrorKind::Other;
    CString message;   // for the bookkeeper: the kind's advice
    CString details;   // for the administrator
    CString headline;  // one line in Russian: what failed and why (DbErrorHeadline.h)
};

using DbErrorHook = void (*)(const DbErrorReport& report);

// Installs a hook and answers the previous one; nullptr restores the default.
DbErrorHook SetDbErrorHook(DbErrorHook hook);

// The Russian message of a kind of failure.
CString DbErrorMessage(DbErrorKind kind);
// The message of a connection that broke while changes were being written.
CString DbLostDuringSaveMessage();
DbErrorReport MakeDbErrorReport(const _com_error& error, LPCTSTR context = nullptr);

// Shows a database error. The second argument has no effect (callers pass 1);
// a non-empty third one names what was being done.
void ReportDBError(const _com_error& error, int show = 1, LPCTSTR context = nullptr);
// Shows a report made ready by the layer.
void ReportDBError(const DbErrorReport& report);
// A failure that is not the driver's (a refused driver, an unusable value).
void ReportDBProblem(DbErrorKind kind, LPCTSTR message, LPCTSTR details = nullptr);
// A value the layer could not use and replaced (a date or number that did not
// parse): written to stderr for the administrator, not shown.
void LogDbWarning(LPCTSTR text);
