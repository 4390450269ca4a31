// The vacation form's recomputation over the bench payroll (bench/PayrollData.h
// on bench/StaffData.h, with its twelve months of results): a vacation of one
// employee with twelve averaging months and three ticked pay sheets in both
// parts, both parts recomputed as the form's load recomputes them (the
// months' days, each sheet's month query and premiums, the grids filled),
// against the very queries it sent read to the end through plain unixODBC,
// side by side in one run (target <= 2). Prints the ratio.
//
//   build/bin/paymar_otpusk_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_paymar_otpusk_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "COtpuskView.h"
#include "MonthBenchProgram.h"
#include "PaymarTemplates.h"
#include "PayrollData.h"
#include "RawOdbcRead.h"
#include "StaffData.h"
#include "StatementCapture.h"

#include "../payroll/input/res/resource.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <chrono>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir profile;
    qputenv("VORNAL_PROFILE_DIR", profile.path().toUtf8());
    QApplication qt(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const BenchOptions options = ParseBenchOptions(qt.arguments(), 9);
    const QDate today = QDate::currentDate();
    if (!StartBenchDatabase(options, QStringLiteral("vornal_paymar_otpusk_bench"))
        || !FillBenchStaff(today.year(), today.month()) || !FillBenchPayroll(today.year(), today.month())
        || !FillBenchPayrollHistory(today.year(), today.month()))
        return 1;
    CMDIFrameWnd* frame = StartMonthProgram("Зарплата", today.year(), today.month());
    if (frame && npaymar::InitInWorkplace("ПАЙМАР") != 1)
        frame = nullptr;
    // No sheet left out by the project type; the employee with the most
    // months earns on two more sheets, and has a vacation from the working
    // month's first day on all three.
    g_lProjectType = 2;
    const CString tn = ExecuteString("select tn as str from paymar_nuz where kou=1 group by tn "
                                     "order by count(*) desc, tn limit 1");
    const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
    if (!frame || tn.IsEmpty()
        || !ExecuteSql(FormatText(
               "insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) select g,ms,tn,npp,x.nv,1,round(s/3,2) from paymar_nuz "
               "join (select 2 as nv union all select 3) x where tn=%s and kou=1 and paymar_nuz.nv=1\n"
               "update nv set indexir=1 where id=3\ndelete from spr_paymar_otp_kof\n"
               "insert into spr_paymar_otp_kof (g,ms,kof) select distinct g,ms,1.05 from paymar_nuz where tn=%s "
               "and ms in (1,4,7,10)\n"
               "insert into paymar_otpusk (g,ms,tn,npp,calc,dn,dn2,d1,d2,kou,kou2,nv,nv2,tip) values "
               "(%ld,%ld,%s,1,1,28,3,%s,%s,30,31,'1,2,3','1,2,3',0)",
               tn, tn, g_lYear, g_lMonth, tn, first, first))
        || !CHelpers::FN_OpenDocument0("OtpuskView", 0, nullptr)) {
        std::fprintf(stderr, "the vacation form did not open\n");
        return 1;
    }
    QApplication::processEvents();
    auto* view = dynamic_cast<npaymar::COtpuskView*>(frame->MDIGetActive()->GetActiveView());
    if (!view)
        return 1;
    view->SetDlgItemText(IDC_TN, tn);
    QApplication::processEvents();
    if (view->m_sheets[0].GetNRows() != 3 || !view->Part(0).computed || view->Part(0).period.months.size() != 12) {
        std::fprintf(stderr, "the vacation did not load with three sheets and twelve months\n");
        return 1;
    }
    const std::string connection = BenchConnectionString();
    std::vector<double> layer, plain;
    size_t statements = 0;
    for (int round = 0; round < options.rounds; ++round) {
        StatementCapture capture;
        const auto start = std::chrono::steady_clock::now();
        view->CalcVacationAverage(0, true);
        view->CalcVacationAverage(1, true);
        layer.push_back(SecondsSince(start));
        const std::vector<std::string> sent = capture.statements();
        const RawReadResult raw = RunRawOdbcReads(connection, sent);
        if (raw.seconds < 0 || view->Part(1).sheets.size() != 3) {
            std::fprintf(stderr, "the recomputation failed: %s\n", raw.error.c_str());
            return 1;
        }
        plain.push_back(raw.seconds);
        statements = sent.size();
    }
    const double seconds = Median(layer), raw = Median(plain);
    std::printf("vacation of employee %s: both parts, 12 months, 3 sheets, median of %d rounds\n",
                (const char*)tn, options.rounds);
    std::printf("  recomputed in the form:   %9.2f ms   raw %9.2f ms   %4zu statements, pay %.2f + %.2f\n",
                seconds * 1000, raw * 1000, statements, view->Part(0).amount, view->Part(1).amount);
    const bool held = PrintFigure("vacation recomputation / raw", seconds / raw, 2);
    return held ? 0 : 2;
}
