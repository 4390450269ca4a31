#include "DocCounter.h"

#include "DbBatch.h"
#include "DbDialect.h"
#include "DbScalar.h"
#include "DocCounterLock.h"
#include "CDbTransaction.h"

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

long LockNextDocId(const CString& question, long long& answer)
{
    answer = 0;
    const QString read = SqlLockRow("last_id+1", "system_doc_counter", "id=1").ToQString();
    return RunReported(0L, [&](DbSession& session) {
        _Connection& connection = OpenConnectionOf(session);
        long long id = 0;
        auto readRow = [&] {
            _RecordsetPtr rows = connection.Execute(_bstr_t(read), nullptr, adCmdText);
            if (!rows || rows->GetState() != adStateOpen || rows->GetadoEOF())
                return false;
            id = rows->GetCollect(0L).toInt64();
            return true;
        };
        RunAtomically(session, connection, [&] {
            if (!readRow()) {
                // The first document of a database: the counter gets its row.
                RunCommand(connection, QStringLiteral("insert into system_doc_counter (id,last_id) values (1,0)"));
                readRow();
            }
            // Asked after the row is held, not beside it in the same
            // statement: the server may evaluate a subquery before it waits
            // for the row, and would then miss what the save before committed.
            if (!question.IsEmpty())
                answer = ScalarOf(connection, question).toInt64();
        });
        return static_cast<long>(id);
    }, DbRetry::Write);
}

CString DocCounterTakes(long id)
{
    return FormatText("update system_doc_counter set last_id=%d where id=1", id);
}

long TakeNextDocIdAlone()
{
    if (CurrentDialect() != SqlDialect::MySql || InTransaction())
        return GetNextDocId();
    return RunReported(0L, [](DbSession& session) {
        _Connection& connection = OpenConnectionOf(session);
        // One statement raises the row whether it exists or not (an insert
        // that finds it raises it instead) and leaves the value it wrote as
        // this connection's last insert id, whatever another save raises
        // next. Outside a transaction it commits at once: the row is held
        // only while the statement runs.
        RunCommand(connection, QStringLiteral("insert into system_doc_counter (id,last_id) values (1,LAST_INSERT_ID(1)) "
                                              "on duplicate key update last_id=LAST_INSERT_ID(last_id+1)"));
        return static_cast<long>(ScalarOf(connection, SqlLastInsertId()).toInt64());
    }, DbRetry::Write);
}

CString DocCounterHoldsRow()
{
    // An update that changes nothing still locks the row it finds.
    return "update system_doc_counter set last_id=last_id where id=1\n";
}
