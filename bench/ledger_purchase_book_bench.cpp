// The purchase book over a year of 20,000 entries: the page of the book
// through its script (the entries with their suppliers, the amounts by rate
// and the totals) against the same query read to the end through plain
// unixODBC, side by side in one run. Prints both times and the ratio
// (target <= 2).
//
//   build/bin/ledger_purchase_book_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_purchase_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace {

// 20,000 entries of 2024 from the demo suppliers at the three rates.
const char* const kEntries =
    "insert into ledmark_kniga_pokupok (iff,d,number,s,d_sf,do,d_uch,org,gtd,nos20,s20,nos10,s10,s0,icn,fil_id) "
    "select 1 + seq mod 4, '2024-01-01' + interval (seq mod 366) day, cast(seq + 1 as char), "
    "120 + seq mod 1000, '2024-01-01' + interval (seq mod 366) day, null, "
    "'2024-01-01' + interval (seq mod 366) day, 1 + seq mod 4, '', if(seq mod 3=0,100 + seq mod 1000,null), "
    "if(seq mod 3=0,20,null), if(seq mod 3=1,100 + seq mod 1000,null), if(seq mod 3=1,10,null), "
    "if(seq mod 3=2,120 + seq mod 1000,null), 'Поставщик', 1 + seq mod 2 from seq_0_to_19999";

const char* const kPage = "Ledger.purchase_book_page(\"01.01.2024\",\"31.12.2024\",\"\")";
const char* const kRowsOnly = "(function() local n = 0 for row in db.rows(Ledger.purchase_book_sql("
                              "\"'2024-01-01'\",\"'2024-12-31'\",\"\")) do n = n + 1 end return n end)()";
const char* const kQuery = "Ledger.purchase_book_sql(\"'2024-01-01'\",\"'2024-12-31'\",\"\")";

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_purchase_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    ExecuteSql("delete from ledmark_kniga_pokupok");
    ExecuteSql(kEntries);
    ExecuteSql("analyze table ledmark_kniga_pokupok");
    CString sql, page;
    if (!CHelpers::EXEC_GetFunctionValue(kQuery, sql, nullptr) || !CHelpers::EXEC_GetFunctionValue(kPage, page, nullptr))
        return 1;
    const std::string raw = BenchConnectionString();
    const RawReadResult check = RunRawOdbcRead(raw, sql.ToStdString());
    std::printf("%ld entries read; the page is %d characters\n", check.rows, page.GetLength());
    if (check.rows != 20000)
        return 1;
    std::vector<double> script, plain, rows;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        script.push_back(Seconds([] {
            CString text;
            return CHelpers::EXEC_GetFunctionValue(kPage, text, nullptr) != 0;
        }, ok));
        rows.push_back(Seconds([] {
            CString count;
            return CHelpers::EXEC_GetFunctionValue(kRowsOnly, count, nullptr) != 0;
        }, ok));
        plain.push_back(RunRawOdbcRead(raw, sql.ToStdString()).seconds);
        ok = ok && plain.back() >= 0;
    }
    if (!ok)
        return 1;
    const double a = Median(script), b = Median(plain);
    std::printf("purchase book of 20,000 entries, median of %d rounds\n", options.rounds);
    std::printf("  the page through the script:   %8.2f ms\n", a * 1000);
    std::printf("    its rows read by the script:  %8.2f ms\n", Median(rows) * 1000);
    std::printf("  its query read to the end:     %8.2f ms\n", b * 1000);
    PrintFigure("page / query", a / b, 2);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return a / b <= 2 ? 0 : 2;
}
