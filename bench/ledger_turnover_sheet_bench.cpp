// The turnover sheets over a year of postings (BenchRegisterYear, 200,000
// unless --rows says otherwise), each built as its form builds it, side by
// side in one run with the same work done directly on one plain unixODBC
// connection:
// - the turnover-and-balance sheet of the year without and with the KOSGU
//   rows (BuildTurnoverSheet: the group query, the workplace script's
//   tmp_0 writes per group, their reading back) against the very statements
//   it sent, captured from the database layer and replayed raw;
// - the turnover statement of account 1 208 12 by employees over the year
//   (the form's script "OnOk") against one grouped query giving the same
//   figures.
// Prints the times and the ratios (target <= 1.5).
//
//   build/bin/ledger_turnover_sheet_bench [--dir D] [--port P] [--rounds N] [--rows R] [--buffer-pool S]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_turnover_sheet_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StatementCapture.h"
#include "TurnoverSheet.h"

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

CTurnoverSheetRequest Request(bool expand)
{
    CTurnoverSheetRequest request;
    request.from = COleDateTime(kYear, 1, 1, 0, 0, 0);
    request.to = COleDateTime(kYear, 12, 31, 0, 0, 0);
    request.expand = expand;
    return request;
}

struct Measured {
    std::vector<double> own, raw;
    size_t statements = 0;
    int groups = 0;
};

bool SheetRound(bool expand, const std::string& connection, Measured& m)
{
    std::vector<std::string> sent;
    int calls = 0;
    appcore::GetScriptHooks().evaluating = [&](const std::string& call, const std::string&) {
        calls += call.rfind("fn_ledmark_prn_osv(\"", 0) == 0 ? 1 : 0;
    };
    LimitPage sheet;
    {
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        sheet = BuildTurnoverSheet(Request(expand), GetServerId());
        m.own.push_back(SecondsSince(start));
        sent = capture.statements();
    }
    appcore::GetScriptHooks().evaluating = nullptr;
    if (!sheet.complete) {
        std::fprintf(stderr, "the sheet is not complete\n");
        return false;
    }
    m.groups = expand ? calls / 2 : calls;
    m.statements = sent.size();
    std::string error;
    const double raw = RunRawOdbcReplay(connection, sent, error);
    if (raw < 0) {
        std::fprintf(stderr, "the sheet's statements did not replay: %s\n", error.c_str());
        return false;
    }
    m.raw.push_back(raw);
    return true;
}

const char* const kStatementCall =
    "OnOk(\"01.01.2024\",\"31.12.2024\",1,\"208\\002" "12\\002\\001\\002\\002\",1,0,0,11,-1,-1,\"\",\"\",\"\",\"\",\"\",0)";

// The same figures as one grouped query: per employee the opening balance,
// the turnovers and the closing balance of 1 208 12 with the employee's name.
const char* const kStatementYardstick =
    "select v1,concat_ws(' ',tn.f,tn.i,tn.o) as name,sum(case when d<'2024-01-01' then ds-ks else 0 end) as o,"
    "sum(case when d>='2024-01-01' then ds else 0 end) as dt,sum(case when d>='2024-01-01' then ks else 0 end) as kt "
    "from (select deb_sb1 as v1,d,s as ds,0 as ks from ledmark_provodki where deb1='208' and deb2='12' and "
    "deb0='1' and d<='2024-12-31' union all select kred_sb1,d,0,s from ledmark_provodki where kred1='208' and "
    "kred2='12' and kred0='1' and d<='2024-12-31') q left join tn on tn.tn=q.v1 group by v1,name order by v1";

bool StatementRound(const std::string& connection, Measured& m)
{
    std::string page;
    appcore::GetScriptHooks().showReport = [&page](const std::string& html, const std::string&) { page = html; };
    CString result;
    const auto start = std::chrono::steady_clock::now();
    const int ok = CHelpers::EXEC_GetFunctionValue(kStatementCall, result, "Form.PrnOborotSchView");
    m.own.push_back(SecondsSince(start));
    appcore::GetScriptHooks().showReport = nullptr;
    if (!ok || atol(result) != 1 || page.empty()) {
        std::fprintf(stderr, "the statement was not made\n");
        return false;
    }
    const RawReadResult raw = RunRawOdbcReads(connection, {kStatementYardstick});
    if (raw.seconds < 0) {
        std::fprintf(stderr, "plain ODBC read failed: %s\n", raw.error.c_str());
        return false;
    }
    m.groups = int(raw.rows);
    m.raw.push_back(raw.seconds);
    return true;
}

bool Print(const char* what, const char* detail, const Measured& m)
{
    const double own = Median(m.own), raw = Median(m.raw);
    std::printf("  %-40s %8.3f s  (%s)  raw %8.3f s\n", what, own, detail, raw);
    return PrintFigure(FormatText("turnover sheets, %s: own / raw", what).GetString(), raw > 0 ? own / raw : 0.0, 1.5);
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_turnover_sheet_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    // The sheet's script lives in the ledger workplace.
    for (int i = 0; i < GetDataArchive()->GetArmCount(); ++i)
        if (GetDataArchive()->GetArm(i)->m_strId == "ЛЕДМАРК")
            g_lARM = i;
    g_lYear = kYear;
    g_lTN = 1;
    SetDPV1(FormatText("01.01.%d", kYear));
    SetDPV2(FormatText("31.12.%d", kYear));
    if (!ExecuteSql("delete from ledmark_provodki") || !ExecuteSql(BenchRegisterYear(options.rows, kYear).c_str())
        || !ExecuteSql("analyze table ledmark_provodki"))
        return 1;
    const std::string connection = BenchConnectionString();
    Measured plain, kosgu, statement;
    // A first run of each warms the server's pages and the scripts.
    BuildTurnoverSheet(Request(false), GetServerId());
    BuildTurnoverSheet(Request(true), GetServerId());
    for (int round = 0; round < options.rounds; ++round)
        if (!SheetRound(false, connection, plain) || !SheetRound(true, connection, kosgu)
            || !StatementRound(connection, statement))
            return 1;
    std::printf("turnover sheets over %ld postings of %d, median of %d rounds\n", options.rows, kYear, options.rounds);
    const std::string plainDetail = std::to_string(plain.groups) + " groups, " + std::to_string(plain.statements) +
                                    " statements";
    const std::string kosguDetail = std::to_string(kosgu.groups) + " groups, " + std::to_string(kosgu.statements) +
                                    " statements";
    const std::string statementDetail = std::to_string(statement.groups) + " employees";
    const bool a = Print("sheet", plainDetail.c_str(), plain);
    const bool b = Print("sheet with KOSGU rows", kosguDetail.c_str(), kosgu);
    const bool c = Print("statement of 1 208 12 by employees", statementDetail.c_str(), statement);
    return a && b && c ? 0 : 2;
}
