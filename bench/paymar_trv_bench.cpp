// The payroll time sheet by employees over the bench payroll
// (bench/PayrollData.h on bench/StaffData.h: 500 employees in 12
// departments), side by side in one run, over every department in turn:
//   - the sheet's load (the department's code typed, to the grid filled)
//     against the same queries read to the end through plain unixODBC, row by
//     row and 256 rows at a time (target <= 2);
//   - the save of all its rows (a third new, a third changed, a third
//     cleared; the form's save without the question) against the same
//     inserts, updates and deletes through plain unixODBC in one transaction
//     (target <= 2).
// Prints the ratios.
//
//   build/bin/paymar_trv_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_paymar_trv_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "MonthBenchProgram.h"
#include "CTrvView.h"
#include "PaymarTemplates.h"
#include "PayrollData.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "TrvSheet.h"

#include "../payroll/input/res/resource.h"

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

enum class Change { Insert, Update, Delete };

Change ChangeOf(long tn)
{
    return tn % 3 == 0 ? Change::Insert : tn % 3 == 1 ? Change::Update : Change::Delete;
}

// The month's days as every round starts: a record for each employee who
// will not get a new one.
bool ResetMonth(long year, long month)
{
    return ExecuteSql(FormatText("delete from paymar_trv where g=%ld and ms=%ld;\n"
                                 "insert into paymar_trv (tn,g,ms,dn,kl) select tn,%ld,%ld,21,30 from tn "
                                 "where kat is not null and tn %% 3<>0",
                                 year, month, year, month));
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
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 5);
    const QDate today = QDate::currentDate();
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_trv_bench"))
        || !FillBenchStaff(today.year(), today.month()) || !FillBenchPayroll(today.year(), today.month()))
        return 1;
    CMDIFrameWnd* frame = StartMonthProgram("Зарплата", today.year(), today.month());
    if (frame && npaymar::InitInWorkplace("ПАЙМАР") != 1)
        frame = nullptr;
    if (!frame || !CHelpers::FN_OpenDocument0("TrvView", 0, nullptr)) {
        std::fprintf(stderr, "the time sheet did not open\n");
        return 1;
    }
    QApplication::processEvents();
    auto* view = dynamic_cast<npaymar::CTrvView*>(frame->MDIGetActive()->GetActiveView());
    if (!view)
        return 1;
    const std::string connection = BenchConnectionString();
    const long y = g_lYear, m = g_lMonth;

    std::vector<std::string> queries;
    for (int prd = 1; prd <= kBenchDepartments; ++prd)
        queries.push_back(npaymar::TrvLoadSql(npaymar::TrvMode::Employees, FormatText("%d", prd)).ToStdString());

    std::vector<double> loads, raws, blocks, saves, rawSaves;
    long rows = 0;
    size_t statements = 0;
    for (int round = 0; round < options.rounds; ++round) {
        if (!ResetMonth(y, m))
            return 1;
        // One untimed read, so the load and its yardsticks find the server alike.
        if (RunRawOdbcReads(connection, queries).seconds < 0)
            return 1;
        double load = 0, save = 0, block = 0;
        long shown = 0;
        std::vector<std::string> same;
        for (int prd = 1; prd <= kBenchDepartments; ++prd) {
            view->SetDlgItemText(IDC_PAY_PRD, "");
            auto start = std::chrono::steady_clock::now();
            view->SetDlgItemText(IDC_PAY_PRD, FormatText("%d", prd));
            load += SecondsSince(start);
            shown += view->m_grid.GetNRows();
            const RawReadResult many = RunRawOdbcBlockRead(connection, queries[prd - 1]);
            if (many.seconds < 0)
                return 1;
            block += many.seconds;
            // The sheet changed as a clerk would, then saved.
            for (long row = 0; row < view->m_grid.GetNRows(); ++row) {
                const CString tn = view->m_grid.GetCellValue(0, row);
                const Change change = ChangeOf(atol(tn));
                const CString days = change == Change::Insert ? "20.5" : change == Change::Update ? "19" : "";
                const CString calendar = change == Change::Delete ? "" : "30";
                view->m_grid.SetCellValue(3, row, days);
                view->m_grid.SetCellValue(4, row, calendar);
                same.push_back(
                    (change == Change::Insert
                         ? FormatText("insert into paymar_trv (tn,g,ms,dn,kl) values (%s,%ld,%ld,20.5,30)", tn, y, m)
                     : change == Change::Update
                         ? FormatText("update paymar_trv set dn=19,kl=30 where tn=%s and g=%ld and ms=%ld", tn, y, m)
                         : FormatText("delete from paymar_trv where tn=%s and g=%ld and ms=%ld", tn, y, m))
                        .ToStdString());
            }
            start = std::chrono::steady_clock::now();
            if (!view->Write(0)) {
                std::fprintf(stderr, "the save failed\n");
                return 1;
            }
            save += SecondsSince(start);
        }
        const RawReadResult one = RunRawOdbcReads(connection, queries);
        if (one.seconds < 0) {
            std::fprintf(stderr, "plain ODBC failed: %s\n", one.error.c_str());
            return 1;
        }
        loads.push_back(load);
        raws.push_back(one.seconds);
        blocks.push_back(block);
        saves.push_back(save);
        rows = shown;
        const long long stored = ExecuteCount(FormatText("select count(*) from paymar_trv where g=%ld and ms=%ld", y, m));
        if (!ResetMonth(y, m))
            return 1;
        std::string error;
        const double raw = RunRawOdbcInserts(connection, same, error);
        if (raw < 0 || ExecuteCount(FormatText("select count(*) from paymar_trv where g=%ld and ms=%ld", y, m)) != stored) {
            std::fprintf(stderr, "plain ODBC save failed or stored another count: %s\n", error.c_str());
            return 1;
        }
        rawSaves.push_back(raw);
        statements = same.size();
    }
    const double l = Median(loads), r = Median(raws), b = Median(blocks), s = Median(saves), rs = Median(rawSaves);
    std::printf("time sheet by employees of %d departments, %ld rows, median of %d rounds\n", kBenchDepartments, rows,
                options.rounds);
    std::printf("  load, ms   raw ODBC, ms   ratio   block ODBC, ms   ratio\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %14.2f   %5.2f\n", l * 1000, r * 1000, l / r, b * 1000, l / b);
    std::printf("  save, ms   raw ODBC, ms   ratio   statements\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %10zu\n", s * 1000, rs * 1000, s / rs, statements);
    const double loadWorst = std::max(l / r, l / b);
    PrintFigure("load / its queries read (worst)", loadWorst, 2);
    PrintFigure("save / raw", s / rs, 2);
    AfxGetApp()->CloseAllDocuments(TRUE);
    UnInitDll();
    return loadWorst <= 2 && s / rs <= 2 ? 0 : 2;
}
