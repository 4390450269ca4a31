// The cash book's insert sheet of a day with 300 cash lines (100 receipt
// orders of three lines) in a year of 200,000 postings: the whole page made
// (opening balances, lines with their documents and printed accounts,
// totals, signatures) against the same lines query read to the end through
// plain unixODBC; and the three sheet counts against the same counts read
// through plain unixODBC. Side by side in one run; prints the times and the
// ratios (targets <= 2 and <= 1.5).
//
//   build/bin/ledger_cash_book_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_cash_book_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CashBookSheet.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2025;
constexpr const char* kDay = "16.06.2025";
constexpr int kOrders = 100;

// The year's postings: one in ten on the cash account on either side on
// every day but the sheet's, the rest between the bank and the suppliers;
// then the day's 100 receipt orders, each of three lines on 201.04.
bool FillYear(int postings)
{
    CString year;
    year.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kbk_deb,kred0,kred1,kred2,kred3,kbk_kred,"
                "s,prim,fil_id) select seq div 100 + 1, seq mod 100 + 1, "
                "'%d-01-01' + interval (seq mod 365) day + interval (case when seq mod 365 = 166 then 1 else 0 end) day, "
                "1 + seq mod 4, case when (seq div 365) mod 10 = 0 then '201' else '302' end, "
                "case when (seq div 365) mod 10 = 0 then '04' else '11' end, case when (seq div 365) mod 10 = 0 then '510' else '730' end, "
                "1 + seq mod 6, 1 + (seq + 1) mod 4, '201', case when (seq div 365) mod 10 = 5 then '04' else '11' end, '610', "
                "1 + seq mod 6, (seq mod 10000) + 0.25, concat('Операция № ', seq), 1 + seq mod 2 from seq_0_to_%d",
                kYear, postings - 3 * kOrders - 1);
    CString orders;
    orders.Format("insert into ledmark_pko (id,number,d,sch0,fio,s,fil_id) select 900001 + seq, seq + 1, '%d-06-16', "
                  "'220104510', concat('Плательщик ', seq), 300, 1 + seq mod 2 from seq_0_to_%d",
                  kYear, kOrders - 1);
    CString lines;
    lines.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kbk_deb,kred0,kred1,kred2,kred3,kbk_kred,"
                 "s,prim,fil_id) select 900001 + seq div 3, seq mod 3 + 1, '%d-06-16', '2', '201', '04', '510', 3, "
                 "'2', case seq mod 3 when 0 then '205' when 1 then '401' else '208' end, "
                 "case seq mod 3 when 0 then '31' when 1 then '01' else '26' end, "
                 "case seq mod 3 when 0 then '660' when 1 then '130' else '660' end, 4, 100, 'Прием наличных', "
                 "1 + (seq div 3) mod 2 from seq_0_to_%d",
                 kYear, 3 * kOrders - 1);
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql("delete from ledmark_pko") && ExecuteSql(year)
        && ExecuteSql(orders) && ExecuteSql(lines);
}

template <class F>
double Seconds(F run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 9);
    const qsizetype rowsAt = qt.arguments().indexOf(QStringLiteral("--rows"));
    const int rows = rowsAt < 0 ? 200000 : std::max(10000, qt.arguments().value(rowsAt + 1).toInt());
    if (!StartBenchDatabase(options, QStringLiteral("vornal_cash_book_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillYear(rows))
        return 1;
    g_lYear = kYear;
    CCashBookSheet sheet;
    sheet.date = qwDMG(kDay, 1);
    sheet.number = 1;
    const std::string linesSql = CashBookLinesSql(sheet.date, sheet.filter).ToStdString();
    const std::array<CString, 3> countSql = CashSheetCountSql(sheet.date, sheet.filter);
    const std::string connection = BenchConnectionString();

    std::vector<double> pages, reads, counts, rawCounts;
    for (int round = 0; round < options.rounds; ++round) {
        CCashBookPage page;
        pages.push_back(Seconds([&] { page = BuildCashBookPage(sheet); }));
        const RawReadResult raw = RunRawOdbcRead(connection, linesSql);
        if (!page.complete || raw.seconds < 0 || raw.rows != 3 * kOrders) {
            std::fprintf(stderr, "the page %s, plain ODBC read %ld lines %s\n",
                         page.complete ? "was made" : "is not complete", raw.rows, raw.error.c_str());
            return 1;
        }
        reads.push_back(raw.seconds);
        CCashBookCounts counted;
        counts.push_back(Seconds([&] { counted = CountCashSheets(sheet.date, sheet.filter); }));
        double plain = 0;
        for (const CString& sql : countSql) {
            const RawReadResult count = RunRawOdbcRead(connection, sql.ToStdString());
            if (count.seconds < 0 || count.rows != 1) {
                std::fprintf(stderr, "a count failed: %s\n", count.error.c_str());
                return 1;
            }
            plain += count.seconds;
        }
        rawCounts.push_back(plain);
        if (counted.sheet != 167 || counted.year != 365) {
            std::fprintf(stderr, "sheet %ld of %ld days\n", counted.sheet, counted.year);
            return 1;
        }
    }
    const double page = Median(pages), read = Median(reads), count = Median(counts), rawCount = Median(rawCounts);
    std::printf("cash book sheet of a day with %d cash lines over %d postings of a year, median of %d rounds\n",
                3 * kOrders, rows, options.rounds);
    std::printf("  sheet page made:                         %8.1f ms\n", page * 1000);
    std::printf("  plain ODBC, its lines query to the end:  %8.1f ms\n", read * 1000);
    PrintFigure("page / query", page / read, 2);
    std::printf("  sheet counts (number, month, year):      %8.1f ms\n", count * 1000);
    std::printf("  plain ODBC, the same three counts:       %8.1f ms\n", rawCount * 1000);
    PrintFigure("counts / raw counts", count / rawCount, 1.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return page / read <= 2 && count / rawCount <= 1.5 ? 0 : 2;
}
