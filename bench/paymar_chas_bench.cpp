// The hours form ("Часы", paymar_chas) of a department of 300 positions paid
// by the hour over the bench payroll (bench/PayrollData.h), side by side in
// one run:
//   - the load (the sheet's code typed, to the grid filled and painted)
//     against the same query read to the end through plain unixODBC
//     (target <= 2);
//   - the save of every row (half of them stored already, half new; the
//     form's save without the question) against the same 300 updates and
//     inserts through plain unixODBC in one transaction (target <= 2).
// Prints the ratios.
//
//   build/bin/paymar_chas_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_paymar_chas_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CChasView.h"
#include "MonthBenchProgram.h"
#include "PaymarTemplates.h"
#include "PayrollData.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StaffData.h"

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

constexpr int kPositions = 300;
constexpr int kDepartment = 99;

// Department 99: one position row paid by the hour for each of the first 300
// employees in service, on a position with a salary on sheet 1.
bool FillDepartment()
{
    return ExecuteSql(FormatText(
        "insert into spr_prd (id, name) values (%d, 'Бассейн');\n"
        "insert into paymar_bux (tn, npp, osn, prd, dol, kat, kou, d1, d2, staj) select tn, 100, 0, %d, "
        "(select min(id) from spr_paymar_dol1 where nv=1 and okl>0), 1, 3, '2020-01-01', NULL, 1 from tn "
        "where du is null and kat is not null order by tn limit %d",
        kDepartment, kDepartment, kPositions));
}

// The month's hours of the department as every round starts: every other
// position holds a record.
bool ResetMonth(long year, long month)
{
    return ExecuteSql(FormatText("delete from paymar_trv_chas where g=%ld and ms=%ld and npp=100;\n"
                                 "insert into paymar_trv_chas (tn,npp,g,ms,nv,ch,pl) select tn,100,%ld,%ld,1,30,40 "
                                 "from paymar_bux where npp=100 and tn %% 2=0",
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_chas_bench"))
        || !FillBenchStaff(today.year(), today.month()) || !FillBenchPayroll(today.year(), today.month())
        || !FillDepartment())
        return 1;
    CMDIFrameWnd* frame = StartMonthProgram("Зарплата", today.year(), today.month());
    if (frame && npaymar::InitInWorkplace("ПАЙМАР") != 1)
        frame = nullptr;
    if (!frame || !CHelpers::FN_OpenDocument0("paymar_chas", 0, nullptr)) {
        std::fprintf(stderr, "the hours form did not open\n");
        return 1;
    }
    QApplication::processEvents();
    auto* view = dynamic_cast<npaymar::CChasView*>(frame->MDIGetActive()->GetActiveView());
    if (!view)
        return 1;
    const std::string connection = BenchConnectionString();
    const long y = g_lYear, m = g_lMonth;
    const std::string query = npaymar::ChasLoadSql(FormatText("%d", kDepartment), "1").ToStdString();
    view->SetDlgItemText(IDC_PAY_PRD, FormatText("%d", kDepartment));

    std::vector<double> loads, raws, saves, rawSaves;
    long rows = 0;
    for (int round = 0; round < options.rounds; ++round) {
        if (!ResetMonth(y, m))
            return 1;
        // One untimed read, so the load and its yardstick find the server alike.
        if (RunRawOdbcRead(connection, query).seconds < 0)
            return 1;
        view->SetDlgItemText(IDC_NV, "");
        auto start = std::chrono::steady_clock::now();
        view->SetDlgItemText(IDC_NV, "1");
        view->m_grid.UpdateWindow();
        QApplication::processEvents();
        loads.push_back(SecondsSince(start));
        rows = view->m_grid.GetNRows();
        const RawReadResult raw = RunRawOdbcRead(connection, query);
        if (raw.seconds < 0 || raw.rows != rows) {
            std::fprintf(stderr, "plain ODBC read failed or read %ld rows for %ld: %s\n", raw.rows, rows,
                         raw.error.c_str());
            return 1;
        }
        raws.push_back(raw.seconds);
        // Every row typed, with a decimal comma, then saved.
        std::vector<std::string> same;
        for (long row = 0; row < rows; ++row) {
            const CString key = view->m_grid.GetCellValue(0, row);
            const long tn = atol(key);
            view->m_grid.SetCellValue(3, row, "40");
            view->m_grid.SetCellValue(4, row, "36,5");
            same.push_back((tn % 2 == 0 ? FormatText("update paymar_trv_chas set pl=40,ch=36.5 where g=%ld and "
                                                     "ms=%ld and nv=1 and tn=%ld and npp=100",
                                                     y, m, tn)
                                        : FormatText("insert into paymar_trv_chas (tn,npp,g,ms,nv,pl,ch) values "
                                                     "(%ld,100,%ld,%ld,1,40,36.5)",
                                                     tn, y, m))
                               .ToStdString());
        }
        start = std::chrono::steady_clock::now();
        if (!view->Write(0)) {
            std::fprintf(stderr, "the save failed\n");
            return 1;
        }
        saves.push_back(SecondsSince(start));
        const long long stored =
            ExecuteCount(FormatText("select count(*) from paymar_trv_chas where g=%ld and ms=%ld and npp=100", y, m));
        if (!ResetMonth(y, m))
            return 1;
        std::string error;
        const double rawSave = RunRawOdbcInserts(connection, same, error);
        if (rawSave < 0
            || ExecuteCount(FormatText("select count(*) from paymar_trv_chas where g=%ld and ms=%ld and npp=100", y, m))
                   != stored) {
            std::fprintf(stderr, "plain ODBC save failed or stored another count: %s\n", error.c_str());
            return 1;
        }
        rawSaves.push_back(rawSave);
    }
    const double l = Median(loads), r = Median(raws), s = Median(saves), rs = Median(rawSaves);
    std::printf("hours form of a department of %d positions paid by the hour, %ld rows, median of %d rounds\n",
                kPositions, rows, options.rounds);
    std::printf("  load, ms   raw ODBC, ms   ratio\n");
    std::printf("  %8.2f   %12.2f   %5.2f\n", l * 1000, r * 1000, l / r);
    std::printf("  save, ms   raw ODBC, ms   ratio   statements\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %10ld\n", s * 1000, rs * 1000, s / rs, rows);
    const bool loadHeld = PrintFigure("load / its query read", l / r, 2);
    const bool saveHeld = PrintFigure("save / raw", s / rs, 2);
    AfxGetApp()->CloseAllDocuments(TRUE);
    UnInitDll();
    return loadHeld && saveHeld ? 0 : 2;
}
