// The official reporting forms over the registers' year of postings
// (BenchRegisterYear, 200,000 unless --rows says otherwise): the balance
// 0503130 (the balances of every account at the year's start and end) and
// the financial results 0503121 (the income and expense turnovers by KOSGU,
// the closing entries apart),
// each made as the form's OK makes it (its call evaluated by its report, the
// page built but not shown), against the same figures from grouped queries
// run directly on one plain unixODBC connection. Side by side in one run;
// prints the times and the ratios (target <= 2, and <= 1.5 from 2,000,000
// postings).
//
//   build/bin/ledger_official_forms_bench [--dir D] [--port P] [--rounds N] [--rows R]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_official_forms_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "LedgerBenchProgram.h"
#include "OfficialFormViews.h"
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

// The balances of every account of one side at the year's start and end,
// with the year's turnover, as the balance reads them.
std::string BalanceSide(const char* side)
{
    return FormatText("select %s0,%s1,%s2,%s3,kbk_%s,sum(case when d<'%d-01-01' then s else 0 end),sum(s),"
                      "sum(case when d>='%d-01-01' then s else 0 end) from ledmark_provodki where d<='%d-12-31' "
                      "and %s1 is not null group by %s0,%s1,%s2,%s3,kbk_%s",
                      side, side, side, side, side, kYear, kYear, kYear, side, side, side, side, side, side)
        .ToStdString();
}

// The year's turnovers of 401 (income 401 01, expenses 401 02 and the rest)
// of one side by source, analytic, KOSGU and KBK, the entries against 401 03
// apart, as the financial results read them.
std::string ResultSide(const char* side, const char* other)
{
    return FormatText("select %s0,%s2,%s3,kbk_%s,sum(case when not (%s1='401' and %s2='03') then s else 0 end),"
                      "sum(case when %s1='401' and %s2='03' then s else 0 end) from ledmark_provodki where %s1='401' "
                      "and d between '%d-01-01' and '%d-12-31' group by %s0,%s2,%s3,kbk_%s",
                      side, side, side, side, other, other, other, other, side, kYear, kYear, side, side, side, side)
        .ToStdString();
}

struct Form {
    const char* document;
    const char* what;
    std::vector<std::string> yardstick;
    std::vector<double> report, raw;
};

// One round: the form opened as the menu opens it, its call evaluated by its
// report as OK does (the page not shown), then the yardstick's queries.
bool Round(Form& form, const std::string& connection, CMDIFrameWnd* frame)
{
    if (CHelpers::FN_OpenDocument0(form.document, 0, nullptr) != 1)
        return false;
    CMDIChildWnd* child = frame->MDIGetActive();
    auto* view = child ? dynamic_cast<CPrnOfficialView*>(child->GetActiveView()) : nullptr;
    if (!view)
        return false;
    view->UpdateData(TRUE);
    const CString call = view->ReportCall();
    CString page;
    const auto start = std::chrono::steady_clock::now();
    const bool done = view->EXEC_GetFunctionValue(call, page, 0) && page.Find("Главный бухгалтер") > 0;
    form.report.push_back(SecondsSince(start));
    AfxGetApp()->CloseAllDocuments(TRUE);
    QApplication::processEvents();
    if (!done) {
        std::fprintf(stderr, "%s: no page from %s\n", form.what, call.GetString());
        return false;
    }
    const RawReadResult raw = RunRawOdbcReads(connection, form.yardstick);
    if (raw.seconds < 0) {
        std::fprintf(stderr, "plain ODBC read failed: %s\n", raw.error.c_str());
        return false;
    }
    form.raw.push_back(raw.seconds);
    return true;
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_official_forms_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    if (!ExecuteSql("delete from ledmark_provodki") || !ExecuteSql(BenchRegisterYear(options.rows, kYear).c_str())
        || !ExecuteSql("analyze table ledmark_provodki"))
        return 1;
    CMDIFrameWnd* frame = StartLedgerProgram(kYear);
    if (!frame)
        return 1;
    AfxGetApp()->WriteProfileString("constants", "select_if", "");
    const std::string connection = BenchConnectionString();
    Form forms[] = {
        {"prn_0503130", "balance 0503130", {BalanceSide("deb"), BalanceSide("kred")}, {}, {}},
        {"prn_0503121",
         "financial results 0503121",
         {ResultSide("deb", "kred"), ResultSide("kred", "deb")},
         {},
         {}},
    };
    const double target = options.rows >= 2000000 ? 1.5 : 2.0;
    // Each form's rounds follow each other, after a first round that warms
    // the server's pages of its postings and the scripts: the balance reads
    // every posting, and would push the other form's pages out between its
    // report and its yardstick.
    for (Form& form : forms) {
        if (!Round(form, connection, frame))
            return 1;
        form.report.clear();
        form.raw.clear();
        for (int round = 0; round < options.rounds; ++round)
            if (!Round(form, connection, frame))
                return 1;
    }
    std::printf("official reporting forms over %ld postings of %d, median of %d rounds\n", options.rows, kYear,
                options.rounds);
    bool held = true;
    for (const Form& form : forms) {
        const double report = Median(form.report), raw = Median(form.raw);
        std::printf("  %-28s report %8.3f s   grouped queries raw %8.3f s\n", form.what, report, raw);
        held = PrintFigure(FormatText("%s: report / raw", form.what).GetString(), raw > 0 ? report / raw : 0.0,
                           target)
            && held;
    }
    frame->DestroyWindow();
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return held ? 0 : 2;
}
