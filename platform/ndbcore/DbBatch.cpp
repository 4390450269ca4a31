#include "DbBatch.h"

#include "DbScalar.h"
#include "SqlBatch.h"

#include <QRegularExpression>

_Connection& ConnectionFor(DbSession& session, _Connection* given)
{
    return given ? *given : OpenConnectionOf(session);
}

bool CallsProcedure(const QStringList& statements)
{
    static const QRegularExpression call(QStringLiteral("^\\s*(call|exec|execute)\\s"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString& statement : statements)
        if (call.match(statement).hasMatch())
            return true;
    return false;
}

void RunRollingBack(_Connection& connection, const QStringList& statements, SqlDialect dialect)
{
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

void RunBatch(DbSession& session, _Connection& connection, const QString& text)
{
    const SqlDialect dialect = CurrentDialect();
    const QStringList statements = SplitSqlBatch(text, dialect);
    auto runAll = [&] {
        for (const QString& part : JoinForServer(statements, dialect))
            RunCommand(connection, part);
    };
    // One statement is atomic by itself; a procedure's call is not (in
    // autocommit each statement inside it commits alone), so it gets the
    // batch's transaction.
    if (CountSqlStatements(text, dialect) <= 1 && !CallsProcedure(statements))
        runAll();
    else if (dialect == SqlDialect::MySql && !connection.InTransaction())
        // Outside a transaction the batch carries its own: "start
        // transaction" and "commit" go in the same call as its statements,
        // not in calls of their own that switch autocommit off and on.
        RunRollingBack(connection, QStringList{QStringLiteral("start transaction")} + statements
                                       + QStringList{QStringLiteral("commit")},
                       dialect);
    else
        RunAtomically(session, connection, runAll);
}
