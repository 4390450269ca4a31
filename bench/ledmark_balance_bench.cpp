// A balance over a year of 500,000 postings: GL_GetOst0 through the script
// bridge (call text, interpreter, the configuration's balance script, the
// database layer) against the same single SQL aggregate run directly on the
// database layer's connection, side by side in one run. Prints both times and
// the ratio (target <= 1.5: the bridge must add no work per posting).
//
//   build/bench/ledmark_balance_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledmark_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "ledmark.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

// The single aggregate the balance script runs for a budget cash balance at
// 01.01.2025 (one index range per side of the account).
const char* const kDirect =
    "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,coalesce(sum(kq),0) as kq "
    "from (select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki "
    "where deb1='201' and deb2='34' and deb0='1' and d<'2025-01-01' "
    "union all select 0,sum(s),0,sum(kol) from ledmark_provodki "
    "where kred1='201' and kred2='34' and kred0='1' and d<'2025-01-01') q";


double Seconds(const std::function<void()>& body)
{
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The direct aggregate on the layer's connection, its four figures read as text.
CString RunDirect()
{
    _RecordsetPtr rs;
    rs.CreateInstance(__uuidof(Recordset));
    rs->Open(kDirect, GetConnection().GetInterfacePtr(), adOpenForwardOnly, adLockReadOnly, adCmdText);
    CString figures;
    for (const char* name : {"ds", "ks", "dq", "kq"}) {
        figures += figures.IsEmpty() ? "" : "@";
        figures += (const char*)_bstr_t(rs->GetCollect(name));
    }
    rs->Close();
    return figures;
}


} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    const int rounds = options.rounds;
    if (!StartBenchDatabase(options, QStringLiteral("vornal_ledmark_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    const double fill = Seconds([] { ExecuteSql("delete from ledmark_provodki\nanalyze table ledmark_provodki"); });
    const double filled = Seconds([] { ExecuteSql(kBenchYearOfPostings); });
    ExecuteSql("analyze table ledmark_provodki");
    const long long postings = ExecuteCount("select count(*) from ledmark_provodki");
    std::printf("%lld postings written in %.1f s (%.1f s to clear)\n", postings, filled, fill);

    // Both answers must be the same figures before the times mean anything.
    const CString bridge = GL_GetOst0("01.01.2025", "120134000", "", "", "", -2, "", "");
    const CString direct = RunDirect();
    std::printf("GL_GetOst0 answer %s; direct aggregate %s\n", (const char*)bridge, (const char*)direct);
    if (bridge.IsEmpty())
        return 1;

    std::vector<double> bridgeTimes, directTimes;
    for (int round = 0; round < rounds; ++round) {
        bridgeTimes.push_back(Seconds([] { GL_GetOst0("01.01.2025", "120134000", "", "", "", -2, "", ""); }));
        directTimes.push_back(Seconds([] { RunDirect(); }));
    }
    const double viaBridge = Median(bridgeTimes), plain = Median(directTimes);
    std::printf("balance of 1 201 34 over a year, median of %d rounds\n", rounds);
    std::printf("  GL_GetOst0 through the script:  %8.2f ms\n", viaBridge * 1000);
    std::printf("  the same aggregate, direct:     %8.2f ms\n", plain * 1000);
    PrintFigure("script / direct", viaBridge / plain, 1.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return viaBridge / plain <= 1.5 ? 0 : 2;
}
