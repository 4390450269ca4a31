// Bank payments, two figures side by side in one run:
//  - saving a new statement of 100 rows, half of them paying a contract, so
//    the box writes the budget obligation beside them (150 postings), through
//    the posting document protocol (each row's postings formed and tested,
//    then the header and the postings as one transaction) against the same
//    header row and the same 150 posting inserts sent through plain unixODBC
//    in one transaction (target <= 2);
//  - the payment-order chooser of a row over 20,000 orders, from the button
//    to the chosen order in the row (the form's query, every order read and
//    listed), against the same query read to the end through plain unixODBC
//    (target <= 1.5).
//
//   build/bin/ledger_bank_spis_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_bank_spis_bench" with the schema of db/mysql.
#include "BankRows.h"
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CBankSpisView.h"
#include "CBankStatementRecord.h"
#include "LedgerBenchProgram.h"
#include "PostingBench.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "ScriptReadCache.h"
#include "res/AppcoreResource.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kYear = 2024;
constexpr int kOrders = 20000;

// Repairs under the contract (supplier 4, contract 5, department 2) and the
// income tax, in turn.
CBankRow RowOf(int n)
{
    CBankRow row(SPIS_COLUMNS);
    row[SPIS_SUM].Format("%d.%02d", 100 + n * 7, n % 100);
    row[SPIS_CONTENT].Format("Платеж %d", n + 1);
    if (n % 2 == 0) {
        row[SPIS_EKR] = "310000";
        row[SPIS_DEBIT] = "130231830";
        row[SPIS_SB1] = "4";
        row[SPIS_SB2] = "5";
        row[SPIS_SB3] = "2";
    } else {
        row[SPIS_EKR] = "211000";
        row[SPIS_DEBIT] = "130301830";
    }
    return row;
}

CBankHeader Header()
{
    CBankHeader header;
    header.date = "15.03.2024";
    header.main = "130405000";
    header.through = TRUE;
    return header;
}

CBankSpisRecord Statement()
{
    CBankSpisRecord record;
    record.date = "15.03.2024";
    record.number = "1";
    record.icn = "Выписка банка";
    record.main = "130405000";
    record.box = TRUE;
    record.total = "100";
    return record;
}

// Every row's postings formed and tested, as the form's checks do.
bool SettleRows(CBankSpisRecord& record)
{
    const CBankHeader header = Header();
    CChartFacts chart;
    appcore::CScriptReadCache reads;
    for (int n = 0; n < 100; ++n) {
        CString fault;
        const std::vector<CPostingLine> lines = PaymentPostings(chart, header, RowOf(n), fault);
        if (!fault.IsEmpty() || lines.size() != (n % 2 == 0 ? 2u : 1u)
            || !TestPostingLines(lines, header.date, header.branch))
            return false;
        record.postings.insert(record.postings.end(), lines.begin(), lines.end());
    }
    return true;
}

bool SaveThroughProtocol()
{
    CBankSpisRecord record = Statement();
    long realId = -1;
    return SettleRows(record) && SaveStoredDocument(record, realId);
}

std::vector<std::string> RawStatements()
{
    CBankSpisRecord record = Statement();
    const CBankHeader header = Header();
    CChartFacts chart;
    std::vector<CPostingLine> postings;
    for (int n = 0; n < 100; ++n) {
        CString fault;
        const std::vector<CPostingLine> lines = PaymentPostings(chart, header, RowOf(n), fault);
        postings.insert(postings.end(), lines.begin(), lines.end());
    }
    return RawDocumentStatements(record.HeaderInsertSql(900000), 900000, header.date, header.branch, postings);
}

// The bookkeeper at the chooser: the first order of the list, chosen.
class ChooseFirst : public AfxModalDriver {
public:
    int listed = 0;
    void run(AfxModalRequest& req) override
    {
        auto* list = req.wnd ? dynamic_cast<CListBox*>(req.wnd->GetDlgItem(IDC_PICKER_LIST)) : nullptr;
        listed = list ? list->GetCount() : 0;
        if (list && listed > 0) {
            list->SetCurSel(0);
            req.wnd->SendMessage(WM_COMMAND, IDOK, 0);
        }
    }
    void leftOpen(AfxModalRequest&) override {}
};

bool FillOrders()
{
    CString sql = "insert into plpor (d,number,s,org) values ";
    for (int n = 0; n < kOrders; ++n)
        sql += FormatText("%s('%d-%02d-%02d','%d',%d.%02d,%d)", n ? "," : "", kYear, 1 + n % 12, 1 + n % 28, n + 1,
                          100 + n % 900, n % 100, 1 + n % 4);
    return ExecuteSql("delete from plpor") && ExecuteSql(sql);
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_bank_spis_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")) || !FillOrders())
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    const std::string connection = BenchConnectionString();

    // The save.
    const std::vector<std::string> statements = RawStatements();
    if (statements.size() != 151) {
        std::fprintf(stderr, "the posting script made %zu statements, not 151\n", statements.size());
        return 1;
    }
    std::vector<double> saves, raws;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        ExecuteSql("delete from ledmark_bank_spis\ndelete from ledmark_provodki");
        saves.push_back(TimedSeconds(SaveThroughProtocol, ok));
        const long long postings = ExecuteCount("select count(*) from ledmark_provodki");
        ExecuteSql("delete from ledmark_bank_spis\ndelete from ledmark_provodki");
        std::string error;
        raws.push_back(RunRawOdbcInserts(connection, statements, error));
        if (raws.back() < 0 || postings != 150) {
            std::fprintf(stderr, "the save failed: %s (%lld postings)\n", error.c_str(), postings);
            ok = false;
        }
    }

    // The chooser, on a row of a payment's form dated the end of the year.
    CHelpers::FN_OpenDocument0("Банк спис.", 0, nullptr);
    QApplication::processEvents();
    CMDIChildWnd* child = frame->MDIGetActive();
    auto* view = child ? dynamic_cast<CBankSpisView*>(child->GetActiveView()) : nullptr;
    if (!ok || !view)
        return 1;
    view->m_date = COleDateTime(kYear, 12, 31, 0, 0, 0);
    view->UpdateData(FALSE);
    view->m_grid.SetCellValue(SPIS_DEBIT, 0, "130301830");
    const std::string query = view->PaymentOrderQuery(0).ToStdString();
    ChooseFirst chooser;
    AfxSetModalDriver(&chooser);
    std::vector<double> lists, reads;
    for (int round = 0; round < options.rounds && ok; ++round) {
        view->m_grid.SetCellValue(SPIS_PLPOR, 0, "");
        lists.push_back(TimedSeconds([&] {
            AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(SPIS_PLPOR)), AfxEventArg(short(0))});
            return chooser.listed == kOrders && !view->m_grid.GetCellValue(SPIS_PLPOR, 0).IsEmpty();
        }, ok));
        const RawReadResult raw = RunRawOdbcRead(connection, query);
        reads.push_back(raw.seconds);
        if (raw.seconds < 0 || raw.rows != kOrders) {
            std::fprintf(stderr, "plain ODBC read %ld orders: %s\n", raw.rows, raw.error.c_str());
            ok = false;
        }
    }
    AfxSetModalDriver(nullptr);
    if (!ok) {
        std::fprintf(stderr, "the chooser listed %d orders\n", chooser.listed);
        return 1;
    }
    const double save = Median(saves), plain = Median(raws), list = Median(lists), read = Median(reads);
    std::printf("bank payments, median of %d rounds\n", options.rounds);
    std::printf("  save of 100 rows, 50 under a contract (150 postings):  %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, header + 150 inserts:                    %8.2f ms\n", plain * 1000);
    PrintFigure("save / raw", save / plain, 2);
    std::printf("  payment-order chooser over %d orders, to the answer:   %8.2f ms\n", kOrders, list * 1000);
    std::printf("  plain ODBC, the same query to the end:                 %8.2f ms\n", read * 1000);
    PrintFigure("chooser / query", list / read, 1.5);
    AfxGetApp()->CloseAllDocuments(TRUE);
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return save / plain <= 2 && list / read <= 1.5 ? 0 : 2;
}
