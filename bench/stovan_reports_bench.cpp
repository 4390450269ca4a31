// The report "Кто сколько взял" over a year of 100,000 receipt and issue lines
// (bench/StockData.h), for a month of that year with every list ticked: its
// four list fills and its report page, through the form, against the same
// five statements read to the end on one plain unixODBC connection, side by
// side in one run. Prints the ratio (target <= 1.5).
//
//   build/bin/stovan_reports_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_stovan_reports_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPrnKsvView.h"
#include "CStovan.h"
#include "CheckList.h"
#include "RawOdbcRead.h"
#include "StockData.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("VORNAL_PROFILE_DIR", profile.path().toUtf8());
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 7);
    const int year = QDate::currentDate().year() - 1;
    if (!StartBenchDatabase(options, QStringLiteral("vornal_stovan_reports_bench")) || !FillStockData(year))
        return 1;
    g_lYear = year;
    g_lMonth = 6;
    g_lTN = 1;
    new CWinApp("Склад");
    auto* frame = new CMDIFrameWnd;
    if (!frame->LoadFrame(1, WS_OVERLAPPEDWINDOW))
        return 1;
    AfxGetApp()->m_pMainWnd = frame;
    frame->ShowWindow(SW_SHOW);
    QApplication::processEvents();
    if (nstovan::CStovan::Init() != 1 || !CHelpers::FN_OpenDocument0("prnksv", 0, nullptr))
        return 1;
    QApplication::processEvents();
    auto* view = dynamic_cast<nstovan::CPrnKsvView*>(frame->MDIGetActive()->GetActiveView());
    if (!view)
        return 1;
    const std::string connection = BenchConnectionString();

    std::vector<double> forms, raws;
    std::vector<std::string> statements;
    size_t pageBytes = 0;
    for (int round = 0; round < options.rounds; ++round) {
        statements.clear();
        const auto start = std::chrono::steady_clock::now();
        view->FillDepartmentList();
        nstovan::CheckAll(view->m_departments, true);
        view->FillStatementList();
        nstovan::CheckAll(view->m_statements, true);
        view->FillGroupList();
        nstovan::CheckAll(view->m_groups, true);
        view->FillEmployeeList();
        nstovan::CheckAll(view->m_employees, true);
        const CString page = view->BuildReport();
        forms.push_back(SecondsSince(start));
        pageBytes = page.GetLength();
        for (const CString& sql : {view->DepartmentListSql(), view->StatementListSql(), view->GroupListSql(),
                                   view->EmployeeListSql(), view->ReportSql()})
            statements.push_back(sql.ToStdString());
        const RawReadResult raw = RunRawOdbcReads(connection, statements);
        if (raw.seconds < 0) {
            std::fprintf(stderr, "plain ODBC failed: %s\n", raw.error.c_str());
            return 1;
        }
        raws.push_back(raw.seconds);
    }
    const double f = Median(forms), r = Median(raws);
    std::printf("\"Кто сколько взял\" for %02d.%d, every list ticked (%ld departments, %ld statements, %ld groups, "
                "%ld employees), median of %d rounds\n",
                int(g_lMonth), year, view->m_departments.GetNRows(), view->m_statements.GetNRows(),
                view->m_groups.GetNRows(), view->m_employees.GetNRows(), options.rounds);
    std::printf("  form, ms   raw ODBC, ms   ratio   page bytes\n");
    std::printf("  %8.2f   %12.2f   %5.2f   %10zu\n", f * 1000, r * 1000, f / r, pageBytes);
    PrintFigure("\"Кто сколько взял\" / its statements", f / r, 1.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    UnInitDll();
    return f / r <= 1.5 ? 0 : 2;
}
