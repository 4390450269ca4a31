#include "CDbTransaction.h"

#include "DbSession.h"

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
    });
}

CDbTransaction::~CDbTransaction()
{
    if (!ended_)
        End(false);
}

BOOL CDbTransaction::IsUsable() const
{
    DbSession& session = CurrentSession();
    std::lock_guard lock(session.mutex);
    return began_ && !ended_ && !session.scopeFailed;
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
    return RunReported(false, [this, commit](DbSession& session) {
        if (session.scopeDepth == 0)  // the connection was closed under the scope
            return false;
        --session.scopeDepth;
        const bool keep = commit && !session.scopeFailed;
        if (!outermost_) {
            session.scopeFailed = session.scopeFailed || !keep;
            return keep;
        }
        session.scopeFailed = false;
        _Connection& connection = OpenConnectionOf(session);
        if (keep)
            connection.CommitTrans();
        else
            connection.RollbackTrans();
        return keep;
    });
}
