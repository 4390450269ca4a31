// The monthly parents' fee accrual of a kindergarten of 500 children: the
// debtors fill (every child with a teacher and a fee) and the save as the
// form makes it (the children's counterparties, the posting test of every
// row, then the header and one posting per child as one transaction), against
// the same header row and 500 posting inserts sent through plain unixODBC in
// one transaction, side by side in one run (for information); and the save
// against its own statements, captured and replayed raw on one plain
// connection (target <= 1.5), with the number of statements it sends for 10
// children and for 500 (they must not grow with the children).
//
//   build/bin/ledger_rod_nuch_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_rod_bench" with the schema of
// db/mysql, whose children it replaces by 500 of its own.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CRodFeeRecord.h"
#include "ChildrenBook.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"
#include "SaveYardsticks.h"
#include "StatementCapture.h"

#include <appcore.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kChildren = 500;
const char* const kDate = "15.03.2024";

// 500 children of four teachers (the demo employees 2 to 5) with their
// counterparty rows.
bool FillChildren()
{
    return ExecuteSql(FormatText("delete from spr_contr where tip=3\n"
                                 "delete from spr_deti\n"
                                 "insert into spr_deti (id,name,s,tnp) select seq,concat('Ребенок № ',seq),"
                                 "1900+(seq mod 5)*300,2+(seq mod 4) from seq_1_to_%d\n"
                                 "insert into spr_contr (name,tip,id_tip) select name,3,id from spr_deti",
                                 kChildren))
           != 0;
}

CRodFeeRecord Header()
{
    CRodFeeRecord r("ledmark_rod_nuch", false);
    r.date = kDate;
    r.number = "1";
    r.debit = "220503560";
    r.credit = "240101130";
    r.icn = "Начисление родительской платы";
    return r;
}

// The debtors fill.
std::vector<CDebtor> Debtors()
{
    std::vector<CDebtor> debtors;
    ForEachDebtor(kDate, [&](const CDebtor& d) { debtors.push_back(d); });
    return debtors;
}

// The postings of the debtors, each child's counterparty found.
std::vector<CPostingLine> Postings(const CRodFeeRecord& r, const std::vector<CDebtor>& debtors)
{
    std::vector<CString> codes;
    for (const CDebtor& d : debtors)
        codes.push_back(d.code);
    const std::map<CString, CString> counterparties = ChildCounterparties(codes);
    std::vector<CPostingLine> lines;
    for (const CDebtor& d : debtors) {
        CPostingLine p;
        p.debit = r.debit;
        p.debit1 = counterparties.at(d.code);
        p.debit2 = d.teacher;
        p.credit = r.credit;
        p.amount = d.fee;
        lines.push_back(p);
    }
    return lines;
}


struct Rounds {
    std::vector<double> fill, save, raw, replay;
    std::size_t sent = 0;
};

const char* const kClear = "delete from ledmark_rod_nuch\ndelete from ledmark_provodki";

// The save as the form makes it: one read cache for the checks and the statements.
bool SaveAccrual(const std::vector<CDebtor>& debtors)
{
    appcore::CScriptReadCache reads;
    CRodFeeRecord record = Header();
    record.postings = Postings(record, debtors);
    long realId = -1;
    return TestPostingLines(record.postings, record.date, record.branch) && SaveStoredDocument(record, realId);
}

// The statements a save of the debtors sends.
std::vector<std::string> SentBySave(const std::vector<CDebtor>& debtors)
{
    StatementCapture capture;
    return SaveAccrual(debtors) ? capture.statements() : std::vector<std::string>();
}

bool MeasureRound(Rounds& r, const std::string& raw, const std::vector<std::string>& statements)
{
    ExecuteSql("delete from ledmark_rod_nuch\ndelete from ledmark_provodki");
    auto start = std::chrono::steady_clock::now();
    const std::vector<CDebtor> debtors = Debtors();
    r.fill.push_back(SecondsSince(start));
    start = std::chrono::steady_clock::now();
    if (debtors.size() != kChildren || !SaveAccrual(debtors))
        return false;
    r.save.push_back(SecondsSince(start));
    ExecuteSql(kClear);
    const std::vector<std::string> sent = SentBySave(debtors);
    r.sent = sent.size();
    ExecuteSql(kClear);
    r.replay.push_back(ReplaySaveStatements(raw, sent));
    if (r.replay.back() < 0)
        return false;
    ExecuteSql(kClear);
    std::string error;
    r.raw.push_back(RunRawOdbcInserts(raw, statements, error));
    if (r.raw.back() < 0)
        std::fprintf(stderr, "raw ODBC failed: %s\n", error.c_str());
    return r.raw.back() >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_ledger_rod_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillChildren())
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");

    // The raw run sends the same header row and the statements the posting
    // script makes for the rows, one per call.
    CRodFeeRecord prototype = Header();
    prototype.postings = Postings(prototype, Debtors());
    const std::vector<std::string> statements =
        RawDocumentStatements(prototype.HeaderInsertSql(900000), 900000, kDate, 1, prototype.postings);
    const std::string raw = BenchConnectionString();

    Rounds r;
    ExecuteSql(kClear);
    std::vector<CDebtor> few = Debtors();
    few.resize(std::min<std::size_t>(few.size(), 10));
    const std::size_t sentForTen = SentBySave(few).size();
    bool ok = sentForTen > 0;
    for (int round = 0; round < options.rounds && ok; ++round)
        ok = MeasureRound(r, raw, statements);
    if (!ok) {
        std::fprintf(stderr, "the accrual failed\n");
        return 1;
    }
    const double fill = Median(r.fill), save = Median(r.save), plain = Median(r.raw);
    std::printf("parents' fee accrual for %d children, median of %d rounds\n", kChildren, options.rounds);
    std::printf("  debtors fill:                            %8.2f ms\n", fill * 1000);
    std::printf("  save: counterparties, tests, postings:   %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, header + %d inserts:      %8.2f ms\n", kChildren, plain * 1000);
    std::printf("  ratio fill and save / raw (inserts):     %8.3f\n", (fill + save) / plain);
    const bool met = PrintSaveYardsticks(save, Median(r.replay), sentForTen, 10, r.sent, kChildren);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return met ? 0 : 2;
}
