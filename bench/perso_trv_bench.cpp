// The day time sheet over the bench staff (bench/StaffData.h: 500 employees,
// about 600 assignments current in the month), side by side in one run:
//   - filling the sheet of all departments for a working day (the view's fill,
//     from the day typed to the grid filled) against its query read to the end
//     through plain unixODBC, row by row and 256 rows at a time (target <= 1.5);
//   - saving that day's marks, a third of them new, a third changed and a third
//     cleared (the view's save) against the same inserts, updates and deletes
//     through plain unixODBC in one transaction (target <= 2).
// Prints the ratios.
//
//   build/bin/perso_trv_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_perso_trv_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "MonthBenchProgram.h"
#include "CPerso.h"
#include "CTrvDView.h"
#include "CVenz.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "StaffSql.h"

#include "../personnel/res/resource.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

// What a row of the sheet gets in the save: by its key, a new mark where none
// is stored, a changed one, or none where one is stored.
enum class Change { Insert, Update, Delete };

Change ChangeOf(const CString& key)
{
    const long sum = atol(GetPart(key, ".", 1)) + atol(GetPart(key, ".", 2));
    return sum % 3 == 0 ? Change::Insert : sum % 3 == 1 ? Change::Update : Change::Delete;
}

// The day's marks as every round starts: "8.00" for each current
// assignment, except those that will get a new one.
bool ResetDay(const CString& day, const CString& first)
{
    const CString d = ChangeDateUS0(day, 0), start = ChangeDateUS0(first, 0);
    return ExecuteSql(FormatText("delete from perso_trv where d=%s;\n"
                                 "insert into perso_trv (tn,npp,d,t) select a.tn,a.npp,%s,'8.00' from perso_tn_nip a "
                                 "left join tn on tn.tn=a.tn where (a.d2 is null or a.d2>=%s) and "
                                 "(tn.du is null or tn.du>=%s) and (a.tn+a.npp) mod 3<>0",
                                 d, d, start, start));
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
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 7);
    const QDate today = QDate::currentDate();
    if (!StartBenchDatabase(options, QStringLiteral("vornal_perso_trv_bench"))
        || !FillBenchStaff(today.year(), today.month()))
        return 1;
    CMDIFrameWnd* frame = StartMonthProgram("Кадры", today.year(), today.month());
    if (frame && !(nvenzol::CVenz::Init() == 1 && nperso::CPerso::Init() == 1))
        frame = nullptr;
    if (!frame || !CHelpers::FN_OpenDocument0("TrvDView", 0, nullptr)) {
        std::fprintf(stderr, "the day sheet did not open\n");
        return 1;
    }
    QApplication::processEvents();
    auto* view = dynamic_cast<nperso::CTrvDView*>(frame->MDIGetActive()->GetActiveView());
    if (!view)
        return 1;
    const std::string connection = BenchConnectionString();

    // A Monday to Friday of the working month.
    const CString first = GetOtpD1(g_lYear, g_lMonth);
    COleDateTime date = qwDMG(first) + COleDateTimeSpan(7.0);
    while (date.GetDayOfWeek() == 1 || date.GetDayOfWeek() == 7)
        date += COleDateTimeSpan(1.0);
    const CString day = DMGtoStr(date);
    const std::string query = nperso::TrvDaySql(day, -1, first).ToStdString();

    std::vector<double> fills, raws, blocks, layers, saves, rawSaves;
    long rows = 0;
    size_t statements = 0;
    for (int round = 0; round < options.rounds; ++round) {
        if (!ResetDay(day, first))
            return 1;
        view->SetDlgItemText(IDC_TRV_DAY, "");
        // The day's rows were just rewritten, and the server's first read of
        // them took up to four times a later read's time on a loaded machine:
        // one untimed read lets the fill and its yardsticks find the server alike.
        if (RunRawOdbcBlockRead(connection, query).seconds < 0)
            return 1;
        auto start = std::chrono::steady_clock::now();
        view->SetDlgItemText(IDC_TRV_DAY, day);
        fills.push_back(SecondsSince(start));
        rows = view->m_grid.GetNRows();
        const RawReadResult one = RunRawOdbcRead(connection, query);
        const RawReadResult many = RunRawOdbcBlockRead(connection, query);
        if (one.seconds < 0 || many.seconds < 0 || one.rows != rows) {
            std::fprintf(stderr, "plain ODBC failed or read another count: %s%s\n", one.error.c_str(),
                         many.error.c_str());
            return 1;
        }
        raws.push_back(one.seconds);
        blocks.push_back(many.seconds);
        // The same query through the database layer alone, as the fill reads it.
        start = std::chrono::steady_clock::now();
        ForEachRow(query.c_str(), [](_RecordsetPtr& row) {
            for (long col = 0; col < 5; ++col)
                SafeArayToString(row->GetCollect(col));
        });
        layers.push_back(SecondsSince(start));

        // The marks of the day changed as a clerk would, then saved.
        std::vector<std::string> same;
        for (long row = 0; row < rows; ++row) {
            const CString key = view->m_grid.GetCellValue(0, row);
            const Change change = ChangeOf(key);
            const CString mark = change == Change::Insert ? "4.00" : change == Change::Update ? "7.00" : "";
            view->m_grid.SetCellValue(4, row, mark);
            const nvenzol::TrvMark written{GetPart(key, ".", 1), GetPart(key, ".", 2), day, mark};
            same.push_back((change == Change::Insert   ? nvenzol::MarkInsertSql(written)
                            : change == Change::Update ? nvenzol::MarkUpdateSql(written)
                                                       : nvenzol::MarkDeleteSql(written))
                               .ToStdString());
        }
        view->GetDocument()->SetModifiedFlag(TRUE);
        start = std::chrono::steady_clock::now();
        if (!view->Write(0)) {
            std::fprintf(stderr, "the save failed\n");
            return 1;
        }
        saves.push_back(SecondsSince(start));
        const long long stored = ExecuteCount(FormatText("select count(*) from perso_trv where d=%s", ChangeDateUS0(day, 0)));
        if (!ResetDay(day, first))
            return 1;
        std::string error;
        const double raw = RunRawOdbcInserts(connection, same, error);
        if (raw < 0 || ExecuteCount(FormatText("select count(*) from perso_trv where d=%s", ChangeDateUS0(day, 0))) != stored) {
            std::fprintf(stderr, "plain ODBC save failed or stored another count: %s\n", error.c_str());
            return 1;
        }
        rawSaves.push_back(raw);
        statements = same.size();
    }
    const double f = Median(fills), r = Median(raws), b = Median(blocks), s = Median(saves), rs = Median(rawSaves);
    std::printf("day sheet of all departments for %s, %ld rows, median of %d rounds\n", day.ToStdString().c_str(), rows,
                options.rounds);
    std::printf("  fill, ms   raw ODBC, ms   ratio   block ODBC, ms   ratio\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %14.2f   %5.2f\n", f * 1000, r * 1000, f / r, b * 1000, f / b);
    std::printf("  the query through the database layer alone: %.2f ms\n", Median(layers) * 1000);
    std::printf("  save, ms   raw ODBC, ms   ratio   statements\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %10zu\n", s * 1000, rs * 1000, s / rs, statements);
    const double fillWorst = std::max(f / r, f / b);
    PrintFigure("fill / its query read (worst)", fillWorst, 1.5);
    PrintFigure("save / raw", s / rs, 2);
    view->GetDocument()->SetModifiedFlag(FALSE);
    AfxGetApp()->CloseAllDocuments(TRUE);
    UnInitDll();
    return fillWorst <= 1.5 && s / rs <= 2 ? 0 : 2;
}
