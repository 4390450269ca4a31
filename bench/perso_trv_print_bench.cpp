// The time sheet print over the bench staff (bench/StaffData.h): prn_GetTRV of
// the configuration for the largest department over the working month, from
// the call to the finished page (what the report window is handed; showing it
// is the window's), against one query of that department's marks of the month
// read to the end through plain unixODBC, row by row and 256 rows at a time,
// side by side in one run. Prints both ratios (target <= 3).
//
//   build/bin/perso_trv_print_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_perso_trv_print_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"
#include "StaffData.h"

#include <ScriptHooks.h>
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_perso_trv_print_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa"))
        || !FillBenchStaff(today.year(), today.month()))
        return 1;
    const std::string connection = BenchConnectionString();

    size_t pageBytes = 0;
    appcore::GetScriptHooks().showReport = [&](const std::string& html, const std::string&) { pageBytes = html.size(); };
    const CString d1 = GetOtpD1(today.year(), today.month());
    const CString d2 = GetOtpD2(today.year(), today.month());
    const CString prd = ExecuteString("select perso_tn_nip.prd from perso_trv join perso_tn_nip on "
                                      "perso_tn_nip.tn=perso_trv.tn and perso_tn_nip.npp=perso_trv.npp group by "
                                      "perso_tn_nip.prd order by count(*) desc, perso_tn_nip.prd limit 1");
    const CString call = FormatText("prn_GetTRV(\"%s\",\"%s\",%s)", d1, d2, prd);
    const std::string marks =
        FormatText("select perso_trv.tn,perso_trv.npp,perso_trv.d,perso_trv.t from perso_trv join perso_tn_nip on "
                   "perso_tn_nip.tn=perso_trv.tn and perso_tn_nip.npp=perso_trv.npp where perso_tn_nip.prd=%s and "
                   "perso_trv.d>=%s and perso_trv.d<=%s",
                   prd, ChangeDateUS0(d1, 0), ChangeDateUS0(d2, 0))
            .ToStdString();

    std::vector<double> prints, raws, blocks;
    long rows = 0;
    for (int round = 0; round < options.rounds; ++round) {
        pageBytes = 0;
        CString result;
        const auto start = std::chrono::steady_clock::now();
        if (!CHelpers::EXEC_GetFunctionValue(call, result, "Form.PrnTrvView") || atol(result) == 0 || pageBytes == 0) {
            std::fprintf(stderr, "no time sheet: %s\n", call.ToStdString().c_str());
            return 1;
        }
        prints.push_back(SecondsSince(start));
        const RawReadResult one = RunRawOdbcRead(connection, marks);
        const RawReadResult many = RunRawOdbcBlockRead(connection, marks);
        if (one.seconds < 0 || many.seconds < 0) {
            std::fprintf(stderr, "plain ODBC failed: %s%s\n", one.error.c_str(), many.error.c_str());
            return 1;
        }
        raws.push_back(one.seconds);
        blocks.push_back(many.seconds);
        rows = one.rows;
    }
    const double p = Median(prints), r = Median(raws), b = Median(blocks);
    std::printf("time sheet of department %s for %s-%s, median of %d rounds\n", prd.ToStdString().c_str(),
                d1.ToStdString().c_str(), d2.ToStdString().c_str(), options.rounds);
    std::printf("  print, ms   raw ODBC, ms   ratio   block ODBC, ms   ratio   marks   page bytes\n");
    std::printf("  %9.1f   %12.1f   %5.2f   %14.1f   %5.2f   %5ld   %10zu\n", p * 1000, r * 1000, p / r, b * 1000, p / b,
                rows, pageBytes);
    const double worst = std::max(p / r, p / b);
    PrintFigure("time sheet print / its marks read (worst)", worst, 3);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return worst <= 3 ? 0 : 2;
}
