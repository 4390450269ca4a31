// Start-up of the program vornal with login arguments, from process start to
// the main frame shown (offscreen), beside a minimal Qt Widgets program that
// shows one main window; both run as fresh processes, round after round, and
// the medians and their ratio are printed (target: at most 3).
//
//   build/bin/vornal_startup_bench [--dir D] [--port P] [--rounds N]
//
// The benchmark starts itself as the program: with VORNAL_BENCH_CHILD set it
// is the program vornal (the same application class), which closes its main
// frame once it has been shown.
#include "BenchSupport.h"
#include "CVornalApp.h"
#include "app/AfxWinMain.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

class ShownAndClosedApp : public CVornalApp {
public:
    BOOL InitInstance() override
    {
        if (!CVornalApp::InitInstance())
            return FALSE;
        QTimer::singleShot(0, [this] {
            std::puts("shown");
            std::fflush(stdout);
            g_bAskExit = FALSE;
            m_pMainWnd->SendMessage(WM_CLOSE);
        });
        return TRUE;
    }
};

// Milliseconds from starting `program` to its end; -1 when it did not show its window.
double TimeRun(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    const QByteArray output = process.readAll();
    if (!output.contains("shown")) {
        std::fprintf(stderr, "%s did not show its window:\n%s\n", qPrintable(program), output.constData());
        return -1;
    }
    return elapsed;
}

int RunBench(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    const QString database = QStringLiteral("vornal_startup_bench");
    if (!StartBenchDatabase(options, database)) {
        std::fprintf(stderr, "the local database server did not start\n");
        return 1;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VORNAL_CONFIG_ARCHIVE", VORNAL_BIN_DIR "/vornal.cfa");
    QProcessEnvironment child = environment;
    child.insert("VORNAL_BENCH_CHILD", "1");
    const QStringList login = {"-1", "-123", "-1", "-", "-" + database, "-root", "-127.0.0.1:" + options.port, "-0"};
    const QString minimal = QStringLiteral(VORNAL_BIN_DIR "/qt_minimal_window");
    // One run of each first: files cached, the profile written.
    if (TimeRun(minimal, {}, environment) < 0 || TimeRun(app.applicationFilePath(), login, child) < 0)
        return 1;
    std::vector<double> minimalTimes, vornalTimes;
    for (int round = 0; round < options.rounds; ++round) {
        minimalTimes.push_back(TimeRun(minimal, {}, environment));
        vornalTimes.push_back(TimeRun(app.applicationFilePath(), login, child));
        if (minimalTimes.back() < 0 || vornalTimes.back() < 0)
            return 1;
    }
    const double minimalMs = Median(minimalTimes), vornalMs = Median(vornalTimes);
    std::printf("start-up to the main frame shown, median of %d rounds\n", options.rounds);
    std::printf("  minimal Qt Widgets program: %8.1f ms\n", minimalMs);
    std::printf("  vornal with login arguments: %8.1f ms\n", vornalMs);
    std::printf("  ratio: %.2f (target: at most 3)\n", vornalMs / minimalMs);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("VORNAL_BENCH_CHILD")) {
        static ShownAndClosedApp program;
        return AfxWinMain(argc, argv);
    }
    return RunBench(argc, argv);
}
