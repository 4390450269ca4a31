// The payroll's posting 5 handed to the ledger, as the transfer form runs it
// (Prov_5 of the payroll workplace, evaluated in its context): a month's
// transfer for the 500 bench employees, with the earnings and the tax posted
// per employee and the contributions in one sum, against the very statements
// it sent replayed through plain unixODBC in one transaction;
// and the printout of the twelve months of the year ("Печать 5 проводки", the
// page without a date) against its reads sent raw. Side by side in one run;
// prints the times and the ratios (targets: the transfer at most 2 times its
// yardstick, the printout at most 1.5 times).
//
//   build/bin/paymar_prov5_bench [--dir D] [--port P] [--rounds N]
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "PayrollData.h"
#include "PostingScript.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "StatementCapture.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <cstdio>

namespace {

constexpr long kYear = 2024;
constexpr long kMonth = 3;

bool IsRead(const std::string& sql)
{
    const QString text = QString::fromStdString(sql).trimmed();
    return text.startsWith(QStringLiteral("select"), Qt::CaseInsensitive);
}

// The reads among the statements a piece of work sent; `wrote` tells whether
// it sent anything else.
std::vector<std::string> Reads(const std::vector<std::string>& statements, bool& wrote)
{
    std::vector<std::string> reads;
    wrote = false;
    for (const std::string& sql : statements) {
        if (IsRead(sql))
            reads.push_back(sql);
        else
            wrote = true;
    }
    return reads;
}

const char* const kClearTransfer =
    "delete from ledmark_provodki where id in (select id from paymar_prov5)\n"
    "delete from ledmark_oper_by_hand where id in (select id from paymar_prov5)\n"
    "delete from paymar_prov5";

struct Figure {
    double seconds = 0;
    double raw = 0;
    size_t statements = 0;
    long postings = 0;
};

bool MeasureTransfer(const BenchOptions& options, Figure& figure)
{
    const std::string raw = BenchConnectionString();
    const CString date = FormatText("31.%02ld.%ld", kMonth, kYear);
    const CString condition = FormatText("and (paymar_NUz.ms=%ld)", kMonth);
    std::vector<double> layer, plain;
    for (int round = 0; round < options.rounds; ++round) {
        ExecuteSql(kClearTransfer);
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        const bool done = npaymar::RunPostingScript(condition, "", int(kMonth), date);
        layer.push_back(SecondsSince(start));
        const std::vector<std::string> statements = capture.statements();
        figure.postings = (long)ExecuteCount(
            "select count(*) from ledmark_provodki where id in (select id from paymar_prov5)");
        ExecuteSql(kClearTransfer);
        // The very statements the transfer sent, replayed on a plain
        // connection in one transaction: its reads, the counter and the batch.
        std::string error;
        const double replayed = RunRawOdbcReplay(raw, statements, error);
        if (!done || figure.postings == 0 || replayed < 0) {
            std::fprintf(stderr, "the transfer failed: %s\n", error.c_str());
            return false;
        }
        plain.push_back(replayed);
        figure.statements = statements.size();
    }
    ExecuteSql(kClearTransfer);
    figure.seconds = Median(layer);
    figure.raw = Median(plain);
    return true;
}

bool MeasurePrintout(const BenchOptions& options, Figure& figure, size_t& pageLength)
{
    std::string page;
    appcore::GetScriptHooks().showReport = [&](const std::string& html, const std::string&) { page = html; };
    const std::string raw = BenchConnectionString();
    std::vector<double> layer, plain;
    for (int round = 0; round < options.rounds; ++round) {
        page.clear();
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        const bool done = npaymar::RunPostingScript("", "", -1, nullptr);
        layer.push_back(SecondsSince(start));
        const std::vector<std::string> statements = capture.statements();
        bool wrote = false;
        const RawReadResult read = RunRawOdbcReads(raw, Reads(statements, wrote));
        if (!done || page.empty() || wrote || read.seconds < 0) {
            std::fprintf(stderr, "the printout failed: %s\n", read.error.c_str());
            return false;
        }
        plain.push_back(read.seconds);
        figure.statements = statements.size();
    }
    pageLength = page.size();
    figure.seconds = Median(layer);
    figure.raw = Median(plain);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_prov5_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    // Prov_5 lives in the payroll workplace.
    for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i)
        if (GetDataArchive()->GetArm(i)->m_strId == "ПАЙМАР")
            g_lARM = i;
    g_lYear = kYear;
    g_lMonth = kMonth;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    if (!FillBenchStaff(kYear, kMonth) || !FillBenchPayroll(kYear, kMonth) || !FillBenchPayrollYear(kYear)) {
        std::fprintf(stderr, "filling the bench payroll failed\n");
        return 1;
    }
    const long employees = (long)ExecuteCount(
        FormatText("select count(distinct tn) from paymar_m where g=%ld and ms=%ld", kYear, kMonth));
    // A first transfer and printout warm the server's pages and the scripts.
    npaymar::RunPostingScript(FormatText("and (paymar_NUz.ms=%ld)", kMonth), "", int(kMonth),
                              FormatText("31.%02ld.%ld", kMonth, kYear));
    appcore::GetScriptHooks().showReport = [](const std::string&, const std::string&) {};
    npaymar::RunPostingScript("", "", -1, nullptr);

    Figure transfer, printout;
    size_t page = 0;
    if (!MeasureTransfer(options, transfer) || !MeasurePrintout(options, printout, page))
        return 1;
    std::printf("payroll posting 5 of %ld employees, median of %d rounds\n", employees, options.rounds);
    std::printf("  the month's transfer, %ld postings:   %9.2f ms   raw %9.2f ms   %4zu statements\n",
                transfer.postings, transfer.seconds * 1000, transfer.raw * 1000, transfer.statements);
    std::printf("  the printout of twelve months:        %9.2f ms   raw %9.2f ms   %4zu statements, page %zu bytes\n",
                printout.seconds * 1000, printout.raw * 1000, printout.statements, page);
    PrintFigure("transfer / raw", transfer.seconds / transfer.raw, 2);
    PrintFigure("printout / raw", printout.seconds / printout.raw, 1.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return transfer.seconds / transfer.raw <= 2 && printout.seconds / printout.raw <= 1.5 ? 0 : 2;
}
