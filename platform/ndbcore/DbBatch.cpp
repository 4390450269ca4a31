#include "DbBatch.h"

#include "DbScalar.h"
#include "SqlBatch.h"

_Connection& ConnectionFor(DbSession& session, _Connection* given)
{
    return given ? *given : OpenConnectionOf(session);
}

namespace {

// On MySQL a batch outside any transaction carries its own: "start
// transaction" before its statements and "commit" after them travel in the
// same call, instead of three calls of their own (autocommit off, the commit,
// autocommit on). A statement that fails stops the call with the transaction
// open; it is rolled back at once, so the connection is left as it was.
void RunInOwnTransaction(_Connection& connection, QStringList statements, SqlDialect dialect)
{
    statements.prepend(QStringLiteral("start transaction"));
    statements.append(QStringLiteral("commit"));
    try {
        for (const QString& part : JoinForServer(statements, dialect))
            RunCommand(connection, part);
    } catch (const _com_error& e) {
        if (e.Kind() != DbErrorKind::ConnectionLost) {
            try {
                RunCommand(connection, QStringLiteral("rollback"));
            } catch (const _com_error&) {
                // The first failure is the one to report.
            }
        }
        throw;
    }
}

}  // namespace

void RunBatch(DbSession& session, _Connection& connection, const QString& text)
{
    const SqlDialect dialect = CurrentDialect();
    const QStringList statements = SplitSqlBatch(text, dialect);
    auto runAll = [&] {
        for (const QString& part : JoinForServer(statements, dialect))
            RunCommand(connection, part);
    };
    if (CountSqlStatements(text, dialect) <= 1)  // one statement is atomic by itself
        runAll();
    else if (dialect == SqlDialect::MySql && !connection.InTransaction())
        RunInOwnTransaction(connection, statements, dialect);
    else
        RunAtomically(session, connection, runAll);
}
