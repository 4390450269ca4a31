// The summary of the tariffication over the bench staff (bench/StaffData.h):
// statements 1, 2 and 3 as of today, from the call to the finished page (what
// DisplayMessage is handed; showing it is the report window's), against the
// summary's own statements (pay forms, categories, the rows of each category)
// read to the end through plain unixODBC, row by row and 256 rows at a time,
// side by side in one run. Prints both ratios (target <= 3).
//
//   build/bin/venzol_svod_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_venzol_svod_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "TariffSummary.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("VORNAL_PROFILE_DIR", profile.path().toUtf8());
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 5);
    const QDate today = QDate::currentDate();
    if (!StartBenchDatabase(options, QStringLiteral("vornal_venzol_svod_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa"))
        || !FillBenchStaff(today.year(), today.month()))
        return 1;
    const std::string connection = BenchConnectionString();

    nvenzol::TariffSummaryRequest request;
    request.d1 = request.d2 = CString(today.toString(QStringLiteral("dd.MM.yyyy")));
    request.condition = "and (ssv1.nv=1 or ssv1.nv=2 or ssv1.nv=3)";
    request.titles = "1, 2, 3";
    std::vector<double> summaries, raws, blocks;
    long rows = 0;
    size_t statements = 0;
    for (int round = 0; round < options.rounds; ++round) {
        nvenzol::TariffSummaryPage page;
        const auto start = std::chrono::steady_clock::now();
        if (!nvenzol::BuildTariffSummary(request, page) || page.total.all[1] == 0) {
            std::fprintf(stderr, "no summary\n");
            return 1;
        }
        summaries.push_back(SecondsSince(start));
        double raw = 0, block = 0;
        rows = 0;
        statements = page.statements.size();
        for (const CString& sql : page.statements) {
            const RawReadResult one = RunRawOdbcRead(connection, sql.ToStdString());
            const RawReadResult many = RunRawOdbcBlockRead(connection, sql.ToStdString());
            if (one.seconds < 0 || many.seconds < 0) {
                std::fprintf(stderr, "plain ODBC failed: %s%s\n", one.error.c_str(), many.error.c_str());
                return 1;
            }
            raw += one.seconds;
            block += many.seconds;
            rows += one.rows;
        }
        raws.push_back(raw);
        blocks.push_back(block);
    }
    const double s = Median(summaries), r = Median(raws), b = Median(blocks);
    std::printf("summary of statements 1-3 over %d employees, median of %d rounds\n", kBenchEmployees, options.rounds);
    std::printf("  summary, ms   raw ODBC, ms   ratio   block ODBC, ms   ratio   statements   rows\n");
    std::printf("  %11.1f   %12.1f   %5.2f   %14.1f   %5.2f   %10zu   %4ld\n", s * 1000, r * 1000, s / r, b * 1000,
                s / b, statements, rows);
    const double worst = std::max(s / r, s / b);
    PrintFigure("summary of tariffication / its statements (worst)", worst, 3);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return worst <= 3 ? 0 : 2;
}
