// Opening the report by sources of financing ("hlam0") over 200,000 postings
// of a year: the form opened by its document name as the menu does, until
// its grid of the sources found in the postings is filled, against the same
// query read to the end through plain unixODBC, side by side in one run.
// Prints the times and the ratio (target <= 1.5).
//
//   build/bin/hlam0_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_hlam0_bench"; the profile is a temporary
// folder of its own.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CHlam0View.h"
#include "CLedmark.h"
#include "LedgerBenchProgram.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2025;

// Postings of the four sources on both sides, spread over the year.
bool FillYear(int postings)
{
    CString lines;
    lines.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kbk_deb,kred0,kred1,kred2,kred3,"
                 "kbk_kred,s,prim,fil_id) select seq div 100 + 1, seq mod 100 + 1, "
                 "'%d-01-01' + interval (seq mod 365) day, 1 + seq mod 4, '302','11','730', 1 + seq mod 6, "
                 "1 + (seq + 1) mod 4, '201','11','610', 1 + seq mod 6, (seq mod 10000) + 0.25, "
                 "concat('Оплата № ', seq), 1 + seq mod 2 from seq_0_to_%d",
                 kYear, postings - 1);
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql(lines);
}

// Opens the report's form until its grid of sources is filled; the number
// of sources it shows (0 when it failed).
long OpenReport(CMDIFrameWnd* frame)
{
    if (CHelpers::FN_OpenDocument0("hlam0", 0, nullptr) != 1)
        return 0;
    CMDIChildWnd* child = frame->MDIGetActive();
    auto* view = child ? dynamic_cast<CHlam0View*>(child->GetActiveView()) : nullptr;
    return view ? view->m_grid.GetNRows() : 0;
}

double Seconds(long& result, CMDIFrameWnd* frame)
{
    const auto start = std::chrono::steady_clock::now();
    result = OpenReport(frame);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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
    const qsizetype rowsAt = qt.arguments().indexOf(QStringLiteral("--rows"));
    const int rows = rowsAt < 0 ? 200000 : std::max(1000, qt.arguments().value(rowsAt + 1).toInt());
    if (!StartBenchDatabase(options, QStringLiteral("vornal_hlam0_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillYear(rows))
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    const std::string sql = CSelectIFView::SourcesSql(ChangeDateUS0(GetDPV2(), 0)).ToStdString();
    const std::string connection = BenchConnectionString();

    std::vector<double> form, plain;
    for (int round = 0; round < options.rounds; ++round) {
        long sources = 0;
        form.push_back(Seconds(sources, frame));
        AfxGetApp()->CloseAllDocuments(TRUE);
        QApplication::processEvents();
        const RawReadResult raw = RunRawOdbcRead(connection, sql);
        if (sources != 4 || raw.seconds < 0 || raw.rows != 4) {
            std::fprintf(stderr, "the form showed %ld sources, plain ODBC read %ld %s\n", sources, raw.rows,
                         raw.error.c_str());
            return 1;
        }
        plain.push_back(raw.seconds);
    }
    const double opened = Median(form), read = Median(plain);
    std::printf("report by sources of financing over %d postings of a year, median of %d rounds\n", rows,
                options.rounds);
    std::printf("  form opened, sources grid filled:      %8.1f ms\n", opened * 1000);
    std::printf("  plain ODBC, the same query to the end: %8.1f ms\n", read * 1000);
    PrintFigure("form / query", opened / read, 1.5);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return opened / read <= 1.5 ? 0 : 2;
}
