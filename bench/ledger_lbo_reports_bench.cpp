// The reports on limits of budget obligations over a year of 200,000
// postings (limits, obligations, financing and cash expenses on 50 KOSGU
// codes and two KBKs), each against the database work it stands on read
// through plain unixODBC: the monthly limits and their execution against
// their queries read to the end, the execution of the limits (100 pairs)
// against its 900 turnover aggregates; the balances by contract (10 codes, 3
// contracts) against its 360 turnover aggregates; the execution of monetary
// obligations (30 groups, 20 suppliers, 2,000 bank payment documents) against
// reading each table it draws on once.
//
//   ledger_lbo_reports_bench --dir <server dir> --port <port> [--rounds N]
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "ContractBalancePage.h"
#include "LboMonthPages.h"
#include "LboPeriodPages.h"
#include "LedgerAggregates.h"
#include "LedgerBenchProgram.h"
#include "ObligationsExecutionPage.h"
#include "PostingBench.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;

// Five kinds of posting in turn: limits 501.05/501.03, obligations
// 501.03/502.01, financing 201.01/304.04, cash expenses 304.05/201.01, and
// limits of source 2; KOSGU 200-249 and their economic codes, KBK 1 and 2.
const char* const kPostings =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kbk_deb,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kbk_kred,s,prim,fil_id) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, if(k=5,'2','1'), "
    "elt(k,'501','501','201','304','501'), elt(k,'05','03','01','05','05'), kosgu, code, '1', kbk, if(k=5,'2','1'), "
    "elt(k,'501','502','304','201','501'), elt(k,'03','01','04','01','03'), if(k=3,'000',kosgu), code, "
    "if(k=2, 1 + (seq div 5) mod 3, '1'), kbk, "
    "1 + (seq * 37) mod 100000 / 100, 'Операция', 1 "
    "from (select seq, 1 + seq mod 5 as k, 200 + (seq div 5) mod 50 as kosgu, (200 + (seq div 5) mod 50) * 1000 as code, "
    "1 + (seq div 250) mod 2 as kbk from seq_0_to_199999) q";

bool FillYear()
{
    CString codes = "insert ignore into spr_ekr (id,name) values ";
    for (int k = 0; k < 50; ++k)
        codes += FormatText("%s(%d,'Код %d')", k ? "," : "", (200 + k) * 1000, (200 + k) * 1000);
    // Assignments for the year and each quarter, 50 codes each.
    CString grid;
    for (int k = 0; k < 50; ++k)
        grid += FormatText("%s%d%s%d%s", k ? (LPCTSTR)GetDelimiter() : "", (200 + k) * 1000, (LPCTSTR)GetDelimiter0(),
                           1000 + k, (LPCTSTR)GetDelimiter0());
    CString assignments = "insert into ledmark_budg_assig (id,number,d,tiplim,ifin,kbk_deb,kbk_kred,grid,fil_id) values ";
    const char* const dates[] = {"2024-01-01", "2024-01-15", "2024-04-01", "2024-07-10", "2024-10-01"};
    for (int n = 0; n < 5; ++n)
        assignments += FormatText("%s(%d,'%d','%s',%d,1,1,1,%s,1)", n ? "," : "", n + 1, n + 1, dates[n], n ? 1 : 2,
                                  (LPCTSTR)NullStr(grid));
    // Breakdowns of contracts 1-3 for codes 200000-209000, source 1.
    CString breakdowns = "insert into ledmark_budg_rassh (number,d,dogovor,grid,fil_id) values ";
    for (int contract = 1; contract <= 3; ++contract) {
        CString rows;
        for (int k = 0; k < 10; ++k) {
            CString row = FormatText("%d", (200 + k) * 1000);
            for (int m = 0; m < 12; ++m)
                row += GetDelimiter0() + FormatText("%d", 100 + k);
            rows += (k ? GetDelimiter() : CString()) + row + GetDelimiter0() + "1" + GetDelimiter0() + "1";
        }
        breakdowns += FormatText("%s('%d','2024-01-20',%d,%s,1)", contract > 1 ? "," : "", contract, contract,
                                 (LPCTSTR)NullStr(rows));
    }
    return ExecuteSql("delete from ledmark_provodki\ndelete from ledmark_budg_assig\ndelete from ledmark_budg_rassh")
        && ExecuteSql(codes) && ExecuteSql(assignments) && ExecuteSql(kPostings) && ExecuteSql(breakdowns);
}

// The obligations of 20 suppliers: assignments of 15 codes on KBK 1 and 2 (30
// groups); each supplier a contract with a breakdown for three of the groups,
// an invoice a month for each of them (720 manual operations) and, among
// them, 2,000 bank payment documents with their payment orders and postings.
bool FillObligations()
{
    const char* const kGroup = "((seq div 20) mod 3 + (seq mod 20) * 3) mod 30";
    const CString c = GetDelimiter0(), r = GetDelimiter();
    CString sql =
        "delete from ledmark_bank_spis\ndelete from plpor\ndelete from ledmark_oper_by_hand\n"
        "delete from spr_contr where id>1000\ndelete from spr_org where id>1000\ndelete from spr_dogovora where id>1000\n"
        "insert into spr_org (id,name) select 1001+seq, concat('Поставщик ',seq) from seq_0_to_19\n"
        "insert into spr_contr (id,name,tip,id_tip) select 1001+seq, concat('Поставщик ',seq), 0, 1001+seq "
        "from seq_0_to_19\n"
        "insert into spr_dogovora (id,name,org,number,d,sd) select 1001+seq, concat('Договор ',seq), 1001+seq, "
        "concat('Д-',seq), '2024-01-10', '2024-12-31' from seq_0_to_19\n"
        // Assignments: group g is code 200000 + (g mod 15) * 1000 on KBK 1 + g div 15.
        "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,kred3,kred_sb1,"
        "kbk_kred,s,fil_id) select 700000, seq+1, '2024-01-01', '1','503','01', 200 + seq mod 15, "
        "(200 + seq mod 15) * 1000, 1 + seq div 15, '1','501','01', 200 + seq mod 15, (200 + seq mod 15) * 1000, "
        "1 + seq div 15, 100000, 1 from seq_0_to_29\n";
    // Invoices: supplier s, its group j (0-2), month m.
    sql += "insert into ledmark_oper_by_hand (id,d,number,s,fil_id) select 710000+seq, "
           "date_add('2024-01-05', interval seq div 60 month), concat('СФ-',seq), 1000, 1 from seq_0_to_719\n"
           "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kbk_deb,kred0,kred1,kred2,kred3,kred_sb1,"
           "kred_sb2,kbk_kred,s,fil_id) select 710000+seq, 1, date_add('2024-01-05', interval seq div 60 month), "
           "'1','401','20', 200 + g mod 15, (200 + g mod 15) * 1000, 1 + g div 15, '1','302','34','730', 1001 + seq mod 20, "
           "(200 + g mod 15) * 1000, 1 + g div 15, 1000 + seq mod 7, 1 from (select seq, "
           + CString(kGroup) + " as g from seq_0_to_719) q\n";
    // Payment orders and bank payment documents of one row each, with their postings.
    sql += "insert into plpor (npp,d,number,s,org) select 1+seq, '2024-01-01' + interval (seq mod 365) day, "
           "cast(1000+seq as char), 500, 1001 + seq mod 20 from seq_0_to_1999\n"
           "insert into ledmark_bank_spis (id,number,d,grid,s,kred,fil_id) select 720000+seq, cast(seq as char), "
           "'2024-01-01' + interval (seq mod 365) day, concat((200 + g mod 15) * 1000, '"
           + c + "130234830" + c + "', 1001 + seq mod 20, '" + c + "', (200 + g mod 15) * 1000, '" + c + "', 1001 + seq mod 20, '"
           + c + "', 500 + seq mod 3, '" + c + "Оплата" + c + "', 1+seq, '" + c + "', 1 + g div 15, '" + c
           + "', 1 + g div 15, '" + c + c + "1" + r + "'), 500, '130405000', 1 from (select seq, " + kGroup
           + " as g from seq_0_to_1999) q\n"
             "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kbk_deb,kred0,kred1,kred2,kred3,"
             "kred_sb1,kbk_kred,s,fil_id) select 720000+seq, 1, '2024-01-01' + interval (seq mod 365) day, '1','302','34',"
             "'830', 1001 + seq mod 20, (200 + g mod 15) * 1000, 1 + g div 15, '1','304','05', 200 + g mod 15, "
             "(200 + g mod 15) * 1000, 1 + g div 15, 500 + seq mod 3, 1 from (select seq, "
           + CString(kGroup) + " as g from seq_0_to_1999) q";
    // Each supplier's breakdown: its three groups, 1,000 a month, source 1.
    CString breakdowns = "insert into ledmark_budg_rassh (number,d,dogovor,grid,fil_id) values ";
    for (int supplier = 0; supplier < 20; ++supplier) {
        CString rows;
        for (int j = 0; j < 3; ++j) {
            const int g = (j + supplier * 3) % 30;
            CString row = FormatText("%d", (200 + g % 15) * 1000);
            for (int m = 0; m < 12; ++m)
                row += c + "1000";
            rows += (j ? r : CString()) + row + c + "1" + c + FormatText("%d", 1 + g / 15);
        }
        breakdowns += FormatText("%s('%d','2024-01-20',%d,%s,1)", supplier ? "," : "", supplier + 1, 1001 + supplier,
                                 (LPCTSTR)NullStr(rows));
    }
    return ExecuteSql(sql) && ExecuteSql(breakdowns);
}

// Each table the execution of monetary obligations draws on, read once over the year.
std::vector<std::string> ObligationTables()
{
    return {"select id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kbk_deb,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,"
            "kbk_kred,s,fil_id from ledmark_provodki where d>='2024-01-01' and d<='2024-12-31'",
            "select id,number,d from ledmark_oper_by_hand where d>='2024-01-01' and d<='2024-12-31'",
            "select id,number,d,grid,s,fil_id from ledmark_bank_spis where d>='2024-01-01' and d<='2024-12-31'",
            "select dogovor,d,grid,fil_id from ledmark_budg_rassh where d>='2024-01-01' and d<='2024-12-31'",
            "select npp,d,number from plpor", "select id,org,number,d,sd from spr_dogovora",
            "select id,name,tip,id_tip from spr_contr", "select id,rasx from spr_kbk"};
}

// The nine turnovers of each of the 100 pairs, as the report makes them.
std::vector<std::string> PairAggregates()
{
    std::vector<std::string> queries;
    for (int kbk = 1; kbk <= 2; ++kbk)
        for (int k = 200; k < 250; ++k) {
            const CString kosgu = FormatText("%d", k), kbkText = FormatText("%d", kbk);
            const CString limit = "150105" + kosgu, transit = "150103000", obligation = "150201" + kosgu;
            const CString spent = "130405" + kosgu, received = "120101" + kosgu, financing = "130404000";
            const std::pair<CString, CString> calls[] = {{limit, transit},     {limit, transit},
                                                         {obligation, transit}, {spent, ""},
                                                         {received, financing}, {financing, received},
                                                         {spent, ""},           {received, ""},
                                                         {received, financing}};
            for (const auto& [a, b] : calls)
                queries.push_back(TurnoverAggregate("2024-01-01", "2024-12-31", a, b, kbkText));
        }
    return queries;
}

// The twelve monthly turnovers of each code and contract of the balances by contract.
std::vector<std::string> ContractAggregates()
{
    std::vector<std::string> queries;
    for (int k = 0; k < 10; ++k)
        for (int contract = 1; contract <= 3; ++contract)
            for (int m = 1; m <= 12; ++m) {
                const std::string from = FormatText("2024-%02d-01", m).ToStdString();
                const std::string to =
                    FormatText("2024-%02d-%02d", m, QDate(kYear, m, 1).daysInMonth()).ToStdString();
                queries.push_back(TurnoverAggregate(from.c_str(), to.c_str(), "150201000", "", "",
                                                    FormatText("%d", (200 + k) * 1000), FormatText("%d", contract)));
            }
    return queries;
}

double RawReads(const std::string& connection, const std::vector<std::string>& queries, bool& ok)
{
    double seconds = 0;
    for (const std::string& sql : queries) {
        const RawReadResult raw = RunRawOdbcRead(connection, sql);
        if (raw.seconds < 0) {
            std::fprintf(stderr, "plain ODBC read failed: %s\n%s\n", raw.error.c_str(), sql.c_str());
            ok = false;
            return 0;
        }
        seconds += raw.seconds;
    }
    return seconds;
}

std::vector<std::string> Texts(const std::vector<CString>& queries)
{
    std::vector<std::string> texts;
    for (const CString& sql : queries)
        texts.push_back(sql.ToStdString());
    texts.push_back(kEkrOrderSql);
    return texts;
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_lbo_reports_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillYear() || !FillObligations())
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    const std::string connection = BenchConnectionString();

    LboMonthFilter month;
    month.year = kYear;
    month.source = 1;
    LboPeriodFilter period;
    period.from = COleDateTime(kYear, 1, 1, 0, 0, 0);
    period.to = COleDateTime(kYear, 12, 31, 0, 0, 0);
    period.source = 1;
    const std::vector<std::string> planQueries = Texts(PlannedLimitsQueries(month));
    const std::vector<std::string> factQueries = Texts(LimitsExecutionQueries(month));
    const std::vector<std::string> turnovers = PairAggregates();
    const std::vector<std::string> contractTurnovers = ContractAggregates();
    ContractBalanceFilter contracts;
    contracts.year = kYear;
    contracts.source = 1;
    contracts.contracts = {1, 2, 3};

    ObligationsFilter obligations;
    obligations.from = period.from;
    obligations.to = period.to;
    obligations.sources = {"1"};
    obligations.sourceSql = " and (deb0=1)";
    const std::vector<std::string> obligationTables = ObligationTables();

    std::vector<double> plans, planRaws, facts, factRaws, isps, ispRaws, balances, balanceRaws, executions,
        executionRaws;
    int suppliers = 0;
    bool ok = true;
    int pairs = 0;
    for (int round = 0; round < options.rounds && ok; ++round) {
        plans.push_back(TimedSeconds([&] { return PlannedLimitsPage(month).complete; }, ok));
        planRaws.push_back(RawReads(connection, planQueries, ok));
        facts.push_back(TimedSeconds([&] { return LimitsExecutionPage(month).complete; }, ok));
        factRaws.push_back(RawReads(connection, factQueries, ok));
        LimitPage isp;
        isps.push_back(TimedSeconds([&] {
            isp = LimitsExecutionReportPage(period);
            return isp.complete;
        }, ok));
        pairs = isp.html.ToQString().count("<tr><td align=center>&nbsp;");
        ispRaws.push_back(RawReads(connection, turnovers, ok));
        balances.push_back(TimedSeconds([&] { return ContractBalancePage(contracts).complete; }, ok));
        balanceRaws.push_back(RawReads(connection, contractTurnovers, ok));
        LimitPage execution;
        executions.push_back(TimedSeconds([&] {
            execution = ObligationsExecutionPage(obligations);
            return execution.complete;
        }, ok));
        suppliers = execution.html.ToQString().count("Поставщик ");
        executionRaws.push_back(RawReads(connection, obligationTables, ok));
    }
    // 60 supplier rows by postings and breakdowns, and as many again by the bank payment documents,
    // which show in every group of their economic code whatever its KBK.
    if (!ok || pairs != 100 || suppliers != 120) {
        std::fprintf(stderr, "a report failed (%d pairs, %d supplier rows)\n", pairs, suppliers);
        return 1;
    }
    const double plan = Median(plans), planRaw = Median(planRaws), fact = Median(facts), factRaw = Median(factRaws);
    const double isp = Median(isps), ispRaw = Median(ispRaws);
    const double balance = Median(balances), balanceRaw = Median(balanceRaws);
    const double execution = Median(executions), executionRaw = Median(executionRaws);
    std::printf("reports on limits over 200,000 postings, median of %d rounds\n", options.rounds);
    std::printf("  planned limits by month, page:                %8.2f ms\n", plan * 1000);
    std::printf("  its 14 queries read to the end (ODBC):        %8.2f ms\n", planRaw * 1000);
    PrintFigure("planned limits by month / its queries", plan / planRaw, 1.5);
    std::printf("  execution of limits by month, page:           %8.2f ms\n", fact * 1000);
    std::printf("  its 13 queries read to the end (ODBC):        %8.2f ms\n", factRaw * 1000);
    PrintFigure("execution of limits by month / its queries", fact / factRaw, 1.5);
    std::printf("  execution of limits, 100 pairs, page:         %8.2f ms\n", isp * 1000);
    std::printf("  its 900 turnover aggregates (ODBC):           %8.2f ms\n", ispRaw * 1000);
    PrintFigure("execution of limits, 100 pairs / its turnovers", isp / ispRaw, 1.5);
    std::printf("  balances by contract, 10 codes x 3, page:     %8.2f ms\n", balance * 1000);
    std::printf("  its 360 turnover aggregates (ODBC):           %8.2f ms\n", balanceRaw * 1000);
    PrintFigure("balances by contract / its turnovers", balance / balanceRaw, 1.5);
    std::printf("  execution of monetary obligations, page:      %8.2f ms\n", execution * 1000);
    std::printf("  its tables read once each (ODBC):             %8.2f ms\n", executionRaw * 1000);
    PrintFigure("execution of monetary obligations / its tables", execution / executionRaw, 3);
    AfxGetApp()->CloseAllDocuments(TRUE);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return plan / planRaw <= 1.5 && fact / factRaw <= 1.5 && isp / ispRaw <= 1.5 && balance / balanceRaw <= 1.5
                   && execution / executionRaw <= 3
               ? 0
               : 2;
}
