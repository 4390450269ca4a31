// The main book over a small year of postings checked by hand: the pages of
// one account, of every account, the form's messages and a page cut short.
#include "CHelpers.h"
#include "CReportView.h"
#include "CPrnGlavnKnigaView.h"
#include "CSelectIFView.h"
#include "InteractionScript.h"
#include "GuiDriver.h"
#include "LedgerProgram.h"
#include "ReportShown.h"
#include "MainBookControls.h"
#include "MainBookPage.h"
#include "RegisterPage.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QDate>
#include <QRegularExpression>

namespace {

using nledmark::CMainBookRequest;
using nledmark::LimitPage;

int Year()
{
    return QDate::currentDate().year();
}

COleDateTime Day(int day, int month, int year = Year())
{
    return COleDateTime(year, month, day, 0, 0, 0);
}

COleDateTime EndOfFebruary()
{
    return Day(QDate(Year(), 2, 1).daysInMonth(), 2);
}

std::vector<QStringList> Rows(const CString& html)
{
    return ledgertest::PageRows(html);
}

std::pair<QStringList, QStringList> RowPair(const CString& html, const QString& first)
{
    return ledgertest::PageRowPair(html, first);
}

QString MonthRow(int month, int year = Year())
{
    return QString("%1 %2г.").arg(GetMonthName(month).ToQString()).arg(year);
}

class MainBook : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        const int y = Year(), p = Year() - 1;
        // Cash 1 201 34: an opening of 100 in December, January's receipt of 50
        // and payments of 200 (an advance on KBK 2, a supplier on KBK 1), February
        // even; a second source's cash without KBK, the bank, March's only
        // posting on 101 01, and 105 01 settled to zero in December.
        struct Line {
            QDate d;
            const char *debit, *credit;
            double s;
            const char* kbk;
        } lines[] = {
            {QDate(p, 12, 15), "120134510", "130405000", 100, "1"}, {QDate(y, 1, 10), "120134510", "130405000", 50, "1"},
            {QDate(y, 1, 20), "120821560", "120134610", 120, "2"},  {QDate(y, 1, 21), "130211830", "120134610", 80, "1"},
            {QDate(y, 2, 5), "130211730", "120134610", 10, "1"},    {QDate(y, 2, 6), "130211560", "120134610", 5, "1"},
            {QDate(y, 2, 7), "120134510", "130211830", 65, "1"},    {QDate(y, 1, 12), "220134510", "220531000", 7, "null"},
            {QDate(y, 1, 25), "120111510", "130405000", 1000, "1"}, {QDate(y, 3, 10), "110101310", "130405000", 500, "1"},
            {QDate(p, 12, 1), "110501340", "130234730", 30, "1"},   {QDate(p, 12, 2), "130234830", "110501340", 30, "1"},
        };
        int id = 900;
        for (const Line& l : lines) {
            const QString d(l.debit), k(l.credit);
            Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kbk_deb, kred0, kred1, "
                           "kred2, kred3, kbk_kred, s, fil_id) values (%d, 1, '%s', '%s', '%s', '%s', '%s', %s, '%s', "
                           "'%s', '%s', '%s', %s, %.2f, 1)",
                           ++id, qPrintable(l.d.toString("yyyy-MM-dd")), qPrintable(d.left(1)),
                           qPrintable(d.mid(1, 3)), qPrintable(d.mid(4, 2)), qPrintable(d.mid(6, 3)), l.kbk,
                           qPrintable(k.left(1)), qPrintable(k.mid(1, 3)), qPrintable(k.mid(4, 2)),
                           qPrintable(k.mid(6, 3)), l.kbk, l.s));
        }
    }

    static CMainBookRequest Request(const char* account, const COleDateTime& from, const COleDateTime& to,
                                    const char* kbk = "")
    {
        CMainBookRequest r;
        r.account = account;
        r.from = from;
        r.to = to;
        r.kbkList = kbk;
        return r;
    }
};

TEST_F(MainBook, PagesOfOneAccountAsCountedByHand)
{
    const QString jan = MonthRow(1), feb = MonthRow(2);
    struct Case {
        const char* name;
        CMainBookRequest request;
        // The heads of the correspondents and of their KOSGU sub-columns, in order.
        QStringList correspondents, subs;
        QString month;
        QStringList monthRow, subRow;
    } cases[] = {
        {"three KOSGU codes descending; opening 100, debit 50, credit 200 close on credit 50",
         Request("120134000", Day(1, 1), EndOfFebruary()),
         {"1 208 21 000", "1 302 11 000", "1 304 05 000"},
         {"1 208 21 560", "1 302 11 830", "1 302 11 730", "1 302 11 560", "1 304 05 000"},
         jan,
         {jan, "100.00", "0.00", "0.00", "120.00", "0.00", "80.00", "50.00", "0.00", "50.00", "200.00", "0.00", "50.00"},
         {"0", "120", "0", "80", "0", "0", "0", "0", "50", "0"}},
        {"equal sums close on 0 and 0", Request("120134000", Day(1, 1), EndOfFebruary()),
         {"1 208 21 000", "1 302 11 000", "1 304 05 000"},
         {"1 208 21 560", "1 302 11 830", "1 302 11 730", "1 302 11 560", "1 304 05 000"},
         feb,
         {feb, "0.00", "50.00", "0.00", "0.00", "65.00", "15.00", "0.00", "0.00", "65.00", "15.00", "0.00", "0.00"},
         {"0", "0", "65", "0", "0", "10", "0", "5", "0", "0"}},
        {"source 0: no source filter, correspondents begin with 0", Request("020134000", Day(1, 1), Day(31, 1)),
         {"0 205 31 000", "0 208 21 000", "0 302 11 000", "0 304 05 000"},
         {"0 205 31 000", "0 208 21 560", "0 302 11 830", "0 304 05 000"},
         jan,
         {jan, "100.00", "0.00", "7.00", "0.00", "0.00", "120.00", "0.00", "80.00", "50.00", "0.00", "57.00", "200.00",
          "0.00", "43.00"},
         {"7", "0", "0", "120", "0", "80", "50", "0"}},
        {"sub-account 00 and KOSGU 000 cover the whole synthetic account", Request("120100000", Day(1, 1), Day(31, 1)),
         {"1 208 21 000", "1 302 11 000", "1 304 05 000"},
         {"1 208 21 560", "1 302 11 830", "1 304 05 000"},
         jan,
         {jan, "100.00", "0.00", "0.00", "120.00", "0.00", "80.00", "1050.00", "0.00", "1050.00", "200.00", "950.00",
          "0.00"},
         {"0", "120", "0", "80", "1050", "0"}},
        {"sub-account 00 with KOSGU 510: every sub-account's 510, correspondents with their KOSGU",
         Request("120100510", Day(1, 1), EndOfFebruary()),
         {"1 302 11 830", "1 304 05 000"},
         {"1 302 11 830", "1 304 05 000"},
         feb,
         {feb, "1150.00", "0.00", "65.00", "0.00", "0.00", "0.00", "65.00", "0.00", "1215.00", "0.00"},
         {"65", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LimitPage page = nledmark::BuildMainBookPage(c.request, c.request.account, "", false, false);
        EXPECT_TRUE(page.complete);
        const std::vector<QStringList> rows = Rows(page.html);
        // The head: the correspondents after the three fixed heads, the sub-accounts two rows below.
        QStringList heads, subs;
        for (size_t i = 0; i < rows.size(); ++i)
            if (rows[i].value(0) == QStringLiteral("Период")) {
                heads = rows[i].mid(3, int(c.correspondents.size()));
                subs = rows[i + 2];
                break;
            }
        EXPECT_EQ(heads, c.correspondents);
        EXPECT_EQ(subs, c.subs);
        const auto [monthRow, subRow] = RowPair(page.html, c.month);
        EXPECT_EQ(monthRow, c.monthRow);
        EXPECT_EQ(subRow, c.subRow);
    }
}

TEST_F(MainBook, PeriodMonthsInTheirOwnYearsAndTotals)
{
    // November of last year to February: four months, each in its own year;
    // the totals hold the opening at the period's start and the last closing.
    const CMainBookRequest r = Request("120134000", Day(1, 11, Year() - 1), EndOfFebruary());
    const LimitPage page = nledmark::BuildMainBookPage(r, r.account, "", false, false);
    ASSERT_TRUE(page.complete);
    QStringList months;
    for (const QStringList& row : Rows(page.html))
        if (row.value(0).endsWith(QStringLiteral("г.")) && row.size() > 3)
            months << row[0];
    EXPECT_EQ(months, QStringList({MonthRow(11, Year() - 1), MonthRow(12, Year() - 1), MonthRow(1), MonthRow(2)}));
    EXPECT_EQ(RowPair(page.html, MonthRow(12, Year() - 1)).first.mid(1, 2), QStringList({"0.00", "0.00"}));
    const auto [totals, subTotals] = RowPair(page.html, QStringLiteral("Итого"));
    EXPECT_EQ(totals, QStringList({"Итого", "0.00", "0.00", "0.00", "120.00", "65.00", "95.00", "150.00", "0.00",
                                   "215.00", "215.00", "0.00", "0.00"}));
    EXPECT_EQ(subTotals, QStringList({"0.00", "120.00", "65.00", "80.00", "0.00", "10.00", "0.00", "5.00", "150.00",
                                      "0.00"}));
    // A period cut inside months reads the months' parts only.
    const CMainBookRequest part = Request("120134000", Day(15, 1), Day(6, 2));
    const LimitPage cut = nledmark::BuildMainBookPage(part, part.account, "", false, false);
    EXPECT_EQ(RowPair(cut.html, MonthRow(1)).first.mid(1, 2), QStringList({"150.00", "0.00"}));
    EXPECT_EQ(RowPair(cut.html, QStringLiteral("Итого")).first.value(1), QStringLiteral("150.00"));
    EXPECT_EQ(RowPair(cut.html, MonthRow(2)).first.value(0), MonthRow(2));
    EXPECT_TRUE(cut.html.ToQString().contains(QStringLiteral("с 15.01.%1 по 06.02.%1").arg(Year())));
}

TEST_F(MainBook, KbkListsGiveAPagePerCode)
{
    const struct {
        const char* list;
        bool ok;
        QStringList pages;
    } lists[] = {
        {"1,,2", true, {"1", "2"}},
        {"", true, {""}},
        {" , ", true, {""}},
        {"1;delete from ledmark_provodki", false, {}},
        {"1 or 1=1", false, {}},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.list);
        std::vector<CString> pages;
        EXPECT_EQ(nledmark::MainBookKbkPages(l.list, pages), l.ok);
        QStringList got;
        for (const CString& p : pages)
            got << p.ToQString();
        EXPECT_EQ(got, l.pages);
    }
    // "1,,2": the page of KBK 1 has no advance, that of KBK 2 nothing else.
    const LimitPage book = nledmark::BuildMainBook(Request("120134000", Day(1, 1), Day(31, 1), "1,,2"));
    const QStringList pages = book.html.ToQString().split(QStringLiteral("<h3>Главная книга</h3>"));
    ASSERT_EQ(pages.size(), 3);
    EXPECT_FALSE(pages[1].contains(QStringLiteral("1 208 21 000")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("1 304 05 000")));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("1 208 21 000")));
    EXPECT_FALSE(pages[2].contains(QStringLiteral("1 304 05 000")));
    // The second page starts a printed page, the first not.
    EXPECT_EQ(book.html.ToQString().count(QString::fromLatin1(nledmark::kPageBreakBefore)), 1);
    EXPECT_FALSE(pages[0].contains(QString::fromLatin1(nledmark::kPageBreakBefore)));
}

TEST_F(MainBook, EveryAccountWithDataGetsItsPages)
{
    CMainBookRequest r = Request("", Day(1, 1), EndOfFebruary());
    r.allAccounts = true;
    const LimitPage book = nledmark::BuildMainBook(r);
    ASSERT_TRUE(book.complete);
    QStringList titles;
    static const QRegularExpression title(QStringLiteral("Обороты по счету <b>([^<]*)</b>"));
    for (auto m = title.globalMatch(book.html.ToQString()); m.hasNext();)
        titles << m.next().captured(1);
    const QString kbk1 = QStringLiteral("07507010100000590111 "), kbk2 = QStringLiteral("07507010100000590244 ");
    // 101 01 is posted only after the period, 105 01 and 302 34 are settled
    // before it: no page. The second source's postings without KBK get their own.
    EXPECT_EQ(titles, QStringList({kbk1 + "1 201 11 000", kbk1 + "1 201 34 000", kbk2 + "1 201 34 000",
                                   "2 201 34 000 (без КБК)", "2 205 31 000 (без КБК)", kbk2 + "1 208 21 000",
                                   kbk1 + "1 302 11 000", kbk1 + "1 304 05 000"}));
    EXPECT_EQ(book.html.ToQString().count(QString::fromLatin1(nledmark::kPageBreakBefore)), int(titles.size()) - 1);
    // The page without KBK reads only the postings without one.
    const QString noKbk = book.html.ToQString().section(QStringLiteral("2 201 34 000 (без КБК)"), 1).section(
        QStringLiteral("Обороты по счету"), 0, 0);
    EXPECT_TRUE(noKbk.contains(QStringLiteral("2 205 31 000")));
    EXPECT_EQ(RowPair(CString(noKbk), MonthRow(1)).first.value(3), QStringLiteral("7.00"));
}

TEST_F(MainBook, AFailedTurnoverOrQueryCutsThePageShort)
{
    const CMainBookRequest r = Request("120134000", Day(1, 1), Day(31, 1));
    {
        ASSERT_TRUE(scripts.Define("function GL_GetOborot() error('оборот не посчитан') end"));
        const LimitPage page = nledmark::BuildMainBookPage(r, r.account, "", false, false);
        EXPECT_FALSE(page.complete);
        EXPECT_TRUE(page.html.ToQString().contains(QStringLiteral("Отчет неполный")));
        EXPECT_FALSE(page.html.ToQString().contains(QStringLiteral("Итого")));
        EXPECT_FALSE(page.html.ToQString().contains(QStringLiteral("Главный бухгалтер")));
        scripts.errors.clear();
    }
    {
        ASSERT_TRUE(scripts.Define("function GetFilsSql() return ' and no_such_column=1' end"));
        const LimitPage page = nledmark::BuildMainBookPage(r, r.account, "", false, false);
        EXPECT_FALSE(page.complete);
        EXPECT_TRUE(page.html.ToQString().contains(QStringLiteral("Отчет неполный")));
        EXPECT_FALSE(dbReports.reports().empty()) << "the database error is shown";
        dbReports.clear(1);
        scripts.errors.clear();
    }
}

class MainBookForm : public MainBook {
protected:
    nledmark::CPrnGlavnKnigaView* OpenForm()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("PrnGlavnKnigaView", 0, nullptr), 1);
        return Active<nledmark::CPrnGlavnKnigaView>();
    }
};

TEST_F(MainBookForm, BadInputIsToldAndPrintsNothing)
{
    AfxGetApp()->WriteProfileString("constants", "glavn_book", "120134000");
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    CString account;
    view->GetDlgItemText(IDC_GK_ACCOUNT, account);
    EXPECT_EQ(account, CString("120134000")) << "the last account";
    const struct {
        UINT field;
        const char* input;
        const char* message;
        UINT focus;
    } cases[] = {
        {IDC_GK_ACCOUNT, "", "Укажите номер счета", IDC_GK_ACCOUNT},
        {IDC_GK_ACCOUNT, "999999999", "Нет такого счета", IDC_GK_ACCOUNT},
        {IDC_GK_KBK, "1' or '1'='1", "Неверный список КБК", IDC_GK_KBK},
        {IDC_FILS, "1); drop table spr_fil; --", "Неверный список филиалов", IDC_FILS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        view->SetDlgItemText(IDC_GK_ACCOUNT, "120134000");
        view->SetDlgItemText(IDC_GK_KBK, "");
        view->SetDlgItemText(IDC_FILS, "");
        view->SetDlgItemText(c.field, c.input);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Active<nledmark::CPrnGlavnKnigaView>(), view) << "nothing shown";
        CWnd* focused = CWnd::GetFocus();
        ASSERT_TRUE(focused);
        EXPECT_EQ(focused->GetDlgCtrlID(), int(c.focus));
        if (c.field == IDC_GK_ACCOUNT && *c.input) {
            int start = 0, end = 0;
            static_cast<CEdit*>(focused)->GetSel(start, end);
            EXPECT_EQ(end - start, int(strlen(c.input))) << "the text selected";
        }
    }
}

TEST_F(MainBookForm, OkShowsTheBookAcrossTheSheetAndKeepsTheChoices)
{
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->GetDlgItem(IDC_GK_ACCOUNT)->IsWindowEnabled());
    afxtest::click(view, IDC_GK_ALL);
    EXPECT_FALSE(view->GetDlgItem(IDC_GK_ACCOUNT)->IsWindowEnabled());
    EXPECT_FALSE(view->GetDlgItem(IDC_GK_ACCOUNT_PICK)->IsWindowEnabled());
    afxtest::click(view, IDC_GK_ALL);
    EXPECT_TRUE(view->GetDlgItem(IDC_GK_ACCOUNT_PICK)->IsWindowEnabled());

    view->SetDlgItemText(IDC_GK_ACCOUNT, "1 201 34 000");
    view->SetDlgItemText(IDC_FILS, "1");
    view->m_dateFrom = Day(1, 1);
    view->m_dateTo = Day(31, 3);
    view->UpdateData(FALSE);
    afxtest::click(view, IDOK);
    ASSERT_EQ(ChildCount(), 2) << "the report window beside the form";
    ASSERT_NE(Active<CReportView>(), nullptr);
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("main_book_cash.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Главная книга")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Главный бухгалтер")));
    EXPECT_TRUE(report.saved);
    EXPECT_TRUE(report.across);
    EXPECT_GE(report.pages, 1);
    EXPECT_GT(report.colours, 2);
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "glavn_book", ""), CString("120134000"));
    EXPECT_EQ(AfxGetApp()->GetProfileString(nledmark::CSelectIFView::BranchSection(), "select_fil_prn0", ""),
              CString("1"));
    ledgertest::ShownReportText(*this);

    // Every account: a printed page per account page.
    view = Active<nledmark::CPrnGlavnKnigaView>();
    ASSERT_NE(view, nullptr);
    view->m_dateTo = EndOfFebruary();
    view->UpdateData(FALSE);
    afxtest::setChecked(view, IDC_GK_ALL, true);
    afxtest::click(view, IDOK);
    const ledgertest::SavedReport all = ledgertest::SaveShownReport(*this, QStringLiteral("main_book_all.png"));
    EXPECT_TRUE(all.across);
    EXPECT_GE(all.pages, 8);
}

} // namespace
