// Saving a manual operation of 100 lines through the posting document
// protocol (the line checks of the form, then the header and the postings as
// one transaction, each posting's statement made by the configuration's
// posting script) against the same header row and 100 posting inserts sent
// through plain unixODBC in one transaction, side by side in one run; and the
// save against its own statements, captured and replayed raw on one plain
// connection (target <= 1.5), with the number of statements it sends for 10
// lines and for 100 (they must not grow with the lines). Prints the times and
// the ratios.
//
//   build/bin/ledger_oper_save_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "COperByHandRecord.h"
#include "RawOdbcInsert.h"
#include "SaveYardsticks.h"
#include "StatementCapture.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace nledmark;

// Four kinds of line: cash from the personal account, an advance to an
// employee, a supplier's bill paid, stock received in quantities.
COperLine LineOf(int n)
{
    COperLine l;
    CString amount;
    amount.Format("%d.%02d", 100 + n * 13, n % 100);
    l[OPER_SUM] = amount;
    l[OPER_PRIM].Format("Строка %d операции", n + 1);
    switch (n % 4) {
    case 0:
        l[OPER_DEBIT] = "120134510";
        l[OPER_CREDIT] = "120111610";
        l[OPER_KRED_SB1] = "1";
        break;
    case 1:
        l[OPER_DEBIT] = "120812560";
        l[OPER_DEB_SB1] = "1";
        l[OPER_DEB_SB1 + 1] = "226000";
        l[OPER_CREDIT] = "120134610";
        break;
    case 2:
        l[OPER_DEBIT] = "130221830";
        l[OPER_DEB_SB1] = "2";
        l[OPER_DEB_SB1 + 1] = "223000";
        l[OPER_DEB_SB1 + 2] = "3";
        l[OPER_CREDIT] = "120111610";
        l[OPER_KRED_SB1] = "1";
        break;
    default:
        l[OPER_DEBIT] = "110536340";
        l[OPER_DEB_SB1] = "2";
        l[OPER_DEB_SB1 + 1] = "1";
        l[OPER_KOL] = "5";
        l[OPER_CREDIT] = "130234730";
        l[OPER_KRED_SB1] = "1";
        l[OPER_KRED_SB1 + 1] = "340000";
        l[OPER_KRED_SB1 + 2] = "2";
        break;
    }
    return l;
}

COperByHandRecord Operation(int lines = 100)
{
    COperByHandRecord op;
    op.date = "15.03.2024";
    op.number = "1";
    op.sum = "100";
    op.prim = "Справка";
    for (int n = 0; n < lines; ++n)
        op.lines.push_back(LineOf(n));
    return op;
}

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The statements the raw run sends: the same header row and the statements
// the posting script makes for the lines, one per call.
std::vector<std::string> RawStatements(COperByHandRecord& op)
{
    std::vector<std::string> statements{op.HeaderInsertSql(900000).ToStdString()};
    CString batch;
    AppendPostingStatements(900000, op.date, op.branch, PostingsOfOperLines(op.lines), batch);
    for (const QString& line : batch.ToQString().split('\n', Qt::SkipEmptyParts))
        statements.push_back(line.toStdString());
    return statements;
}

const char* const kClear = "delete from ledmark_oper_by_hand\ndelete from ledmark_provodki";

// The times of the rounds: the save, the header and postings without the
// checks, the parts of the save apart, and the raw yardstick.
struct Rounds {
    std::vector<double> save, store, checks, statements, batch, raw, replay;
    std::size_t sent = 0;
};

// The save as the form makes it: one read cache for the checks and the statements.
bool SaveAsTheForm(int lines)
{
    appcore::CScriptReadCache reads;
    COperByHandRecord op = Operation(lines);
    COperLineFault fault;
    long realId = -1;
    return CheckOperLines(op.lines, op.date, op.branch, fault) && SaveStoredDocument(op, realId);
}

// The statements a save of `lines` lines sends.
std::vector<std::string> SentBySave(int lines)
{
    StatementCapture capture;
    return SaveAsTheForm(lines) ? capture.statements() : std::vector<std::string>();
}

bool MeasureRound(Rounds& r, const std::vector<std::string>& statements, const std::string& raw)
{
    bool ok = true;
    ExecuteSql(kClear);
    r.save.push_back(Seconds([] { return SaveAsTheForm(100); }, ok));
    ExecuteSql(kClear);
    const std::vector<std::string> sent = SentBySave(100);
    r.sent = sent.size();
    ExecuteSql(kClear);
    r.replay.push_back(ReplaySaveStatements(raw, sent));
    if (r.replay.back() < 0)
        return false;
    ExecuteSql(kClear);
    r.store.push_back(Seconds([] {
        COperByHandRecord op = Operation();
        long realId = -1;
        return SaveStoredDocument(op, realId);
    }, ok));
    r.checks.push_back(Seconds([] {
        COperByHandRecord op = Operation();
        COperLineFault fault;
        return CheckOperLines(op.lines, op.date, op.branch, fault);
    }, ok));
    CString batch;
    r.statements.push_back(Seconds([&batch] {
        COperByHandRecord op = Operation();
        return AppendPostingStatements(900000, op.date, op.branch, PostingsOfOperLines(op.lines), batch) != 0;
    }, ok));
    ExecuteSql(kClear);
    r.batch.push_back(Seconds([&] {
        CDbTransaction t;
        return ExecuteSql(CString(statements[0].c_str()) + "\n" + batch) && t.Commit();
    }, ok));
    ExecuteSql(kClear);
    std::string error;
    r.raw.push_back(RunRawOdbcInserts(raw, statements, error));
    if (r.raw.back() < 0)
        std::fprintf(stderr, "raw ODBC failed: %s\n", error.c_str());
    return ok && r.raw.back() >= 0;
}

bool Print(const Rounds& r, int rounds, std::size_t sentForTen)
{
    const double save = Median(r.save), store = Median(r.store), plain = Median(r.raw);
    std::printf("manual operation of 100 lines, median of %d rounds\n", rounds);
    std::printf("  save: line checks, header and postings:  %8.2f ms\n", save * 1000);
    std::printf("  header and postings alone:               %8.2f ms\n", store * 1000);
    std::printf("  parts of the save, apart:\n");
    std::printf("    the line checks:                       %8.2f ms\n", Median(r.checks) * 1000);
    std::printf("    the posting script's statements:       %8.2f ms\n", Median(r.statements) * 1000);
    std::printf("    header and statements as one batch:    %8.2f ms\n", Median(r.batch) * 1000);
    std::printf("  raw unixODBC, header + 100 inserts:      %8.2f ms\n", plain * 1000);
    std::printf("  ratio save / raw (header and inserts):   %8.3f\n", save / plain);
    std::printf("  ratio header and postings / raw:         %8.3f\n", store / plain);
    return PrintSaveYardsticks(save, Median(r.replay), sentForTen, 10, r.sent, 100);
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

    COperByHandRecord prototype = Operation();
    const std::vector<std::string> statements = RawStatements(prototype);
    const std::string raw = BenchConnectionString();
    Rounds r;
    ExecuteSql(kClear);
    const std::size_t sentForTen = SentBySave(10).size();
    bool ok = sentForTen > 0;
    for (int round = 0; round < options.rounds && ok; ++round)
        ok = MeasureRound(r, statements, raw);
    const long long postings = ExecuteCount("select count(*) from ledmark_provodki");
    if (!ok || postings != 100) {
        std::fprintf(stderr, "the save failed (%lld postings)\n", postings);
        return 1;
    }
    const bool met = Print(r, options.rounds, sentForTen);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return met ? 0 : 2;
}
