// The act of reconciliation and the off-balance list over a year of postings
// (BenchRegisterYear, 200,000 unless --rows says otherwise) with 1,000 more
// settlements of one supplier on 302 and 206: the act in per-posting mode as
// the form's OK builds it (BuildReconciliationAct) against the postings
// query it runs read to the end plus its nine balance aggregates, and the
// off-balance list's refill read as the form reads it against the same query
// read through plain unixODBC on one connection. Side by side in one run;
// prints the times and the ratios (target <= 1.5).
//
//   build/bin/ledger_reconciliation_bench [--dir D] [--port P] [--rounds N] [--rows R] [--buffer-pool S]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_reconciliation_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPrnJrnZabSchView.h"
#include "LedgerAggregates.h"
#include "RawOdbcRead.h"
#include "ReconciliationAct.h"
#include "RegisterPage.h"

#include <appcore.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;
constexpr long kSupplier = 777;

CReconciliationRequest Request()
{
    CReconciliationRequest r;
    r.from = COleDateTime(kYear, 1, 1, 0, 0, 0);
    r.to = COleDateTime(kYear, 12, 31, 0, 0, 0);
    r.today = r.to;
    r.counterparty = kSupplier;
    r.perPosting = true;
    return r;
}

// The supplier's year: deliveries on 302.34, payments of them and advances
// on 206.34, 1,000 postings in all.
const char* const kSupplierYear =
    "insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, kred1, kred2, kred3, "
    "kred_sb1, kbk_kred, s, fil_id) "
    "select 9000000 + seq, 1, '2024-01-01' + interval (seq mod 360) day, '1', "
    "case seq mod 3 when 0 then '105' when 1 then '302' else '206' end, "
    "case seq mod 3 when 0 then '32' else '34' end, case seq mod 3 when 0 then '340' when 1 then '830' else '560' end, "
    "case seq mod 3 when 0 then null else '777' end, 1, '1', "
    "case seq mod 3 when 0 then '302' else '201' end, case seq mod 3 when 0 then '34' else '11' end, "
    "case seq mod 3 when 0 then '730' else '610' end, case seq mod 3 when 0 then '777' else null end, 1, "
    "10 + seq mod 97, 1 + seq mod 2 from seq_1_to_1000";

struct Measured {
    std::vector<double> own, raw;
    long rows = 0;
};

bool ActRound(const std::string& connection, Measured& m)
{
    std::vector<std::string> calls;
    appcore::GetScriptHooks().evaluating = [&](const std::string& call, const std::string&) { calls.push_back(call); };
    const auto start = std::chrono::steady_clock::now();
    const LimitPage act = BuildReconciliationAct(Request());
    m.own.push_back(SecondsSince(start));
    appcore::GetScriptHooks().evaluating = nullptr;
    if (!act.complete) {
        std::fprintf(stderr, "the act is not complete\n");
        return false;
    }
    std::vector<std::string> sqls = AggregatesOfCalls(calls);
    const CReconciliationRequest r = Request();
    sqls.push_back(GL_SqlProvodki(RegisterSqlDate(r.from), RegisterSqlDate(r.to),
                                  "where " + ReconciliationCondition(r.counterparty, "", GetFilsSql("")), 1)
                       .GetString());
    const RawReadResult raw = RunRawOdbcReads(connection, sqls);
    if (raw.seconds < 0) {
        std::fprintf(stderr, "plain ODBC read failed: %s\n", raw.error.c_str());
        return false;
    }
    m.raw.push_back(raw.seconds);
    m.rows = raw.rows;
    return true;
}

bool OffBalanceRound(const std::string& connection, Measured& m)
{
    const CReconciliationRequest r = Request();
    const CString sql = OffBalanceAccountsSql(RegisterSqlDate(r.from), RegisterSqlDate(r.to), -2);
    std::vector<std::vector<CString>> rows;
    const auto start = std::chrono::steady_clock::now();
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        rows.push_back({RegisterColumn(rs, "sch0") + RegisterColumn(rs, "sch1"), RegisterColumn(rs, "name")});
    });
    m.own.push_back(SecondsSince(start));
    const RawReadResult raw = RunRawOdbcRead(connection, sql.GetString());
    if (read < 1 || raw.seconds < 0) {
        std::fprintf(stderr, "the off-balance list failed: %s\n", raw.error.c_str());
        return false;
    }
    m.raw.push_back(raw.seconds);
    m.rows = read;
    return true;
}

bool Print(const char* what, const Measured& m)
{
    const double own = Median(m.own), raw = Median(m.raw);
    std::printf("  %-44s %8.3f s  (%ld rows)  raw %8.3f s\n", what, own, m.rows, raw);
    return PrintFigure(FormatText("%s: own / raw", what).GetString(), raw > 0 ? own / raw : 0.0, 1.5);
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_reconciliation_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = kYear;
    g_lTN = 1;
    SetDPV1(FormatText("01.01.%d", kYear));
    SetDPV2(FormatText("31.12.%d", kYear));
    if (!ExecuteSql("delete from ledmark_provodki") || !ExecuteSql(BenchRegisterYear(options.rows, kYear).c_str())
        || !ExecuteSql(kSupplierYear) || !ExecuteSql("analyze table ledmark_provodki"))
        return 1;
    const std::string connection = BenchConnectionString();
    Measured act, offBalance;
    // A first build warms the server's pages and the scripts.
    BuildReconciliationAct(Request());
    for (int round = 0; round < options.rounds; ++round)
        if (!ActRound(connection, act) || !OffBalanceRound(connection, offBalance))
            return 1;
    std::printf("act of reconciliation and off-balance list over %ld postings of %d, median of %d rounds\n",
                options.rows, kYear, options.rounds);
    const bool actHeld = Print("act, supplier of 1,000 postings, per posting", act);
    const bool offHeld = Print("off-balance list refill", offBalance);
    return actHeld && offHeld ? 0 : 2;
}
