// The connection the database layer works on, with its lock and the state of
// an open transaction scope. The program has one shared session (opened by
// InitDll); a worker thread may open a session of its own (CDbThreadSession),
// which every call of the layer on that thread then uses.
//
// Every entry point runs through RunReported: it takes the session's lock,
// runs, and on a failure marks an open transaction scope as failed, releases
// the lock and reports. Entry points never throw and never call each other;
// they share the internal functions of the layer.
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
};

DbSession& CurrentSession();
// The open connection of the session; throws a connection failure when there is none.
_Connection& OpenConnectionOf(DbSession& session);
// Opens a connection with the current settings; reports and answers null on failure.
_ConnectionPtr OpenConfiguredConnection();

template <class R, class F>
R RunReported(R failed, F&& body)
{
    DbSession& session = CurrentSession();
    std::optional<_com_error> error;
    {
        std::lock_guard lock(session.mutex);
        try {
            return body(session);
        } catch (const _com_error& e) {
            error = e;
        } catch (const std::exception& e) {
            error = _com_error(E_FAIL, QString::fromUtf8(e.what()));
        }
        if (session.scopeDepth > 0)
            session.scopeFailed = true;
    }
    ReportDBError(*error);
    return failed;
}

// Connects the shared session with the current settings: 1 on success, 0 (reported) on failure.
int InitDll();
void UnInitDll();
// Nothing of the layer lives in `system_mono`; kept for the shell's shutdown.
void CloseMono();
// The shared connection (a null pointer before InitDll). Views pass no
// connection to the layer's calls, which stands for this one.
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
