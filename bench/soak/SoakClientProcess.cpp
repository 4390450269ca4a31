#include "SoakClientProcess.h"

#include "../RawOdbcDocuments.h"
#include "SoakClient.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QDateTime>
#include <QFile>
#include <QThread>
#include <cstdio>

using namespace nledmark;

namespace {

bool Connect(const SoakClientArgs& args)
{
    SetDriverId(1);
    SetServerName(CString(QStringLiteral("127.0.0.1:") + args.port));
    SetDataBaseName(CString(args.database));
    SetUserID("root");
    SetUserPassword("");
    return InitDll() != 0;
}

bool LoadScripts()
{
    if (!GetDataArchive()->LoadFile(VORNAL_BIN_DIR "/vornal.cfa"))
        return false;
    return CInterpriter::mcc_dll_Global_init0() && CInterpriter::GetMain()->LoadConfiguration(*GetDataArchive());
}

long long NowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

void WaitForStart(const SoakClientArgs& args)
{
    if (!args.ready.isEmpty()) {
        QFile ready(args.ready);
        ready.open(QIODevice::WriteOnly);
    }
    while (!args.go.isEmpty() && !QFile::exists(args.go))
        QThread::msleep(5);
}

// The yardstick: the same documents as the plain stream, their header and
// posting statements made by the record and the posting script beforehand,
// then sent through plain unixODBC, one transaction each.
int RunRaw(const SoakClientArgs& args, const SoakChart& chart, SoakLogFile& log)
{
    std::vector<std::vector<std::string>> documents;
    const std::vector<SoakKind>& kinds = SoakKinds();
    for (int seq = 1; seq <= args.docs; ++seq) {
        SoakRandom pick(args.seed, args.client, seq, 0);
        const SoakKind& kind = kinds[pick.Below((int)kinds.size())];
        SoakRandom random(args.seed, args.client, seq, 1);
        SoakRequest request;
        request.tag = FormatText("Справка %d-%d", args.client, seq);
        request.number = FormatText("%d", seq);
        SoakDraft draft = kind.make(random, chart, request);
        const long id = 50000000 + args.client * 100000 + seq;
        CString batch = draft.record->HeaderInsertSql(id) + "\n";
        if (!AppendPostingStatements(id, draft.date, draft.branch, draft.postings(), batch))
            return 1;
        std::vector<std::string> statements;
        for (const QString& line : batch.ToQString().split('\n', Qt::SkipEmptyParts))
            statements.push_back(line.toStdString());
        documents.push_back(std::move(statements));
    }
    const std::string connection =
        BuildConnectionString(1, GetServerName(), GetDataBaseName(), "root", "").ToStdString();
    WaitForStart(args);
    const long long start = NowMs();
    std::string error;
    if (RunRawOdbcDocuments(connection, documents, error) < 0) {
        std::fprintf(stderr, "client %d: raw ODBC failed: %s\n", args.client, error.c_str());
        return 1;
    }
    log.WriteEnd(start, NowMs(), args.docs);
    return 0;
}

} // namespace

int RunSoakClientProcess(const SoakClientArgs& args)
{
    InstallSoakReports();
    SoakLogFile log(args.log.toStdString());
    // A client may start while the server is being killed: it waits as it
    // would for any broken connection.
    bool connected = Connect(args);
    for (int attempt = 0; !connected && attempt < 600; ++attempt) {
        QThread::msleep(100);
        connected = InitDll() != 0;
    }
    if (!log.IsOpen() || !connected || !LoadScripts()) {
        std::fprintf(stderr, "client %d: could not start (log, connection or configuration)\n", args.client);
        return 1;
    }
    g_lTN = 1;
    g_lYear = args.year;
    SoakChart chart;
    bool read = false;
    for (int attempt = 0; !read && attempt < 20; ++attempt) {
        read = SoakClient::WaitForServer(120) && chart.Read();
        if (!read)
            chart = SoakChart();
    }
    if (!read) {
        std::fprintf(stderr, "client %d: the chart could not be read\n", args.client);
        return 1;
    }
    int code = 0;
    if (args.mode == SoakClientArgs::Mode::Raw) {
        code = RunRaw(args, chart, log);
    } else {
        WaitForStart(args);
        SoakClient client(chart, &log, args.client, args.seed);
        const long long start = NowMs();
        const int saved = client.Run(args.docs, args.mode == SoakClientArgs::Mode::Mixed);
        log.WriteEnd(start, NowMs(), saved);
    }
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return code;
}
