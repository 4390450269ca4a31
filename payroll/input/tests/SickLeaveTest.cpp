// Sick-leave certificates: the pay of a period under the monthly maximum in
// force, the days a period counts, the split of an amount over the pay
// sheets, and the form: the figures as the clerk types, the checks of a save
// in their order, a certificate written and replaced whole, the delete and
// the calculation sheet.
#include "CBolView.h"
#include "InteractionScript.h"
#include "CReportView.h"
#include "PayrollProgram.h"
#include "ReportShown.h"
#include "SheetSplit.h"
#include "SickPay.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QApplication>
#include <QCoreApplication>

namespace {

using npaymar::CBolView;

// The monthly maxima of the tests: algorithm 1 from 2024, 2025 and 2026,
// algorithm 2 from 2025 only.
class SickPay : public paytest::PayrollProgram {
protected:
    void SetUp() override
    {
        PayrollProgram::SetUp();
        Run("delete from spr_paymar_bol_max\n"
            "insert into spr_paymar_bol_max (dt,alg,s) values ('2024-01-01',1,30000),('2025-01-01',1,2790),"
            "('2026-01-01',1,36000),('2025-01-01',2,50000)");
    }
};

TEST_F(SickPay, APeriodTakesTheMaximumDatedLastOnOrBeforeItsFirstDay)
{
    const struct {
        const char* first;
        long alg;
        double maximum;
    } cases[] = {
        {"15.06.2025", 1, 2790},   // the row of 2026 is later and does not apply
        {"01.01.2025", 1, 2790},   // a row of the very day
        {"31.12.2024", 1, 30000},
        {"15.03.2031", 1, 36000},  // after the newest row the newest
        {"31.12.2023", 1, 0},      // before the first row none
        {"15.06.2025", 2, 50000},
        {"15.06.2025", 3, 0},
        {"", 1, 0},
        {"32.01.2025", 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(npaymar::SickPayMaximum(c.first, c.alg), c.maximum) << c.first << " " << c.alg;
}

TEST_F(SickPay, EachMonthOfAPeriodIsPaidAtItsOwnCapInKopecksPerDay)
{
    const struct {
        const char* what;
        double average, maximum, percent;
        const char *first, *last;
        bool paid;
        double daily;
        long days;
        double amount;
    } cases[] = {
        {"below the cap", 500, 31000, 100, "01.03.2025", "10.03.2025", true, 500, 10, 5000},
        {"above the cap", 1500, 31000, 100, "01.03.2025", "10.03.2025", true, 1000, 10, 10000},
        // 7 days at 28000/31 = 903.23 and 5 at 28000/28 = 1000.00.
        {"across January's end", 2000, 28000, 100, "25.01.2025", "05.02.2025", true, 1000, 12, 11322.61},
        // February of a leap year: 28000/29 = 965.52.
        {"across a leap January's end", 2000, 28000, 100, "25.01.2024", "05.02.2024", true, 965.52, 12, 11150.21},
        // 3000.25/30 at 60 % is 60.005 a day: a kopeck up.
        {"60 % of half a kopeck", 200, 3000.25, 60, "01.04.2025", "10.04.2025", true, 60.01, 10, 600.10},
        {"80 % below the cap", 100, 31000, 80, "30.11.2025", "02.12.2025", true, 80, 3, 240},
        {"across a year's end", 100, 3100, 100, "31.12.2024", "01.01.2025", true, 100, 2, 200},
        {"one day", 100, 31000, 100, "05.05.2025", "05.05.2025", true, 100, 1, 100},
        {"maximum 0", 100, 0, 100, "01.03.2025", "10.03.2025", false, 0, 0, 0},
        {"no maximum", 100, -1, 100, "01.03.2025", "10.03.2025", false, 0, 0, 0},
        {"dates the wrong way", 100, 31000, 100, "10.03.2025", "01.03.2025", false, 0, 0, 0},
        {"no date", 100, 31000, 100, "", "01.03.2025", false, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const npaymar::SickPeriodPay pay = npaymar::PaySickPeriod(c.average, c.maximum, c.percent, c.first, c.last);
        EXPECT_EQ(pay.paid, c.paid);
        EXPECT_DOUBLE_EQ(pay.daily, c.daily);
        EXPECT_EQ(pay.days, c.days);
        EXPECT_EQ(FormatNumber(pay.amount, "", 2), FormatNumber(c.amount, "", 2));
    }
}

TEST_F(SickPay, APeriodCountsItsDaysWithoutTheDaysOffOfEitherList)
{
    Run("delete from spr_vix_prazd where year(d)=2031\ndelete from spr_sub where year(d)=2031\n"
        "insert into spr_vix_prazd (d) values ('2031-03-08'),('2031-03-09'),('2031-03-15')\n"
        "insert into spr_sub (d) values ('2031-03-09'),('2031-03-10'),('2031-04-01')");
    const struct {
        const char *first, *last;
        long days;
    } cases[] = {
        {"01.03.2031", "31.03.2031", 27},  // 8, 9, 10 and 15 out; the 9th of both lists once
        {"09.03.2031", "09.03.2031", 0},
        {"11.03.2031", "14.03.2031", 4},
        {"25.03.2031", "05.04.2031", 11},
        {"1.3.31", "2.3.31", 2},           // as typed in a hurry
        {"", "05.04.2031", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(npaymar::SickPeriodDays(c.first, c.last), c.days) << c.first << " - " << c.last;
}

TEST_F(SickPay, AnAmountIsSplitOverTheSheetsToTheKopeck)
{
    using npaymar::SheetAmount;
    const struct {
        const char* what;
        double amount;
        std::vector<SheetAmount> sheets;
        const char* main;
        const char* shares;
    } cases[] = {
        {"2 : 1", 300, {{"1", 2000}, {"2", 1000}}, "1", "1:200.00 2:100.00"},
        {"2 : 1 of kopecks", 902.55, {{"1", 2000}, {"2", 1000}}, "1", "1:601.70 2:300.85"},
        {"three equal sheets", 100, {{"1", 5}, {"2", 5}, {"3", 5}}, "1", "1:33.33 2:33.33 3:33.34"},
        {"a share above what remains", 10, {{"1", 3}, {"2", 1}, {"3", -2}}, "1", "1:10.00"},
        {"no sheet results", 100, {}, "4", "4:100.00"},
        {"sheet results of nothing", 100, {{"1", 50}, {"2", -50}}, "4", "4:100.00"},
        {"no sheet at all", 100, {}, "", ""},
        {"nothing to split", 0, {{"1", 50}}, "1", ""},
    };
    for (const auto& c : cases) {
        QStringList shares;
        double sum = 0;
        for (const SheetAmount& share : npaymar::SplitBySheets(c.amount, c.sheets, c.main)) {
            shares << QString("%1:%2").arg(share.nv.ToQString(), FormatNumber(share.s, "", 2).ToQString());
            sum += share.s;
        }
        EXPECT_EQ(shares.join(' '), QString(c.shares)) << c.what;
        if (*c.shares && *c.main)
            EXPECT_EQ(FormatNumber(sum, "", 2), FormatNumber(c.amount, "", 2)) << c.what;
    }
}

// Employee 901, twelve months of 2024 on two sheets at 2 : 1, 30 days
// counted each: an average of 100.00 a day for a certificate of 2025.
class SickLeaveForm : public SickPay {
protected:
    void SetUp() override
    {
        SickPay::SetUp();
        Run("delete from tn where tn=901\ndelete from paymar_bux where tn=901\ndelete from paymar_nuz where tn=901\n"
            "delete from paymar_trv where tn=901\ndelete from paymar_bol where tn=901\n"
            "delete from paymar_bol1 where tn=901\ndelete from paymar_bol2 where tn=901\ndelete from spr_paymar_prem\n"
            "insert into tn (tn,f,i,o,nv) values (901,'Тестова','Анна','Ивановна',1)\n"
            "insert into paymar_bux (tn,npp,osn,dol,kou,kl,d1) values (901,1,1,1,1,1,'2005-01-10')\n"
            "insert ignore into spr_vou (id,name,alg) values (200,'Код 200',1)\n"
            "update spr_vou set alg=1 where id=5\n"
            "delete from spr_tvx where kou=200\ninsert into spr_tvx (kou,id) values (200,1)");
        for (int m = 1; m <= 12; ++m)
            Run(FormatText("insert into paymar_nuz (g,ms,tn,npp,nv,kou,s) values (2024,%d,901,1,1,1,2000),"
                           "(2024,%d,901,1,2,1,1000)\n"
                           "insert into paymar_trv (tn,g,ms,dn,kl) values (901,2024,%d,20,30)",
                           m, m, m));
    }
    CBolView* OpenBol()
    {
        CHelpers::FN_OpenDocument0("bol", 0, nullptr);
        Settle();
        auto views = Open<CBolView>();
        return views.empty() ? nullptr : views.back();
    }
    static void TypeCell(CBolView* form, int col, long row, const char* text)
    {
        form->m_periods.SetFocus0();
        form->m_periods.SetCurCell(col, row);
        afxtest::typeKeys(form->m_periods.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(form->m_periods.GetQWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    // A new certificate of 901 from 25.01.2025: the blank entry, the date,
    // the pay code offered, one period across January's end at `percent`.
    void NewCertificate(CBolView* form, const char* percent = "80")
    {
        form->SetDlgItemText(IDC_TN, "901");
        Settle();
        // The blank entry chosen as the list tells it: a list opened and
        // closed on the offscreen platform stays its active window.
        form->m_numbers.SetCurSel(0);
        form->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_REC_NPP, CBN_SELENDOK), (LPARAM)form->m_numbers.GetSafeHwnd());
        Settle();
        afxtest::typeInto(form, IDC_BOL_START, "25.01.2025");
        form->GetDlgItem(IDC_VOU)->SetFocus();
        Settle();
        TypeCell(form, 0, 0, "25.01.2025");
        TypeCell(form, 1, 0, "05.02.2025");
        TypeCell(form, 3, 0, percent);
        Settle();
    }
    static std::string Shown(CWnd* form, int id) { return afxtest::text(form, id).toStdString(); }
    static std::string Row(CCellwork& grid, long row, long cols)
    {
        QStringList cells;
        for (long col = 0; col < cols; ++col)
            cells << grid.GetCellValue(col, row).ToQString();
        return cells.join('|').toStdString();
    }
    void Save(CWnd* form, const char* question)
    {
        afxtest::InteractionScript script;
        script.message(question, IDYES);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
    }
    CString Stored(const char* sql) { return Text(sql); }
};

TEST_F(SickLeaveForm, TheClerkTypesACertificateAndSeesItsMonthsAverageAndPay)
{
    CBolView* form = OpenBol();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->GetParentFrame()->GetQWidget()->windowTitle(), QString("Больничные листы"));
    NewCertificate(form);
    EXPECT_EQ(Shown(form, IDC_VOU), std::string("5")) << "offered when the code is empty";
    EXPECT_EQ(Shown(form, IDC_BOL_VOU_NAME), std::string("Оплата больничного листа"));
    EXPECT_EQ(Shown(form, IDC_NPP), std::string("1"));
    EXPECT_EQ(Shown(form, IDC_BOL_KL), std::string("1"));
    EXPECT_EQ(Row(form->m_earnings, 0, 5), std::string("2024|январь|30.00|3000|0"));
    EXPECT_EQ(Row(form->m_earnings, 12, 4), std::string("|Итого:|360|36000.00"));
    EXPECT_EQ(Shown(form, IDC_AVG_DAILY), std::string("100.00"));
    // January's cap 2790/31 = 90.00 at 80 % is 72.00 for 7 days; February's
    // 2790/28 = 99.64 at 80 % is 79.71 for 5 days.
    EXPECT_EQ(Row(form->m_periods, 0, 6), std::string("25.01.2025|05.02.2025|12|80|79.71|902.55"));
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("902.55"));
    EXPECT_EQ(form->m_periods.GetNRows(), 6);

    // A typed days cell is kept; the pay counts calendar days all the same.
    TypeCell(form, 2, 0, "10");
    Settle();
    EXPECT_EQ(Row(form->m_periods, 0, 6), std::string("25.01.2025|05.02.2025|10|80|79.71|902.55"));

    // The earnings grid is not edited.
    form->m_earnings.ForceEditCell(3, 0);
    Settle();
    EXPECT_EQ(form->m_earnings.GetCellValue(3, 0), CString("3000"));

    Save(form, "Добавить новую запись ? ");
    EXPECT_EQ(Stored("select concat_ws('|',vou,BOLs,npp_bux) as str from paymar_bol where tn=901 and npp=1"),
              CString("5|2025-01-25|1"));
    EXPECT_EQ(Stored("select concat_ws('|',d1,d2,dn,pr,npp1) as str from paymar_bol1 where tn=901"),
              CString("2025-01-25|2025-02-05|10.00|80.00|1"));
    EXPECT_EQ(Stored("select group_concat(concat(nv,':',s) order by nv separator ' ') as str from paymar_bol2 where "
                     "tn=901 and npp=1"),
              CString("1:601.70 2:300.85"));
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string("1"));
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("902.55"));

    // A second certificate is numbered after the highest.
    NewCertificate(form, "100");
    Save(form, "Добавить новую запись ? ");
    EXPECT_EQ(Count("select count(*) from paymar_bol where tn=901"), 2);
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string("2"));
    EXPECT_EQ(Stored("select sum(s) as str from paymar_bol2 where tn=901 and npp=2"), CString("1128.20"));
}

TEST_F(SickLeaveForm, EachCheckOfASaveRefusesInItsOrderAndNothingIsWritten)
{
    CBolView* form = OpenBol();
    ASSERT_NE(form, nullptr);
    struct Case {
        const char* tn;
        const char* start;
        const char* code;
        std::vector<std::pair<int, const char*>> cells;  // period row 0 from its first column
        const char* message;
    };
    const Case cases[] = {
        {"", "25.01.2025", "5", {}, "Укажите Табельный №"},
        {"998", "25.01.2025", "5", {}, "Нет такого работника"},
        {"901", "", "5", {}, "Укажите с какого числа болеет"},
        {"901", "25.01.2025", "", {}, "Укажите код оплаты"},
        {"901", "25.01.2025", "777", {}, "Нет такого вида оплаты"},
        {"901", "25.01.2025", "201", {}, "Код оплат должен быть меньше 200"},
        {"901", "25.01.2025", "5", {{0, ""}, {1, ""}, {2, ""}, {3, ""}}, "Укажите периоды болезни"},
        {"901", "25.01.2025", "5", {{0, ""}}, "Укажите дату начала болезни"},
        {"901", "25.01.2025", "5", {{1, ""}}, "Укажите дату \"конца\" болезни"},
        {"901", "25.01.2025", "5", {{1, "01.01.2025"}}, "Дата по раньше даты с, строка 1"},
        {"901", "25.01.2025", "5", {{2, ""}}, "Укажите количество дней болезни"},
        {"901", "25.01.2025", "5", {{2, "abc"}}, "Укажите число дней: Дней, строка 1"},
        {"901", "25.01.2025", "5", {{3, ""}}, "Укажите процент оплаты"},
        {"901", "25.01.2025", "5", {{3, "150"}}, "Процент оплаты должен быть от 0 до 100, строка 1"},
        // No earnings before the date: the average is not reached.
        {"901", "25.01.2030", "5", {}, "Средний заработок не рассчитан: нет начислений за расчетный период"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        form->SetDlgItemText(IDC_TN, c.tn);
        Settle();
        form->SetDlgItemText(IDC_BOL_START, c.start);
        form->SetDlgItemText(IDC_VOU, c.code);
        const char* period[] = {"25.01.2025", "05.02.2025", "10", "80"};
        for (long col = 0; col < 4; ++col)
            form->m_periods.SetCellValue(col, 0, period[col]);
        for (const auto& [col, text] : c.cells)
            form->m_periods.SetCellValue(col, 0, text);
        afxtest::InteractionScript script;
        script.message(c.message, IDOK);
        afxtest::click(form, IDOK);
        script.verify();
        Settle();
        EXPECT_EQ(Count("select count(*) from paymar_bol where tn=901"), 0);
        EXPECT_EQ(Count("select count(*) from paymar_bol1 where tn=901"), 0);
    }
    // 200 is an accrual.
    form->SetDlgItemText(IDC_TN, "901");
    Settle();
    form->SetDlgItemText(IDC_BOL_START, "25.01.2025");
    form->SetDlgItemText(IDC_VOU, "200");
    const char* period[] = {"25.01.2025", "05.02.2025", "10", "80"};
    for (long col = 0; col < 4; ++col)
        form->m_periods.SetCellValue(col, 0, period[col]);
    Save(form, "Добавить новую запись ? ");
    EXPECT_EQ(Stored("select vou as str from paymar_bol where tn=901"), CString("200"));
}

TEST_F(SickLeaveForm, AResaveReplacesTheCertificateWholeAndAFailureKeepsTheStoredOne)
{
    CBolView* form = OpenBol();
    ASSERT_NE(form, nullptr);
    NewCertificate(form);
    Save(form, "Добавить новую запись ? ");
    ASSERT_EQ(Count("select count(*) from paymar_bol2 where tn=901"), 2);

    // 100 % in place of 80 %, a second period: the rows replaced.
    TypeCell(form, 3, 0, "100");
    TypeCell(form, 0, 1, "10.02.2025");
    TypeCell(form, 1, 1, "11.02.2025");
    TypeCell(form, 3, 1, "50");
    Settle();
    EXPECT_EQ(Shown(form, IDC_AVG_TOTAL), std::string("1227.84")) << "7 x 90.00 + 5 x 99.64 + 2 x 49.82";
    // A failure in the middle of the rows leaves the certificate stored before.
    Run("create trigger paymar_bol2_refuse before insert on paymar_bol2 for each row "
        "signal sqlstate '45000' set message_text='refused'");
    Save(form, "Записать изменения ? ");
    Run("drop trigger paymar_bol2_refuse");
    EXPECT_FALSE(dbReports.reports().empty());
    dbReports.clear(1);
    EXPECT_EQ(Stored("select group_concat(pr) as str from paymar_bol1 where tn=901"), CString("80.00"));
    EXPECT_EQ(Stored("select sum(s) as str from paymar_bol2 where tn=901"), CString("902.55"));

    TypeCell(form, 3, 0, "100");
    TypeCell(form, 0, 1, "10.02.2025");
    TypeCell(form, 1, 1, "11.02.2025");
    TypeCell(form, 3, 1, "50");
    Save(form, "Записать изменения ? ");
    EXPECT_EQ(Count("select count(*) from paymar_bol where tn=901"), 1);
    EXPECT_EQ(Stored("select group_concat(concat(pr,'/',npp1) order by d1) as str from paymar_bol1 where tn=901"),
              CString("100.00/1,50.00/1"));
    EXPECT_EQ(Stored("select sum(s) as str from paymar_bol2 where tn=901"), CString("1227.84"));

    // The delete: the question, then the three tables' rows.
    {
        afxtest::InteractionScript script;
        script.message("Удалить этот н/п ? ", IDNO);
        afxtest::pressKey(form, IDC_TN, Qt::Key_F8);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) from paymar_bol where tn=901"), 1);
    {
        afxtest::InteractionScript script;
        script.message("Удалить этот н/п ? ", IDYES);
        afxtest::click(form, IDC_REC_DELETE);
        script.verify();
    }
    for (const char* table : {"paymar_bol", "paymar_bol1", "paymar_bol2"})
        EXPECT_EQ(Count(FormatText("select count(*) from %s where tn=901", table)), 0) << table;
    EXPECT_EQ(Shown(form, IDC_REC_NPP), std::string(""));
}

TEST_F(SickLeaveForm, ThePrintShowsTheStoredCertificateOrSavesAChangedOne)
{
    CBolView* form = OpenBol();
    ASSERT_NE(form, nullptr);
    // Not stored: the save runs instead and nothing is shown.
    NewCertificate(form);
    {
        afxtest::InteractionScript script;
        script.message("Добавить новую запись ? ", IDNO);
        afxtest::click(form, IDC_PAY_PRINT);
        script.verify();
    }
    EXPECT_EQ(Active<CReportView>(), nullptr);
    Save(form, "Добавить новую запись ? ");
    // Another code on screen than the one stored: the save again.
    form->SetDlgItemText(IDC_VOU, "200");
    {
        afxtest::InteractionScript script;
        script.message("Записать изменения ? ", IDNO);
        afxtest::click(form, IDC_PAY_PRINT);
        script.verify();
    }
    EXPECT_EQ(Active<CReportView>(), nullptr);
    form->SetDlgItemText(IDC_VOU, "5");
    Settle();
    Run("update tn set f='Тестова <b>&' where tn=901");
    afxtest::click(form, IDC_PAY_PRINT);
    Settle();
    const ledgertest::SavedReport page =
        ledgertest::SaveShownReport(*this, QCoreApplication::applicationDirPath() + "/sick_leave_sheet.png");
    EXPECT_TRUE(page.saved);
    EXPECT_EQ(page.pages, 1);
    for (const char* text : {"Тестова <b>&", "Болеет с:", "25.01.2025", "Оплата больничного листа", "05.02.2025",
                             "79.71", "902.55", "Итого начислено:", "январь", "декабрь", "36000.00",
                             "Средне дн.фак.зар-к", "100.00", "Кв.прем."})
        EXPECT_TRUE(page.text.contains(QString::fromUtf8(text))) << text;
    EXPECT_GT(page.colours, 2);
}

} // namespace
