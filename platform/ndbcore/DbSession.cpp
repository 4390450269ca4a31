#include "DbSession.h"

#include "DbDialect.h"
#include "DbScalar.h"
#include "DbSettings.h"

namespace {

DbSession& SharedSession()
{
    static DbSession* session = new DbSession;  // lives past static destruction
    return *session;
}

thread_local DbSession* threadSession = nullptr;

}  // namespace

DbSession& CurrentSession()
{
    return threadSession ? *threadSession : SharedSession();
}

_Connection& OpenConnectionOf(DbSession& session)
{
    if (!session.connection || session.connection->GetState() != adStateOpen)
        throw _com_error(E_FAIL, QStringLiteral("Нет подключения к базе данных"), QString(),
                         {DbDiagnostic{QStringLiteral("08003"), 0, QStringLiteral("Соединение не открыто")}});
    return *session.connection;
}

_ConnectionPtr OpenConfiguredConnection()
{
    const long driverId = GetDriverId(-1);
    const CString refused = RefusedDriverMessage(driverId);
    if (!refused.IsEmpty()) {
        ReportDBProblem(DbErrorKind::Other, refused);
        return nullptr;
    }
    const CString text = BuildConnectionString(driverId, GetServerName("127.0.0.1"), GetDataBaseName(),
                                               GetUserID("root"), GetUserPassword());
    try {
        _ConnectionPtr connection;
        connection.CreateInstance(__uuidof(Connection));
        connection->Open(text.GetString());
        return connection;
    } catch (const _com_error& e) {
        ReportDBError(e, 1, CString("Подключение к серверу ") + GetServerName("127.0.0.1") + ", база "
                                + GetDataBaseName());
        return nullptr;
    }
}

int InitDll()
{
    UnInitDll();
    _ConnectionPtr connection = OpenConfiguredConnection();
    if (!connection)
        return 0;
    DbSession& session = SharedSession();
    std::lock_guard lock(session.mutex);
    session.connection = connection;
    return 1;
}

void UnInitDll()
{
    DbSession& session = SharedSession();
    std::lock_guard lock(session.mutex);
    if (session.connection && session.connection->GetState() == adStateOpen) {
        try {
            session.connection->Close();
        } catch (const _com_error&) {
            // A connection that is already broken needs no closing.
        }
    }
    session.connection = nullptr;
    session.scopeDepth = 0;
    session.scopeFailed = false;
}

void CloseMono() {}

_ConnectionPtr GetConnection()
{
    DbSession& session = CurrentSession();
    std::lock_guard lock(session.mutex);
    return session.connection;
}

long GetServerId()
{
    return RunReported(0L, [](DbSession& session) {
        return static_cast<long>(ScalarOf(OpenConnectionOf(session), SqlSessionId()).toInt64());
    });
}

long LastInsertId()
{
    return RunReported(0L, [](DbSession& session) {
        const _variant_t key = ScalarOf(OpenConnectionOf(session), SqlLastInsertId());
        return key.isNull() || key.isEmpty() ? 0L : static_cast<long>(key.toInt64());
    });
}

CDbThreadSession::CDbThreadSession() : previous_(threadSession)
{
    session_.connection = OpenConfiguredConnection();
    threadSession = &session_;
}

CDbThreadSession::~CDbThreadSession()
{
    threadSession = previous_;
    if (session_.connection && session_.connection->GetState() == adStateOpen) {
        try {
            session_.connection->Close();
        } catch (const _com_error&) {
        }
    }
}

BOOL CDbThreadSession::IsOpen() const
{
    return session_.connection && session_.connection->GetState() == adStateOpen;
}
