// Opening the postings journal over 200,000 postings: the Rowsheet grid shows
// its first screen (the journal's: the last records on the last rows; and the
// top of the list) against the same query read to the end through plain
// unixODBC, side by side in one run; and the same grid told the query's key,
// which reads the last screen by it and counts beside it. Prints the times and
// the ratios of the first screen to the full read and to the block-bound read
// (target <= 0.1).
//
//   build/bin/gridbase_rowsheet_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_bench_grid".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcRead.h"
#include "RowsheetView.h"
#include "gridbase.h"
#include "ndbcore.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

// The journal's columns, as its query names them.
const char* const kFields[] = { "fil_id", "d", "doc_name", "number", "npp", "kbk_deb", "dbt", "deb_sb1", "deb_sb2",
                                "deb_sb3", "kbk_kred", "krdt", "kred_sb1", "kred_sb2", "kred_sb3", "kol", "s", "so" };

const char* const kJournalSql =
    "select p.fil_id, p.d, 'Справка' as doc_name, cast(p.id as char) as number, p.npp, p.kbk_deb, "
    "concat(p.deb0,p.deb1,p.deb2,p.deb3) as dbt, p.deb_sb1, p.deb_sb2, p.deb_sb3, p.kbk_kred, "
    "concat(p.kred0,p.kred1,p.kred2,p.kred3) as krdt, p.kred_sb1, p.kred_sb2, p.kred_sb3, p.kol, p.s, p.prim as so, "
    "p.real_id, 'OperByHand' as docId, 1 as DocType, p.id from ledmark_provodki p order by p.d, p.id, p.npp";

double Seconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

bool FillPostings(int rows)
{
    if (!ExecuteSql("delete from ledmark_provodki"))
        return false;
    CString sql;
    sql.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,kred3,"
               "kbk_kred,kol,s,prim,fil_id) select seq div 3 + 1, seq mod 3 + 1, "
               "'2025-01-01' + interval (seq mod 365) day, '2','302','11','000', seq mod 97, 17, '2','201','11',"
               "'000', 17, if(seq mod 50 = 0, -1, 1), (seq mod 10000) + 0.25, "
               "concat('Оплата по договору № ', seq, ' поставщику «Ромашка»'), 1 from seq_1_to_%d",
               rows);
    return ExecuteSql(sql) != 0;
}

// The grid as the journal sets it up.
void SetUpJournalGrid(CRowsheet& grid)
{
    grid.Create(WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(0, 0, 1100, 560), nullptr, 10004);
    grid.SetBShowFullRow(1);
    grid.SetRowHeight(16);
    grid.SetAllowAddNew(0);
    grid.SetNCols(18);
    for (int c = 0; c < 18; ++c) {
        grid.SetColField(c, kFields[c]);
        grid.SetColCaption(c, kFields[c]);
        grid.SetColWidth(c, 30);
        grid.SetColAlign(c, c == 2 || c == 17 ? 0 : 2);
    }
    grid.SetUpdatable(0);
    grid.KeepRatio();
    grid.ShowWindow(SW_SHOW);
    QApplication::processEvents();
}

// Connect, position as the journal does (the last record on the last row, or
// the first at the top) and draw the screen.
void OpenFirstScreen(CRowsheet& grid, const CString& server, const CString& database, bool atEnd)
{
    grid.Connect(GetODBCDriverName(1), server, database, kJournalSql, "root", "");
    _RecordsetPtr rs = grid.GetRecordSet();
    const long n = rs->RecordCount;
    const long target = atEnd ? std::min(grid.GetNRows(), n) - 1 : 0;
    rs->Bookmark = _variant_t(atEnd ? n - target : 1L);
    grid.SetCurCell(1, target);
    grid.View()->viewport()->repaint();
    if (!grid.View()->viewport()->isVisible())
        throw _com_error(E_FAIL, QStringLiteral("the grid is not shown"));
}

// The grid told the query's ordering key, as the journal tells it: the last
// screen is read by the key, the count runs on a connection of its own. The
// query carries each key column (p.id too), as a keyed list needs.
void OpenKeyedLastScreen(CRowsheet& grid, const CString& server, const CString& database)
{
    grid.SetOrderKey("p.d,p.id,p.npp");
    grid.SetCountTable("ledmark_provodki p");
    OpenFirstScreen(grid, server, database, true);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    const qsizetype rowsAt = app.arguments().indexOf(QStringLiteral("--rows"));
    const int rows = rowsAt < 0 ? 200000 : std::max(1000, app.arguments().value(rowsAt + 1).toInt());
    const QString database = QStringLiteral("vornal_bench_grid");
    const CString server(QStringLiteral("127.0.0.1:") + options.port);
    const int rounds = options.rounds;
    if (!StartBenchDatabase(options, database) || !FillPostings(rows))
        return 1;

    CRowsheet grid, keyedGrid;
    SetUpJournalGrid(grid);
    SetUpJournalGrid(keyedGrid);
    const std::string connection = BuildConnectionString(1, server, CString(database), "root", "").ToStdString();
    std::vector<double> lastScreen, topScreen, keyedScreen, keyedCounted, plain, block, firstRow;
    long readForScreen = 0, readForKeyed = 0;
    for (int round = 0; round < rounds; ++round) {
        try {
            lastScreen.push_back(Seconds([&] { OpenFirstScreen(grid, server, CString(database), true); }));
            readForScreen = grid.GetRecordSet()->GetRowsRead();
            topScreen.push_back(Seconds([&] { OpenFirstScreen(grid, server, CString(database), false); }));
            const auto keyedStart = std::chrono::steady_clock::now();
            keyedScreen.push_back(Seconds([&] { OpenKeyedLastScreen(keyedGrid, server, CString(database)); }));
            readForKeyed = keyedGrid.GetRecordSet()->GetRowsRead();
            keyedGrid.CountRecords();
            keyedCounted.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - keyedStart).count());
            if (keyedGrid.GetRecordSet()->RecordCount != rows)
                throw _com_error(E_FAIL, QStringLiteral("the keyed list counted %1 records")
                                             .arg(keyedGrid.GetRecordSet()->RecordCount));
        } catch (const _com_error& e) {
            std::fprintf(stderr, "grid failed: %s\n", (const char*)e.Description());
            return 1;
        }
        const RawReadResult raw = RunRawOdbcRead(connection, kJournalSql);
        const RawReadResult bound = RunRawOdbcBlockRead(connection, kJournalSql);
        const RawReadResult one = RunRawOdbcFirstRow(connection, kJournalSql);
        if (raw.seconds < 0 || bound.seconds < 0 || one.seconds < 0) {
            std::fprintf(stderr, "plain ODBC failed: %s%s%s\n", raw.error.c_str(), bound.error.c_str(),
                         one.error.c_str());
            return 1;
        }
        firstRow.push_back(one.seconds);
        plain.push_back(raw.seconds);
        block.push_back(bound.seconds);
    }
    const double first = Median(lastScreen), full = Median(plain);
    std::printf("%d postings, 22 columns, median of %d rounds\n", rows, rounds);
    std::printf("  Rowsheet, journal's first screen (last rows):  %8.1f ms (%ld records read of %d)\n",
                first * 1000, readForScreen, rows);
    std::printf("  Rowsheet, top of the list:                     %8.1f ms\n", Median(topScreen) * 1000);
    std::printf("  plain ODBC, read to the end (SQLGetData):      %8.1f ms\n", full * 1000);
    std::printf("  plain ODBC, read to the end (bound, blocks):   %8.1f ms\n", Median(block) * 1000);
    std::printf("  plain ODBC, the query to its first row:        %8.1f ms (the driver hands over the whole result first)\n",
                Median(firstRow) * 1000);
    PrintFigure("first screen / full read", first / full, 0.1);
    std::printf("  ratio first screen / block read:               %8.3f\n", first / Median(block));
    std::printf("  Rowsheet by the key, last screen:              %8.1f ms (%ld records read)\n",
                Median(keyedScreen) * 1000, readForKeyed);
    std::printf("  ... and its scroll bar counted:                %8.1f ms\n", Median(keyedCounted) * 1000);
    std::printf("  ratio keyed screen / full read:                %8.3f\n", Median(keyedScreen) / full);
    PrintFigure("keyed screen / block read", Median(keyedScreen) / Median(block), 0.1);
    UnInitDll();
    return 0;
}
