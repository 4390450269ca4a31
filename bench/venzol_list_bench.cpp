// The tariffication list over the bench staff (bench/StaffData.h: 500
// employees, about 600 assignments, four forms of types 1 to 4): the list of
// statement 1 for each form type in both layouts, from the call to the
// finished page (what DisplayMessage is handed; showing it is the report
// window's), against the list's own statements (categories, departments,
// employee rows) read to the end through plain unixODBC, row by row and 256
// rows at a time, side by side in one run. Prints both ratios (target <= 3).
//
//   build/bin/venzol_list_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_venzol_list_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "TariffList.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nvenzol;

struct Measured {
    double list = 0, raw = 0, block = 0;
};


} // namespace

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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_venzol_list_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa"))
        || !FillBenchStaff(today.year(), today.month()))
        return 1;
    const std::string connection = BenchConnectionString();

    std::printf("tariffication list of statement 1 over %d employees, median of %d rounds\n", kBenchEmployees,
                options.rounds);
    std::printf("  layout  form   list, ms   raw ODBC, ms   ratio   block ODBC, ms   ratio   rows\n");
    double worst = 0;
    for (bool newVariant : {false, true})
        for (int tp = 1; tp <= kBenchForms; ++tp) {
            TariffListRequest request;
            request.nv = 1;
            request.vf = tp;
            request.tp = tp;
            request.newVariant = newVariant;
            request.d1 = request.d2 = CString(today.toString(QStringLiteral("dd.MM.yyyy")));
            request.members[0] = "2";
            std::vector<double> lists, raws, blocks;
            long rows = 0;
            for (int round = 0; round < options.rounds; ++round) {
                TariffListPage page;
                const auto start = std::chrono::steady_clock::now();
                if (!BuildTariffList(request, page) || page.total == 0) {
                    std::fprintf(stderr, "no list of form %d\n", tp);
                    return 1;
                }
                lists.push_back(SecondsSince(start));
                double raw = 0, block = 0;
                rows = 0;
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
            const Measured m{Median(lists), Median(raws), Median(blocks)};
            worst = std::max({worst, m.list / m.raw, m.list / m.block});
            std::printf("  %-7s %4d   %8.1f   %12.1f   %5.2f   %14.1f   %5.2f   %4ld\n", newVariant ? "new" : "classic",
                        tp, m.list * 1000, m.raw * 1000, m.list / m.raw, m.block * 1000, m.list / m.block, rows);
        }
    PrintFigure("tariffication list / its statements (worst)", worst, 3);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return worst <= 3 ? 0 : 2;
}
