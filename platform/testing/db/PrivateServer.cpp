#include "PrivateServer.h"

#include "ndbcore.h"

#include <QFile>
#include <QProcess>
#include <cstdlib>

namespace vornal::testing {

PrivateServer::PrivateServer() = default;

PrivateServer::~PrivateServer()
{
    Stop();
}

::testing::AssertionResult PrivateServer::Tool(const QStringList& arguments)
{
    const char* root = std::getenv("VORNAL_ROOT");
    if (!root)
        return ::testing::AssertionFailure() << "VORNAL_ROOT must be set (run through ctest)";
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromUtf8(root) + QStringLiteral("/tools/localdb"),
                  arguments + QStringList{QStringLiteral("--dir"), dir_.path()});
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return ::testing::AssertionFailure() << "tools/localdb " << arguments.join(QLatin1Char(' ')).toStdString()
                                             << " failed: " << process.readAll().toStdString();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PrivateServer::Start()
{
    // The first start takes a free port; later ones take the same, as a restarted server does.
    const QString port = port_ > 0 ? QString::number(port_) : QStringLiteral("auto");
    ::testing::AssertionResult started =
        Tool({QStringLiteral("start"), QStringLiteral("--port"), port, QStringLiteral("--db"), QStringLiteral("mysql")});
    if (!started)
        return started;
    QFile portFile(dir_.path() + QStringLiteral("/port"));
    if (!portFile.open(QIODevice::ReadOnly))
        return ::testing::AssertionFailure() << "the private server wrote no port";
    port_ = QString::fromUtf8(portFile.readAll()).trimmed().toInt();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PrivateServer::Stop()
{
    if (port_ == 0)
        return ::testing::AssertionSuccess();
    return Tool({QStringLiteral("stop")});
}

QString PrivateServer::ConnectionString(const QString& database) const
{
    return BuildConnectionString(1, CString(QStringLiteral("127.0.0.1:%1").arg(port_)), CString(database), "root", "")
        .ToQString();
}

::testing::AssertionResult PrivateServer::Use(const QString& database)
{
    try {
        _ConnectionPtr admin;
        admin.CreateInstance(__uuidof(Connection));
        admin->Open(_bstr_t(ConnectionString(QStringLiteral("mysql"))));
        admin->Execute(_bstr_t(QStringLiteral("create database if not exists `%1`").arg(database)), nullptr,
                       adExecuteNoRecords);
    } catch (const _com_error& e) {
        return ::testing::AssertionFailure() << e.Description().qstring().toStdString();
    }
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("127.0.0.1:%1").arg(port_)));
    SetDataBaseName(CString(database));
    SetUserID("root");
    SetUserPassword("");
    if (!InitDll())
        return ::testing::AssertionFailure() << "the database layer could not connect to the private server";
    return ::testing::AssertionSuccess();
}

}  // namespace vornal::testing
