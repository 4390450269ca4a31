#include "CDbTransaction.h"

#include "DbSession.h"

bool InTransaction()
{
    DbSession* session = SessionOfThisThread();
    if (!session)
        return false;
    std::lock_guard lock(session->mutex);
    return dbsession::HasOpenTransaction(*session);
}

CDbTransaction::CDbTransaction()
{
    began_ = RunReported(false, [this](DbSession& session) {
        if (session.scopeDepth == 0) {
            OpenConnectionOf(session).BeginTrans();
            session.scopeFailed = false;
            outermost_ = true;
        }
        ++session.scopeDepth;
        return true;
    }, DbRetry::Write);
    if (began_ && outermost_)
        AfxBeginMessageHold();
}

CDbTransaction::~CDbTransaction()
{
    if (!ended_)
        End(false);
}

BOOL CDbTransaction::IsUsable() const
{
    DbSession* session = SessionOfThisThread();
    if (!session)
        return FALSE;
    std::lock_guard lock(session->mutex);
    return began_ && !ended_ && !session->scopeFailed;
}

BOOL CDbTransaction::Commit()
{
    return End(true) ? TRUE : FALSE;
}

void CDbTransaction::Rollback()
{
    End(false);
}

bool CDbTransaction::End(bool commit)
{
    if (ended_ || !began_) {
        ended_ = true;
        return false;
    }
    ended_ = true;
    DbSession& session = *SessionOfThisThread();  // the thread that began the scope
    std::optional<DbErrorReport> report;
    bool kept = false;
    {
        std::lock_guard lock(session.mutex);
        if (session.scopeDepth > 0) {  // 0: the connection was closed under the scope
            --session.scopeDepth;
            const bool keep = commit && !session.scopeFailed;
            if (!outermost_) {
                session.scopeFailed = session.scopeFailed || !keep;
                kept = keep;
            } else {
                const bool failedBefore = session.scopeFailed;
                session.scopeFailed = false;
                try {
                    _Connection& connection = OpenConnectionOf(session);
                    if (keep)
                        connection.CommitTrans();
                    else
                        connection.RollbackTrans();
                    kept = keep;
                } catch (const _com_error& e) {
                    const bool broken = e.Kind() == DbErrorKind::ConnectionLost;
                    if (broken)
                        session.lost = true;
                    // A broken connection has been rolled back by the server; a
                    // scope that failed has been reported once already.
                    if (keep || (!broken && !failedBefore))
                        report = dbsession::ReportOf(session, e, DbRetry::Write);
                }
            }
        }
    }
    if (report)
        ReportDBError(*report);
    if (outermost_)
        AfxEndMessageHold();
    return kept;
}
