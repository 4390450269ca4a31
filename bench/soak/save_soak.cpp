// The save soak: many clients save, re-save and delete documents at once
// through the code the forms use while the server is killed under them, and
// a checker proves afterwards that nothing was lost, nothing doubled and
// every document is whole or absent.
//
//   build/bin/save_soak --clients N --docs M [--kill K] [--seed S] [--dir D] [--port P] [--year Y]
//   build/bin/save_soak --rates [--docs M] [--seed S] [--dir D] [--port P]
//
// It starts a server of its own (tools/localdb in D, by default
// ~/.local/share/vornal/save-soak-localdb, on port P, by default a free one)
// with a fresh database "vornal_save_soak" of the schema and demo data of
// db/mysql, and starts itself N times as a client (--client I ...); the
// server is stopped when the run ends well. The clients' logs are left in
// D/run. --rates prints the documents saved per
// second from 1, 4 and 8 processes beside raw inserts of the same rows.
#include "SoakClientProcess.h"
#include "SoakConductor.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <cstdio>

namespace {

QString Value(const QStringList& args, const char* name, const QString& otherwise = QString())
{
    const qsizetype at = args.indexOf(QLatin1String(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : otherwise;
}

int Usage()
{
    std::fprintf(stderr, "usage: save_soak --clients N --docs M [--kill K] [--seed S] [--dir D] [--port P] [--year Y]\n"
                         "       save_soak --rates [--docs M] [--seed S] [--dir D] [--port P]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // A client's save may tell its user what a cut connection did (a message
    // box): its windows are made offscreen and answered by the client.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int year = Value(args, "--year", QString::number(QDate::currentDate().year())).toInt();
    if (args.contains(QLatin1String("--client"))) {
        SoakClientArgs client;
        client.client = Value(args, "--client").toInt();
        client.docs = Value(args, "--docs").toInt();
        client.seed = Value(args, "--seed").toULongLong();
        client.port = Value(args, "--port");
        client.database = Value(args, "--db");
        client.log = Value(args, "--log");
        client.year = year;
        const QString mode = Value(args, "--mode", "mixed");
        client.mode = mode == QLatin1String("raw")     ? SoakClientArgs::Mode::Raw
                      : mode == QLatin1String("plain") ? SoakClientArgs::Mode::Plain
                                                       : SoakClientArgs::Mode::Mixed;
        client.ready = Value(args, "--ready");
        client.go = Value(args, "--go");
        return RunSoakClientProcess(client);
    }
    SoakOptions options;
    options.clients = Value(args, "--clients", "4").toInt();
    options.docs = Value(args, "--docs", args.contains(QLatin1String("--rates")) ? "100" : "25").toInt();
    options.kills = Value(args, "--kill", "0").toInt();
    options.seed = Value(args, "--seed", "1").toULongLong();
    options.dir = Value(args, "--dir", QDir::homePath() + "/.local/share/vornal/save-soak-localdb");
    options.port = Value(args, "--port", "auto");
    options.year = year;
    if (options.clients < 1 || options.docs < 1 || options.kills < 0 || year < 2000)
        return Usage();
    options.dir = QDir(options.dir).absolutePath();
    return args.contains(QLatin1String("--rates")) ? RunSoakRates(options) : RunSoak(options);
}
