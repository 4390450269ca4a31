// The printed journal of operations over a small set of postings of the
// accountable persons' account 208, checked by hand (this year, the journal of
// February; employees 1 Петрова, 2 Иванова, 3 Смирнова):
//
//   date   debit (code, KBK)     credit (code, KBK)      sum  qty
//   10.01  208 12 (1, 1)         201 34                  300
//   15.01  208 12 (3, 2)         201 34                  500
//   16.01  208 12 (1, none)      201 34                   60
//   20.01  401 20                208 12 (1, 1)           100
//   05.02  208 12 (2, 1)         201 34                  150   5   p4
//   12.02  401 20                208 12 (1, 1)           200       p5
//   14.02  208 12 (2, 2)         208 26 (1, 2)            40       p6
//   20.02  208 12 (1, 2)         201 34                   60       p7
//   25.02  201 34                208 12 (2, 1)           150       p8
//
// Incoming on 01.02: 1: 260 (200 on KBK 1, 60 without), 3: 500 (KBK 2); 760.
// February: debit 250 (2: 190, 1: 60), credit 390 (1: 240, 2: 150).
// Outgoing: 1: 80, 2: 40, 3: 500; 620.
#include "CHelpers.h"
#include "CPrnJrnKassaView.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "JournalOpsPage.h"
#include "LedgerProgram.h"
#include "ReportShown.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QDate>
#include <QRegularExpression>

namespace {

using namespace nledmark;

int Year()
{
    return QDate::currentDate().year();
}

COleDateTime Day(int day, int month)
{
    return COleDateTime(Year(), month, day, 0, 0, 0);
}

// The rows of the journal table (the page's second table level), each cell's
// text without tags; the halves of a split cell joined by "|".
std::vector<QStringList> JournalRows(const CString& html)
{
    static const QRegularExpression token(QStringLiteral("<(/?)(table|tr|td)\\b[^>]*>|<[^>]*>|([^<]+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    int depth = 0;
    for (auto m = token.globalMatch(html.ToQString()); m.hasNext();) {
        const QRegularExpressionMatch t = m.next();
        const bool closing = !t.captured(1).isEmpty();
        const QString tag = t.captured(2).toLower();
        if (!t.captured(3).isEmpty()) {
            QString text = t.captured(3);
            cell += text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QStringLiteral("&amp;"), "&");
        } else if (tag == QLatin1String("table")) {
            depth += closing ? -1 : 1;
        } else if (tag == QLatin1String("tr") && depth == 2) {
            if (closing)
                rows.push_back(row);
            row.clear();
        } else if (tag == QLatin1String("td") && depth == 2) {
            if (closing)
                row << cell.trimmed();
            cell.clear();
        } else if (tag == QLatin1String("td") && depth == 3 && closing) {
            cell = cell.trimmed() + "|";
        }
    }
    for (QStringList& r : rows)
        for (QString& c : r)
            if (c.endsWith('|'))
                c.chop(1);
    return rows;
}

// The rows whose first cell is `label`.
std::vector<QStringList> Labelled(const CString& html, const QString& label)
{
    std::vector<QStringList> found;
    for (const QStringList& r : JournalRows(html))
        if (!r.isEmpty() && r[0] == label)
            found.push_back(r);
    return found;
}

// The posting rows, by their content (column 5).
QStringList Posting(const CString& html, const QString& content)
{
    for (const QStringList& r : JournalRows(html))
        if (r.size() == 9 && r[4] == content)
            return r;
    return {};
}

class JournalPrint : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        const int y = Year();
        struct Line {
            QDate d;
            const char *debit, *dsb, *dkbk, *credit, *ksb, *kkbk;
            double s, kol;
            const char* prim;
        } lines[] = {
            {QDate(y, 1, 10), "120812560", "1", "1", "120134610", "", "", 300, 0, "p0"},
            {QDate(y, 1, 15), "120812560", "3", "2", "120134610", "", "", 500, 0, "p1"},
            {QDate(y, 1, 16), "120812560", "1", "", "120134610", "", "", 60, 0, "p2"},
            {QDate(y, 1, 20), "140120226", "", "", "120812660", "1", "1", 100, 0, "p3"},
            {QDate(y, 2, 5), "120812560", "2", "1", "120134610", "", "", 150, 5, "p4"},
            {QDate(y, 2, 12), "140120226", "", "", "120812660", "1", "1", 200, 0, "p5"},
            {QDate(y, 2, 14), "120812560", "2", "2", "120826660", "1", "2", 40, 0, "p6"},
            {QDate(y, 2, 20), "120812560", "1", "2", "120134610", "", "", 60, 0, "p7"},
            {QDate(y, 2, 25), "120134510", "", "", "120812660", "2", "1", 150, 0, "p8"},
        };
        for (const Line& l : lines)
            Post(l.d, l.debit, l.dsb, l.dkbk, l.credit, l.ksb, l.kkbk, l.s, l.kol, l.prim);
    }

    void Post(const QDate& d, const QString& debit, const char* dsb, const char* dkbk, const QString& credit,
              const char* ksb, const char* kkbk, double s, double kol, const char* prim)
    {
        auto part = [](const QString& code, int from, int length) {
            return code.isEmpty() ? QStringLiteral("null") : "'" + code.mid(from, length) + "'";
        };
        auto text = [](const char* value) { return *value ? QStringLiteral("'%1'").arg(value) : QStringLiteral("null"); };
        auto number = [](const char* value) { return *value ? QString::fromLatin1(value) : QStringLiteral("null"); };
        const QString sql =
            QStringLiteral("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, kbk_deb, kred0, "
                           "kred1, kred2, kred3, kred_sb1, kbk_kred, kol, s, prim, fil_id) values (%1, 1, '%2', %3, %4, "
                           "%5, %6, %7, %8, %9, %10, %11, %12, %13, %14, %15, %16, '%17', 1)")
                .arg(++m_id)
                .arg(d.toString("yyyy-MM-dd"), part(debit, 0, 1), part(debit, 1, 3), part(debit, 4, 2),
                     part(debit, 6, 3), text(dsb), number(dkbk), part(credit, 0, 1))
                .arg(part(credit, 1, 3), part(credit, 4, 2), part(credit, 6, 3), text(ksb), number(kkbk),
                     kol ? QString::number(kol) : QStringLiteral("null"), QString::number(s, 'f', 2),
                     QString::fromLatin1(prim));
        Run(qPrintable(sql));
    }

    static JournalChoice Choice(std::initializer_list<AccountRow> accounts, int book = 11, int dimension = 1)
    {
        JournalChoice c;
        c.name = "Журнал операций расчетов с подотчетными лицами";
        c.number = "3";
        c.from = Day(1, 2);
        c.to = Day(QDate(Year(), 2, 1).daysInMonth(), 2);
        c.accounts = accounts;
        c.breakdown = {book, dimension, "Сотрудники"};
        c.title = "Журнал операций";
        return c;
    }
    static JournalChoice Accountable() { return Choice({{0, "208", "", ""}}); }

    long m_id = 900000;  // ids of no stored document
};

TEST_F(JournalPrint, ByEmployeeBalancesPostingsAndTurnovers)
{
    const LimitPage page = BuildJournalHtml(Accountable());
    ASSERT_TRUE(page.complete);
    const CString& html = page.html;
    const QString kZero = QStringLiteral("|0.00");

    // A code with postings in the period and none before (2) has no incoming row.
    const auto incoming = Labelled(html, "Входящий остаток");
    ASSERT_EQ(incoming.size(), 2u);
    EXPECT_EQ(incoming[0], QStringList({"Входящий остаток", "1", "Петрова", "|260.00", kZero, "", ""}));
    EXPECT_EQ(incoming[1], QStringList({"Входящий остаток", "3", "Смирнова", "|500.00", kZero, "", ""}));
    EXPECT_EQ(Labelled(html, "Входящий остаток всего").at(0),
              QStringList({"Входящий остаток всего", "|760.00", kZero, "", ""}));

    // Every posting of February on 208, once; the one on two journal accounts
    // shows its credit side's employee.
    for (const char* prim : {"p4", "p5", "p6", "p7", "p8"})
        EXPECT_FALSE(Posting(html, prim).isEmpty()) << prim;
    EXPECT_TRUE(Posting(html, "p3").isEmpty());
    const QStringList p6 = Posting(html, "p6");
    EXPECT_EQ(p6.mid(2, 2), QStringList({"1", "Петрова"}));
    EXPECT_EQ(p6[5], GL_Printable0("120812560", "2", 1).ToQString());
    EXPECT_EQ(p6[6], GL_Printable0("120826660", "2", 1).ToQString());
    EXPECT_EQ(p6[8], QStringLiteral("40.00"));
    EXPECT_EQ(Posting(html, "p4")[7], QStringLiteral("5")) << "the posting's own quantity";

    const auto turnovers = Labelled(html, "обороты");
    ASSERT_EQ(turnovers.size(), 2u);
    EXPECT_EQ(turnovers[0], QStringList({"обороты", "1", "Петрова", "|60.00", "|240.00", "", ""}));
    EXPECT_EQ(turnovers[1], QStringList({"обороты", "2", "Иванова", "|190.00", "|150.00", "", ""}));
    // 208 keeps no quantities: the totals' quantities stay empty.
    EXPECT_EQ(Labelled(html, "ИТОГО обороты").at(0), QStringList({"ИТОГО обороты", "|250.00", "|390.00", "", ""}));

    // A code with a balance and no postings (3) shows its balance again.
    const auto outgoing = Labelled(html, "остаток");
    ASSERT_EQ(outgoing.size(), 3u);
    EXPECT_EQ(outgoing[0].mid(1, 4), QStringList({"1", "Петрова", "|80.00", kZero}));
    EXPECT_EQ(outgoing[1].mid(1, 4), QStringList({"2", "Иванова", "|40.00", kZero}));
    EXPECT_EQ(outgoing[2].mid(1, 4), QStringList({"3", "Смирнова", "|500.00", kZero}));
    EXPECT_EQ(Labelled(html, "Исходящий остаток").at(0), QStringList({"Исходящий остаток", "|620.00", kZero, "", ""}));

    const QString text = html.ToQString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ф. И. О."))) << "a journal of 208";
    EXPECT_TRUE(text.contains(QStringLiteral("Главный бухгалтер")));
    EXPECT_TRUE(text.contains(QStringLiteral("Приложение на:")));
    EXPECT_TRUE(text.contains(QStringLiteral("с 01.02.%1 по").arg(Year()))) << "a period other than the working one";
}

TEST_F(JournalPrint, FiltersRestrictBalancesAsThePostings)
{
    // Incoming plus turnovers is the outgoing balance, with and without a
    // breakdown, with and without the filter of employees 1 and 2.
    const struct {
        const char* name;
        bool breakdown;
        const char* filter;
        const char* in;
        const char* debit;
        const char* credit;
        const char* out;
    } cases[] = {
        {"whole", false, "", "|760.00", "|250.00", "|390.00", "|620.00"},
        {"by employee", true, "", "|760.00", "|250.00", "|390.00", "|620.00"},
        {"whole, employees 1 and 2", false, "1,2", "|260.00", "|250.00", "|390.00", "|120.00"},
        {"by employee, employees 1 and 2", true, "1,2", "|260.00", "|250.00", "|390.00", "|120.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        JournalChoice choice = Accountable();
        if (!c.breakdown)
            choice.breakdown = {};
        choice.filters[0] = c.filter;
        const LimitPage page = BuildJournalHtml(choice);
        ASSERT_TRUE(page.complete);
        EXPECT_EQ(Labelled(page.html, "Входящий остаток всего").at(0).value(1), QString(c.in));
        const QStringList totals = Labelled(page.html, "ИТОГО обороты").at(0);
        EXPECT_EQ(totals.mid(1, 2), QStringList({c.debit, c.credit}));
        EXPECT_EQ(Labelled(page.html, "Исходящий остаток").at(0).value(1), QString(c.out));
        EXPECT_EQ(Labelled(page.html, "обороты").empty(), !c.breakdown);
    }
}

TEST_F(JournalPrint, QuantitiesOffBalanceAndHead)
{
    const int y = Year();
    // Food on 105 32 with quantities; the off-balance 17 by economic code,
    // once posted with a KOSGU code its chart row does not carry.
    Post(QDate(y, 1, 5), "110532340", "1", "1", "130234730", "", "", 600, 10, "m0");
    Post(QDate(y, 2, 6), "140120272", "", "", "110532440", "1", "1", 120, 2, "m1");
    Post(QDate(y, 1, 5), "101700130", "130000", "", "", "", "", 90, 0, "z0");
    Post(QDate(y, 2, 5), "101700000", "130000", "", "", "", "", 10, 0, "z1");

    JournalChoice food = Choice({{0, "105", "32", ""}});
    food.breakdown = {};
    const LimitPage stock = BuildJournalHtml(food);
    ASSERT_TRUE(stock.complete);
    EXPECT_EQ(Labelled(stock.html, "Входящий остаток всего").at(0).value(1), QStringLiteral("10|600.00"));
    EXPECT_EQ(Labelled(stock.html, "ИТОГО обороты").at(0).value(2), QStringLiteral("2|120.00"));
    EXPECT_EQ(Labelled(stock.html, "Исходящий остаток").at(0).value(1), QStringLiteral("8|480.00"));
    EXPECT_FALSE(stock.html.ToQString().contains(QStringLiteral("Ф. И. О.")));
    EXPECT_TRUE(stock.html.ToQString().contains(QStringLiteral("Наименование<br>показателя")));

    const LimitPage offBalance = BuildJournalHtml(Choice({{0, "017", "", ""}}, 3, 1));
    ASSERT_TRUE(offBalance.complete);
    const auto incoming = Labelled(offBalance.html, "Входящий остаток");
    ASSERT_EQ(incoming.size(), 1u);
    EXPECT_EQ(incoming[0].mid(1, 1), QStringList({"130000"}));
    EXPECT_EQ(incoming[0].value(3), QStringLiteral("|90.00"));
    EXPECT_EQ(Labelled(offBalance.html, "Исходящий остаток").at(0).value(1), QStringLiteral("|100.00"));
}

TEST_F(JournalPrint, KbkLayoutHoldsBalancesPerKbkAndCode)
{
    JournalChoice choice = Accountable();
    choice.kbkLayout = true;
    const CString account = CAccountPartsGrid::FullAccount(0, choice.accounts[0]);
    const QString onKbk1 = GL_Printable0(account, "1", 1).ToQString(),
                  onKbk2 = GL_Printable0(account, "2", 1).ToQString();
    const QString kbk1 = "(1) " + GetFromSPR("spr_kbk", "1", "rasx").ToQString(),
                  kbk2 = "(2) " + GetFromSPR("spr_kbk", "2", "rasx").ToQString();
    {
        const LimitPage page = BuildJournalHtml(choice);
        ASSERT_TRUE(page.complete);
        // Employee 1's postings without KBK are a balance of their own, not
        // every KBK again; code first, then KBK; a debit balance names the
        // account with its KBK in the debit column only.
        const auto incoming = Labelled(page.html, "Входящий остаток");
        ASSERT_EQ(incoming.size(), 3u);
        EXPECT_EQ(incoming[0].mid(1, 6),
                  QStringList({"1", "Петрова", GL_Printable0(account, "", 1).ToQString(), "", "", "60.00"}));
        EXPECT_EQ(incoming[1].mid(1, 6), QStringList({"1", "Петрова", onKbk1, "", "", "200.00"}));
        EXPECT_EQ(incoming[2].mid(1, 6), QStringList({"3", "Смирнова", onKbk2, "", "", "500.00"}));

        const auto turnovers = Labelled(page.html, "обороты");
        ASSERT_EQ(turnovers.size(), 4u);
        EXPECT_EQ(turnovers[0].mid(1, 5), QStringList({"1", "Петрова", kbk1, "|0.00", "|200.00"}));
        EXPECT_EQ(turnovers[1].mid(1, 5), QStringList({"1", "Петрова", kbk2, "|60.00", "|40.00"}));
        EXPECT_EQ(turnovers[2].mid(1, 5), QStringList({"2", "Иванова", kbk1, "|150.00", "|150.00"}));
        EXPECT_EQ(turnovers[3].mid(1, 5), QStringList({"2", "Иванова", kbk2, "|40.00", "|0.00"}));

        // Employee 1 on KBK 1 and employee 2 on KBK 1 are settled: no row.
        const auto outgoing = Labelled(page.html, "остаток");
        ASSERT_EQ(outgoing.size(), 4u);
        EXPECT_EQ(outgoing[0].mid(1, 6), QStringList({"1", "Петрова", "", "", "", "60.00"}));
        EXPECT_EQ(outgoing[1].mid(1, 6), QStringList({"1", "Петрова", kbk2, "", "", "20.00"}));
        EXPECT_EQ(outgoing[2].mid(1, 6), QStringList({"2", "Иванова", kbk2, "", "", "40.00"}));
        EXPECT_EQ(outgoing[3].mid(1, 6), QStringList({"3", "Смирнова", kbk2, "", "", "500.00"}));
        EXPECT_EQ(Labelled(page.html, "Остаток всего").at(0).mid(1),
                  QStringList({GL_Printable0(account, "", 1).ToQString(), "", "", "620.00"}));
        EXPECT_EQ(Labelled(page.html, "Исходящий остаток").at(0).value(1), QStringLiteral("|620.00"));
    }
    {
        // KBK 1 and 2: one whole row per account and KBK; KBK 1 is zero after
        // the period and prints no closing row.
        choice.kbks = "1,2";
        choice.breakdown = {};
        const LimitPage page = BuildJournalHtml(choice);
        ASSERT_TRUE(page.complete);
        const auto incoming = Labelled(page.html, "Входящий остаток всего");
        ASSERT_EQ(incoming.size(), 2u);
        EXPECT_EQ(incoming[0].mid(1), QStringList({onKbk1, "", "", "200.00"}));
        EXPECT_EQ(incoming[1].mid(1), QStringList({onKbk2, "", "", "500.00"}));
        const auto closing = Labelled(page.html, "Остаток всего");
        ASSERT_EQ(closing.size(), 1u);
        EXPECT_EQ(closing[0].mid(1), QStringList({onKbk2, "", "", "560.00"}));
        EXPECT_EQ(Labelled(page.html, "Исходящий остаток").at(0).value(1), QStringLiteral("|560.00"));
    }
}

TEST_F(JournalPrint, FailuresLeaveThePageIncomplete)
{
    const struct {
        const char* name;
        const char* script;
        bool dbReport;
    } cases[] = {
        {"a balance that fails", "function GL_GetOst0() error('остаток не посчитан') end", false},
        {"no postings query", "function GL_SqlProvodki() return '' end", false},
        {"a database error among the postings",
         "function GL_SqlProvodki(a, b, c, d) return 'select p.*, (select 1 from seq_1_to_2 where p.s > 199) as boom "
         "from (' .. saved_SqlProvodki(a, b, c, d) .. ') p' end",
         true},
    };
    ASSERT_TRUE(scripts.Define("saved_GetOst0 = GL_GetOst0 saved_SqlProvodki = GL_SqlProvodki"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(scripts.Define(c.script));
        const LimitPage page = BuildJournalHtml(Accountable());
        EXPECT_FALSE(page.complete);
        const QString text = page.html.ToQString();
        EXPECT_TRUE(text.contains(QStringLiteral("Отчет неполный")));
        EXPECT_FALSE(text.contains(QStringLiteral("Исходящий остаток")));
        EXPECT_FALSE(text.contains(QStringLiteral("Главный бухгалтер")));
        EXPECT_EQ(!dbReports.reports().empty(), c.dbReport);
        dbReports.clear(c.dbReport ? 1 : 0);
        scripts.errors.clear();
        ASSERT_TRUE(scripts.Define("GL_GetOst0 = saved_GetOst0 GL_SqlProvodki = saved_SqlProvodki"));
    }
    EXPECT_TRUE(BuildJournalHtml(Accountable()).complete);
}

TEST_F(JournalPrint, NoScriptCallPerPosting)
{
    auto calls = [&] {
        const size_t start = scripts.calls.size();
        for (bool kbk : {false, true}) {
            JournalChoice choice = Accountable();
            choice.kbkLayout = kbk;
            EXPECT_TRUE(BuildJournalHtml(choice).complete);
        }
        return scripts.calls.size() - start;
    };
    const size_t before = calls();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 20; ++i)
        Post(QDate(Year(), 2, 10 + i % 10), "120812560", "2", "1", "120134610", "", "", 1, 0, "more");
    EXPECT_EQ(calls(), before);
}

TEST(JournalKeys, CodeThenKbkThenText)
{
    const struct {
        const char *a, *b;
        int order;
    } cases[] = {
        {"2", "10", -1},
        {"10", "9a", 1},
        {"abc", "abd", -1},           // no numbers: text order
        {"12", "12a", -1},            // the same number: text order
        {"2,5", "1,6", -1},           // code first
        {"2,5", "1,5", 1},            // then KBK
        {",5", "1,5", -1},            // no KBK first
        {"99999999999999999999,5", "99999999999999999998,5", 1},
        {"7", "7", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CompareAccountKeys(c.a, c.b), c.order) << c.a << " " << c.b;
        EXPECT_EQ(CompareAccountKeys(c.b, c.a), -c.order) << c.b << " " << c.a;
    }
}

class JournalPrintForm : public JournalPrint {
protected:
    CPrnJrnKassaView* Open(int journal)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("PrnJrnKassaView", journal, nullptr), 1);
        Settle();
        return Active<CPrnJrnKassaView>();
    }
};

TEST_F(JournalPrintForm, OkPrintsTheLayoutOfTheBox)
{
    CPrnJrnKassaView* view = Open(3);
    ASSERT_NE(view, nullptr);
    view->m_dateFrom = Day(1, 2);
    view->m_dateTo = Day(QDate(Year(), 2, 1).daysInMonth(), 2);
    view->UpdateData(FALSE);
    ASSERT_EQ(view->Breakdown().book, 11);
    for (bool kbk : {false, true}) {
        SCOPED_TRACE(kbk ? "by KBK" : "plain");
        afxtest::setChecked(view, IDC_JO_KBK_SHOW, kbk);
        afxtest::click(view, IDOK);
        EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "jrn_kass_kbk_show", -1), kbk ? 1 : 0);
        ASSERT_NE(Active<CReportView>(), nullptr);
        const ledgertest::SavedReport report = ledgertest::SaveShownReport(
            *this, kbk ? QStringLiteral("journal_ops_kbk.png") : QStringLiteral("journal_ops.png"));
        EXPECT_TRUE(report.saved);
        EXPECT_TRUE(report.across);
        EXPECT_TRUE(report.text.contains(QStringLiteral("Журнал операций расчетов с подотчетными лицами")));
        EXPECT_TRUE(report.text.contains(QStringLiteral("Смирнова")));
        EXPECT_EQ(report.text.contains(QStringLiteral("Остаток всего")), kbk);
        EXPECT_TRUE(report.text.contains(QStringLiteral("Главный бухгалтер")));
        ledgertest::ShownReportText(*this);
        view = Active<CPrnJrnKassaView>();
        ASSERT_NE(view, nullptr);
    }
}

TEST_F(JournalPrintForm, AccountsThatAreNoNumbersAreTold)
{
    CPrnJrnKassaView* view = Open(0);
    ASSERT_NE(view, nullptr);
    const struct {
        const char *sint, *anal;
        const char* message;
    } cases[] = {
        {"208' or '1'='1", "", "Неверный счет в строке 1: 208' or '1'='1"},
        {"208", "1)", "Неверный счет в строке 1: 208 1)"},
        {"", "", "Укажите счета журнала"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        view->m_grid.SetNRows(1);
        view->m_grid.SetCellValue(0, 0, c.sint);
        view->m_grid.SetCellValue(1, 0, c.anal);
        view->m_grid.SetCellValue(2, 0, "");
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Active<CReportView>(), nullptr);
    }
}

} // namespace
