#include "DbSession.h"

#include "DbLossWatch.h"

#include "DbDialect.h"
#include "DbScalar.h"
#include "DbSettings.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

DbSession& SharedSession()
{
    static DbSession* session = new DbSession;  // lives past static destruction
    return *session;
}

// The thread that opened the shared session (the user-interface thread).
std::atomic<std::thread::id>& SharedSessionThread()
{
    static std::atomic<std::thread::id> thread;
    return thread;
}

thread_local DbSession* threadSession = nullptr;
thread_local CDbLossWatch* lossWatch = nullptr;
// Set while a call prepares its connection: a failure then sent nothing.
thread_local bool preparing = false;
// The report just made was told to a loss watch instead: not shown.
thread_local bool toldWatch = false;

_com_error NotOpen()
{
    return _com_error(E_FAIL, QStringLiteral("Нет подключения к базе данных"), QString(),
                      {DbDiagnostic{QStringLiteral("08003"), 0, QStringLiteral("Соединение не открыто")}});
}

// Opens a connection with the current settings; throws _com_error.
_ConnectionPtr Connect()
{
    const long driverId = GetDriverId(-1);
    const CString refused = RefusedDriverMessage(driverId);
    if (!refused.IsEmpty())
        throw _com_error(E_FAIL, refused.ToQString());
    const CString text = BuildConnectionString(driverId, GetServerName("127.0.0.1"), GetDataBaseName(),
                                               GetUserID("root"), GetUserPassword());
    _ConnectionPtr connection;
    connection.CreateInstance(__uuidof(Connection));
    connection->Open(text.GetString());
    return connection;
}

void CloseQuietly(_ConnectionPtr& connection)
{
    if (connection && connection->GetState() == adStateOpen) {
        try {
            connection->Close();
        } catch (const _com_error&) {
            // A connection that is already broken needs no closing.
        }
    }
    connection = nullptr;
}

// The broken connection stays (marked lost) until a new one is open.
void Reconnect(DbSession& session)
{
    _ConnectionPtr fresh = Connect();
    CloseQuietly(session.connection);
    session.connection = fresh;
    session.lost = false;
}

// Opens a broken connection again; a write first tests it. Throws _com_error.
void PrepareConnection(DbSession& session, DbRetry retry)
{
    if (session.lost || session.connection->GetState() != adStateOpen) {
        Reconnect(session);
        return;
    }
    if (retry != DbRetry::Write)
        return;
    try {
        RunCommand(*session.connection, QStringLiteral("select 1"));
    } catch (const _com_error& e) {
        if (e.Kind() != DbErrorKind::ConnectionLost)
            throw;
        Reconnect(session);
    }
}

}  // namespace

DbSession* SessionOfThisThread()
{
    if (threadSession)
        return threadSession;
    const std::thread::id owner = SharedSessionThread().load();
    if (owner == std::thread::id() || owner == std::this_thread::get_id())
        return &SharedSession();
    return nullptr;
}

_Connection& OpenConnectionOf(DbSession& session)
{
    if (!session.connection || session.connection->GetState() != adStateOpen)
        throw NotOpen();
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
    try {
        return Connect();
    } catch (const _com_error& e) {
        ReportDBError(e, 1, CString("Подключение к серверу ") + GetServerName("127.0.0.1") + ", база "
                                + GetDataBaseName());
        return nullptr;
    }
}

namespace dbsession {

void Prepare(DbSession& session, DbRetry retry)
{
    preparing = false;
    if (retry == DbRetry::Session || !session.connection)
        return;  // a call bound to its connection, or a session never opened, gets no new one
    preparing = true;  // until it returns: a failure here sent nothing of the call
    PrepareConnection(session, retry);
    preparing = false;
}

DbErrorReport ReportOf(const DbSession& session, const _com_error& error, DbRetry retry)
{
    const bool sent = !preparing;
    preparing = false;
    DbErrorReport report = MakeDbErrorReport(error);
    if (report.kind != DbErrorKind::ConnectionLost)
        return report;
    if (session.scopeDepth > 0) {
        report.message = DbLostDuringSaveMessage();
    } else if (retry == DbRetry::Write && sent) {
        // The call may have committed before the connection broke.
        report.message = DbLostOutcomeUnknownMessage();
        toldWatch = CDbLossWatch::Tell();
    }
    return report;
}

bool HasOpenTransaction(const DbSession& session)
{
    return session.scopeDepth > 0 || (session.connection && session.connection->InTransaction());
}

void ReportForeignThread()
{
    ReportDBProblem(DbErrorKind::Other,
                    "Обращение к базе данных отклонено: рабочий поток программы не открыл своего соединения.",
                    "Поток без CDbThreadSession обратился к соединению окна программы.");
}

}  // namespace dbsession

int InitDll()
{
    UnInitDll();
    SharedSessionThread() = std::this_thread::get_id();
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
    CloseQuietly(session.connection);
    session.scopeDepth = 0;
    session.scopeFailed = false;
    session.lost = false;
}

void CloseMono() {}

_ConnectionPtr GetConnection()
{
    DbSession* session = SessionOfThisThread();
    if (!session) {
        dbsession::ReportForeignThread();
        return nullptr;
    }
    std::lock_guard lock(session->mutex);
    return session->connection;
}

long GetServerId()
{
    return RunReported(0L, [](DbSession& session) {
        return static_cast<long>(ScalarOf(OpenConnectionOf(session), SqlSessionId()).toInt64());
    }, DbRetry::Session);
}

long LastInsertId()
{
    return RunReported(0L, [](DbSession& session) {
        const _variant_t key = ScalarOf(OpenConnectionOf(session), SqlLastInsertId());
        return key.isNull() || key.isEmpty() ? 0L : static_cast<long>(key.toInt64());
    }, DbRetry::Session);
}

CDbLossWatch::CDbLossWatch() : previous_(lossWatch)
{
    lossWatch = this;
}

CDbLossWatch::~CDbLossWatch()
{
    lossWatch = previous_;
}

bool CDbLossWatch::Tell()
{
    if (!lossWatch)
        return false;
    lossWatch->unknown_ = true;
    return true;
}

bool TakeToldWatch()
{
    const bool told = toldWatch;
    toldWatch = false;
    return told;
}

bool ConnectAgain(int seconds)
{
    DbSession* session = SessionOfThisThread();
    if (!session)
        return false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (;;) {
        {
            std::lock_guard lock(session->mutex);
            if (session->scopeDepth > 0)
                return false;  // a transaction's connection is never replaced under it
            try {
                if (!session->lost && session->connection && session->connection->GetState() == adStateOpen) {
                    RunCommand(*session->connection, QStringLiteral("select 1"));
                    return true;
                }
            } catch (const _com_error&) {
                // Broken after all: connect again below.
            }
            try {
                Reconnect(*session);
                return true;
            } catch (const _com_error&) {
                // The server is not back yet.
            }
        }
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
}

CDbThreadSession::CDbThreadSession() : previous_(threadSession)
{
    session_.connection = OpenConfiguredConnection();
    threadSession = &session_;
}

CDbThreadSession::~CDbThreadSession()
{
    threadSession = previous_;
    CloseQuietly(session_.connection);
}

BOOL CDbThreadSession::IsOpen() const
{
    return session_.connection && session_.connection->GetState() == adStateOpen;
}
