// The stock card of a busy material and "Отчет по кабинетам" in its
// three-cabinet layout over a year of 100,000 receipt and issue lines
// (bench/StockData.h), for a month of that year, every department and
// statement ticked for the card: each page built by its form against the
// same statements read to the end on one plain unixODBC connection (the
// card's opening balance and movements; the report's materials and its three
// cabinet columns), side by side in one run. Prints both ratios (target <= 1.5).
//
//   build/bin/stovan_balance_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_stovan_balance_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPrnOkView.h"
#include "CPrnPrixRasxView.h"
#include "CStovan.h"
#include "CheckList.h"
#include "RawOdbcRead.h"
#include "StockData.h"

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

template <class T>
T* OpenForm(CMDIFrameWnd* frame, const char* name)
{
    if (!CHelpers::FN_OpenDocument0(name, 0, nullptr))
        return nullptr;
    QApplication::processEvents();
    return dynamic_cast<T*>(frame->MDIGetActive()->GetActiveView());
}

void Tick(CCellwork& list, const char* code)
{
    for (long r = 0; r < list.GetNRows(); ++r)
        if (list.GetCellValue(0, r) == CString(code))
            list.SetBCheck(r, 1);
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
    const int year = QDate::currentDate().year() - 1;
    if (!StartBenchDatabase(options, QStringLiteral("vornal_stovan_balance_bench")) || !FillStockData(year))
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
    if (nstovan::CStovan::Init() != 1)
        return 1;
    const std::string connection = BenchConnectionString();
    const CString from = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0), to = ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0);

    auto* card = OpenForm<nstovan::CPrnPrixRasxView>(frame, "prnPrixRasx");
    auto* cabinets = OpenForm<nstovan::CPrnOkView>(frame, "prn_ok");
    if (!card || !cabinets)
        return 1;
    nstovan::CheckAll(card->m_departments, true);
    card->FillStatementList();
    nstovan::CheckAll(card->m_statements, true);
    card->FillMaterialBalanceList();
    long row = 0;
    while (row < card->m_materials.GetNRows() && card->m_materials.GetCellValue(0, row) != CString("1001"))
        ++row;
    Tick(cabinets->m_departments, "1");
    cabinets->FillStatementList();
    Tick(cabinets->m_statements, "3");
    cabinets->FillGroupList();
    nstovan::CheckAll(cabinets->m_groups, true);
    if (row >= card->m_materials.GetNRows() || cabinets->Cabinets().size() != 3) {
        std::fprintf(stderr, "the bench stock has no material 1001 or no three-cabinet setting\n");
        return 1;
    }

    std::vector<double> cards, rawCards, reports, rawReports;
    for (int round = 0; round < options.rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        card->BuildCard(row, "1001", from, to);
        cards.push_back(SecondsSince(start));
        const RawReadResult rawCard =
            RunRawOdbcReads(connection, {card->OpeningSql("1001", from).ToStdString(),
                                         card->MovementSql("1001", from, to).ToStdString()});
        start = std::chrono::steady_clock::now();
        cabinets->BuildReport(from, to);
        reports.push_back(SecondsSince(start));
        std::vector<std::string> statements{cabinets->ReportSql(from, to).ToStdString()};
        for (const nstovan::CabinetColumn& column : cabinets->Cabinets())
            statements.push_back(cabinets->CabinetSql(column, from, to).ToStdString());
        const RawReadResult rawReport = RunRawOdbcReads(connection, statements);
        if (rawCard.seconds < 0 || rawReport.seconds < 0) {
            std::fprintf(stderr, "plain ODBC failed: %s%s\n", rawCard.error.c_str(), rawReport.error.c_str());
            return 1;
        }
        rawCards.push_back(rawCard.seconds);
        rawReports.push_back(rawReport.seconds);
    }
    const double c = Median(cards), rc = Median(rawCards), r = Median(reports), rr = Median(rawReports);
    std::printf("stock card of material 1001 and \"Отчет по кабинетам\" (three cabinets) for %02d.%d, median of %d rounds\n",
                int(g_lMonth), year, options.rounds);
    std::printf("  page              form, ms   raw ODBC, ms   ratio\n");
    std::printf("  stock card        %8.2f   %12.2f   %5.2f\n", c * 1000, rc * 1000, c / rc);
    std::printf("  by cabinets       %8.2f   %12.2f   %5.2f\n", r * 1000, rr * 1000, r / rr);
    const double worst = std::max(c / rc, r / rr);
    PrintFigure("stock card and cabinets report / their statements (worst)", worst, 1.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    UnInitDll();
    return worst <= 1.5 ? 0 : 2;
}
