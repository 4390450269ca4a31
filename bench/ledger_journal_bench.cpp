// Opening the postings journal over 200,000 postings of a year: the journal
// form opened by its document name as the menu does, its first refresh run,
// and its first screen drawn (the last records on the last rows), against
// the same query of the configuration's journal script read to the end
// through plain unixODBC, side by side in one run. Prints the times and the
// ratio (target <= 0.1).
//
//   build/bin/ledger_journal_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_ledger_journal_bench": 2,000 manual
// operations of 100 postings each.
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

bool FillYear(int postings)
{
    const int operations = (postings + kLinesPerOperation - 1) / kLinesPerOperation;
    CString headers;
    headers.Format("insert into ledmark_oper_by_hand (id,d,number,s,prim,fil_id,m0,d0) "
                   "select seq, '%d-01-01' + interval (seq mod 365) day, seq, 0, 'Справка', 1, 1, "
                   "'%d-01-01' + interval (seq mod 365) day from seq_1_to_%d",
                   kYear, kYear, operations);
    CString lines;
    lines.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,"
                 "kred3,kbk_kred,kol,s,prim,fil_id) select (seq-1) div %d + 1, (seq-1) mod %d + 1, "
                 "'%d-01-01' + interval (((seq-1) div %d + 1) mod 365) day, '2','302','11','000', seq mod 97, 17, "
                 "'2','201','11','000', 17, if(seq mod 50 = 0, -1, 1), (seq mod 10000) + 0.25, "
                 "concat('Оплата по договору № ', seq, ' поставщику «Ромашка»'), 1 from seq_1_to_%d",
                 kLinesPerOperation, kLinesPerOperation, kYear, kLinesPerOperation, postings);
    return ExecuteSql("delete from ledmark_oper_by_hand\ndelete from ledmark_provodki") && ExecuteSql(headers)
           && ExecuteSql(lines);
}

// Opens the journal, lets its first refresh run and draws the screen; the
// number of records of its list (0 when it failed).
long OpenJournal(CMDIFrameWnd* frame)
{
    if (CHelpers::FN_OpenDocument0("ProvodkiView", 0, nullptr) != 1)
        return 0;
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    CMDIChildWnd* child = frame->MDIGetActive();
    auto* view = child ? dynamic_cast<CProvodkiView*>(child->GetActiveView()) : nullptr;
    if (!view)
        return 0;
    view->m_grid.View()->viewport()->repaint();
    _RecordsetPtr rs = view->m_grid.GetRecordSet();
    return rs ? rs->GetRecordCount() : 0;
}

struct Rounds {
    std::vector<double> screen, plain, block, firstRow;
};

bool MeasureRound(Rounds& r, CMDIFrameWnd* frame, int rows, const std::string& connection, const std::string& sql)
{
    bool ok = true;
    long records = 0;
    r.screen.push_back(Seconds([&] { return (records = OpenJournal(frame)) == rows; }, ok));
    AfxGetApp()->CloseAllDocuments(TRUE);
    QApplication::processEvents();
    if (!ok) {
        std::fprintf(stderr, "the journal showed %ld records of %d\n", records, rows);
        return false;
    }
    const RawReadResult raw = RunRawOdbcRead(connection, sql);
    const RawReadResult bound = RunRawOdbcBlockRead(connection, sql);
    const RawReadResult one = RunRawOdbcFirstRow(connection, sql);
    if (raw.seconds < 0 || bound.seconds < 0 || one.seconds < 0 || raw.rows != rows) {
        std::fprintf(stderr, "plain ODBC failed: %s%s%s\n", raw.error.c_str(), bound.error.c_str(), one.error.c_str());
        return false;
    }
    r.plain.push_back(raw.seconds);
    r.block.push_back(bound.seconds);
    r.firstRow.push_back(one.seconds);
    return true;
}

// Prints the figures; the ratio of the first screen to the full read.
double Print(const Rounds& r, int rows, int rounds)
{
    const double first = Median(r.screen), full = Median(r.plain);
    std::printf("postings journal over %d postings of a year, median of %d rounds\n", rows, rounds);
    std::printf("  journal opened, first screen shown:          %8.1f ms\n", first * 1000);
    std::printf("  plain ODBC, read to the end (SQLGetData):    %8.1f ms\n", full * 1000);
    std::printf("  plain ODBC, read to the end (bound, blocks): %8.1f ms\n", Median(r.block) * 1000);
    std::printf("  plain ODBC, the query to its first row:      %8.1f ms\n", Median(r.firstRow) * 1000);
    std::printf("  ratio first screen / full read:              %8.3f (target <= 0.1)\n", first / full);
    std::printf("  ratio first screen / block read:             %8.3f\n", first / Median(r.block));
    return first / full;
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
    const int rows = rowsAt < 0 ? 200000 : std::max(1000, qt.arguments().value(rowsAt + 1).toInt());
    const QString database = QStringLiteral("vornal_ledger_journal_bench");
    if (!StartBenchDatabase(options, database)
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillYear(rows))
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;

    const CString sql = GL_SqlProvodki(ChangeDateUS0(GetDPV1(), 0), ChangeDateUS0(GetDPV2(), 0),
                                       JournalWhere(CJournalFilter(), CHelpers::GL_SqlDeb(), CHelpers::GL_SqlKred()), 1);
    const std::string connection =
        BuildConnectionString(1, GetServerName(), GetDataBaseName(), "root", "").ToStdString();
    Rounds r;
    for (int round = 0; round < options.rounds; ++round)
        if (!MeasureRound(r, frame, rows, connection, sql.ToStdString()))
            return 1;
    const double ratio = Print(r, rows, options.rounds);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return ratio <= 0.1 ? 0 : 2;
}
