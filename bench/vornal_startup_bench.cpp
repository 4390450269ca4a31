// Start-up of the program vornal with login arguments, from process start to
// the first paint of its main frame (offscreen), beside two yardsticks: a
// minimal Qt Widgets program that shows one main window, and a Qt program
// that connects through unixODBC with the same connection string, runs one
// query and paints its answer in a label. All run as fresh processes, round
// after round, and the medians and ratios are printed (target: at most 1.5
// times the connecting program). Each program prints "shown" with the
// monotonic clock's time at its window's first paint;
// the time counts from just before the process was started. The processor
// time is the whole run's, ending included.
//
//   build/bin/vornal_startup_bench [--dir D] [--port P] [--rounds N]
//
// The benchmark starts itself as the program: with VORNAL_BENCH_CHILD set it
// is the program vornal (the same application class), which closes its main
// frame once it has been shown.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CVornalApp.h"
#include "app/AfxWinMain.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

long long MonotonicNs()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Tells "shown" at the main frame's first paint, as the yardsticks do, and
// closes the frame.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(CWnd* frame) : m_frame(frame) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_told) {
            m_told = true;
            std::printf("shown %lld\n", MonotonicNs());
            std::fflush(stdout);
            QTimer::singleShot(0, [frame = m_frame] {
                g_bAskExit = FALSE;
                frame->SendMessage(WM_CLOSE);
            });
        }
        return false;
    }

private:
    CWnd* m_frame;
    bool m_told = false;
};

class ShownAndClosedApp : public CVornalApp {
public:
    BOOL InitInstance() override
    {
        if (!CVornalApp::InitInstance())
            return FALSE;
        QWidget* frame = m_pMainWnd->GetQWidget();
        frame->installEventFilter(new FirstPaint(m_pMainWnd));
        frame->update();
        return TRUE;
    }
};

struct Run {
    double wallMs = -1;  // from starting the process to its window shown; -1: it did not show it
    double cpuMs = 0;    // the processor time it took (user and system)
};

double ChildrenCpuMs()
{
    rusage usage = {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

Run TimeRun(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    Run run;
    const double cpuBefore = ChildrenCpuMs();
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    const long long started = MonotonicNs();
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return run;
    const QByteArray output = process.readAll();
    const qsizetype at = output.indexOf("shown ");
    if (at < 0) {
        std::fprintf(stderr, "%s did not show its window:\n%s\n", qPrintable(program), output.constData());
        return run;
    }
    const long long shown = output.mid(at + 6, output.indexOf('\n', at) - at - 6).trimmed().toLongLong();
    run.wallMs = double(shown - started) / 1e6;
    run.cpuMs = ChildrenCpuMs() - cpuBefore;
    return run;
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
    // A profile of its own: the user's stays as it is.
    QTemporaryDir profile;
    environment.insert("VORNAL_PROFILE_DIR", profile.path());
    QProcessEnvironment child = environment;
    child.insert("VORNAL_BENCH_CHILD", "1");
    const QStringList login = {"-1", "-123", "-1", "-", "-" + database, "-root", "-127.0.0.1:" + options.port, "-0"};
    const QString minimal = QStringLiteral(VORNAL_BIN_DIR "/qt_minimal_window");
    // The connecting yardstick: the same connection string, one query, its answer painted.
    const QString connecting = QStringLiteral(VORNAL_BIN_DIR "/qt_odbc_window");
    const QStringList query = {
        BuildConnectionString(1, CString(QStringLiteral("127.0.0.1:") + options.port), CString(database), "root", "")
            .ToQString(),
        QStringLiteral("select concat(f, ' ', i, ' ', o) from tn where tn=1")};
    // One run of each first: files cached, the profile written.
    if (TimeRun(minimal, {}, environment).wallMs < 0 || TimeRun(connecting, query, environment).wallMs < 0
        || TimeRun(app.applicationFilePath(), login, child).wallMs < 0)
        return 1;
    std::vector<double> minimalWall, connectingWall, vornalWall, minimalCpu, connectingCpu, vornalCpu;
    for (int round = 0; round < options.rounds; ++round) {
        const Run a = TimeRun(minimal, {}, environment);
        const Run c = TimeRun(connecting, query, environment);
        const Run b = TimeRun(app.applicationFilePath(), login, child);
        if (a.wallMs < 0 || b.wallMs < 0 || c.wallMs < 0)
            return 1;
        minimalWall.push_back(a.wallMs);
        connectingWall.push_back(c.wallMs);
        vornalWall.push_back(b.wallMs);
        minimalCpu.push_back(a.cpuMs);
        connectingCpu.push_back(c.cpuMs);
        vornalCpu.push_back(b.cpuMs);
    }
    std::printf("start-up to the first paint of the main window, median of %d rounds (wall clock; processor time)\n",
                options.rounds);
    std::printf("  minimal Qt Widgets program:            %8.1f ms; %8.1f ms\n", Median(minimalWall), Median(minimalCpu));
    std::printf("  Qt program, one query through ODBC:    %8.1f ms; %8.1f ms\n", Median(connectingWall),
                Median(connectingCpu));
    std::printf("  vornal with login arguments:           %8.1f ms; %8.1f ms\n", Median(vornalWall), Median(vornalCpu));
    std::printf("  ratio to the minimal program: %.2f; processor time %.2f\n", Median(vornalWall) / Median(minimalWall),
                Median(vornalCpu) / Median(minimalCpu));
    std::printf("  processor time to the connecting program: %.2f\n", Median(vornalCpu) / Median(connectingCpu));
    PrintFigure("start-up / the connecting program", Median(vornalWall) / Median(connectingWall), 1.5);
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
