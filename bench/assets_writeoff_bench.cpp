// The materials write-off of 50 lines over a year of 200,000 postings: a
// change of its responsible person on the stored write-off, which reads every
// row's stock balance again and adds back what the write-off itself took (50
// balances through GL_GetOst0 and its reader, 100 sums of its lines), against
// the same aggregates and sums run on one plain unixODBC connection
// (target <= 1.5).
//
//   build/bin/assets_writeoff_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_writeoff_bench" with the schema of
// db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CMaterialsSpisView.h"
#include "LedgerBenchProgram.h"
#include "PostingBench.h"
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

namespace {

using namespace nledmark;

constexpr int kYear = 2024;

// What the write-off `realId` took of item `item`: the sums it adds back.
std::string AddBack(long realId, int item)
{
    char sql[256];
    std::snprintf(sql, sizeof sql,
                  "select concat(coalesce(sum(s),0),'@',coalesce(sum(kol),0)) as str from ledmark_mat_spis1 "
                  "where real_id=%ld and id=%d",
                  realId, item);
    return sql;
}

// The offer of a new document answered No.
class AnswerNo : public AfxModalDriver {
public:
    void run(AfxModalRequest& req) override { req.result = IDNO; }
    void leftOpen(AfxModalRequest&) override {}
};

void FillWriteOff(CMaterialsSpisView* view)
{
    view->SetDlgItemText(IDC_SET_TN, "1");
    view->SetDlgItemText(IDC_MS_DEBIT, "140101272");
    view->SetDlgItemText(IDC_MS_SB2, "1");
    view->SetDlgItemText(IDC_MS_CREDIT, "110536440");
    view->m_grid.SetNRows(51);
    for (int n = 0; n < 50; ++n) {
        view->m_grid.SetCellValue(MS_ITEM, n, utoa(1001 + n));
        view->m_grid.SetCellValue(MS_KOL, n, utoa(1 + n % 3));
    }
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
    CMDIFrameWnd* frame = StartStockYearProgram(options, QStringLiteral("vornal_assets_writeoff_bench"), kYear);
    if (!frame)
        return 1;
    const std::string connection = BenchConnectionString();

    auto* view = dynamic_cast<CMaterialsSpisView*>(OpenLedgerForm(frame, "спис.мат."));
    if (!view)
        return 1;
    view->m_dateCtrl.SetTime(COleDateTime(kYear, 12, 30, 0, 0, 0));
    FillWriteOff(view);
    AnswerNo answers;
    AfxSetModalDriver(&answers);
    const bool saved = view->Write(0) == 1;
    AfxSetModalDriver(nullptr);
    const long realId = view->GetRealId();
    if (!saved || realId <= 0) {
        std::fprintf(stderr, "the write-off was not saved\n");
        return 1;
    }

    std::vector<double> changes, reads;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        const int person = 1 + (round + 1) % 2;
        changes.push_back(TimedSeconds([&] {
            view->SetDlgItemText(IDC_SET_TN, utoa(person));
            return !view->m_grid.GetCellValue(MS_KOL1, 49).IsEmpty();
        }, ok));
        std::vector<std::string> queries;
        for (int n = 0; n < 50; ++n) {
            char sql[1024];
            std::snprintf(sql, sizeof sql,
                          "select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,"
                          "coalesce(sum(kq),0) as kq from ("
                          "select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq from ledmark_provodki "
                          "where deb1='105' and deb2='36' and deb0='1' and deb_sb1='%d' and deb_sb2='%d' "
                          "and fil_id in (1) and d<'2024-12-31' union all select 0,sum(s),0,sum(kol) from "
                          "ledmark_provodki where kred1='105' and kred2='36' and kred0='1' and kred_sb1='%d' and "
                          "kred_sb2='%d' and fil_id in (1) and d<'2024-12-31') q",
                          1001 + n, person, 1001 + n, person);
            queries.push_back(sql);
            queries.push_back(AddBack(realId, 1001 + n));
        }
        std::vector<std::string> rows;
        const RawReadResult raw = RunRawOdbcReads(connection, queries, &rows);
        reads.push_back(raw.seconds);
        ok = ok && raw.seconds >= 0 && rows.size() == 100;
        if (ok) {
            double ds = 0, ks = 0;
            std::sscanf(rows[98].c_str(), "%lf@%lf", &ds, &ks);
            const double own = atof(rows[99].c_str());
            ok = std::abs(atof(view->m_grid.GetCellValue(MS_SUM1, 49)) - (ds - ks + own)) < 0.005;
        }
    }
    if (!ok) {
        std::fprintf(stderr, "the balances differ or could not be read\n");
        return 1;
    }
    const double change = Median(changes), read = Median(reads);
    std::printf("materials write-off of 50 lines over 200,000 postings, median of %d rounds\n", options.rounds);
    std::printf("  responsible person changed, 50 balances and add-backs:  %8.2f ms\n", change * 1000);
    std::printf("  the same aggregates and sums, plain ODBC:               %8.2f ms\n", read * 1000);
    PrintFigure("change / plain", change / read, 1.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return change / read <= 1.5 ? 0 : 2;
}
