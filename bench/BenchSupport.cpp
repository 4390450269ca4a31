#include "BenchSupport.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdio>

namespace {

bool Localdb(const QStringList& arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.start(QStringLiteral(VORNAL_SOURCE_DIR "/tools/localdb"), arguments);
    return tool.waitForFinished(120000) && tool.exitCode() == 0;
}

} // namespace

BenchOptions ParseBenchOptions(const QStringList& args, int rounds)
{
    BenchOptions options;
    options.dir = QDir::homePath() + QStringLiteral("/.local/share/vornal/bench-localdb");
    options.rounds = rounds;
    for (qsizetype i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--dir"))
            options.dir = args[i + 1];
        else if (args[i] == QLatin1String("--port"))
            options.port = args[i + 1];
        else if (args[i] == QLatin1String("--rounds"))
            options.rounds = std::max(1, args[i + 1].toInt());
    }
    return options;
}

bool StartBenchDatabase(const BenchOptions& options, const QString& database)
{
    if (!Localdb({"start", "--dir", options.dir, "--port", options.port, "--db", database})
        || !Localdb({"newdb", database, "--dir", options.dir}))
        return false;
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("127.0.0.1:") + options.port));
    SetDataBaseName(CString(database));
    SetUserID("root");
    SetUserPassword("");
    return InitDll() != 0;
}

bool StartBenchScripts(const QString& archive)
{
    appcore::ScriptHooks& hooks = appcore::GetScriptHooks();
    hooks.reportError = [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); };
    hooks.messageBox = [](const std::string& text, const std::string&, unsigned) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return appcore::kIdOk;
    };
    hooks.log = [](const std::string&) {};
    if (!GetDataArchive()->LoadFile(archive.toUtf8().constData()))
        return false;
    return CInterpriter::mcc_dll_Global_init0() && CInterpriter::GetMain()->LoadConfiguration(*GetDataArchive());
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
