// The pay slips of the bench employees as the pay-slip form writes them
// ("Расчетный лист": one temporary-file page, each employee's piece from the
// calculation library written in turn), against the very reads the pieces
// sent, sent again through plain unixODBC on one connection. Prints the
// times and the ratio (target: at most 1.5 times: the page adds no query of
// its own).
//
//   build/bin/paymar_slips_bench [--dir D] [--port P] [--rounds N]
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "PayrollData.h"
#include "PayrollPage.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "StatementCapture.h"

#include <gridbase.h>
#include <ncalcset.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <chrono>
#include <cstdio>

namespace {

constexpr long kYear = 2024;
constexpr long kMonth = 3;

struct Figure {
    double seconds = 0;
    double raw = 0;
    size_t statements = 0;
    long long bytes = 0;
};

// The month's employees, as the selection form lists them ticked.
std::vector<long> Employees()
{
    std::vector<long> employees;
    ForEachRow(FormatText("select tn from paymar_m where g=%ld and ms=%ld order by tn", kYear, kMonth),
               [&](_RecordsetPtr& row) { employees.push_back(atol(SafeArayToString(row->GetCollect("tn")))); });
    return employees;
}

bool Measure(const BenchOptions& options, const std::vector<long>& employees, Figure& figure)
{
    const std::string raw = BenchConnectionString();
    std::vector<double> layer, plain;
    for (int round = 0; round < options.rounds; ++round) {
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        npaymar::PayrollPage page(10, "Расчетный лист");
        bool written = page.Start();
        for (long tn : employees) {
            bool ok = true;
            written = written && page.WritePiece(GetRaschList(FormatText("%ld", tn), kMonth, ok)) && ok;
        }
        written = written && page.Write("</body></html>");
        layer.push_back(SecondsSince(start));
        const std::vector<std::string> statements = capture.statements();
        const RawReadResult read = RunRawOdbcReads(raw, statements);
        if (!written || read.seconds < 0) {
            std::fprintf(stderr, "the pay slips failed: %s\n", read.error.c_str());
            return false;
        }
        plain.push_back(read.seconds);
        figure.statements = statements.size();
        figure.bytes = QFileInfo(page.FileName().ToQString()).size();
        QFile::remove(page.FileName().ToQString());
    }
    figure.seconds = Median(layer);
    figure.raw = Median(plain);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_slips_bench")))
        return 1;
    g_lYear = kYear;
    g_lMonth = kMonth;
    g_lTN = 1;
    if (!FillBenchStaff(kYear, kMonth) || !FillBenchPayroll(kYear, kMonth) || !FillBenchPayrollYear(kYear)) {
        std::fprintf(stderr, "filling the bench payroll failed\n");
        return 1;
    }
    const std::vector<long> employees = Employees();
    // A first round warms the server's pages.
    Figure warm, slips;
    BenchOptions once = options;
    once.rounds = 1;
    if (!Measure(once, employees, warm) || !Measure(options, employees, slips))
        return 1;
    std::printf("pay slips of %zu employees, median of %d rounds\n", employees.size(), options.rounds);
    std::printf("  the page of pay slips:   %9.2f ms   raw %9.2f ms   %4zu statements, page %lld bytes\n",
                slips.seconds * 1000, slips.raw * 1000, slips.statements, slips.bytes);
    PrintFigure("pay slips / raw", slips.seconds / slips.raw, 1.5);
    UnInitDll();
    return slips.seconds / slips.raw <= 1.5 ? 0 : 2;
}
