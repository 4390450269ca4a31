// The materials receipt of 50 lines over a year of 200,000 postings, two
// figures side by side in one run:
//  - a change of the receipt's date, which reads every line's stock balance
//    again (GL_GetOst0 and its reader per line), against the same 50
//    aggregates run on one plain unixODBC connection (target <= 1.5);
//  - its save through 106.01 and with the pair 501.03/502.01 (each line
//    tested, its postings and pair formed and tested, then header, lines and
//    150 postings as one transaction) against the same header, lines and
//    posting inserts sent through plain unixODBC in one transaction
//    (target <= 2.5).
//
//   build/bin/assets_receipt_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_receipt_bench" with the schema of
// db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CMatPrixView.h"
#include "LedgerBenchProgram.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StockYearProgram.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;

// The aggregate the balance script runs for item `item` of person 1 up to the end of `day`.
std::string Aggregate(int item, const char* nextDay)
{
    char sql[1024];
    std::snprintf(sql, sizeof sql,
                  "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,"
                  "coalesce(sum(kq),0) as kq from ("
                  "select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki "
                  "where deb1='105' and deb2='36' and deb0='1' and deb_sb1='%d' and deb_sb2='1' and fil_id in (1) "
                  "and d<'%s' union all select 0,sum(s),0,sum(kol) from ledmark_provodki "
                  "where kred1='105' and kred2='36' and kred0='1' and kred_sb1='%d' and kred_sb2='1' and fil_id in (1) "
                  "and d<'%s') q",
                  item, nextDay, item, nextDay);
    return sql;
}

// Every question answered No: the book, a new document.
class AnswerNo : public AfxModalDriver {
public:
    int asked = 0;
    void run(AfxModalRequest& req) override
    {
        ++asked;
        req.result = IDNO;
    }
    void leftOpen(AfxModalRequest&) override {}
};

void FillReceipt(CMatPrixView* view)
{
    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_MP_DEBIT, "110536340");
    view->SetDlgItemText(IDC_MP_CREDIT, "130234730");
    view->SetDlgItemText(IDC_MP_SB1, "1");
    view->SetDlgItemText(IDC_MP_SB2, "340000");
    view->SetDlgItemText(IDC_MP_SB3, "2");
    view->CheckDlgButton(IDC_MP_B106, BST_CHECKED);
    view->CheckDlgButton(IDC_MP_B501, BST_CHECKED);
    view->m_grid.SetNRows(51);
    for (int n = 0; n < 50; ++n) {
        view->m_grid.SetCellValue(MP_ITEM, n, utoa(1001 + n));
        view->m_grid.SetCellValue(MP_KOL, n, utoa(1 + n % 7));
        view->m_grid.SetCellValue(MP_SUM, n, FormatText("%d.%02d", 100 + n, n));
    }
}

// The header, the lines and the postings of the saved receipt as statements.
std::vector<std::string> RawStatements(long realId)
{
    std::vector<std::string> statements;
    AppendStatementLines(
        FormatText("insert into ledmark_mat_prix (b106,sfp_id,id,number,d,sch_deb,sch_kred,tn,prim,s,sb1,sb2,sb3,"
                   "bnds,nds,nds_st,kbk_deb,kbk_kred,fil_id,m0,d0,b501) select b106,sfp_id,900000,number,d,sch_deb,"
                   "sch_kred,tn,prim,s,sb1,sb2,sb3,bnds,nds,nds_st,kbk_deb,kbk_kred,fil_id,m0,d0,b501 from "
                   "ledmark_mat_prix where real_id=%d",
                   realId),
        statements);
    AppendStatementLines(
        ExecuteString(FormatText(
            "select concat('insert into ledmark_mat_prix1 (real_id,id,kol1,sum1,kol,price,s,kol2,sum2,ekr) "
            "values ',group_concat(concat('(0,',id,',',kol1,',',sum1,',',kol,',',price,',',s,',',kol2,',',"
            "sum2,',',ekr,')'))) as str from ledmark_mat_prix1 where real_id=%d",
            realId)),
        statements);
    AppendStatementLines(StoredPostingInserts(100000, 900000), statements);
    return statements;
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
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 9);
    CMDIFrameWnd* frame = StartStockYearProgram(options, QStringLiteral("vornal_assets_receipt_bench"), kYear);
    if (!frame)
        return 1;
    const std::string connection = BenchConnectionString();

    auto* view = dynamic_cast<CMatPrixView*>(OpenLedgerForm(frame, "пост.мат."));
    if (!view)
        return 1;
    FillReceipt(view);

    // The date change: every line's balance read again.
    const COleDateTime days[2] = {COleDateTime(kYear, 12, 30, 0, 0, 0), COleDateTime(kYear, 12, 15, 0, 0, 0)};
    const char* const nextDays[2] = {"2024-12-31", "2024-12-16"};
    std::vector<double> changes, reads;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        const int d = round % 2;
        changes.push_back(TimedSeconds([&] {
            view->m_dateCtrl.SetTime(days[d]);
            NMHDR header{view->m_dateCtrl.GetSafeHwnd(), UINT_PTR(IDC_MP_DATE), UINT(DTN_DATETIMECHANGE)};
            view->SendMessage(WM_NOTIFY, IDC_MP_DATE, LPARAM(&header));
            return !view->m_grid.GetCellValue(MP_KOL1, 49).IsEmpty();
        }, ok));
        std::vector<std::string> aggregates;
        for (int n = 0; n < 50; ++n)
            aggregates.push_back(Aggregate(1001 + n, nextDays[d]));
        std::vector<std::string> rows;
        const RawReadResult raw = RunRawOdbcReads(connection, aggregates, &rows);
        reads.push_back(raw.seconds);
        ok = ok && raw.seconds >= 0 && rows.size() == 50;
        if (ok) {
            double ds = 0, ks = 0;
            std::sscanf(rows[49].c_str(), "%lf@%lf", &ds, &ks);
            ok = std::abs(atof(view->m_grid.GetCellValue(MP_SUM1, 49)) - (ds - ks)) < 0.005;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "the balances differ or could not be read\n");
        return 1;
    }

    // The save.
    AnswerNo answers;
    AfxSetModalDriver(&answers);
    std::vector<double> saves, raws;
    for (int round = 0; round < options.rounds && ok; ++round) {
        ExecuteSql("delete from ledmark_mat_prix\ndelete from ledmark_mat_prix1\ndelete from ledmark_provodki where id>100000");
        view->SetRealId(-1);
        view->SetLoadedDate(CString());
        saves.push_back(TimedSeconds([&] { return view->Write(0) == 1; }, ok));
        const long realId = (long)ExecuteCount("select max(real_id) from ledmark_mat_prix");
        const long long postings =
            ExecuteCount("select count(*) from ledmark_provodki where id in (select id from ledmark_mat_prix)");
        const std::vector<std::string> statements = RawStatements(realId);
        ExecuteSql("delete from ledmark_mat_prix\ndelete from ledmark_mat_prix1\ndelete from ledmark_provodki where id>100000");
        std::string error;
        raws.push_back(RunRawOdbcInserts(connection, statements, error));
        if (raws.back() < 0 || postings != 150) {
            std::fprintf(stderr, "the save failed: %s (%lld postings)\n", error.c_str(), postings);
            ok = false;
        }
    }
    AfxSetModalDriver(nullptr);
    if (!ok)
        return 1;
    const double change = Median(changes), read = Median(reads), save = Median(saves), plain = Median(raws);
    std::printf("materials receipt of 50 lines over 200,000 postings, median of %d rounds\n", options.rounds);
    std::printf("  date change, 50 balances read again:                 %8.2f ms\n", change * 1000);
    std::printf("  the 50 aggregates, plain ODBC:                       %8.2f ms\n", read * 1000);
    PrintFigure("change / aggregates", change / read, 1.5);
    std::printf("  save through 106.01 and 501 (150 postings):          %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, header + lines + 150 inserts:          %8.2f ms\n", plain * 1000);
    PrintFigure("save / raw", save / plain, 2.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return change / read <= 1.5 && save / plain <= 2.5 ? 0 : 2;
}
