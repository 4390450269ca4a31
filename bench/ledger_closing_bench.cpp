// The annual closing of the accounts over a year of 200,000 postings in two
// branches (the income and expense accounts 401.01 and 401.02 by source of
// financing, KOSGU and KBK): the closing run as the form starts it (its
// queries, a balance per row through the configuration's balance script, one
// manual operation per branch written in one transaction), against the same
// row queries, the same balances as plain aggregates and the same inserts sent
// through plain unixODBC on one connection and in one transaction, side by
// side in one run. Prints the times and the ratio (target at most 2).
//
//   build/bin/ledger_closing_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_closing_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "COperByHandRecord.h"
#include "ClosingRules.h"
#include "ClosingRun.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kPostings = 200000;
const char* const kDate = "31.12.2024";

bool FillYear()
{
    CString lines;
    lines.Format(
        "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kbk_deb,kred0,kred1,kred2,kred3,kbk_kred,s,prim,"
        "fil_id) select seq div 100 + 1, seq mod 100 + 1, '2024-01-01' + interval (seq mod 365) day, "
        "seq mod 4 + 1, if(seq mod 2 = 0, '201', '401'), if(seq mod 2 = 0, '11', '02'), "
        "if(seq mod 2 = 0, '510', elt(seq mod 3 + 1, '211', '221', '226')), seq mod 6 + 1, "
        "seq mod 4 + 1, if(seq mod 2 = 0, '401', '201'), if(seq mod 2 = 0, '01', '11'), "
        "if(seq mod 2 = 0, elt((seq div 2) mod 2 + 1, '130', '180'), '610'), seq mod 6 + 1, (seq mod 1000) + 0.5, "
        "'Проводка года', seq mod 2 + 1 from seq_0_to_%d",
        kPostings - 1);
    return ExecuteSql("delete from ledmark_oper_by_hand\ndelete from ledmark_provodki") && ExecuteSql(lines);
}

const char* const kClearRun = "delete from ledmark_provodki where id in (select id from ledmark_oper_by_hand)\n"
                              "delete from ledmark_oper_by_hand";

// The yardstick's work: the row queries of the run, a debit and a credit
// aggregate per closed row, and the statements the run writes.
struct RawWork {
    std::vector<std::string> reads;
    std::vector<std::string> inserts;
};

CString SideSum(const char* side, const CString& account, int branch, const CString& kbk)
{
    return FormatText("select sum(s) from ledmark_provodki where %s1='%s' and %s2='%s' and %s3='%s' and %s0='%c' "
                      "and d<='2024-12-31' and fil_id=%d and kbk_%s=%s",
                      side, account.Mid(1, 3), side, account.Mid(4, 2), side, account.Mid(6, 3), side, account[0],
                      branch, side, kbk.IsEmpty() ? CString("0") : kbk);
}

RawWork RawWorkOf(CClosingRun& run)
{
    RawWork work;
    const CString sqlDate = ChangeDateUS0(kDate, 0);
    for (const CClosingEntry& entry : ClosingEntries(GetZaklSch()))
        for (int branch = 1; branch <= 2; ++branch)
            for (int source = 1; source <= 4; ++source)
                work.reads.push_back(AnnualClosingQuery(sqlDate, source, entry.closed.Mid(1, 3), entry.closed.Mid(4, 2),
                                                        entry.closed.Mid(6, 3), branch)
                                         .ToStdString());
    for (int branch = 1; branch <= 2; ++branch) {
        CClosingPostings postings;
        run.Produce(branch, postings);
        COperByHandRecord header;
        header.date = kDate;
        header.number = "1";
        header.prim = run.Note();
        header.branch = branch;
        work.inserts.push_back(header.HeaderInsertSql(900000 + branch).ToStdString());
        unsigned npp = 0;
        for (const CPostingLine& l : postings.lines) {
            const CString& account = l.debit.Mid(1, 5) == "40103" ? l.credit : l.debit;
            work.reads.push_back(SideSum("deb", account, branch, l.kbkDebit).ToStdString());
            work.reads.push_back(SideSum("kred", account, branch, l.kbkDebit).ToStdString());
            work.inserts.push_back(GL_InsertProvodka0(900000 + branch, ++npp, kDate, l.debit, l.debit1, l.debit2,
                                                      l.debit3, l.credit, l.credit1, l.credit2, l.credit3, l.amount,
                                                      l.quantity, l.note, l.kbkDebit, l.kbkCredit, branch, 0)
                                       .ToStdString());
        }
    }
    return work;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_ledger_closing_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    if (!FillYear()) {
        std::fprintf(stderr, "filling the year failed\n");
        return 1;
    }
    const std::string raw = BenchConnectionString();
    std::vector<double> layer, plain;
    long operations = 0, closing = 0;
    for (int round = 0; round < options.rounds; ++round) {
        ExecuteSql(kClearRun);
        CClosingRun run(CLOSE_ANNUAL, kDate);
        const auto start = std::chrono::steady_clock::now();
        run.ReadClosingList();
        const BOOL written = run.Run(GL_NextNumber(COperByHandRecord::kTable, 0));
        layer.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        operations = (long)ExecuteCount("select count(*) from ledmark_oper_by_hand");
        closing = (long)ExecuteCount("select count(*) from ledmark_provodki where id in (select id from ledmark_oper_by_hand)");
        ExecuteSql(kClearRun);
        const RawWork work = RawWorkOf(run);
        const RawReadResult reads = RunRawOdbcReads(raw, work.reads);
        std::string error;
        const double inserts = RunRawOdbcInserts(raw, work.inserts, error);
        ExecuteSql("delete from ledmark_provodki where id>900000\ndelete from ledmark_oper_by_hand");
        if (!written || reads.seconds < 0 || inserts < 0) {
            std::fprintf(stderr, "the closing failed: %s%s\n", reads.error.c_str(), error.c_str());
            return 1;
        }
        plain.push_back(reads.seconds + inserts);
    }
    const double closed = Median(layer), yardstick = Median(plain);
    std::printf("annual closing over %d postings in two branches, median of %d rounds\n", kPostings, options.rounds);
    std::printf("  the run: %ld operations, %ld closing postings:  %8.2f ms\n", operations, closing, closed * 1000);
    std::printf("  raw unixODBC, row queries, balances, inserts:    %8.2f ms\n", yardstick * 1000);
    PrintFigure("run / raw", closed / yardstick, 2);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return closed / yardstick <= 2 ? 0 : 2;
}
