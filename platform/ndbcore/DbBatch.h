// Running a batch of statements on a connection as one unit: inside an open
// transaction scope of the session it joins that transaction; otherwise a
// batch of several statements, or one that calls a stored procedure, gets a
// transaction of its own, rolled back at the first failure (any other single
// statement is atomic by itself). Throws _com_error.
#pragma once
#include "DbDialect.h"
#include "DbSession.h"

#include <QStringList>

void RunBatch(DbSession& session, _Connection& connection, const QString& text);

// Whether one of the statements calls a stored procedure ("call", "exec").
bool CallsProcedure(const QStringList& statements);

// Runs the statements in as few calls as the dialect allows; at a failure a
// transaction the statements opened is rolled back (unless the connection
// is lost, which has rolled it back) and the failure is thrown on.
void RunRollingBack(_Connection& connection, const QStringList& statements, SqlDialect dialect);

// Runs the body as one unit: inside the session's open scope it joins it;
// otherwise in a transaction of its own, rolled back when the body throws.
template <class F>
void RunAtomically(DbSession& session, _Connection& connection, F&& body)
{
    if (session.scopeDepth > 0 && &connection == session.connection.GetInterfacePtr()) {
        body();
        return;
    }
    connection.BeginTrans();
    try {
        body();
    } catch (...) {
        try {
            connection.RollbackTrans();
        } catch (const _com_error&) {
            // The first failure is the one to report; a lost connection has rolled back anyway.
        }
        throw;
    }
    connection.CommitTrans();
}

// The connection a call names, or the session's own for none.
_Connection& ConnectionFor(DbSession& session, _Connection* given);
