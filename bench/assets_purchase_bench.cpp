// The purchase of 50 fixed assets over a year of 200,000 postings: its save
// through 106.01, with the pair 501.03/502.01 and each card's initial
// depreciation (every row's card read, its postings formed and tested, then
// the header and 200 postings as one transaction), against the same header
// and posting inserts sent through plain unixODBC in one transaction
// (target <= 2.5), side by side in one run.
//
//   build/bin/assets_purchase_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_purchase_bench" with the schema
// and demo rows of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "COsPokupView.h"
#include "LedgerBenchProgram.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"
#include "StockYearProgram.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;
constexpr int kAssets = 50;
constexpr int kFirstCard = 3001;

// Every question answered No: the book.
class AnswerNo : public AfxModalDriver {
public:
    void run(AfxModalRequest& req) override { req.result = IDNO; }
    void leftOpen(AfxModalRequest&) override {}
};

// The 50 cards bought, each with the depreciation it came with.
bool AddCards()
{
    CString values;
    for (int n = 0; n < kAssets; ++n)
        values += FormatText("%s(%d,'Объект %d',1,1,%d.00,310000,'%s','%s',2,2,%d.00,4,1)", n ? "," : "",
                             kFirstCard + n, n + 1, 10000 + 100 * n, n % 2 ? "110134310" : "110136310",
                             n % 2 ? "110434410" : "110436410", 100 + n);
    return ExecuteSql(FormatText("delete from spr_osn_sr where id>=%d", kFirstCard))
        && ExecuteSql("insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,"
                      "iznos_all,mol,prd) values "
                      + values);
}

void FillPurchase(COsPokupView* view)
{
    view->m_dateCtrl.SetTime(COleDateTime(kYear, 12, 20, 0, 0, 0));
    view->SetDlgItemText(IDC_OP_CREDIT, "130219730");
    view->SetDlgItemText(IDC_OP_SB1, "4");
    view->SetDlgItemText(IDC_OP_SB3, "5");
    view->SetDlgItemText(IDC_OP_KBK, "2");
    view->CheckDlgButton(IDC_OP_B106, BST_CHECKED);
    view->CheckDlgButton(IDC_OP_B501, BST_CHECKED);
    view->m_grid.SetNRows(kAssets + 1);
    for (int n = 0; n < kAssets; ++n) {
        view->m_grid.SetCellValue(OP_ASSET, n, utoa(kFirstCard + n));
        view->FillRow(n, TRUE);
        view->m_grid.SetCellValue(OP_IZNOS_SCH, n, "140101180");
    }
}

// The header and the postings of the saved purchase as statements.
std::vector<std::string> RawStatements(long realId)
{
    std::vector<std::string> statements;
    AppendStatementLines(
        FormatText("insert into ledmark_os_pokup (sfp_id,id,number,d,kred,prim,s,sb1,sb2,sb3,icn,grid,b106,bnds,nds,"
                   "nds_st,fil_id,kbk_kred,m0,d0,b501) select sfp_id,900000,number,d,kred,prim,s,sb1,sb2,sb3,icn,grid,"
                   "b106,bnds,nds,nds_st,fil_id,kbk_kred,m0,d0,b501 from ledmark_os_pokup where real_id=%d",
                   realId),
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
    CMDIFrameWnd* frame = StartStockYearProgram(options, QStringLiteral("vornal_assets_purchase_bench"), kYear);
    if (!frame)
        return 1;
    if (!AddCards())
        return 1;
    const std::string connection = BenchConnectionString();

    auto* view = dynamic_cast<COsPokupView*>(OpenLedgerForm(frame, "Поступл.ОС"));
    if (!view)
        return 1;

    AnswerNo answers;
    AfxSetModalDriver(&answers);
    std::vector<double> saves, raws;
    long long postings = 0;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        ExecuteSql("delete from ledmark_os_pokup\ndelete from ledmark_provodki where id>100000");
        // Each round saves a new purchase in a form of its own: a save closes its form.
        if (round > 0) {
            view = dynamic_cast<COsPokupView*>(OpenLedgerForm(frame, "Поступл.ОС"));
            if (!view)
                return 1;
        }
        FillPurchase(view);
        // The filled form is painted before its save, as it is on the screen
        // before the user asks to save: the question's event loop would
        // otherwise paint the fifty rows inside the save's time.
        QApplication::processEvents();
        saves.push_back(TimedSeconds([&] { return view->Write(0) == 1; }, ok));
        QApplication::processEvents();
        const long realId = (long)ExecuteCount("select max(real_id) from ledmark_os_pokup");
        postings = ExecuteCount("select count(*) from ledmark_provodki where id in (select id from ledmark_os_pokup)");
        const std::vector<std::string> statements = RawStatements(realId);
        ExecuteSql("delete from ledmark_os_pokup\ndelete from ledmark_provodki where id>100000");
        std::string error;
        raws.push_back(RunRawOdbcInserts(connection, statements, error));
        if (raws.back() < 0 || postings != 4 * kAssets) {
            std::fprintf(stderr, "the save failed: %s (%lld postings)\n", error.c_str(), postings);
            ok = false;
        }
    }
    AfxSetModalDriver(nullptr);
    if (!ok)
        return 1;
    const double save = Median(saves), plain = Median(raws);
    std::printf("fixed-asset purchase of 50 assets over 200,000 postings, median of %d rounds\n", options.rounds);
    std::printf("  save through 106.01, 501 and depreciation (%lld postings): %8.2f ms\n", postings, save * 1000);
    std::printf("  raw unixODBC, header + %lld inserts:                    %8.2f ms\n", postings, plain * 1000);
    PrintFigure("save / raw", save / plain, 2.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return save / plain <= 2.5 ? 0 : 2;
}
