// The advance report over a year of 500,000 postings, side by side in one run:
//
// 1. The person refresh (the person's latest earlier report and previous
//    advance: two queries and the balance on 208 through the balance script)
//    against the same two queries and the balance aggregate read to the end
//    through plain unixODBC (target <= 1.5).
// 2. Saving a report of 50 lines with their pairs through 501.03 and 502.01
//    (each line's postings settled and tested by the posting script, then the
//    header and the 100 postings as one transaction) against the same header
//    and 100 posting inserts through plain unixODBC in one transaction
//    (target <= 2).
//
//   build/bin/ledger_avans_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_avans_bench" with the schema of db/mysql.
#include "AvansLookups.h"
#include "AvansPostings.h"
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CAvansOtchRecord.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "ScriptReadCache.h"
#include "ledmark.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace nledmark;

const char* const kDate = "15.12.2024";
const char* const kAccount = "120812660";

// 2,000 reports of employees 1-5 through the year.
const char* const kReports =
    "insert into ledmark_avans_otch (id,number,d,tn,sch,s,fil_id) "
    "select 0, cast(seq + 1 as char), '2024-01-01' + interval (seq mod 366) day, 1 + seq mod 5, '120812660', 100, 1 "
    "from seq_0_to_1999";

// What the person refresh reads, as plain SQL: the two queries of the
// earlier report and the aggregate the balance script makes for 208 of
// employee 3 in branch 1 up to the day after the report.
const char* const kRawNumber =
    "select cast(number as char) as str from ledmark_avans_otch where d<='2024-12-15' and tn=3 and real_id<>-1 "
    "order by d desc,real_id desc";
const char* const kRawDate =
    "select d as str from ledmark_avans_otch where d<='2024-12-15' and tn=3 and real_id<>-1 "
    "order by d desc,real_id desc";
const char* const kRawBalance =
    "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,coalesce(sum(kq),0) as kq "
    "from (select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki "
    "where deb1='208' and fil_id in (1) and deb_sb1='3' and d<'2024-12-16' "
    "union all select 0,sum(s),0,sum(kol) from ledmark_provodki "
    "where kred1='208' and fil_id in (1) and kred_sb1='3' and d<'2024-12-16') q";

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

CAvansOtchRecord Report()
{
    CAvansOtchRecord r;
    r.number = "1";
    r.date = "15.03.2024";
    r.account = kAccount;
    r.tn = "1";
    r.department = "1";
    r.icn = "Хозяйственные нужды";
    r.sum = "5000";
    r.through501 = 1;
    return r;
}

// The 14 cells of line n: a supplier's bill paid by the person, with its contract.
void LineCells(int n, CString* cells)
{
    const char* fixed[] = {"01.03.2024", "02.03.2024", "", "", "", "", "226000", "130226830", "1", "226000", "2",
                           "", "", ""};
    for (int col = 0; col < AV_COLUMNS; ++col)
        cells[col] = fixed[col];
    cells[AV_DOC].Format("%d", n + 1);
    cells[AV_NOTE].Format("Оплата по счету %d", n + 1);
    cells[AV_CLAIMED].Format("%d.%02d", 100 + n, n % 100);
    cells[AV_ACCEPTED] = cells[AV_CLAIMED];
}

// The lines settled as the form settles them: both accounts' values, the
// posting test of the line and of its pair.
bool SettleLines(CAvansOtchRecord& r)
{
    appcore::CScriptReadCache reads;
    const CAvansHeader header{r.account, r.tn, r.department, r.kbkDebit, r.kbkCredit};
    CAvansChart chart;
    r.postings.clear();
    for (int n = 0; n < 50; ++n) {
        CString cells[AV_COLUMNS];
        LineCells(n, cells);
        if (GL_TestSch(cells[AV_DEBIT], cells[AV_DEBIT1], cells[AV_DEBIT2], cells[AV_DEBIT3], 1, -1) != 0)
            return false;
        const CPostingLine main = MainPosting(cells, header, chart);
        const CAvansPair pair = PairPosting(cells, header, chart);
        if (GL_TestSch(main.credit, main.credit1, main.credit2, main.credit3, 1, -1) != 0
            || pair.outcome != PairOutcome::Made)
            return false;
        for (const CPostingLine* p : {&main, &pair.posting}) {
            if (TestPosting(r.date, *p, r.branch) != 0)
                return false;
            r.postings.push_back(*p);
        }
    }
    return true;
}

const char* const kClear = "delete from ledmark_provodki where id in (select id from ledmark_avans_otch where id>0)\n"
                           "delete from ledmark_avans_otch where id>0";

void PrintRefresh(const std::vector<double>& refresh, const std::vector<double>& raw, int rounds)
{
    const double a = Median(refresh), b = Median(raw);
    std::printf("person refresh over 500,000 postings, median of %d rounds\n", rounds);
    std::printf("  earlier report and previous advance:     %8.2f ms\n", a * 1000);
    std::printf("  the two queries and the aggregate, raw:  %8.2f ms\n", b * 1000);
    PrintFigure("refresh / raw", a / b, 1.5);
}

void PrintSave(const std::vector<double>& save, const std::vector<double>& raw, int rounds)
{
    const double a = Median(save), b = Median(raw);
    std::printf("advance report of 50 lines with their pairs, median of %d rounds\n", rounds);
    std::printf("  settle and save through the protocol:    %8.2f ms\n", a * 1000);
    std::printf("  raw unixODBC, header + 100 inserts:      %8.2f ms\n", b * 1000);
    PrintFigure("save / raw", a / b, 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_avans_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'\ndelete from ledmark_provodki\n"
               "delete from ledmark_avans_otch\nupdate system_doc_counter set last_id=500000 where id=1");
    ExecuteSql(kBenchYearOfPostings);
    ExecuteSql(kReports);
    ExecuteSql("analyze table ledmark_provodki\nanalyze table ledmark_avans_otch");
    const std::string raw = BenchConnectionString();

    // Both must answer the same before the times mean anything.
    const CEarlierReport earlier = FindEarlierReport("3", kDate, -1, 1, 0);
    std::printf("earlier report %s of %s, previous advance %s\n", (const char*)earlier.number,
                (const char*)earlier.date, (const char*)earlier.advance);
    if (earlier.number.IsEmpty() || earlier.advance.IsEmpty())
        return 1;

    std::vector<double> refresh, rawRefresh, save, rawSave, settle, store;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        refresh.push_back(Seconds([] { return !FindEarlierReport("3", kDate, -1, 1, 0).number.IsEmpty(); }, ok));
        double plain = 0;
        for (const char* sql : {kRawNumber, kRawDate, kRawBalance}) {
            const RawReadResult read = RunRawOdbcRead(raw, sql);
            ok = ok && read.seconds >= 0;
            plain += read.seconds;
        }
        rawRefresh.push_back(plain);
    }
    CAvansOtchRecord prototype = Report();
    ok = ok && SettleLines(prototype);
    std::vector<std::string> statements{prototype.HeaderInsertSql(900000).ToStdString()};
    CString batch;
    ok = ok && AppendPostingStatements(900000, prototype.date, prototype.branch, prototype.postings, batch);
    for (const QString& line : batch.ToQString().split('\n', Qt::SkipEmptyParts))
        statements.push_back(line.toStdString());
    for (int round = 0; round < options.rounds && ok; ++round) {
        ExecuteSql(kClear);
        save.push_back(Seconds([] {
            CAvansOtchRecord r = Report();
            long realId = -1;
            return SettleLines(r) && SaveStoredDocument(r, realId);
        }, ok));
        settle.push_back(Seconds([] {
            CAvansOtchRecord r = Report();
            return SettleLines(r);
        }, ok));
        ExecuteSql(kClear);
        store.push_back(Seconds([&prototype] {
            CAvansOtchRecord r = prototype;
            long realId = -1;
            return SaveStoredDocument(r, realId) != 0;
        }, ok));
        ExecuteSql(kClear);
        std::string error;
        rawSave.push_back(RunRawOdbcInserts(raw, statements, error));
        ok = ok && rawSave.back() >= 0;
    }
    ExecuteSql(kClear);
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    PrintRefresh(refresh, rawRefresh, options.rounds);
    PrintSave(save, rawSave, options.rounds);
    std::printf("  parts of the save, apart:\n");
    std::printf("    settling the lines' postings:          %8.2f ms\n", Median(settle) * 1000);
    std::printf("    header and postings as one save:       %8.2f ms\n", Median(store) * 1000);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return Median(refresh) / Median(rawRefresh) <= 1.5 && Median(save) / Median(rawSave) <= 2 ? 0 : 2;
}
