// Payment by average earnings: the window of months and the sheets it
// leaves out, the days a month counts, the short-service path at 600.00 a
// month, the totals, the average and the amount; and the form: the record
// of the month loaded, the checks of a save, the payment written with its
// split in one transaction, the delete and the certificate.
#include "AverageEarnings.h"
#include "CReportView.h"
#include "CSredView.h"
#include "InteractionScript.h"
#include "PayrollProgram.h"
#include "ReportShown.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>

#include <tuple>

namespace {

using npaymar::AverageEarnings;
using npaymar::ComputeAverageEarnings;
using npaymar::CSredView;

// The demo's payment by average earnings is what the form computes from the
// demo year, so the clerk who opens it sees the amount the run pays. First in
// this file: the tests below change the group of code 35 in the database.
class AverageEarningsDemo : public paytest::PayrollProgram {};

TEST_F(AverageEarningsDemo, TheDemosPaymentIsWhatTheFormComputes)
{
    const CString date = Text("select date_format(dr,'%d.%m.%Y') as str from paymar_sred where tn=3");
    ASSERT_FALSE(date.IsEmpty());
    const AverageEarnings figures = ComputeAverageEarnings("3", "35", date, "5");
    ASSERT_TRUE(figures.reached);
    EXPECT_FALSE(figures.shortService);
    EXPECT_EQ(Text("select sum(s) as str from paymar_sred1 where tn=3"), figures.amount);
}

// Employee 902 of department 5, hired in 2000, the group of code 35 (pay by
// average earnings) holding the salary (1) and the union dues (202); the
// calendars of 2008 and 2009 without rows.
class AverageEarningsTest : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        projectType = g_lProjectType;
        g_lProjectType = 0;
        Run("delete from tn where tn=902\ndelete from paymar_bux where tn=902\ndelete from paymar_nuz where tn=902\n"
            "delete from paymar_trv where tn=902\ndelete from paymar_sred where tn=902\n"
            "delete from paymar_sred1 where tn=902\ndelete from spr_tvx where kou=35\n"
            "delete from spr_kl1 where g in (2008,2009)\n"
            "insert into tn (tn,f,i,o,nv,prd) values (902,'Средняя','Вера','Петровна',1,5)\n"
            "insert into spr_tvx (kou,id) values (35,1),(35,202)\n"
            "insert ignore into spr_vou (id,name,alg) values (200,'Код 200',NULL)");
        Hire("2000-01-10");
    }
    void TearDown() override
    {
        g_lProjectType = projectType;
        PayrollProgram::TearDown();
    }
    void Hire(const char* date)
    {
        Run(FormatText("delete from paymar_bux where tn=902\n"
                       "insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1) values (902,1,1,1,1,1,'%s')",
                       date));
    }
    // A month's salary on a sheet, and its days worked ("" for no row).
    void Month(int g, int m, const char* s, const char* dn, int nv = 1)
    {
        Run(FormatText("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (%d,%d,902,1,%d,1,%s)", g, m, nv, s));
        if (*dn)
            Run(FormatText("insert ignore into paymar_trv (tn,g,ms,dn) values (902,%d,%d,%s)", g, m, dn));
    }
    // March 2008 to February 2009, 20 days and 3000.00 each.
    void FullYear()
    {
        for (int i = 0; i < 12; ++i)
            Month(i < 10 ? 2008 : 2009, i < 10 ? i + 3 : i - 9, "3000.00", "20");
    }
    static QString Months(const AverageEarnings& a)
    {
        QStringList rows;
        for (const auto& m : a.months)
            rows << QString("%1 %2 %3 %4").arg(m.year.ToQString(), m.month.ToQString(), m.days.ToQString(),
                                              m.earnings.ToQString());
        return rows.join(", ");
    }
    long projectType = 0;
};

TEST_F(AverageEarningsTest, TheWindowIsTheTwelveMonthsBeforeTheStartMonthNearestFirst)
{
    FullYear();
    const AverageEarnings a = ComputeAverageEarnings("902", "35", "15.03.2009", "5");
    EXPECT_TRUE(a.filter.ToQString().startsWith("((g=2009 and ms=2) or (g=2009 and ms=1) or (g=2008 and ms=12)"));
    EXPECT_TRUE(a.filter.ToQString().endsWith("(g=2008 and ms=3))")) << a.filter.ToQString().toStdString();
    ASSERT_TRUE(a.reached);
    EXPECT_EQ(a.months.size(), 12u);
    EXPECT_EQ(a.days, 240);
    EXPECT_EQ(FormatNumber(a.earnings, "", 2), CString("36000.00"));
    EXPECT_EQ(a.average, CString("150.00"));
    EXPECT_EQ(a.amount, CString("750.00"));
    const AverageEarnings january = ComputeAverageEarnings("902", "35", "20.01.2009", "5");
    EXPECT_TRUE(january.filter.ToQString().startsWith("((g=2008 and ms=12) or")) << january.filter.ToQString().toStdString();
    EXPECT_TRUE(january.filter.ToQString().endsWith("(g=2008 and ms=1))"));
}

TEST_F(AverageEarningsTest, AMonthCountsItsWholeDaysWorkedAndItsDeductionsTakenOff)
{
    Month(2008, 10, "2000.00", "20.5");
    Month(2008, 11, "1000.00", "");
    Month(2008, 12, "3000.00", "10");
    Run("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (2008,12,902,1,1,202,100.00)");
    const AverageEarnings a = ComputeAverageEarnings("902", "35", "15.01.2009", "3");
    EXPECT_EQ(Months(a), QString("2008 октябрь 20.5 2000.00, 2008 ноябрь  1000.00, 2008 декабрь 10 2900.00"));
    EXPECT_EQ(a.days, 30);
    EXPECT_EQ(a.average, CString("196.67"));
    EXPECT_EQ(a.amount, CString("590.01"));
}

TEST_F(AverageEarningsTest, ANewEmployeeIsAveragedOverThreeNormsAt600)
{
    Run("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (1,2008,12,20,31,160),(1,2009,1,21,31,168),(1,2009,2,22,28,176)");
    Hire("2008-12-25");  // 2 months and 20 days before
    Month(2009, 1, "5000.00", "21");
    const AverageEarnings a = ComputeAverageEarnings("902", "35", "15.03.2009", "10");
    EXPECT_TRUE(a.shortService);
    EXPECT_EQ(Months(a), QString("2009 февраль 22 600.00, 2009 январь 21 600.00, 2008 декабрь 20 600.00"));
    EXPECT_EQ(a.days, 63);
    EXPECT_EQ(FormatNumber(a.earnings, "", 2), CString("1800.00"));
    EXPECT_EQ(a.average, CString("28.57"));
    EXPECT_EQ(a.amount, CString("285.70"));

    // Hired exactly three months before: the results.
    Hire("2008-12-15");
    const AverageEarnings results = ComputeAverageEarnings("902", "35", "15.03.2009", "10");
    EXPECT_FALSE(results.shortService);
    EXPECT_EQ(results.average, CString("238.10"));

    // A month without its norm: said, no totals.
    Hire("2008-12-25");
    Run("delete from spr_kl1 where g=2009 and ms=1");
    const AverageEarnings missing = ComputeAverageEarnings("902", "35", "15.03.2009", "10");
    EXPECT_FALSE(missing.reached);
    EXPECT_EQ(missing.problem, CString("Не указаны плановые дни за январь 2009г"));
    EXPECT_EQ(missing.months.size(), 1u);
    EXPECT_EQ(missing.average, CString(""));
}

TEST_F(AverageEarningsTest, TheSheetsLeftOutFollowTheProjectTypeAndTheDepartment)
{
    Month(2008, 12, "1000.00", "10", 1);
    Month(2008, 12, "2000.00", "10", 2);
    Month(2008, 12, "4000.00", "10", 3);
    const struct {
        long projectType;
        int department;
        const char* earnings;
    } cases[] = {
        {0, 3, "6000.00"},  // sheet 1 out
        {0, 1, "5000.00"},  // sheet 2 out
        {0, 7, "5000.00"},
        {0, 5, "7000.00"},  // none out
        {1, 3, "3000.00"},  // sheet 3 out
        {2, 3, "7000.00"},
    };
    for (const auto& c : cases) {
        g_lProjectType = c.projectType;
        Run(FormatText("update tn set prd=%d where tn=902", c.department));
        const AverageEarnings a = ComputeAverageEarnings("902", "35", "15.01.2009", "1");
        EXPECT_EQ(FormatNumber(a.earnings, "", 2), CString(c.earnings)) << c.projectType << " " << c.department;
    }
}

TEST_F(AverageEarningsTest, NoResultsOrNoInputGiveNoTotals)
{
    EXPECT_FALSE(ComputeAverageEarnings("902", "35", "15.01.2009", "5").reached);
    Month(2008, 12, "1000.00", "10");
    for (const auto& [date, days, code] : {std::tuple{"", "5", "35"}, std::tuple{"31.02.2009", "5", "35"},
                                          std::tuple{"15.01.2009", "", "35"}, std::tuple{"15.01.2009", "5", ""}}) {
        const AverageEarnings a = ComputeAverageEarnings("902", code, date, days);
        EXPECT_FALSE(a.reached) << date << "/" << days << "/" << code;
        EXPECT_TRUE(a.filter.IsEmpty());
    }
}

class AverageEarningsForm : public AverageEarningsTest {
protected:
    CSredView* OpenSred()
    {
        CHelpers::FN_OpenDocument0("SredView", 0, nullptr);
        Settle();
        auto views = Open<CSredView>();
        return views.empty() ? nullptr : views.back();
    }
    static std::string Shown(CWnd* form, int id) { return afxtest::text(form, id).toStdString(); }
    static void Fill(CWnd* form, const char* code, const char* date, const char* days)
    {
        form->SetDlgItemText(IDC_VOU, code);
        form->SetDlgItemText(IDC_SRED_DATE, date);
        form->SetDlgItemText(IDC_SRED_DAYS, days);
    }
    void Save(CWnd* form, UINT answer = IDYES)
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", answer);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
    }
};

TEST_F(AverageEarningsForm, AnEmployeeADateAndDaysGiveTheAverageAndTheAmountSavedBySheet)
{
    FullYear();
    Month(2008, 6, "1500.00", "", 2);  // June on sheet 2 too
    CSredView* form = OpenSred();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Оплата по среднему"));
    form->SetDlgItemText(IDC_TN, "902");
    Settle();
    EXPECT_EQ(Shown(form, IDC_SRED_DATE), std::string((const char*)GetOtpD1(g_lYear, g_lMonth))) << "no record: the month's first day";
    EXPECT_EQ(Shown(form, IDC_VOU), std::string(""));
    Fill(form, "35", "15.03.2009", "5");
    Settle();
    EXPECT_EQ(form->m_grid.GetCellValue(1, 12), CString("Итого:"));
    EXPECT_EQ(form->m_grid.GetCellValue(2, 12), CString("240"));
    EXPECT_EQ(form->m_grid.GetCellValue(3, 12), CString("37500.00"));
    EXPECT_EQ(Shown(form, IDC_AVG_DAILY), std::string("156.25"));
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("781.25"));
    Save(form);
    EXPECT_EQ(Text("select concat_ws('|',kou,dr,d) as str from paymar_sred where tn=902"), CString("35|2009-03-15|5.00"));
    EXPECT_EQ(Text("select group_concat(concat(nv,':',s) order by nv separator ' ') as str from paymar_sred1 where tn=902"),
              CString("1:750.00 2:31.25"));
    EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(IDC_TN));

    // Loaded again with the period's record; a second save replaces it.
    form->SetDlgItemText(IDC_TN, "");
    form->SetDlgItemText(IDC_TN, "902");
    Settle();
    EXPECT_EQ(Shown(form, IDC_VOU), std::string("35"));
    EXPECT_EQ(Shown(form, IDC_SRED_DATE), std::string("15.03.2009"));
    EXPECT_EQ(Shown(form, IDC_SRED_DAYS), std::string("5"));
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("781.25"));
    form->SetDlgItemText(IDC_SRED_DAYS, "2");
    Save(form);
    EXPECT_EQ(Text("select sum(s) as str from paymar_sred1 where tn=902"), CString("312.50"));
    EXPECT_EQ(Count("select count(*) from paymar_sred where tn=902"), 1);

    // A failed write keeps what was stored.
    Run("create trigger paymar_sred1_refuse before insert on paymar_sred1 for each row "
        "signal sqlstate '45000' set message_text='refused'");
    form->SetDlgItemText(IDC_SRED_DAYS, "4");
    Save(form);
    Run("drop trigger paymar_sred1_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Text("select d as str from paymar_sred where tn=902"), CString("2.00"));
    EXPECT_EQ(Text("select sum(s) as str from paymar_sred1 where tn=902"), CString("312.50"));
}

TEST_F(AverageEarningsForm, EachCheckOfASaveRefusesInItsOrderAndNothingIsWritten)
{
    FullYear();
    CSredView* form = OpenSred();
    ASSERT_NE(form, nullptr);
    const struct {
        const char *tn, *code, *date, *days, *message;
        int focus;
    } cases[] = {
        {"", "35", "15.03.2009", "5", "Укажите Табельный №", IDC_TN},
        {"998", "35", "15.03.2009", "5", "Нет такого работника", IDC_TN},
        {"902", "35", "", "5", "Укажите с какого числа рассчитывать", IDC_SRED_DATE},
        {"902", "35", "31.02.2009", "5", "Неверная дата: Дата расчета", IDC_SRED_DATE},
        {"902", "35", "15.03.2009", "", "Укажите сколько дней оплачивать хотите", IDC_SRED_DAYS},
        {"902", "35", "15.03.2009", "abc", "Укажите число: Дней", IDC_SRED_DAYS},
        {"902", "", "15.03.2009", "5", "Укажите код оплаты", IDC_VOU},
        {"902", "777", "15.03.2009", "5", "Нет такого вида оплаты", IDC_VOU},
        {"902", "201", "15.03.2009", "5", "Код оплат должен быть меньше 200", IDC_VOU},
        {"902", "35", "15.03.2031", "5", "Средний заработок не рассчитан: нет начислений за расчетный период", IDC_TN},
    };
    // The demo's payment stays as it is.
    const long long stored = Count("select count(*) from paymar_sred");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, c.tn);
        Settle();
        Fill(form, c.code, c.date, c.days);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
        if (c.focus != IDC_TN)
            EXPECT_EQ(CWnd::GetFocus(), form->GetDlgItem(c.focus));
        EXPECT_EQ(Count("select count(*) from paymar_sred"), stored);
    }
    form->SetDlgItemText(IDC_TN, "902");
    Fill(form, "200", "15.03.2009", "5");
    Run("insert into spr_tvx (kou,id) values (200,1)");
    Save(form);
    EXPECT_EQ(Text("select kou as str from paymar_sred where tn=902"), CString("200"));
}

TEST_F(AverageEarningsForm, ANewEmployeeWithoutResultsIsPaidOnHisMainSheet)
{
    Run("insert into spr_kl1 (id,g,ms,dn,bol,ch) values (1,2008,12,20,31,160),(1,2009,1,21,31,168),(1,2009,2,22,28,176)");
    Hire("2008-12-25");
    CSredView* form = OpenSred();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "902");
    Fill(form, "35", "15.03.2009", "10");
    Settle();
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("285.70"));
    Save(form);
    EXPECT_EQ(Text("select concat(nv,':',s) as str from paymar_sred1 where tn=902"), CString("1:285.70"));

    // A norm missing: said when the figures are made, no totals.
    Run("delete from spr_kl1 where g=2009 and ms=1");
    afxtest::InteractionScript script;
    script.message("Не указаны плановые дни за январь 2009г", IDOK);
    form->SetDlgItemText(IDC_SRED_DAYS, "9");
    script.verify();
    EXPECT_EQ(Shown(form, IDC_AVG_DAILY), std::string(""));
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string(""));
    EXPECT_EQ(form->m_grid.GetCellValue(1, 12), CString(""));
}

TEST_F(AverageEarningsForm, TheCertificatePrintsTheStoredPaymentAndTheDeleteRemovesIt)
{
    FullYear();
    CSredView* form = OpenSred();
    ASSERT_NE(form, nullptr);
    form->SetDlgItemText(IDC_TN, "902");
    Fill(form, "35", "15.03.2009", "5");
    Settle();
    // Not stored: the save instead, nothing shown.
    Save(form, IDNO);
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDNO);
        afxtest::click(form, IDC_PAY_PRINT);
        script.verify();
    }
    EXPECT_EQ(Active<CReportView>(), nullptr);
    Save(form);
    Run("update tn set i='Вера <i>' where tn=902");
    afxtest::click(form, IDC_PAY_PRINT);
    Settle();
    const ledgertest::SavedReport page =
        ledgertest::SaveShownReport(*this, QCoreApplication::applicationDirPath() + "/average_earnings_certificate.png");
    EXPECT_TRUE(page.saved);
    EXPECT_EQ(page.pages, 1);
    for (const char* text : {"Расчет по средней з/п за", "Вера <i>", "15.03.2009", "Дней:", "750.00", "март", "февраль",
                             "36000.00", "240", "Средне дн.фак.зар-к", "150.00"})
        EXPECT_TRUE(page.text.contains(QString::fromUtf8(text))) << text;

    {
        afxtest::InteractionScript script;
        script.message("Удалить эту запись ? ", IDYES);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) from paymar_sred where tn=902"), 0);
    EXPECT_EQ(Count("select count(*) from paymar_sred1 where tn=902"), 0);
    EXPECT_EQ(Shown(form, IDC_VOU), std::string(""));
    EXPECT_EQ(Shown(form, IDC_SRED_DATE), std::string((const char*)GetOtpD1(g_lYear, g_lMonth)));
    // Nothing stored: no question.
    afxtest::InteractionScript script;
    afxtest::click(form, IDC_REC_DELETE);
    script.verify();
}

} // namespace
