// Inserting 1,000 posting-like rows: once as one ExecuteSql batch of the
// database layer, once through plain unixODBC in one transaction, side by
// side in one run. Prints both times and the layer's ratio (target <= 1.3).
//
//   build/bench/ndbcore_batch_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcInsert.h"
#include "ndbcore.h"

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace {

const char* const kTable =
    "create table bench_provodki (real_id int auto_increment primary key, id int, npp int, d date, "
    "deb0 char(1), deb1 char(3), deb2 char(2), deb3 char(3), deb_sb1 int, deb_sb2 int, deb_sb3 int, kbk_deb int, "
    "kred0 char(1), kred1 char(3), kred2 char(2), kred3 char(3), kred_sb1 int, kred_sb2 int, kred_sb3 int, "
    "kbk_kred int, kol decimal(15,3), s decimal(15,2), prim varchar(250), fil_id int) ENGINE=InnoDB";

// One posting line as a document save writes it, values through the literal helpers.
CString PostingInsert(int n)
{
    CString amount, prim, date;
    amount.Format("%d,%02d", 1000 + n * 7, n % 100);
    prim.Format("Оплата по договору № %d от поставщика «Ромашка» (строка %d)", 100 + n / 10, n);
    date.Format("%02d.%02d.2024", 1 + n % 28, 1 + n % 12);
    CString sql;
    sql.Format("insert into bench_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kbk_deb,"
               "kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,kred_sb3,kbk_kred,kol,s,prim,fil_id) values "
               "(%d,%d,%s,'2','302','11','000',%s,NULL,NULL,%s,'2','201','11','000',NULL,NULL,NULL,%s,%s,%s,%s,%s)\n",
               n / 5 + 1, n % 5 + 1, (LPCTSTR)ChangeDateUS0(date, 0), (LPCTSTR)NullInt0("17"),
               (LPCTSTR)NullInt0("3"), (LPCTSTR)NullInt0("3"), (LPCTSTR)DB_Digit("1"), (LPCTSTR)DB_Digit(amount),
               (LPCTSTR)NullStr(prim), (LPCTSTR)NullInt0("1"));
    return sql;
}


}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 7);
    const int rounds = options.rounds;
    if (!StartBenchDatabase(options, QStringLiteral("vornal_bench")) || !ExecuteSql(kTable))
        return 1;

    CString batch;
    std::vector<std::string> statements;
    for (int n = 0; n < 1000; ++n) {
        const CString line = PostingInsert(n);
        batch += line;
        statements.push_back(CString(line).Trim().ToStdString());
    }
    const std::string raw = BenchConnectionString();
    std::vector<double> layerTimes, rawTimes;
    for (int round = 0; round < rounds; ++round) {
        ExecuteSql("truncate table bench_provodki");
        const auto start = std::chrono::steady_clock::now();
        if (!ExecuteSql(batch, NULL, 1, 1, -1))
            return 1;
        layerTimes.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        ExecuteSql("truncate table bench_provodki");
        std::string error;
        const double seconds = RunRawOdbcInserts(raw, statements, error);
        if (seconds < 0) {
            std::fprintf(stderr, "raw ODBC failed: %s\n", error.c_str());
            return 1;
        }
        rawTimes.push_back(seconds);
    }
    const long long rows = ExecuteCount("select count(*) from bench_provodki");
    const double layer = Median(layerTimes), plain = Median(rawTimes);
    std::printf("1000 posting rows, median of %d rounds (%lld rows after the last)\n", rounds, rows);
    std::printf("  ExecuteSql batch:        %8.2f ms\n", layer * 1000);
    std::printf("  raw unixODBC, one tx:    %8.2f ms\n", plain * 1000);
    PrintFigure("layer / raw", layer / plain, 1.3);
    UnInitDll();
    return 0;
}
