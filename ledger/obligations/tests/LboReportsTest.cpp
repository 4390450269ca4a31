// The reports on limits of budget obligations read from the pages they build:
// the monthly limits and their execution by economic code, the execution of
// the limits by KBK and KOSGU, and the limits card; each on small fixtures of
// assignment documents and postings.
#include "CHelpers.h"
#include "CPrnLboMesFaktView.h"
#include "CPrnLboMesView.h"
#include "CPrnOstDogovoraView.h"
#include "ContractBalancePage.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LboMonthPages.h"
#include "LboPeriodPages.h"
#include "LedgerProgram.h"
#include "PageRows.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBrowser>
#include <algorithm>
#include <functional>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

using obligationstest::RowOf;
using obligationstest::Rows;

class LboReports : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_budg_assig\n"
            "delete from spr_ekr where id=999000\n"
            "insert ignore into spr_ekr (id, name) values (211000, 'Заработная плата'), (213000, 'Начисления'), "
            "(226000, 'Прочие работы, услуги')");
        AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
    }
    // An assignment document of one grid row for code 211000 (and `more` rows).
    void Assignment(const char* date, int kind, double amount, const char* kbk = "NULL", int source = 1)
    {
        const CString grid = FormatText("211000%s%s%s", (LPCTSTR)GetDelimiter0(), (LPCTSTR)ftoa(amount),
                                        (LPCTSTR)GetDelimiter0());
        Run(FormatText("insert into ledmark_budg_assig (id, number, d, tiplim, ifin, kbk_deb, kbk_kred, grid, fil_id) "
                       "values (1, '1', %s, %d, %d, %s, %s, %s, 1)",
                       (LPCTSTR)ChangeDateUS0(date, 0), kind, source, kbk, kbk, (LPCTSTR)NullStr(grid)));
    }
    // A posting of `amount` between two nine-character accounts; the analytic
    // value 1 of each side is the economic code `ekr`.
    void Post(const char* date, const char* debit, const char* credit, double amount, const char* ekr = "211000",
              const char* kbk = "1", int branch = 1, const char* sb2 = "NULL")
    {
        const CString d = debit, k = credit;
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, "
                       "kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kbk_kred, s, fil_id) values (1, 1, %s, '%s', "
                       "'%s', '%s', '%s', '%s', %s, %s, '%s', '%s', '%s', '%s', '%s', %s, %s, %s, %d)",
                       (LPCTSTR)ChangeDateUS0(date, 0), (LPCTSTR)d.Left(1), (LPCTSTR)d.Mid(1, 3), (LPCTSTR)d.Mid(4, 2),
                       (LPCTSTR)d.Mid(6, 3), ekr, sb2, kbk, (LPCTSTR)k.Left(1), (LPCTSTR)k.Mid(1, 3),
                       (LPCTSTR)k.Mid(4, 2), (LPCTSTR)k.Mid(6, 3), ekr, sb2, kbk, (LPCTSTR)ftoa(amount), branch));
    }
    static LboMonthFilter Year(const char* kbk = "", int source = 0)
    {
        LboMonthFilter filter;
        filter.year = 2024;
        filter.source = source;
        filter.kbkList = kbk;
        return filter;
    }
    static LboPeriodFilter Period(const char* from, const char* to, int source = 0, int branch = -2)
    {
        LboPeriodFilter filter;
        filter.from = qwDMG(from, 1);
        filter.to = qwDMG(to, 1);
        filter.source = source;
        filter.branch = branch;
        return filter;
    }
};

// The planned limits of code 211000, one document or posting at a time:
// column -> the amount it shows (every other column 0.00).
TEST_F(LboReports, PlannedLimitsTakeEachAmountIntoItsColumns)
{
    struct Case {
        const char* name;
        std::function<void()> fixture;
        std::vector<int> columns; // columns showing 100.00; empty: no row at all
    };
    const Case cases[] = {
        {"year, 1 March", [this] { Assignment("01.03.2024", 2, 100); }, {2}},
        {"year, 15 March", [this] { Assignment("15.03.2024", 2, 100); }, {2, 3}},
        {"quarter, 1 May", [this] { Assignment("01.05.2024", 1, 100); }, {14}},
        {"quarter, 20 May", [this] { Assignment("20.05.2024", 1, 100); }, {14, 15}},
        {"monthly limits are not read", [this] { Assignment("20.05.2024", 0, 100); }, {}},
        {"limit 1 February", [this] { Post("01.02.2024", "150105211", "150103211", 100); }, {8, 12, 44}},
        {"limit 2 February", [this] { Post("02.02.2024", "150105211", "150103211", 100); },
         {8, 9, 12, 13, 44, 45}},
        {"another year", [this] { Post("02.02.2023", "150105211", "150103211", 100); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_budg_assig\ndelete from ledmark_provodki");
        c.fixture();
        const LimitPage page = PlannedLimitsPage(Year());
        EXPECT_TRUE(page.complete);
        const QStringList row = RowOf(page.html, "211000");
        if (c.columns.empty()) {
            EXPECT_TRUE(row.isEmpty()) << row.join('|').toStdString();
            continue;
        }
        ASSERT_EQ(row.size(), 45) << page.html.ToStdString();
        for (int column = 2; column <= 45; ++column) {
            const bool filled = std::find(c.columns.begin(), c.columns.end(), column) != c.columns.end();
            EXPECT_EQ(row[column - 1], filled ? "100.00" : "0.00") << "column " << column;
        }
        EXPECT_EQ(RowOf(page.html, "Итого"), QStringList{"Итого"} + row.mid(1));
    }
}

TEST_F(LboReports, MonthlyReportsFilterByKbkListAndListUnknownCodesLast)
{
    Post("10.03.2024", "150105211", "150103211", 100, "211000", "12");
    Post("11.03.2024", "150105211", "150103211", 40, "211000", "13");
    Post("12.03.2024", "150105211", "150103211", 7, "999000", "15");
    Post("13.03.2024", "150105211", "150103211", 5, "213000", "15");

    LimitPage page = PlannedLimitsPage(Year("12,,15"));
    EXPECT_EQ(RowOf(page.html, "211000").value(9), "100.00");
    // Listed codes first in the book's order, then a code the book lacks; all in the totals.
    QStringList firsts;
    for (const QStringList& cells : Rows(page.html))
        if (!cells.isEmpty() && cells[0].toLong() >= 200000)
            firsts << cells[0];
    EXPECT_EQ(firsts, QStringList({"211000", "213000", "999000"}));
    EXPECT_EQ(RowOf(page.html, "Итого").value(9), "112.00");
    // Row colours: the first code light, then alternating, the totals next.
    EXPECT_TRUE(page.html.ToQString().contains(QRegularExpression(
        "<tr bgcolor='#eeeeee'><td align=right nowrap>&nbsp;&nbsp;211000.*<tr bgcolor='#dddddd'><td align=right nowrap>&nbsp;&nbsp;213000"
        ".*<tr bgcolor='#eeeeee'><td align=right nowrap>&nbsp;&nbsp;999000.*<tr bgcolor='#dddddd'><td align=center><b>Итого",
        QRegularExpression::DotMatchesEverythingOption)));

    EXPECT_EQ(CheckLboMonthFilter(Year("12,1x")), CString("Неверный код КБК в списке: 1x"));
    LboMonthFilter division = Year();
    division.division = "1 or 1=1";
    EXPECT_EQ(CheckLboMonthFilter(division), CString("Неверный код подразделения: 1 or 1=1"));

    // No data at all: headers, a totals row of zeros and the signature.
    Run("delete from ledmark_provodki");
    page = PlannedLimitsPage(Year());
    const QStringList totals = RowOf(page.html, "Итого");
    ASSERT_EQ(totals.size(), 45);
    EXPECT_EQ(totals.mid(1).filter("0.00").size(), 44);
    EXPECT_TRUE(page.html.Find("Исполнитель") >= 0);
}

TEST_F(LboReports, ExecutionByMonthGivesAcceptedExecutedAndTheRest)
{
    Post("10.03.2024", "150105211", "150103211", 100);
    Post("15.03.2024", "150103211", "150201211", 30);
    Post("15.05.2024", "150103211", "150201211", 20);
    Post("15.05.2024", "250103211", "250201211", 1000);

    for (int source : {0, 1}) {
        SCOPED_TRACE(source);
        const LimitPage page = LimitsExecutionPage(Year("", source));
        ASSERT_TRUE(page.complete);
        const QList<QStringList> rows = Rows(page.html);
        qsizetype at = -1;
        for (qsizetype k = 0; k < rows.size(); ++k)
            if (rows[k].value(0) == "211000")
                at = k;
        ASSERT_GE(at, 0) << page.html.ToStdString();
        // Columns: label, Jan, Feb, Mar, I, Apr, May, Jun, II, ..., year.
        EXPECT_EQ(rows[at].mid(1, 10), QStringList({"принято", "0.00", "0.00", "100.00", "100.00", "0.00", "0.00",
                                                    "0.00", "0.00", "0.00"}));
        EXPECT_EQ(rows[at].value(18), "100.00");
        const QString executedMay = source == 0 ? "1020.00" : "20.00";
        EXPECT_EQ(rows[at + 1].value(0), "исполнено");
        EXPECT_EQ(rows[at + 1].value(3), "30.00");
        EXPECT_EQ(rows[at + 1].value(6), executedMay);
        EXPECT_EQ(rows[at + 2].value(0), "остаток");
        EXPECT_EQ(rows[at + 2].value(4), "70.00");
        EXPECT_EQ(rows[at + 2].value(8), "-" + executedMay);
    }
}

TEST_F(LboReports, ExecutionOfLimitsTakesNineTurnoversPerPair)
{
    // KBK 1 (07507010100000590111), KOSGU 211: limits for the year, a change
    // in the period, obligations, financing and its cash expense.
    Post("15.01.2024", "150105211", "150103211", 1000);
    Post("10.02.2024", "150105211", "150103211", 200);
    Post("12.02.2024", "150103211", "150201211", 300);
    Post("14.02.2024", "120101211", "130404000", 250);
    Post("16.02.2024", "130405211", "120101211", 120);
    // A pair without KBK, and another source.
    Post("20.01.2024", "150105226", "150103226", 50, "226000", "NULL");
    Post("21.01.2024", "150105226", "150103226", 7, "226000", "1");
    Post("20.01.2024", "250105211", "250103211", 9000);

    LimitPage page = LimitsExecutionReportPage(Period("01.02.2024", "29.02.2024", 1));
    ASSERT_TRUE(page.complete) << page.html.ToStdString();
    const QList<QStringList> rows = Rows(page.html);
    QStringList pair, noKbk;
    for (const QStringList& cells : rows) {
        if (cells.size() == 16 && cells[4] == "211")
            pair = cells;
        if (cells.size() == 16 && cells[4] == "226" && cells[0].isEmpty())
            noKbk = cells;
    }
    EXPECT_EQ(pair.mid(0, 5), QStringList({"075", "0701", "010000", "0590111", "211"}));
    // 6 year, 7 period, 8 obligations, 9 executed, 10 received, 11 recalled,
    // 12 spent, 13 restored, 14 = 6-8, 15 = 8-9, 16 = 10-11-12+13; 10 and
    // 11 are second minus first of the same turnover seen from either account.
    EXPECT_EQ(pair.mid(5), QStringList({"1200.00", "200.00", "300.00", "0.00", "-250.00", "250.00", "120.00",
                                         "120.00", "900.00", "300.00", "-500.00"}));
    EXPECT_EQ(noKbk.mid(0, 5), QStringList({"", "", "", "", "226"}));
    EXPECT_EQ(noKbk.value(5), "50.00") << "the postings without KBK only";
    EXPECT_EQ(RowOf(page.html, "Итого").value(1), "1257.00");
    EXPECT_TRUE(page.html.Find("Руководитель") >= 0);
    EXPECT_TRUE(page.html.Find("февраля") >= 0);

    // A turnover that fails (a KOSGU no account has) marks the page incomplete.
    Post("21.01.2024", "150105x1z", "150103211", 5);
    page = LimitsExecutionReportPage(Period("01.02.2024", "29.02.2024", 1));
    EXPECT_FALSE(page.complete);
    EXPECT_TRUE(page.html.Find("Отчет неполный") >= 0);
    EXPECT_FALSE(page.html.Find("Руководитель") >= 0);
    EXPECT_TRUE(RowOf(page.html, "Итого").isEmpty());
    scripts.errors.clear();
}

TEST_F(LboReports, LimitsCardCountsEqualDebitAndCreditRows)
{
    // Equal debit and credit rows of one pair: 100 each.
    Post("15.01.2024", "150105211", "150103211", 100);
    Post("15.02.2024", "150103211", "150105211", 100);
    Post("20.02.2024", "250105211", "250103211", 40);

    const LimitPage all = LimitsCardPage(Period("01.02.2024", "29.02.2024", 0));
    ASSERT_TRUE(all.complete) << all.html.ToStdString();
    EXPECT_EQ(RowOf(all.html, "Итого").mid(1, 2), QStringList({"240.00", "-60.00"}));
    const LimitPage budget = LimitsCardPage(Period("01.02.2024", "29.02.2024", 1));
    EXPECT_EQ(RowOf(budget.html, "Итого").mid(1, 2), QStringList({"200.00", "-100.00"}));

    Run("delete from ledmark_provodki");
    const LimitPage empty = LimitsCardPage(Period("01.02.2024", "29.02.2024", 1));
    EXPECT_EQ(RowOf(empty.html, "Итого").mid(1, 2), QStringList({"", ""}));
    EXPECT_TRUE(empty.html.Find("Главный бухгалтер") >= 0);
}

TEST_F(LboReports, TheExecutorsInitials)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Петрова Анна Сергеевна", "А. С. Петрова"}, {"Петрова", "Петрова"}, {"", ""}, {"Ли  Мин", "М. Ли"}};
    for (const auto& [name, initials] : cases)
        EXPECT_EQ(InitialsFirst(name), CString(initials)) << name;
}

TEST_F(LboReports, TheFormShowsItsPageAndRemembersTheBranch)
{
    Post("10.03.2024", "150105211", "150103211", 100);
    Post("15.03.2024", "150103211", "150201211", 30);
    EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_lbo_mes_fakt", 0, nullptr), 1);
    auto* view = Active<CPrnLboMesFaktView>();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_LBO_KBK, "1");
    g_lYear = 2024;  // the fixture's year, as the working year
    afxtest::click(view, IDOK);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains("Исполнение ЛБО по месячно"));
    EXPECT_TRUE(text.contains("70.00")) << text.toStdString();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/lbo_mes_fakt.png"));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", 0), -2);
}

// Budget obligations by contract: three contracts, breakdowns of the first
// two, 502.01 postings of the first and of the third (which has none).
class ContractBalance : public LboReports {
protected:
    void SetUp() override
    {
        LboReports::SetUp();
        Run("delete from ledmark_budg_rassh\n"
            "delete from spr_dogovora where id in (901,902,903)\n"
            "insert into spr_dogovora (id, name, org, number, d, s) values (901, 'Поставка угля', 1, 'У-1', "
            "'2024-01-10', 1000), (902, 'Ремонт кровли', 1, 'Р-2', '2024-02-01', 500), (903, 'Связь', 1, 'С-3', "
            "'2024-01-15', 100)");
        Breakdown(901, {{"225000", 1, 100, 50}, {"226000", 3, 0, 0, 30}});
        Breakdown(902, {{"225000", 1, 0, 20}});
        Post("29.02.2024", "150103225", "150201225", 15, "225000", "1", 1, "901");
        Post("01.03.2024", "150103225", "150201225", 1000, "225000", "1", 1, "901");  // another month
        Post("05.03.2024", "150103226", "150201226", 5, "226000", "1", 1, "903");
    }
    struct Line {
        const char* ekr;
        int source;
        double jan = 0, feb = 0, mar = 0;
    };
    void Breakdown(long contract, std::initializer_list<Line> lines)
    {
        CString grid;
        for (const Line& l : lines) {
            CString row = l.ekr;
            const double months[12] = {l.jan, l.feb, l.mar};
            for (double amount : months)
                row += GetDelimiter0() + ftoa(amount);
            row += GetDelimiter0() + FormatText("%d", l.source) + GetDelimiter0() + "1";
            grid += (grid.IsEmpty() ? CString() : GetDelimiter()) + row;
        }
        Run(FormatText("insert into ledmark_budg_rassh (number, d, dogovor, grid, fil_id) values ('1', '2024-01-20', %d, "
                       "%s, 1)",
                       contract, (LPCTSTR)NullStr(grid)));
    }
    static ContractBalanceFilter Contracts(int source, const char* ekr = "")
    {
        ContractBalanceFilter filter;
        filter.year = 2024;
        filter.source = source;
        filter.ekr = ekr;
        filter.contracts = {901, 902, 903};
        return filter;
    }
    // The plan, fact and balance rows of a code: their first four figures.
    static QList<QStringList> Block(const CString& html, const QString& code)
    {
        const QList<QStringList> rows = Rows(html);
        for (qsizetype k = 0; k + 2 < rows.size(); ++k)
            if (rows[k].value(0) == code)
                return {rows[k].mid(2, 4), rows[k + 1].mid(1, 4), rows[k + 2].mid(1, 4)};
        return {};
    }
};

TEST_F(ContractBalance, PlanFactAndBalanceByCodeInAscendingOrder)
{
    const LimitPage page = ContractBalancePage(Contracts(0));
    ASSERT_TRUE(page.complete) << page.html.ToStdString();
    // Jan, Feb, Mar, I quarter: the plan of both contracts, the fact up to 29 February.
    EXPECT_EQ(Block(page.html, "225000"), QList<QStringList>({{"100", "70", "0", "170"},
                                                              {"0", "15", "1000", "1015"},
                                                              {"100.00", "55.00", "-1000.00", "-845.00"}}));
    // The third contract has no breakdown, its fact counts still.
    EXPECT_EQ(Block(page.html, "226000").value(1), QStringList({"0", "0", "5", "5"}));
    EXPECT_LT(page.html.Find(">225000&nbsp;"), page.html.Find(">226000&nbsp;"));
    EXPECT_TRUE(page.html.Find("Поставка угля; Ремонт кровли") >= 0);
    EXPECT_EQ(Block(page.html, "итого").value(0), QStringList({"100", "70", "30", "200"}));
    EXPECT_EQ(ContractBalancePage(Contracts(0)).html, page.html) << "OK twice gives the same page";

    // Source 3: its rows only, and the fact on its own 502.01.
    const LimitPage third = ContractBalancePage(Contracts(3));
    EXPECT_TRUE(Block(third.html, "225000").isEmpty());
    EXPECT_EQ(Block(third.html, "226000").value(0), QStringList({"0", "0", "30", "30"}));
    EXPECT_EQ(Block(third.html, "226000").value(1), QStringList({"0", "0", "0", "0"}));

    // The code filter compares texts.
    EXPECT_FALSE(Block(ContractBalancePage(Contracts(0, "225000")).html, "225000").isEmpty());
    const LimitPage none = ContractBalancePage(Contracts(0, " 225000"));
    EXPECT_TRUE(Block(none.html, "225000").isEmpty());
    EXPECT_EQ(Block(none.html, "итого").value(2), QStringList({"0.00", "0.00", "0.00", "0.00"}));
    EXPECT_TRUE(none.html.Find("Договор: </td></tr>") >= 0);
}

TEST_F(ContractBalance, TheFormAsksForAContractAndShowsItsPage)
{
    EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_ost_dogovor", 0, nullptr), 1);
    auto* view = Active<CPrnOstDogovoraView>();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript refuse;
    refuse.message(QStringLiteral("Выберите Договор"), IDOK);
    afxtest::click(view, IDOK);
    refuse.verify();
    long ticked = 0;
    for (long row = 0; row < view->m_grid.GetNRows(); ++row)
        if (view->m_grid.GetCellValue(0, row) == "901" || view->m_grid.GetCellValue(0, row) == "903") {
            view->m_grid.SetBCheck(row, 1);
            ++ticked;
        }
    ASSERT_EQ(ticked, 2);
    g_lYear = 2024;
    afxtest::click(view, IDOK);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains("Бюджетные обязательства по договору"));
    EXPECT_TRUE(text.contains("Поставка угля")) << text.toStdString();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/ost_dogovora.png"));
}

} // namespace
