// The monthly accrual run as the clerk's command runs it, without its window:
// the worker's function on a thread of its own with its own session and
// interpreter (the month's accruals by the script r_nach, the child-care
// allowance of 40 mothers on leave with their averages, call sp_paymar_ru, in
// one transaction), over the bench staff of 500 and of 5,000 employees with a
// year of history; and the average daily earnings of all 500. Each against the
// same statements, heard as the layer sent them, replayed through plain
// unixODBC on one connection in one transaction, side by side in one run.
// Prints the times, the ratios (targets: run and averages at most 1.5 times
// their yardsticks, the 5,000 run at most 10 times the 500 one) and the
// statement counts.
//
//   build/bin/paymar_run_bench [--dir D] [--port P] [--rounds N]
#include "AccrualRun.h"
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPaymar.h"
#include "PayrollData.h"
#include "RawOdbcInsert.h"
#include "StaffData.h"
#include "StatementCapture.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <QDate>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

struct Figure {
    double seconds = 0;
    double raw = 0;
    size_t statements = 0;
};

// The run of the working month on a worker thread: seconds, or < 0 on failure.
double TimeRun(long year, long month, std::vector<std::string>& statements)
{
    npaymar::AccrualRun run;
    run.year = year;
    run.month = month;
    StatementCapture capture;
    const auto start = std::chrono::steady_clock::now();
    std::thread worker([&] { npaymar::RunAccrualOnThisThread(run); });
    worker.join();
    const double seconds = SecondsSince(start);
    statements = capture.statements();
    return run.succeeded ? seconds : -1;
}

bool Measure(const BenchOptions& options, long year, long month, Figure& figure)
{
    std::vector<double> layer, plain;
    const std::string raw = BenchConnectionString();
    for (int round = 0; round < options.rounds; ++round) {
        std::vector<std::string> statements;
        const double seconds = TimeRun(year, month, statements);
        std::string error;
        const double replay = RunRawOdbcReplay(raw, statements, error);
        if (seconds < 0 || replay < 0) {
            std::fprintf(stderr, "the run failed: %s\n", error.c_str());
            return false;
        }
        layer.push_back(seconds);
        plain.push_back(replay);
        figure.statements = statements.size();
    }
    figure.seconds = Median(layer);
    figure.raw = Median(plain);
    return true;
}

bool MeasureAverages(const BenchOptions& options, const QDate& first, Figure& figure)
{
    std::vector<CString> staff;
    ForEachRow("select tn from tn where kat is not null order by tn",
               [&](_RecordsetPtr& row) { staff.push_back(SafeArayToString(row->GetCollect("tn"))); });
    const CString date = first.toString(QStringLiteral("dd.MM.yyyy")).toUtf8().constData();
    std::vector<double> layer, plain;
    const std::string raw = BenchConnectionString();
    for (int round = 0; round < options.rounds; ++round) {
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        long answered = 0;
        for (const CString& tn : staff) {
            CString filter;
            answered += !npaymar::CPaymar::BOL_SRED_DAY(tn, date, "21", nullptr, filter, 12).IsEmpty();
        }
        layer.push_back(SecondsSince(start));
        const std::vector<std::string> statements = capture.statements();
        std::string error;
        const double replay = RunRawOdbcReplay(raw, statements, error);
        if (replay < 0 || answered == 0) {
            std::fprintf(stderr, "the averages failed: %s\n", error.c_str());
            return false;
        }
        plain.push_back(replay);
        figure.statements = statements.size();
    }
    figure.seconds = Median(layer);
    figure.raw = Median(plain);
    return true;
}

bool Fill(long year, long month, int employees)
{
    if (!FillBenchStaff(year, month, employees) || !FillBenchPayroll(year, month)
        || !FillBenchPayrollHistory(year, month)) {
        std::fprintf(stderr, "filling the bench payroll of %d failed\n", employees);
        return false;
    }
    return true;
}

void Print(const char* what, const Figure& f)
{
    std::printf("  %-46s %9.2f ms   raw %9.2f ms   %6zu statements\n", what, f.seconds * 1000, f.raw * 1000,
                f.statements);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_run_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    const QDate today = QDate::currentDate();
    const long year = today.year(), month = today.month();
    g_lYear = year;
    g_lMonth = month;
    g_lTN = 1;
    const QDate first(int(year), int(month), 1);

    Figure run500, averages, run5000;
    if (!Fill(year, month, kBenchEmployees) || !Measure(options, year, month, run500)
        || !MeasureAverages(options, first, averages))
        return 1;
    const long children = (long)ExecuteCount(
        FormatText("select count(*) from paymar_nu where g=%ld and ms=%ld and kou=21", year, month));
    if (!Fill(year, month, 10 * kBenchEmployees) || !Measure(options, year, month, run5000))
        return 1;

    std::printf("monthly accrual run, median of %d rounds (%ld allowances paid)\n", options.rounds, children);
    Print("the run, 500 employees", run500);
    Print("the averages of 500 employees", averages);
    Print("the run, 5,000 employees", run5000);
    PrintFigure("run of 500 / raw", run500.seconds / run500.raw, 1.5);
    PrintFigure("averages of 500 / raw", averages.seconds / averages.raw, 1.5);
    PrintFigure("run of 5,000 / run of 500", run5000.seconds / run500.seconds, 10);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    const bool met = run500.seconds / run500.raw <= 1.5 && averages.seconds / averages.raw <= 1.5
                     && run5000.seconds / run500.seconds <= 10;
    return met ? 0 : 2;
}
