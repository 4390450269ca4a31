// The connection the database layer works on, with its lock and the state of
// an open transaction scope. The program has one shared session (opened by
// InitDll on the user-interface thread); a worker thread opens a session of
// its own (CDbThreadSession), which every call of the layer on that thread
// then uses. A call on any other thread without a session of its own is
// refused and reported: it would otherwise join the user's open transaction.
//
// Every entry point runs through RunReported: it takes the session's lock,
// runs, and on a failure marks an open transaction scope as failed, releases
// the lock and reports. Inside a scope that has failed once, further calls
// fail at once without running and without a second report. Entry points
// never throw and never call each other; they share the internal functions of
// the layer.
//
// A broken connection (the server restarted, the network dropped) is opened
// again with the same settings: outside a transaction a read is run again on
// the new connection, and a write or the start of a transaction first tests
// the connection (and re-opens it) so that nothing is sent twice. Inside a
// transaction the call fails once with one report, the transaction rolls back,
// and the next call outside it re-opens the connection.
#pragma once
#include "DbErrorReport.h"
#include "ado.h"

#include <mutex>
#include <optional>

struct DbSession {
    std::recursive_mutex mutex;
    _ConnectionPtr connection;
    int scopeDepth = 0;        // nested CDbTransaction objects alive
    bool scopeFailed = false;  // a call inside the scope failed: it can only roll back
    bool lost = false;         // the connection broke: the next call outside a scope opens a new one
};

// What a call may do when it finds the connection broken outside a transaction.
enum class DbRetry {
    Read,     // run again on a new connection
    Write,    // test the connection first and open a new one; a break during the write is reported
    Session,  // bound to the connection it ran on (the last insert id, commit): reported, never run again
};

// The session of the calling thread; null on a thread that is neither the
// one that opened the shared session nor one with a session of its own.
DbSession* SessionOfThisThread();
// The open connection of the session; throws a connection failure when there is none.
_Connection& OpenConnectionOf(DbSession& session);
// Opens a connection with the current settings; reports and answers null on failure.
_ConnectionPtr OpenConfiguredConnection();

namespace dbsession {

// Before a call outside a scope: a broken connection is opened again; a write
// tests the connection first. Throws _com_error.
void Prepare(DbSession& session, DbRetry retry);
// The report of a failure in the session's state (a broken connection during
// a write or a transaction says that the changes were not saved).
DbErrorReport ReportOf(const DbSession& session, const _com_error& error, DbRetry retry);
// The refusal of a call on a thread without a session of its own.
void ReportForeignThread();
// Whether the session has a transaction open: a scope, or one begun on its connection.
bool HasOpenTransaction(const DbSession& session);

}  // namespace dbsession

template <class R, class F>
R RunReported(R failed, F&& body, DbRetry retry = DbRetry::Read)
{
    DbSession* session = SessionOfThisThread();
    if (!session) {
        dbsession::ReportForeignThread();
        return failed;
    }
    std::optional<DbErrorReport> report;
    {
        std::lock_guard lock(session->mutex);
        if (session->scopeDepth > 0 && session->scopeFailed)
            return failed;  // the scope can only roll back; its failure has been reported
        for (int attempt = 0;; ++attempt) {
            std::optional<_com_error> error;
            try {
                if (session->scopeDepth == 0)
                    dbsession::Prepare(*session, retry);
                return body(*session);
            } catch (const _com_error& e) {
                error = e;
            } catch (const std::exception& e) {
                error = _com_error(E_FAIL, QString::fromUtf8(e.what()));
            }
            const bool broken = error->Kind() == DbErrorKind::ConnectionLost;
            if (broken)
                session->lost = true;
            if (broken && attempt == 0 && session->scopeDepth == 0 && retry == DbRetry::Read)
                continue;
            if (session->scopeDepth > 0)
                session->scopeFailed = true;
            report = dbsession::ReportOf(*session, *error, retry);
            break;
        }
    }
    ReportDBError(*report);
    return failed;
}

// Connects the shared session with the current settings: 1 on success, 0 (reported) on failure.
// The calling thread becomes the one that uses the shared session.
int InitDll();
void UnInitDll();
// Nothing of the layer lives in `system_mono`; kept for the shell's shutdown.
void CloseMono();
// The connection of the calling thread's session (a null pointer before
// InitDll, and on a thread without a session of its own, which is reported).
// Views pass no connection to the layer's calls, which stands for this one.
_ConnectionPtr GetConnection();
// The server's id of this session's connection (CONNECTION_ID(), pg_backend_pid(), @@SPID); 0 on failure.
long GetServerId();
// The key that the last insert of this session generated; 0 on failure.
long LastInsertId();

// A connection of the calling thread's own, opened with the current settings
// for the object's lifetime: the payroll worker takes one so it never shares
// the user-interface thread's connection or transaction.
class CDbThreadSession {
public:
    CDbThreadSession();
    ~CDbThreadSession();
    CDbThreadSession(const CDbThreadSession&) = delete;
    CDbThreadSession& operator=(const CDbThreadSession&) = delete;
    BOOL IsOpen() const;

private:
    DbSession session_;
    DbSession* previous_;
};
