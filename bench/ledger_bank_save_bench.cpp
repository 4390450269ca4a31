// Saving a new statement of bank receipts of 100 rows through the posting
// document protocol (each row's postings formed and tested, then the header
// and the postings as one transaction), with the box of the passage through
// 201.03 ticked, so every row writes two postings, against the same header row
// and the same 200 posting inserts sent through plain unixODBC in one
// transaction, side by side in one run (for information); and the save against
// its own statements, captured and replayed raw on one plain connection
// (target <= 1.5), with the number of statements it sends for 10 rows and for
// 100 (they must not grow with the rows).
//
//   build/bin/ledger_bank_save_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_bank_bench" with the schema of db/mysql.
#include "BankRows.h"
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CBankStatementRecord.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"
#include "SaveYardsticks.h"
#include "StatementCapture.h"
#include "ScriptReadCache.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <cstdio>

namespace {

using namespace nledmark;

// Paid services of a customer (by counterparty) and other income, in turn.
CBankRow RowOf(int n)
{
    CBankRow row(POSTUP_COLUMNS);
    row[POSTUP_SUM].Format("%d.%02d", 100 + n * 7, n % 100);
    row[POSTUP_CONTENT].Format("Поступление %d", n + 1);
    if (n % 2 == 0) {
        row[POSTUP_EKR] = "130000";
        row[POSTUP_CREDIT] = "220531660";
        row[POSTUP_SB1].Format("%d", 1 + n % 4);
    } else {
        row[POSTUP_EKR] = "180000";
        row[POSTUP_CREDIT] = "240101180";
    }
    return row;
}

CBankHeader Header()
{
    CBankHeader header;
    header.date = "15.03.2024";
    header.main = "230405000";
    header.ls = "2";
    header.through = TRUE;
    return header;
}

CBankPostupRecord Statement()
{
    CBankPostupRecord record(0);
    record.date = "15.03.2024";
    record.number = "1";
    record.icn = "Выписка банка";
    record.main = "230405000";
    record.box = TRUE;
    record.ls = "2";
    record.total = "100";
    return record;
}

// Every row's postings formed and tested, as the form's checks do (the
// scripts reading the chart once).
bool SettleRows(CBankPostupRecord& record, int rows)
{
    const CBankHeader header = Header();
    CChartFacts chart;
    appcore::CScriptReadCache reads;
    for (int n = 0; n < rows; ++n) {
        const std::vector<CPostingLine> lines = ReceiptPostings(chart, header, RowOf(n));
        if (lines.size() != 2 || !TestPostingLines(lines, header.date, header.branch))
            return false;
        record.postings.insert(record.postings.end(), lines.begin(), lines.end());
    }
    return true;
}

// The protocol's work without the windows: the rows settled, then the save.
bool SaveThroughProtocol(int rows = 100)
{
    CBankPostupRecord record = Statement();
    long realId = -1;
    return SettleRows(record, rows) && SaveStoredDocument(record, realId);
}

// The statements a save of `rows` rows sends.
std::vector<std::string> SentBySave(int rows)
{
    StatementCapture capture;
    return SaveThroughProtocol(rows) ? capture.statements() : std::vector<std::string>();
}

// The raw run's statements: the same header row and the statements the
// posting script makes for the same postings.
std::vector<std::string> RawStatements()
{
    CBankPostupRecord record = Statement();
    const CBankHeader header = Header();
    CChartFacts chart;
    std::vector<CPostingLine> postings;
    for (int n = 0; n < 100; ++n) {
        const std::vector<CPostingLine> lines = ReceiptPostings(chart, header, RowOf(n));
        postings.insert(postings.end(), lines.begin(), lines.end());
    }
    return RawDocumentStatements(record.HeaderInsertSql(900000), 900000, header.date, header.branch, postings);
}

const char* const kClear = "delete from ledmark_bank_postup\ndelete from ledmark_provodki";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_bank_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");

    const std::vector<std::string> statements = RawStatements();
    if (statements.size() != 201) {
        std::fprintf(stderr, "the posting script made %zu statements, not 201\n", statements.size());
        return 1;
    }
    const std::string raw = BenchConnectionString();
    std::vector<double> saves, raws, replays;
    ExecuteSql(kClear);
    const std::size_t sentForTen = SentBySave(10).size();
    std::size_t sent = 0;
    bool ok = sentForTen > 0;
    for (int round = 0; round < options.rounds && ok; ++round) {
        ExecuteSql(kClear);
        saves.push_back(TimedSeconds([] { return SaveThroughProtocol(); }, ok));
        const long long postings = ExecuteCount("select count(*) from ledmark_provodki");
        ExecuteSql(kClear);
        const std::vector<std::string> captured = SentBySave(100);
        sent = captured.size();
        ExecuteSql(kClear);
        replays.push_back(ReplaySaveStatements(raw, captured));
        ok = replays.back() >= 0 && ok;
        ExecuteSql(kClear);
        std::string error;
        raws.push_back(RunRawOdbcInserts(raw, statements, error));
        if (raws.back() < 0 || postings != 200) {
            std::fprintf(stderr, "failed: %s (%lld postings saved)\n", error.c_str(), postings);
            ok = false;
        }
    }
    if (!ok)
        return 1;
    const double save = Median(saves), plain = Median(raws);
    std::printf("bank receipts of 100 rows through 201.03 (200 postings), median of %d rounds\n", options.rounds);
    std::printf("  save: postings formed and tested, header and postings:  %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, header + 200 inserts:                      %8.2f ms\n", plain * 1000);
    std::printf("  ratio save / raw (header and inserts):                    %8.3f\n", save / plain);
    const bool met = PrintSaveYardsticks(save, Median(replays), sentForTen, 10, sent, 100);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return met ? 0 : 2;
}
