// The summary of the tariffication on the demo staff: the choice of
// statements, what the summary leaves out, its fund against the lists'
// totals, and the page in the report window.
#include "CPrnSvodVenzView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "ReportPage.h"
#include "StaffProgram.h"
#include "TariffList.h"
#include "TariffSummary.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

namespace {

using namespace nvenzol;

CString Day(int offset)
{
    return CString(QDate::currentDate().addDays(offset).toString("dd.MM.yyyy"));
}

class TariffSummary : public stafftest::StaffProgram {
protected:
    static TariffSummaryRequest Today(const char* condition)
    {
        TariffSummaryRequest r;
        r.d1 = r.d2 = Day(0);
        r.condition = condition;
        r.titles = "Основная";
        return r;
    }
    CPrnSvodVenzView* OpenForm()
    {
        CHelpers::FN_OpenDocument0("prn_venzol_svod", 0, nullptr);
        return Active<CPrnSvodVenzView>();
    }
    static QStringList Statements(CPrnSvodVenzView* form)
    {
        QStringList codes;
        for (long r = 0; r < form->m_nvGrid.GetNRows(); ++r)
            codes << form->m_nvGrid.GetCellValue(0, r).ToQString();
        return codes;
    }
};

TEST_F(TariffSummary, ItsFundEqualsTheListsOfTheStatement)
{
    TariffSummaryPage summary;
    ASSERT_TRUE(BuildTariffSummary(Today("and (ssv1.nv=1)"), summary));
    double lists = 0;
    _RecordsetPtr forms = GetConnection()->Execute(_bstr_t("select id,tp from spr_venz_vf order by id"), nullptr, adCmdText);
    for (; !forms->GetadoEOF(); forms->MoveNext()) {
        TariffListRequest r;
        r.nv = 1;
        r.vf = atoi(SafeArayToString(forms->GetCollect("id")));
        r.tp = atoi(SafeArayToString(forms->GetCollect("tp")));
        r.d1 = r.d2 = Day(0);
        TariffListPage page;
        ASSERT_TRUE(BuildTariffList(r, page)) << r.vf;
        lists += page.total;
    }
    EXPECT_GT(lists, 0);
    EXPECT_NEAR(summary.total.all[1], lists, 0.005);
    EXPECT_GT(summary.total.vacant[0], 0) << "the demo vacancy counts in the second pass";
    EXPECT_LT(summary.total.vacant[1], summary.total.all[1]);
    const QString html = summary.html.ToQString();
    EXPECT_EQ(html.count("<i>Итого</i>"), 4) << "one per pay form";
    EXPECT_EQ(html.count("ИТОГО"), 1);
    EXPECT_FALSE(html.contains("</b></td></tr></table>")) << "no stray bold end in the heading";
}

TEST_F(TariffSummary, LeavesOutWhatIsNotInForceOverTheWholeRange)
{
    // Employee 2's main assignment: one whole rate under statement 1.
    TariffSummaryPage before;
    ASSERT_TRUE(BuildTariffSummary(Today(""), before));
    struct Case {
        const char* what;
        CString change, undo;
    };
    const Case cases[] = {
        {"dismissed on the to date", "update tn set du=" + ChangeDateUS0(Day(0), 0) + " where tn=2",
         "update tn set du=NULL where tn=2"},
        {"begun after the from date", "update perso_tn_nip set d1=" + ChangeDateUS0(Day(1), 0) + " where tn=2 and npp=1",
         "update perso_tn_nip set d1=" + ChangeDateUS0(Day(-400), 0) + " where tn=2 and npp=1"},
        {"ended before the to date", "update perso_tn_nip set d2=" + ChangeDateUS0(Day(-1), 0) + " where tn=2 and npp=1",
         "update perso_tn_nip set d2=NULL where tn=2 and npp=1"},
    };
    const double rates = atof(Text("select sum(1) from ssv1 join perso_tn_nip on perso_tn_nip.dol=ssv1.id "
                                   "where perso_tn_nip.tn=2 and npp=1"));
    ASSERT_GT(rates, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run(c.change);
        TariffSummaryPage after;
        ASSERT_TRUE(BuildTariffSummary(Today(""), after));
        EXPECT_NEAR(after.total.all[0], before.total.all[0] - rates, 1e-9);
        EXPECT_LT(after.total.all[1], before.total.all[1]);
        Run(c.undo);
    }
}

TEST_F(TariffSummary, AFormOfZeroFundShowsItsHeadAndAZeroTotal)
{
    const CString saved = Text("select group_concat(concat(tn,':',npp,':',okl,':',kof)) from perso_tn_nip where vf=4");
    Run("update perso_tn_nip set okl=0, kof=0.0001 where vf=4");
    TariffSummaryPage page;
    ASSERT_TRUE(BuildTariffSummary(Today(""), page));
    const QString html = page.html.ToQString();
    const qsizetype head = html.indexOf("<b>Прочие работники</b>");
    ASSERT_GE(head, 0);
    const qsizetype total = html.indexOf("<i>Итого</i>", head);
    const QString form = html.mid(head, total - head);
    EXPECT_FALSE(form.contains("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;")) << "no category row";
    const QString totalRow = html.mid(total, html.indexOf("</tr>", total) - total);
    EXPECT_FALSE(totalRow.contains(QRegularExpression("[1-9]"))) << totalRow.toStdString();
    for (const QString& row : saved.ToQString().split(',')) {
        const QStringList v = row.split(':');
        Run(CString(QString("update perso_tn_nip set okl=%1, kof=%2 where tn=%3 and npp=%4")
                        .arg(v[2], v[3], v[0], v[1])));
    }
}

TEST_F(TariffSummary, TheFormOffersPrintableStatementsAndNamesTheChosen)
{
    auto* form = OpenForm();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(Statements(form), QStringList({"1", "2", "3", "4", "5"}));

    // Every statement ticked: no condition, every name in the title.
    for (long r = 0; r < form->m_nvGrid.GetNRows(); ++r)
        form->m_nvGrid.SetBCheck(r, 1);
    TariffSummaryRequest r = form->Request();
    EXPECT_EQ(r.condition, CString());
    EXPECT_EQ(r.titles, Text("select group_concat(name order by id separator ', ') from nv where id in (1,2,3,4,5)"));
    form->m_nvGrid.SetBCheck(1, 0);
    form->m_nvGrid.SetBCheck(3, 0);
    form->m_nvGrid.SetBCheck(4, 0);
    EXPECT_EQ(form->Request().condition, CString("and (ssv1.nv=1 or ssv1.nv=3)"));

    // Statement 5's assignments begun inside the range are not in force over
    // all of it, nor are assignments of another order kind.
    const CString starts = Text("select group_concat(concat(tn,':',npp,':',d1)) from perso_tn_nip where kpr=1 and "
                                "dol in (select id from ssv1 where nv=5)");
    Run("update perso_tn_nip set d1=" + ChangeDateUS0(Day(1), 0) + " where kpr=1 and dol in (select id from ssv1 where nv=5)");
    form->m_d1 = qwDMG(Day(0), 1);
    form->m_d2 = qwDMG(Day(10), 1);
    form->UpdateData(FALSE);
    form->FillNvGrid();
    EXPECT_FALSE(Statements(form).contains("5")) << Statements(form).join(",").toStdString();
    for (const QString& row : starts.ToQString().split(',')) {
        const QStringList v = row.split(':');
        Run(CString(QString("update perso_tn_nip set d1='%1' where tn=%2 and npp=%3").arg(v[2], v[0], v[1])));
    }
    form->FillNvGrid();
    EXPECT_TRUE(Statements(form).contains("5"));

    // OK without a ticked statement stores the dates and refuses; they come back.
    for (long row = 0; row < form->m_nvGrid.GetNRows(); ++row)
        form->m_nvGrid.SetBCheck(row, 0);
    afxtest::InteractionScript script;
    script.message("Выберите ведомость", IDOK);
    afxtest::click(form, IDOK);
    script.verify();
    form->GetParentFrame()->DestroyWindow();
    Settle();
    auto* again = OpenForm();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(DMGtoStr(again->m_d1), Day(0));
    EXPECT_EQ(DMGtoStr(again->m_d2), Day(10));
}

TEST_F(TariffSummary, ThePageOfTheDemoStatementsPrintsInTheReportWindow)
{
    AfxGetApp()->WriteProfileString("constants", "prn_venzol_d1", "");
    AfxGetApp()->WriteProfileString("constants", "prn_venzol_d2", "");
    auto* form = OpenForm();
    ASSERT_NE(form, nullptr);
    form->m_nvGrid.SetBCheck(0, 1);
    form->m_nvGrid.SetBCheck(2, 1);
    afxtest::click(form, IDOK);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString html = report->GetPage()->Html();
    EXPECT_TRUE(html.contains("Сводная по тарификации"));
    EXPECT_TRUE(html.contains("ИТОГО"));
    report->GetParentFrame()->GetQWidget()->resize(1500, 900);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    EXPECT_GT(afxtest::distinctColours(picture), 5);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/tariff_summary.png"));
}

} // namespace
