// Opening the parameter form of the journal of operations as the menu opens
// journal №2 (the bank journal: its definition and accounts read, the
// breakdown list built from the books of the accounts' dimensions, the
// journal's own breakdown found), over a year of postings, against the same
// journal and chart reads run on one plain unixODBC connection, side by side
// in one run (target <= 1.5). The form reads no postings, so the ratio over
// 2,000,000 postings should agree with the one over 200,000.
//
// Then the journal printed as OK prints it (BuildJournalHtml): the bank
// journal of June broken down by personal account, plain and by KBK,
// against every statement the print sent (the postings query of
// GL_SqlProvodki, the codes with a balance before the period, the aggregates
// of the balance calls, the names), captured and each read once again on one
// plain unixODBC connection (target <= 2 over 200,000 postings, <= 1.5 over
// 2,000,000).
//
//   build/bin/ledger_journal_ops_bench [--dir D] [--port P] [--rounds N] [--rows 200000|2000000]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_journal_ops_bench" with the schema of
// db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPrnJrnKassaView.h"
#include "JournalOpsPage.h"
#include "LedgerBenchProgram.h"
#include "RawOdbcRead.h"
#include "StatementCapture.h"
#include "ledmark.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;

long RowsOption(const QStringList& arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i)
        if (arguments[i] == QLatin1String("--rows"))
            return std::max(1L, arguments[i + 1].toLong());
    return 200000;
}

// The registers' year of `rows` postings.
bool FillPostings(long rows)
{
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql(BenchRegisterYear(rows, kYear).c_str())
           && ExecuteSql("analyze table ledmark_provodki");
}

// The bank journal (201 11, 201 21) of June by personal account (book 21).
JournalChoice BankJournal(bool kbkLayout)
{
    JournalChoice c;
    c.name = "Журнал операций с безналичными денежными средствами";
    c.number = "2";
    c.from = COleDateTime(kYear, 6, 1, 0, 0, 0);
    c.to = COleDateTime(kYear, 6, 30, 0, 0, 0);
    c.accounts = {{0, "201", "11", ""}, {1, "201", "21", ""}};
    c.breakdown = {21, 1, "Лицевые счета"};
    c.kbkLayout = kbkLayout;
    return c;
}

struct Printed {
    std::vector<double> print, raw;
    size_t statements = 0, distinct = 0;
    long postings = 0;
};

// One print with the statements it sent captured, then each of them once
// read to the end on one plain connection: the postings query, the codes
// with a balance before the period, the balance aggregates of its script
// calls and the names it looked up. A statement the print sent twice counts
// once: asking the server again is the print's own cost.
bool PrintRound(bool kbkLayout, const std::string& connection, Printed& p)
{
    StatementCapture capture;
    const auto start = std::chrono::steady_clock::now();
    const LimitPage page = BuildJournalHtml(BankJournal(kbkLayout));
    p.print.push_back(SecondsSince(start));
    const std::vector<std::string> sent = capture.statements();
    if (!page.complete) {
        std::fprintf(stderr, "the journal is not complete\n");
        return false;
    }
    p.statements = sent.size();
    std::vector<std::string> once;
    for (const std::string& sql : sent)
        if (std::find(once.begin(), once.end(), sql) == once.end())
            once.push_back(sql);
    p.distinct = once.size();
    const RawReadResult raw = RunRawOdbcReads(connection, once);
    if (raw.seconds < 0) {
        std::fprintf(stderr, "plain ODBC read failed: %s\n", raw.error.c_str());
        return false;
    }
    p.raw.push_back(raw.seconds);
    return true;
}

// What the form reads to show journal №2: its definition, its accounts, the
// chart row of each account (the three dimensions), the journal's book among
// the first account's dimensions, and the number of branches.
std::vector<std::string> JournalReads()
{
    return {
        "select num,name,sb from spr_jrn_oper where id=2",
        "select col1,col2,col3 from spr_jrn_oper1 where id=2 order by col1,coalesce(col2,''),coalesce(col3,''),real_id",
        "select sb1,sb2,sb3,tp,kol,zab,ap,name from spr_plan_sch where col0=0 and col1='201' and col2='11' and "
        "col3='000'",
        "select sb1,sb2,sb3,tp,kol,zab,ap,name from spr_plan_sch where col0=0 and col1='201' and col2='21' and "
        "col3='000'",
        "select sb1 as cnt from spr_plan_sch where col0=0 and col1='201' and col2='11' and (col3 is null or col3='' "
        "or col3='000')",
        "select count(*) as cnt from spr_fil",
    };
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("VORNAL_PROFILE_DIR", profile.path().toUtf8());
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 9);
    const long rows = RowsOption(qt.arguments());
    if (!StartBenchDatabase(options, QStringLiteral("vornal_journal_ops_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    if (!FillPostings(rows))
        return 1;
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    const std::string connection = BenchConnectionString();
    const std::vector<std::string> reads = JournalReads();

    std::vector<double> opens, raws;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        const auto start = std::chrono::steady_clock::now();
        auto* view = dynamic_cast<CPrnJrnKassaView*>(OpenLedgerForm(frame, "PrnJrnKassaView", 2));
        opens.push_back(Seconds(start));
        ok = view && view->m_grid.GetNRows() >= 2 && view->m_comboExpand.GetCount() == 2
             && view->Breakdown().book == 21;
        if (!ok) {
            std::fprintf(stderr, "the journal did not open with its accounts and breakdown\n");
            break;
        }
        view->GetParentFrame()->DestroyWindow();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const RawReadResult raw = RunRawOdbcReads(connection, reads);
        ok = raw.seconds >= 0;
        if (!ok)
            std::fprintf(stderr, "raw ODBC failed: %s\n", raw.error.c_str());
        raws.push_back(raw.seconds);
    }
    if (!ok)
        return 1;

    // The print, after one of each that warms the server's pages and the scripts.
    g_lTN = 1;
    BuildJournalHtml(BankJournal(false));
    BuildJournalHtml(BankJournal(true));
    Printed plain, byKbk;
    for (int round = 0; round < options.rounds && ok; ++round)
        ok = PrintRound(false, connection, plain) && PrintRound(true, connection, byKbk);
    if (!ok)
        return 1;
    const long long month = ExecuteCount("select count(*) from ledmark_provodki where d>='2024-06-01' and d<='2024-06-30' and "
                                         "((deb1='201' and deb2 in ('11','21')) or (kred1='201' and kred2 in ('11','21')))");

    const double open = Median(opens), raw = Median(raws);
    std::printf("journal of operations №2 opened over %ld postings, median of %d rounds\n", rows, options.rounds);
    std::printf("  the form opened with its accounts and breakdown list:  %8.2f ms\n", open * 1000);
    std::printf("  raw unixODBC: the same journal and chart reads:        %8.2f ms\n", raw * 1000);
    bool held = PrintFigure("journal of operations, opening: form / raw", open / raw, 1.5);
    const double target = rows >= 2000000 ? 1.5 : 2.0;
    std::printf("journal №2 of June printed by personal account (%lld postings of the month), median of %d rounds\n",
                month, options.rounds);
    for (const auto& [what, p] : {std::pair<const char*, const Printed*>{"plain", &plain}, {"by KBK", &byKbk}}) {
        const double print = Median(p->print), read = Median(p->raw);
        std::printf("  %-7s printed %8.2f ms; its %zu statements (%zu different) read raw %8.2f ms\n", what,
                    print * 1000, p->statements, p->distinct, read * 1000);
        held = PrintFigure(FormatText("journal of operations, print %s: print / raw", what).GetString(),
                           read > 0 ? print / read : 0.0, target) && held;
    }
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return held ? 0 : 2;
}
