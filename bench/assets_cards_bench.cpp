// The item list of the accounting cards of material values: the items posted
// to or from 105 up to the end of a year of 200,000 postings (50 items of 5
// responsible persons), read as the cards form reads it (MatCardItemsSql
// through ForEachRow, every column taken as the grid takes it), against the
// same union query read to the end on one plain unixODBC connection, side by
// side in one run. Prints both times and the ratio (target <= 1.5).
//
//   build/bin/assets_cards_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_bench" with the schema of db/mysql.
#include "AssetsStockYear.h"
#include "BenchSupport.h"
#include "CardListBench.h"
#include "MaterialCards.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_assets_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    if (!FillStockYear()) {
        std::fprintf(stderr, "the year of postings could not be written\n");
        return 1;
    }
    ExecuteSql("analyze table ledmark_provodki");
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));
    nledmark::MatCardFilter filter;
    filter.periodEnd = "31.12.2024";
    const CString sql = nledmark::MatCardItemsSql(filter, SqlDialect::MySql);
    const int result = CompareListReads(options, sql, {"sb", "imat", "iei", "sch"}, "items",
                                        "The cards' item list over a year of postings");
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return result;
}
