#include "DbBatch.h"

#include "DbScalar.h"
#include "SqlBatch.h"

_Connection& ConnectionFor(DbSession& session, _Connection* given)
{
    return given ? *given : OpenConnectionOf(session);
}

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
    else
        RunAtomically(session, connection, runAll);
}
