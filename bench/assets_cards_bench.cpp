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
#include "MaterialCards.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace {

// The rows of the item list as the form fills its grid; -1 on a failure.
long ReadItems(const CString& sql)
{
    long rows = 0;
    CString text;
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        for (const char* column : {"sb", "imat", "iei", "sch"})
            text = SafeArayToString(rs->GetCollect(column));
        ++rows;
    });
    return read < 0 ? -1 : rows;
}

} // namespace

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
    const std::string raw = BenchConnectionString();

    // Both must list the same items before the times mean anything.
    const long items = ReadItems(sql);
    const RawReadResult check = RunRawOdbcRead(raw, (LPCTSTR)sql);
    if (items <= 0 || check.seconds < 0 || check.rows != items) {
        std::fprintf(stderr, "the lists differ: %ld against %ld %s\n", items, check.rows, check.error.c_str());
        return 1;
    }
    std::printf("%ld items listed by both\n", items);

    std::vector<double> viaForm, plain;
    for (int round = 0; round < options.rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (ReadItems(sql) != items) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        viaForm.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        const RawReadResult read = RunRawOdbcRead(raw, (LPCTSTR)sql);
        if (read.seconds < 0) {
            std::fprintf(stderr, "a plain run failed %s\n", read.error.c_str());
            return 1;
        }
        plain.push_back(read.seconds);
    }
    const double a = Median(viaForm), b = Median(plain);
    std::printf("The cards' item list over a year of postings, median of %d rounds\n", options.rounds);
    std::printf("  ForEachRow as the form reads it:    %8.2f ms\n", a * 1000);
    std::printf("  the same query, plain ODBC:         %8.2f ms\n", b * 1000);
    std::printf("  ratio form / plain:                 %8.3f (target <= 1.5)\n", a / b);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return a / b <= 1.5 ? 0 : 2;
}
