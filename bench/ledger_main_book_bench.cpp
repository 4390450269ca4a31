// The main book over a year of postings (BenchRegisterYear, 200,000 unless
// --rows says otherwise): the cash account 1 201 34 000, which has twenty
// correspondents, for the whole year, and every account at once, each built
// as the form builds it (BuildMainBook), against the same opening and turnover
// aggregates that the balance and turnover scripts ran, read directly through
// plain unixODBC on one connection. Side by side in one run; prints the
// times and the ratios (target <= 1.5).
//
//   build/bin/ledger_main_book_bench [--dir D] [--port P] [--rounds N] [--rows R] [--buffer-pool S]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_main_book_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "LedgerAggregates.h"
#include "MainBookPage.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;

CMainBookRequest Request(bool allAccounts)
{
    CMainBookRequest request;
    request.from = COleDateTime(kYear, 1, 1, 0, 0, 0);
    request.to = COleDateTime(kYear, 12, 31, 0, 0, 0);
    request.account = "120134000";
    request.allAccounts = allAccounts;
    return request;
}

struct Measured {
    std::vector<double> book, raw;
    int pages = 0;
    size_t aggregates = 0;
};

// One round: the book built with the script calls it makes recorded, then
// the aggregates of those calls run directly.
bool Round(const CMainBookRequest& request, const std::string& connection, Measured& m)
{
    std::vector<std::string> calls;
    appcore::GetScriptHooks().evaluating = [&](const std::string& call, const std::string&) { calls.push_back(call); };
    const auto start = std::chrono::steady_clock::now();
    const LimitPage book = BuildMainBook(request);
    m.book.push_back(SecondsSince(start));
    appcore::GetScriptHooks().evaluating = nullptr;
    if (!book.complete) {
        std::fprintf(stderr, "the main book is not complete\n");
        return false;
    }
    m.pages = int(book.html.ToQString().count(QStringLiteral("<h3>Главная книга</h3>")));
    const std::vector<std::string> aggregates = AggregatesOfCalls(calls);
    m.aggregates = aggregates.size();
    const RawReadResult raw = RunRawOdbcReads(connection, aggregates);
    if (raw.seconds < 0) {
        std::fprintf(stderr, "plain ODBC read failed: %s\n", raw.error.c_str());
        return false;
    }
    m.raw.push_back(raw.seconds);
    return true;
}

// Prints the times and gives whether the ratio holds its target.
bool Print(const char* what, const Measured& m)
{
    const double book = Median(m.book), raw = Median(m.raw);
    std::printf("  %-44s %8.3f s  (%d pages, %zu aggregates)  aggregates raw %8.3f s\n", what, book, m.pages,
                m.aggregates, raw);
    return PrintFigure(FormatText("main book, %s: book / raw", what).GetString(), raw > 0 ? book / raw : 0.0, 1.5);
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_main_book_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = kYear;
    g_lTN = 1;
    SetDPV1(FormatText("01.01.%d", kYear));
    SetDPV2(FormatText("31.12.%d", kYear));
    if (!ExecuteSql("delete from ledmark_provodki") || !ExecuteSql(BenchRegisterYear(options.rows, kYear).c_str())
        || !ExecuteSql("analyze table ledmark_provodki"))
        return 1;
    const std::string connection = BenchConnectionString();
    Measured one, all;
    // A first build of each warms the server's pages and the scripts.
    BuildMainBook(Request(false));
    BuildMainBook(Request(true));
    for (int round = 0; round < options.rounds; ++round)
        if (!Round(Request(false), connection, one) || !Round(Request(true), connection, all))
            return 1;
    if (one.pages != 1 || all.pages < 20) {
        std::fprintf(stderr, "unexpected pages: %d of the cash account, %d of all accounts\n", one.pages, all.pages);
        return 1;
    }
    std::printf("main book over %ld postings of %d, median of %d rounds\n", options.rows, kYear, options.rounds);
    const bool oneHeld = Print("cash account 1 201 34 000 (20 correspondents)", one);
    const bool allHeld = Print("every account", all);
    return oneHeld && allHeld ? 0 : 2;
}
