#include "DocCounter.h"

#include "DbBatch.h"
#include "DbScalar.h"

long GetNextDocId()
{
    return RunReported(0L, [](DbSession& session) {
        _Connection& connection = OpenConnectionOf(session);
        long long id = 0;
        RunAtomically(session, connection, [&] {
            if (RunCommand(connection, QStringLiteral("update system_doc_counter set last_id=last_id+1 where id=1")) == 0)
                RunCommand(connection, QStringLiteral("insert into system_doc_counter (id,last_id) values (1,1)"));
            id = ScalarOf(connection, QStringLiteral("select last_id from system_doc_counter where id=1")).toInt64();
        });
        return static_cast<long>(id);
    }, DbRetry::Write);
}
