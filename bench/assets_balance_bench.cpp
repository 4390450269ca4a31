// The stock balances a materials document shows beside its rows: 50 balances
// of a stock item of a responsible person (10 items x 5 persons on 105.36)
// over a year of 200,000 postings, each through GL_GetOst0 and the one reader
// of its answer (ReadAccountBalance, as the documents ask), against the same
// 50 aggregates run on one plain unixODBC connection, side by side in one run.
// Prints both times and the ratio (target <= 1.5).
//
//   build/bin/assets_balance_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_bench" with the schema of db/mysql.
#include "AccountBalance.h"
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// A year of stock movements and other postings: of every ten, six receipts of
// items 1-10 for persons 1-5 on 105.36 from a supplier, three issues of them
// to expenses, one cash posting.
const char* const kStockYear =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kol,s,prim,fil_id) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, '1', "
    "elt(k,'105','105','105','105','105','105','401','401','401','201'), elt(k,'36','36','36','36','36','36','01','01','01','34'), "
    "elt(k,'340','340','340','340','340','340','272','272','272','510'), "
    "if(k<=6,mat,null), if(k<=6,tn,null), '1', "
    "elt(k,'302','302','302','302','302','302','105','105','105','201'), elt(k,'34','34','34','34','34','34','36','36','36','11'), "
    "elt(k,'730','730','730','730','730','730','440','440','440','610'), "
    "if(k<=6,'1',if(k<=9,mat,null)), if(k between 7 and 9,tn,null), "
    "if(k<=9,1 + seq mod 7,null), 10 + (seq * 37) mod 10000 / 100, 'Движение запасов', 1 "
    "from (select seq, 1 + seq mod 10 as k, 1 + (seq div 10) mod 5 as tn, 1 + (seq div 50) mod 10 as mat "
    "from seq_0_to_199999) q";

const char* const kDate = "31.12.2024";

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The aggregate the balance script runs for an item of a person up to the end of the year.
std::string Aggregate(int item, int tn)
{
    char sql[1024];
    std::snprintf(sql, sizeof sql,
                  "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,"
                  "coalesce(sum(kq),0) as kq from ("
                  "select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki "
                  "where deb1='105' and deb2='36' and deb0='1' and deb_sb1='%d' and deb_sb2='%d' and d<'2025-01-01' "
                  "union all select 0,sum(s),0,sum(kol) from ledmark_provodki "
                  "where kred1='105' and kred2='36' and kred0='1' and kred_sb1='%d' and kred_sb2='%d' and d<'2025-01-01') q",
                  item, tn, item, tn);
    return sql;
}

// The 50 balances as a document reads them; their sums into `sums`.
bool ReadBalances(std::vector<double>* sums)
{
    for (int item = 1; item <= 10; ++item)
        for (int tn = 1; tn <= 5; ++tn) {
            LedgerBalance balance;
            if (!nledmark::ReadAccountBalance(kDate, "110536340", utoa(item), utoa(tn), nullptr, -2, nullptr, nullptr,
                                              balance))
                return false;
            if (sums)
                sums->push_back(balance.Sum());
        }
    return true;
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
    ExecuteSql("delete from ledmark_provodki");
    ExecuteSql(kStockYear);
    ExecuteSql("analyze table ledmark_provodki");
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));
    const std::string raw = BenchConnectionString();
    std::vector<std::string> aggregates;
    for (int item = 1; item <= 10; ++item)
        for (int tn = 1; tn <= 5; ++tn)
            aggregates.push_back(Aggregate(item, tn));

    // Both must give the same balances before the times mean anything.
    std::vector<double> sums;
    std::vector<std::string> rows;
    const RawReadResult check = RunRawOdbcReads(raw, aggregates, &rows);
    if (!ReadBalances(&sums) || check.seconds < 0 || rows.size() != sums.size()) {
        std::fprintf(stderr, "a balance could not be read %s\n", check.error.c_str());
        return 1;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        double ds = 0, ks = 0;
        std::sscanf(rows[i].c_str(), "%lf@%lf", &ds, &ks);
        if (std::fabs(ds - ks - sums[i]) > 0.005) {
            std::fprintf(stderr, "balance %zu differs: %s against %.2f\n", i, rows[i].c_str(), sums[i]);
            return 1;
        }
    }
    std::printf("50 balances agree (the first %.2f)\n", sums[0]);

    std::vector<double> viaBridge, plain;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        viaBridge.push_back(Seconds([] { return ReadBalances(nullptr); }, ok));
        const RawReadResult read = RunRawOdbcReads(raw, aggregates);
        ok = ok && read.seconds >= 0;
        plain.push_back(read.seconds);
    }
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    const double a = Median(viaBridge), b = Median(plain);
    std::printf("50 stock balances (item x responsible person) over a year, median of %d rounds\n", options.rounds);
    std::printf("  GL_GetOst0 and its reader:          %8.2f ms\n", a * 1000);
    std::printf("  the aggregates, plain ODBC:         %8.2f ms\n", b * 1000);
    PrintFigure("bridge / plain", a / b, 1.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return a / b <= 1.5 ? 0 : 2;
}
