// Opening the postings journal over a year of postings: the journal form
// opened by its document name as the menu does, its first refresh run, and
// its first screen drawn (the last records on the last rows); then the time
// until its scroll bar has the count, and the first screen again with a debit
// filter of an account that has 1 % of the postings. Beside them, in the same
// run, the same queries of the configuration's journal script read to the end
// through plain unixODBC (SQLGetData row by row, and columns bound and fetched
// in blocks). Prints the times and the ratios (targets: first screen at most
// 0.1 of the block read, unfiltered and filtered).
//
//   build/bin/ledger_journal_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// With --rows above 200,000 (2,000,000 for a year of a large institution) the
// journal is measured over 200,000 postings and then over R, and the ratios of
// the two first screens, with and without the filter, are printed (target at
// most 1.5), and the time the scroll bar's count takes after the first screen
// over R (target at most one second); the plain reads are run at 200,000 only. Over 2,000,000 postings the server needs a larger
// buffer pool: pass --buffer-pool 1G on a server of its own (--dir).
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_journal_bench": manual operations
// of 100 postings each.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CLedmark.h"
#include "CProvodkiView.h"
#include "JournalRules.h"
#include "LedgerBenchProgram.h"
#include "RawOdbcRead.h"
#include "RowsheetView.h"

#include <appcore.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <functional>

namespace {

using namespace nledmark;

constexpr int kYear = 2025;
constexpr int kLinesPerOperation = 100;

double Seconds(const std::function<bool()>& work, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The account of 1 % of the postings (the others are debited to 230211000).
const char* const kRareDebit = "220611000";

// The operations are numbered above the demo documents' ids: the journal joins
// each kind's table to the postings by id, so a demo cash order or assignment
// with the id of a bench operation would show its postings twice.
constexpr int kFirstId = 1000000;

bool FillYear(int postings)
{
    const int operations = (postings + kLinesPerOperation - 1) / kLinesPerOperation;
    CString headers;
    headers.Format("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id,m0,d0) "
                   "select seq + %d, '%d-01-01' + interval (seq mod 365) day, seq, 0, 'Справка', 1, 1, "
                   "'%d-01-01' + interval (seq mod 365) day from seq_1_to_%d",
                   kFirstId, kYear, kYear, operations);
    CString lines;
    lines.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,"
                 "kred3,kbk_kred,kol,s,prim,fil_id) select (seq-1) div %d + 1 + %d, (seq-1) mod %d + 1, "
                 "'%d-01-01' + interval (((seq-1) div %d + 1) mod 365) day, '2', if(seq mod 100 = 0, '206', '302'), "
                 "'11','000', seq mod 97, 17, "
                 "'2','201','11','000', 17, if(seq mod 50 = 0, -1, 1), (seq mod 10000) + 0.25, "
                 "concat('Оплата по договору № ', seq, ' поставщику «Ромашка»'), 1 from seq_1_to_%d",
                 kLinesPerOperation, kFirstId, kLinesPerOperation, kYear, kLinesPerOperation, postings);
    return ExecuteSql("delete from ledmark_oper_by_hand\ndelete from ledmark_provodki") && ExecuteSql(headers)
           && ExecuteSql(lines);
}

// Opens the journal and lets its first refresh run and draw the screen; null
// when it failed.
CProvodkiView* OpenJournal(CMDIFrameWnd* frame)
{
    if (CHelpers::FN_OpenDocument0("ProvodkiView", 0, nullptr) != 1)
        return nullptr;
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    CMDIChildWnd* child = frame->MDIGetActive();
    auto* view = child ? dynamic_cast<CProvodkiView*>(child->GetActiveView()) : nullptr;
    if (view)
        view->m_grid.View()->viewport()->repaint();
    return view;
}

// Lets the events run until the grid shows `records` records (its count).
bool AwaitCount(CProvodkiView* view, long records)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (view->m_grid.View()->model()->rowCount() != records) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The debit filter's list takes the account and the form reloads as when the
// list closes; the screen is drawn.
void FilterByDebit(CProvodkiView* view, const char* account)
{
    view->m_comboDeb.ResetContent();
    view->m_comboDeb.AddString("");
    view->m_comboDeb.SetCurSel(view->m_comboDeb.AddString(account));
    view->SetSql(0);
    view->m_grid.View()->viewport()->repaint();
}

long Records(const char* where)
{
    return (long)ExecuteCount(FormatText("select count(*) as cnt from ledmark_provodki %s", where));
}

struct Rounds {
    std::vector<double> screen, counted, filtered, filteredCounted;
};

bool MeasureJournal(Rounds& r, CMDIFrameWnd* frame, long rows, long rare)
{
    bool ok = true;
    CProvodkiView* view = nullptr;
    const auto start = std::chrono::steady_clock::now();
    r.screen.push_back(Seconds([&] { return (view = OpenJournal(frame)) != nullptr; }, ok));
    ok = ok && AwaitCount(view, rows);
    r.counted.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (ok) {
        const auto filterStart = std::chrono::steady_clock::now();
        r.filtered.push_back(Seconds([&] { FilterByDebit(view, kRareDebit); return true; }, ok));
        ok = AwaitCount(view, rare);
        r.filteredCounted.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - filterStart).count());
    }
    if (!ok)
        std::fprintf(stderr, "the journal did not show %ld records (%ld with the filter)\n", rows, rare);
    AfxGetApp()->CloseAllDocuments(TRUE);
    QApplication::processEvents();
    return ok;
}

struct Yardsticks {
    std::vector<double> plain, block, firstRow, filteredBlock;
};

bool MeasureYardsticks(Yardsticks& y, long rows, const std::string& connection, const std::string& sql,
                       const std::string& filteredSql)
{
    const RawReadResult raw = RunRawOdbcRead(connection, sql);
    const RawReadResult bound = RunRawOdbcBlockRead(connection, sql);
    const RawReadResult one = RunRawOdbcFirstRow(connection, sql);
    const RawReadResult filtered = RunRawOdbcBlockRead(connection, filteredSql);
    if (raw.seconds < 0 || bound.seconds < 0 || one.seconds < 0 || filtered.seconds < 0 || raw.rows != rows) {
        std::fprintf(stderr, "plain ODBC failed: %s%s%s%s\n", raw.error.c_str(), bound.error.c_str(), one.error.c_str(),
                     filtered.error.c_str());
        return false;
    }
    y.plain.push_back(raw.seconds);
    y.block.push_back(bound.seconds);
    y.firstRow.push_back(one.seconds);
    y.filteredBlock.push_back(filtered.seconds);
    return true;
}

CString JournalSql(const CJournalFilter& filter)
{
    return GL_SqlProvodki(ChangeDateUS0(GetDPV1(), 0), ChangeDateUS0(GetDPV2(), 0),
                          JournalWhere(filter, JournalDebit(), JournalCredit()), 1);
}

double Ms(const std::vector<double>& v)
{
    return Median(v) * 1000;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 5);
    const qsizetype rowsAt = qt.arguments().indexOf(QStringLiteral("--rows"));
    const int largest = rowsAt < 0 ? 200000 : std::max(1000, qt.arguments().value(rowsAt + 1).toInt());
    std::vector<int> sizes{std::min(largest, 200000)};
    if (largest > sizes.front())
        sizes.push_back(largest);
    const QString database = QStringLiteral("vornal_ledger_journal_bench");
    if (!StartBenchDatabase(options, database)
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    const std::string connection = BenchConnectionString();
    CJournalFilter rareFilter;
    rareFilter.debit = kRareDebit;

    std::vector<double> firstScreens, filteredScreens;
    double count = 0;
    bool met = true;
    for (int rows : sizes) {
        if (!FillYear(rows))
            return 1;
        const long rare = Records("where deb1='206'");
        Rounds r;
        Yardsticks y;
        const bool yardsticks = rows == sizes.front();
        for (int round = 0; round < options.rounds; ++round)
            if (!MeasureJournal(r, frame, rows, rare)
                || (yardsticks && !MeasureYardsticks(y, rows, connection, JournalSql(CJournalFilter()).ToStdString(),
                                                     JournalSql(rareFilter).ToStdString())))
                return 1;
        firstScreens.push_back(Median(r.screen));
        filteredScreens.push_back(Median(r.filtered));
        count = Median(r.counted) - Median(r.screen);
        std::printf("postings journal over %d postings of a year, median of %d rounds\n", rows, options.rounds);
        std::printf("  journal opened, first screen shown:             %8.1f ms\n", Ms(r.screen));
        std::printf("  ... and its scroll bar counted:                 %8.1f ms\n", Ms(r.counted));
        std::printf("  debit filter of %ld postings, first screen:   %8.1f ms\n", rare, Ms(r.filtered));
        std::printf("  ... and its scroll bar counted:                 %8.1f ms\n", Ms(r.filteredCounted));
        if (!yardsticks)
            continue;
        const double ratio = Median(r.screen) / Median(y.block);
        const double filtered = Median(r.filtered) / Median(y.filteredBlock);
        std::printf("  plain ODBC, read to the end (SQLGetData):      %8.1f ms\n", Ms(y.plain));
        std::printf("  plain ODBC, read to the end (bound, blocks):   %8.1f ms\n", Ms(y.block));
        std::printf("  plain ODBC, the query to its first row:        %8.1f ms\n", Ms(y.firstRow));
        std::printf("  plain ODBC, the filtered query (bound, blocks):%8.1f ms\n", Ms(y.filteredBlock));
        std::printf("  ratio first screen / full read:                %8.3f\n", Median(r.screen) / Median(y.plain));
        met = PrintFigure("first screen / block read", ratio, 0.1) && met;
        met = PrintFigure("filtered screen / filtered block read", filtered, 0.1) && met;
    }
    if (firstScreens.size() == 2) {
        met = PrintFigure(FormatText("first screen over %d / over %d postings", sizes[1], sizes[0]),
                          firstScreens[1] / firstScreens[0], 1.5) && met;
        met = PrintFigure(FormatText("filtered first screen over %d / over %d postings", sizes[1], sizes[0]),
                          filteredScreens[1] / filteredScreens[0], 1.5) && met;
        // The count comes after the first screen, on a connection of its own.
        met = PrintFigure(FormatText("scroll bar counted after the first screen over %d postings, s", sizes[1]),
                          count, 1) && met;
    }
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return met ? 0 : 2;
}
