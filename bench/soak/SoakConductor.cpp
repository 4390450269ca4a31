#include "SoakConductor.h"

#include "../BenchFigure.h"

#include "SoakChecker.h"
#include "SoakClient.h"
#include "SoakRandom.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>

namespace {

const char* const kDatabase = "vornal_save_soak";

bool Localdb(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    tool.start(QStringLiteral(VORNAL_SOURCE_DIR "/tools/localdb"), arguments);
    tool.waitForFinished(180000);
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

// The server of the run with a fresh database; its port once it runs.
QString StartServer(const SoakOptions& options)
{
    QDir().mkpath(options.dir);
    // "mysql" exists on every server: start loads no database of its own.
    if (!Localdb({"start", "--dir", options.dir, "--port", options.port, "--db", "mysql"})
        || !Localdb({"newdb", kDatabase, "--dir", options.dir}))
        return QString();
    return ReadText(options.dir + "/port");
}

bool Connect(const QString& port)
{
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("127.0.0.1:") + port));
    SetDataBaseName(kDatabase);
    SetUserID("root");
    SetUserPassword("");
    // The working year stays open whatever the demo closed.
    return InitDll() != 0 && ExecuteSql("delete from system_const where name='system_actual_date'");
}

// The server is the run's own: nothing else uses it once the run is over.
void StopServer(const SoakOptions& options)
{
    UnInitDll();
    Localdb({"stop", "--dir", options.dir});
}

// Kills the server's process outright, as a power cut would end it, and
// starts it again on the same port once it is gone.
bool KillAndRestart(const SoakOptions& options, const QString& port, SoakRandom& random)
{
    const pid_t pid = ReadText(options.dir + "/mysqld.pid").toInt();
    if (pid <= 0 || ::kill(pid, SIGKILL) != 0)
        return false;
    for (int i = 0; i < 500 && ::kill(pid, 0) == 0; ++i)
        QThread::msleep(10);
    QThread::msleep(random.Between(0, 400));  // the clients meet a server that is not there
    return Localdb({"start", "--dir", options.dir, "--port", port, "--db", kDatabase});
}

long long LinesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return file.readAll().count('\n');
}

struct Clients {
    std::vector<std::unique_ptr<QProcess>> processes;
    QStringList logs;
};

void StartClients(Clients& clients, const SoakOptions& options, const QString& port, int count, const QString& mode,
                  const QString& runDir, const QString& go)
{
    for (int i = 1; i <= count; ++i) {
        const QString log = QStringLiteral("%1/client-%2.log").arg(runDir).arg(i);
        QStringList args{"--client", QString::number(i), "--docs", QString::number(options.docs), "--seed",
                         QString::number(options.seed), "--port", port, "--db", kDatabase, "--log", log, "--year",
                         QString::number(options.year), "--mode", mode};
        if (!go.isEmpty())
            args << "--ready" << QStringLiteral("%1/ready-%2").arg(runDir).arg(i) << "--go" << go;
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(QCoreApplication::applicationFilePath(), args);
        clients.processes.push_back(std::move(process));
        clients.logs << log;
    }
}

bool WaitClients(Clients& clients)
{
    bool ok = true;
    for (auto& process : clients.processes) {
        process->waitForFinished(-1);
        ok = ok && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    }
    return ok;
}

QString FreshRunDir(const SoakOptions& options, const QString& name)
{
    const QString runDir = options.dir + "/" + name;
    QDir(runDir).removeRecursively();
    QDir().mkpath(runDir);
    return runDir;
}

// The documents saved and the seconds from the first client's start to the last one's end.
bool Rate(const QStringList& logs, std::vector<SoakEvent>& events, int& saved, double& seconds)
{
    long long first = 0, last = 0;
    saved = 0;
    for (const QString& log : logs) {
        SoakClientEnd end;
        if (!ReadSoakLog(log.toStdString(), events, &end) || !end.present)
            return false;
        first = first == 0 ? end.startMs : std::min(first, end.startMs);
        last = std::max(last, end.endMs);
        saved += end.saved;
    }
    seconds = std::max(1e-3, (last - first) / 1000.0);
    return true;
}

} // namespace

int RunSoak(const SoakOptions& options)
{
    const QString port = StartServer(options);
    if (port.isEmpty() || !Connect(port)) {
        std::fprintf(stderr, "save_soak: the server in %s did not start\n", qPrintable(options.dir));
        return 1;
    }
    SoakBaseline baseline;
    if (!ReadSoakBaseline(baseline))
        return 1;
    std::printf("save_soak: %d clients x %d documents, %d kills, seed %llu, year %d, server 127.0.0.1:%s\n",
                options.clients, options.docs, options.kills, options.seed, options.year, qPrintable(port));
    std::fflush(stdout);

    // The kills fall at random points of the run's progress, counted in the
    // lines the clients have logged.
    SoakRandom random(options.seed, 0, 0, 7);
    std::vector<long long> killAt;
    const long long expected = (long long)options.clients * options.docs;
    for (int k = 0; k < options.kills; ++k)
        killAt.push_back(expected / 20 + random.Below(int(std::max(1LL, expected * 7 / 10))));
    std::sort(killAt.begin(), killAt.end());

    const QString runDir = FreshRunDir(options, "run");
    Clients clients;
    StartClients(clients, options, port, options.clients, "mixed", runDir, QString());
    int kills = 0;
    QElapsedTimer clock;
    clock.start();
    auto running = [&] {
        return std::any_of(clients.processes.begin(), clients.processes.end(),
                           [](const auto& p) { return p->state() != QProcess::NotRunning; });
    };
    while (kills < (int)killAt.size()) {
        // Clients that ended before a kill point (on a loaded machine they may
        // save the rest while the server is started again) leave the kill to be
        // taken at once: the server then dies with every save committed and must
        // come back with all of them.
        const bool ended = !running();
        long long lines = 0;
        for (const QString& log : clients.logs)
            lines += LinesOf(log);
        if (ended || lines >= killAt[kills]) {
            if (!KillAndRestart(options, port, random)) {
                std::fprintf(stderr, "save_soak: the server could not be killed and started again\n");
                return 1;
            }
            ++kills;
            std::printf("save_soak: server killed at %.1f s after %lld logged saves, started again (%d of %d)\n",
                        clock.elapsed() / 1000.0, lines, kills, options.kills);
            std::fflush(stdout);
        }
        for (auto& p : clients.processes)
            p->waitForFinished(20);
    }
    const bool clientsOk = WaitClients(clients);

    std::vector<SoakEvent> events;
    int saved = 0;
    double seconds = 0;
    if (!Rate(clients.logs, events, saved, seconds) || !clientsOk) {
        std::fprintf(stderr, "save_soak: a client did not end its stream (see its log in %s)\n", qPrintable(runDir));
        return 1;
    }
    int outcomes[3] = {0, 0, 0};
    for (const SoakEvent& e : events)
        ++outcomes[int(e.outcome)];
    std::printf("save_soak: %zu saves and deletes logged: %d committed, %d refused, %d cut by a kill\n",
                events.size(), outcomes[0], outcomes[1], outcomes[2]);

    // The conductor's own connection died with the server: it is opened again
    // quietly before the checker reads.
    InstallSoakReports();
    SoakClient::WaitForServer(120);
    SetDbErrorHook(nullptr);
    const int failed = PrintSoakVerdicts(CheckSoakRun(events, baseline, options.year), stdout);
    std::printf("save_soak: %d new documents saved in %.1f s, %.1f documents per second, %d of %d kills\n", saved,
                seconds, saved / seconds, kills, options.kills);
    StopServer(options);
    if (kills < options.kills) {
        std::fprintf(stderr, "save_soak: the run ended before its %d kills\n", options.kills);
        return 1;
    }
    return failed == 0 ? 0 : 1;
}

int RunSoakRates(const SoakOptions& options)
{
    const QString port = StartServer(options);
    if (port.isEmpty() || !Connect(port))
        return 1;
    std::printf("documents of 1-20 lines saved per second, %d per process; the same documents' header and posting "
                "inserts through raw unixODBC\n",
                options.docs);
    std::printf("  processes   saves/s   raw/s   ratio\n");
    double lastRatio = 0;
    for (int count : {1, 4, 8}) {
        double rates[2] = {0, 0};
        const char* modes[2] = {"plain", "raw"};
        for (int m = 0; m < 2; ++m) {
            SoakOptions phase = options;
            phase.seed = options.seed + count;
            const QString runDir = FreshRunDir(options, QStringLiteral("rates-%1-%2").arg(modes[m]).arg(count));
            const QString go = runDir + "/go";
            Clients clients;
            StartClients(clients, phase, port, count, modes[m], runDir, go);
            for (int i = 1; i <= count; ++i)
                while (!QFile::exists(QStringLiteral("%1/ready-%2").arg(runDir).arg(i))
                       && clients.processes[i - 1]->state() != QProcess::NotRunning)
                    clients.processes[i - 1]->waitForFinished(5);
            QFile(go).open(QIODevice::WriteOnly);
            std::vector<SoakEvent> events;
            int saved = 0;
            double seconds = 0;
            if (!WaitClients(clients) || !Rate(clients.logs, events, saved, seconds)) {
                std::fprintf(stderr, "save_soak: a %s client failed (see %s)\n", modes[m], qPrintable(runDir));
                return 1;
            }
            rates[m] = saved / seconds;
        }
        lastRatio = rates[1] / rates[0];
        std::printf("  %9d %9.1f %7.1f %7.2f\n", count, rates[0], rates[1], lastRatio);
        std::fflush(stdout);
        if (count == 8)
            PrintFigure("raw / save rate at 8 processes", lastRatio, 2.5);
    }
    StopServer(options);
    return lastRatio <= 2.5 ? 0 : 2;
}
