// Saving a posted materials waybill of 100 lines (200 postings: each line on
// the recipient's account and off the sender's) through the posting document
// protocol (the postings made, the header and the postings' statements as one
// transaction, each statement made by the configuration's posting script)
// against the same header row and 200 posting inserts sent through plain
// unixODBC in one transaction, side by side in one run. Prints the times and
// the ratio (target <= 2.5).
//
//   build/bin/ledger_nakl_save_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "COsNaklRecord.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kLines = 100;

// The caretaker's household goods handed to the storekeeper of the kitchen:
// 100 lines over the five stock items, quantities and prices varying.
COsNaklRecord Waybill()
{
    COsNaklRecord r(1);
    r.number = "1";
    r.date = "15.03.2024";
    r.icn = "Выписка накладной";
    r.debit = "110536340";
    r.debitSb[1] = "4";
    r.credit = "110536340";
    r.creditSb[1] = "3";
    r.kbkDebit = "2";
    r.kbkCredit = "2";
    r.posted = true;
    CString grid;
    for (int n = 0; n < kLines; ++n) {
        OsNaklLine line;
        line.item.Format("%d", 1 + n % 5);
        line.name.Format("Материал %d", 1 + n % 5);
        line.asked.Format("%d", 1 + n % 7);
        line.released = line.asked;
        line.price.Format("%d.%02d", 10 + n, n % 100);
        line.sum = FormatNumber(atof(line.released) * atof(line.price), "", 2);
        r.lines.push_back(line);
        grid += (n ? GetDelimiter() : CString()) + line.item + GetDelimiter0() + line.name + GetDelimiter0()
            + line.asked + GetDelimiter0() + line.released + GetDelimiter0() + line.price + GetDelimiter0() + line.sum;
    }
    r.grid = grid;
    return r;
}

const char* const kClear = "delete from ledmark_mat_nakl\ndelete from ledmark_provodki";

struct Rounds {
    std::vector<double> save, raw;
};

bool MeasureRound(Rounds& r, const std::vector<std::string>& statements, const std::string& raw)
{
    bool ok = true;
    ExecuteSql(kClear);
    r.save.push_back(TimedSeconds([] {
        // As the form saves: one read cache for the statements.
        appcore::CScriptReadCache reads;
        COsNaklRecord waybill = Waybill();
        waybill.MakePostings();
        long realId = -1;
        return SaveStoredDocument(waybill, realId) != 0;
    }, ok));
    ExecuteSql(kClear);
    std::string error;
    r.raw.push_back(RunRawOdbcInserts(raw, statements, error));
    if (r.raw.back() < 0)
        std::fprintf(stderr, "raw ODBC failed: %s\n", error.c_str());
    return ok && r.raw.back() >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_ledger_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");

    COsNaklRecord prototype = Waybill();
    prototype.MakePostings();
    const std::vector<std::string> statements = RawDocumentStatements(
        prototype.HeaderInsertSql(900000), 900000, prototype.date, prototype.branch, prototype.postings);
    const std::string raw = BenchConnectionString();
    Rounds r;
    bool ok = statements.size() == 2 * kLines + 1;
    for (int round = 0; round < options.rounds && ok; ++round)
        ok = MeasureRound(r, statements, raw);
    ExecuteSql(kClear);
    bool last = true;
    TimedSeconds([] {
        COsNaklRecord waybill = Waybill();
        waybill.MakePostings();
        long realId = -1;
        return SaveStoredDocument(waybill, realId) != 0;
    }, last);
    const long long postings = ExecuteCount("select count(*) from ledmark_provodki");
    if (!ok || !last || postings != 2 * kLines) {
        std::fprintf(stderr, "the save failed (%lld postings)\n", postings);
        return 1;
    }
    const double save = Median(r.save), plain = Median(r.raw);
    std::printf("posted materials waybill of %d lines (%d postings), median of %d rounds\n", kLines, 2 * kLines,
                options.rounds);
    std::printf("  save through the protocol:               %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, header + %d inserts:      %8.2f ms\n", 2 * kLines, plain * 1000);
    PrintFigure("save / raw", save / plain, 2.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return save / plain <= 2.5 ? 0 : 2;
}
