#include "FreshDatabase.h"

#include "DbReportRecorder.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace vornal::testing {

namespace {

QString Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? QString::fromUtf8(value) : QString();
}

QString DatabaseNameForThisBinary()
{
    QString name = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    name = QFileInfo(name).fileName().toLower();
    name.replace(QRegularExpression(QStringLiteral("[^a-z0-9_]")), QStringLiteral("_"));
    return QStringLiteral("t_") + name.left(56);
}

::testing::AssertionResult Create(TestServer& server)
{
    const QString root = Env("VORNAL_ROOT");
    const QString dir = Env("VORNAL_TEST_DB_DIR");
    server.port = Env("VORNAL_TEST_DB_PORT").toInt();
    if (server.port <= 0 && !dir.isEmpty()) {
        // "auto": the server took a free port and wrote it into its folder.
        QFile portFile(dir + QStringLiteral("/port"));
        if (portFile.open(QIODevice::ReadOnly))
            server.port = QString::fromUtf8(portFile.readAll()).trimmed().toInt();
    }
    if (root.isEmpty() || dir.isEmpty() || server.port <= 0)
        return ::testing::AssertionFailure()
               << "VORNAL_ROOT, VORNAL_TEST_DB_DIR and VORNAL_TEST_DB_PORT must be set (run through ctest)";
    server.database = DatabaseNameForThisBinary();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(root + QStringLiteral("/tools/localdb"),
                  {QStringLiteral("newdb"), server.database, QStringLiteral("--dir"), dir});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        return ::testing::AssertionFailure() << "tools/localdb newdb " << server.database.toStdString()
                                             << " failed: " << process.readAll().toStdString();
    return ::testing::AssertionSuccess();
}

// A database report that no recorder takes fails the running test.
class FailOnUnexpectedReports : public ::testing::Environment {
public:
    void SetUp() override { SetDbErrorHook(&FailOnDbReport); }
    void TearDown() override { SetDbErrorHook(nullptr); }
};

[[maybe_unused]] ::testing::Environment* const failOnUnexpectedReports =
    ::testing::AddGlobalTestEnvironment(new FailOnUnexpectedReports);

}  // namespace

::testing::AssertionResult CreateFreshDatabase(TestServer* out)
{
    static TestServer server;
    static ::testing::AssertionResult result = Create(server);
    if (out)
        *out = server;
    return result;
}

QString TestConnectionString(const TestServer& server)
{
    const CString address(QStringLiteral("%1:%2").arg(server.host).arg(server.port));
    return BuildConnectionString(1, address, CString(server.database), "root", "").ToQString();
}

::testing::AssertionResult UseFreshDatabase()
{
    TestServer server;
    const ::testing::AssertionResult created = CreateFreshDatabase(&server);
    if (!created)
        return created;
    const _ConnectionPtr current = GetConnection();
    if (current && current->GetState() == adStateOpen && GetDataBaseName() == CString(server.database))
        return ::testing::AssertionSuccess();
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("%1:%2").arg(server.host).arg(server.port)));
    SetDataBaseName(CString(server.database));
    SetUserID("root");
    SetUserPassword("");
    if (!InitDll())
        return ::testing::AssertionFailure() << "the database layer could not connect to " << server.database.toStdString();
    return ::testing::AssertionSuccess();
}

_ConnectionPtr OpenRawConnection()
{
    TestServer server;
    const ::testing::AssertionResult created = CreateFreshDatabase(&server);
    if (!created)
        throw _com_error(E_FAIL, QString::fromUtf8(created.message()), QStringLiteral("test database"));
    _ConnectionPtr connection;
    connection.CreateInstance(__uuidof(Connection));
    connection->Open(_bstr_t(TestConnectionString(server)));
    return connection;
}

bool WaitForCount(_ConnectionPtr connection, const QString& count, const std::function<bool(long long)>& holds,
                  int milliseconds)
{
    for (int waited = 0;; waited += 10) {
        _RecordsetPtr rows = connection->Execute(_bstr_t(count), nullptr, adCmdText);
        if (holds(rows && !rows->GetadoEOF() ? rows->GetCollect(0L).toInt64() : 0))
            return true;
        if (waited >= milliseconds)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool DropTheLayersConnection()
{
    const long id = GetServerId();
    if (id <= 0)
        return false;
    _ConnectionPtr administrator = OpenRawConnection();
    administrator->Execute(_bstr_t(QStringLiteral("kill %1").arg(id)), nullptr, adExecuteNoRecords);
    // The server answers KILL before the connection is gone.
    return WaitForCount(
        administrator, QStringLiteral("select count(*) from information_schema.processlist where id=%1").arg(id),
        [](long long alive) { return alive == 0; }, 2000);
}

}  // namespace vornal::testing
