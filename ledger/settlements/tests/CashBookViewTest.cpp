// The cash book's insert sheet and the journal of cash documents: the sheet
// of a day read row by row (opening balance, lines, totals, closing by
// group, salary, closing total, documents received), the grouping of
// sources, KBK and branch lists, a date outside the working year, a failing
// query marking the page; the sheet counts across months and a year end;
// the document kinds that post and their tables; the form's own path to the
// report window; the journal's call text; and a picture of a demo day.
#include "CPrnKassaBookView.h"
#include "CPrnKassaKO_3View.h"
#include "CSelectIFView.h"
#include "CashBookSheet.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

// A posting of the cash account: the cash side, the other side, the amount
// and the KBKs of both sides.
struct CashLine {
    const char* cash;
    const char* other;
    double s;
    const char* kbkCash = nullptr;
    const char* kbkOther = nullptr;
};

class CashBook : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_provodki\ndelete from ledmark_pko\ndelete from ledmark_rko");
    }
    // A receipt (ledmark_pko, kind 3) or an expense order (ledmark_rko, kind
    // 2) of document `id` with one posting per line.
    void Order(bool receipt, long id, const char* number, const CString& date, const char* fio,
               std::initializer_list<CashLine> lines, int branch = 1)
    {
        double sum = 0;
        for (const CashLine& l : lines)
            sum += l.s;
        Run(FormatText("insert into %s (id, number, d, fio, s, fil_id) values (%d, '%s', %s, '%s', %s, %d)",
                       receipt ? "ledmark_pko" : "ledmark_rko", id, number, ChangeDateUS0(date), fio, ftoa(sum),
                       branch));
        int npp = 0;
        for (const CashLine& l : lines) {
            const CString debit = receipt ? l.cash : l.other, credit = receipt ? l.other : l.cash;
            const char* kbkDebit = receipt ? l.kbkCash : l.kbkOther;
            const char* kbkCredit = receipt ? l.kbkOther : l.kbkCash;
            Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, kred3, "
                           "kbk_deb, kbk_kred, s, fil_id) values (%d, %d, %s, '%s', '%s', '%s', '%s', '%s', '%s', '%s', "
                           "'%s', %s, %s, %s, %d)",
                           id, ++npp, ChangeDateUS0(date), debit.Left(1), debit.Mid(1, 3), debit.Mid(4, 2),
                           debit.Mid(6, 3), credit.Left(1), credit.Mid(1, 3), credit.Mid(4, 2), credit.Mid(6, 3),
                           kbkDebit ? kbkDebit : "null", kbkCredit ? kbkCredit : "null", ftoa(l.s), branch));
        }
    }
    static CCashBookSheet Sheet(const CString& date, const char* branches = "", const char* kbks = "")
    {
        CCashBookSheet sheet;
        sheet.date = qwDMG(date, 1);
        sheet.filter.branches = branches;
        sheet.filter.kbks = kbks;
        sheet.number = 1;
        return sheet;
    }
    // The rows of the page, each from a "<tr" to the next "</tr>" (so a row
    // holding a table shows its first cells and those of the inner one):
    // the cells' texts joined by "|".
    static QStringList Rows(const CString& html)
    {
        QStringList rows;
        static const QRegularExpression cell("<td[^>]*>(.*?)</td>", QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression tag("<[^>]*>");
        const QString text = html.ToQString();
        for (qsizetype at = text.indexOf("<tr"); at >= 0; at = text.indexOf("<tr", at + 3)) {
            const qsizetype end = text.indexOf("</tr>", at);
            if (end < 0)
                break;
            QStringList cells;
            for (auto c = cell.globalMatch(text.mid(at, end - at)); c.hasNext();)
                cells << c.next().captured(1).remove(tag).replace("&nbsp;", " ").simplified();
            rows << cells.join('|');
        }
        return rows;
    }
    static QString RowStarting(const QStringList& rows, const char* start)
    {
        for (const QString& row : rows)
            if (row.startsWith(QString::fromUtf8(start)))
                return row;
        return QString();
    }
};

TEST_F(CashBook, TheSheetOfADayRowByRow)
{
    struct Case {
        const char* what;
        std::function<void()> arrange;
        const char* date;  // of this year unless it has a year
        const char* branches;
        const char* kbks;
        std::vector<const char*> rows;  // rows expected on the page, in order
    };
    const CString mar10 = ThisYear("10.03"), mar12 = ThisYear("12.03");
    const Case cases[] = {
        {"a day without cash postings closes at its opening",
         [&] {
             Order(true, 101, "1", mar10, "Петрова", {{"120104510", "120111610", 1000}, {"220104510", "220111610", 500}});
         },
         "12.03", "", "",
         {"Остаток на начало дня|1000|x|500|x", "Итого за день|0|0|0|0", "Остаток на конец дня|1000|0|500|0",
          "в том числе на зарплату|0|0|0|0", "Общий остаток денежных средств в кассе на конец дня:|1500.00",
          "в количестве ноль приходных", "и ноль расходных"}},
        {"a negative closing balance stands in its group's payments",
         [&] {
             Order(true, 101, "1", mar10, "Петрова", {{"120104510", "120111610", 100}});
             Order(false, 102, "1", mar12, "Иванова", {{"120104610", "130201830", 300}});
         },
         "12.03", "", "",
         {"Остаток на начало дня|100|x|0|x", "Расх.орд, № 1|Иванова|1 302 01 830|0|300|0|0",
          "Итого за день|0|300|0|0", "Остаток на конец дня|0|200|0|0", "в том числе на зарплату|0|300|0|0",
          "Общий остаток денежных средств в кассе на конец дня:|-200.00"}},
        {"source 3 is off-budget in the opening balance and in the lines",
         [&] {
             Order(true, 101, "1", mar10, "Петрова", {{"320104510", "340101130", 700}});
             Order(true, 102, "2", mar12, "Петрова", {{"320104510", "340101130", 50}});
         },
         "12.03", "", "",
         {"Остаток на начало дня|0|x|700|x", "Прих.орд., № 2|Петрова|3 401 01 130|0|0|50|0",
          "Остаток на конец дня|0|0|750|0"}},
        {"an order of three lines is one document received",
         [&] {
             Order(true, 101, "7", mar12, "Соколов",
                   {{"220104510", "240101130", 10}, {"220104510", "240101130", 20}, {"220104510", "220531660", 30}});
             Order(false, 102, "3", mar12, "Иванова", {{"220104610", "220826560", 5}});
         },
         "12.03", "", "",
         {"Расх.орд, № 3|Иванова|2 208 26 560|0|0|0|5", "Прих.орд., № 7|Соколов|2 401 01 130|0|0|10|0",
          "Прих.орд., № 7|Соколов|2 401 01 130|0|0|20|0", "Прих.орд., № 7|Соколов|2 205 31 660|0|0|30|0",
          "Итого за день|0|0|60|5", "в количестве один приходных", "и один расходных"}},
        {"a KBK list takes the debit KBK of receipts and the credit KBK of payments",
         [&] {
             Order(true, 101, "1", mar10, "А", {{"220104510", "240101130", 100, "3"}, {"220104510", "240101130", 40, "4"}});
             Order(true, 102, "2", mar12, "Б", {{"220104510", "240101130", 10, "3", "4"}});
             Order(true, 103, "3", mar12, "В", {{"220104510", "240101130", 20, "4", "3"}});
             Order(false, 104, "1", mar12, "Г", {{"220104610", "220826560", 5, "3", "4"}});
             Order(false, 105, "2", mar12, "Д", {{"220104610", "220826560", 7, "4", "3"}});
         },
         "12.03", "", "3",
         {"Остаток на начало дня|0|x|100|x", "Расх.орд, № 1|Г|07507010100000590244 2 208 26 560|0|0|0|5",
          "Прих.орд., № 2|Б|07507010100000590244 2 401 01 130|0|0|10|0", "Итого за день|0|0|10|5",
          "Остаток на конец дня|0|0|105|0"}},
        {"a branch list of one id",
         [&] {
             Order(true, 101, "1", mar12, "Первый", {{"120104510", "120111610", 10}}, 1);
             Order(true, 102, "2", mar12, "Второй", {{"120104510", "120111610", 20}}, 2);
         },
         "12.03", "2", "", {"Прих.орд., № 2|Второй|1 201 11 610|20|0|0|0", "Итого за день|20|0|0|0"}},
        {"a branch list of two ids",
         [&] {
             Order(true, 101, "1", mar12, "Первый", {{"120104510", "120111610", 10}}, 1);
             Order(true, 102, "2", mar12, "Второй", {{"120104510", "120111610", 20}}, 2);
         },
         "12.03", "1, 2", "", {"Итого за день|30|0|0|0"}},
        {"a salary payment", [&] { Order(false, 101, "1", mar12, "Смирнова", {{"120104610", "130201830", 12000}}); },
         "12.03", "", "", {"в том числе на зарплату|0|12000|0|0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Run("delete from ledmark_provodki\ndelete from ledmark_pko\ndelete from ledmark_rko");
        c.arrange();
        CCashBookSheet sheet = Sheet(ThisYear(c.date));
        ASSERT_TRUE(CheckedIdList(c.branches, sheet.filter.branches));
        ASSERT_TRUE(CheckedIdList(c.kbks, sheet.filter.kbks));
        const CCashBookPage page = BuildCashBookPage(sheet);
        EXPECT_TRUE(page.complete);
        const QStringList rows = Rows(page.html);
        int from = 0;
        for (const char* expected : c.rows) {
            const QString want = QString::fromUtf8(expected);
            int found = -1;
            for (int i = from; i < rows.size() && found < 0; ++i)
                if (rows[i] == want || (want.startsWith(QStringLiteral("в количестве")) && rows[i].contains(want))
                    || (want.startsWith(QStringLiteral("и ")) && rows[i].contains(want)))
                    found = i;
            EXPECT_GE(found, 0) << expected << "\n" << rows.join('\n').toStdString();
            from = found >= 0 ? found : from;
        }
    }
}

TEST_F(CashBook, TheTitleShowsTheSheetDatesYearAndAFailingQueryMarksThePage)
{
    const CString lastYear = FormatText("30.12.%d", QDate::currentDate().year() - 1);
    Order(true, 101, "1", lastYear, "Петрова", {{"120104510", "120111610", 100}});
    CCashBookPage page = BuildCashBookPage(Sheet(lastYear));
    EXPECT_TRUE(page.html.Find(FormatText("КАССА за 30 декабря %dг.", QDate::currentDate().year() - 1)) >= 0);
    EXPECT_EQ(CountCashSheets(qwDMG(lastYear, 1), {}).sheet, 1);

    // A document table of a kind that posts is missing: the lines cannot be
    // read, and the page says it is not complete instead of closing the day.
    Run("rename table ledmark_budg_zayavka to ledmark_budg_zayavka_away");
    page = BuildCashBookPage(Sheet(lastYear));
    Run("rename table ledmark_budg_zayavka_away to ledmark_budg_zayavka");
    EXPECT_FALSE(page.complete);
    EXPECT_EQ(dbReports.reports().size(), 1u);
    dbReports.clear(1);
    const QStringList rows = Rows(page.html);
    EXPECT_TRUE(RowStarting(rows, "Лист сформирован не полностью").contains(QStringLiteral("проводки дня")));
    EXPECT_TRUE(RowStarting(rows, "Итого за день").isEmpty());
    EXPECT_TRUE(RowStarting(rows, "Остаток на конец дня").isEmpty());
    EXPECT_FALSE(RowStarting(rows, "Кассир").isEmpty()) << "the signatures stay";
}

TEST_F(CashBook, SheetCountsAcrossMonthsAndAYearEnd)
{
    const int year = QDate::currentDate().year();
    auto day = [&](int d, int m, int y) { return FormatText("%02d.%02d.%d", d, m, y); };
    // Cash days: 30 and 31 December of last year, 10 and 31 January, 1 and 3 February;
    // 1 February only on branch 2, 3 February only with KBK 4.
    Order(true, 1, "1", day(30, 12, year - 1), "А", {{"120104510", "120111610", 1}});
    Order(true, 2, "2", day(31, 12, year - 1), "А", {{"120104510", "120111610", 1}});
    Order(true, 3, "3", day(10, 1, year), "А", {{"120104510", "120111610", 1}});
    Order(false, 4, "1", day(31, 1, year), "А", {{"120104610", "130201830", 1}});
    Order(true, 5, "4", day(1, 2, year), "А", {{"120104510", "120111610", 1}}, 2);
    Order(false, 6, "2", day(3, 2, year), "А", {{"120104610", "130201830", 1, "4", "3"}});
    const struct {
        CString date;
        const char* branches;
        const char* kbks;
        long sheet, month, year;
    } cases[] = {
        {day(31, 12, year - 1), "", "", 2, 2, 2},  {day(1, 1, year), "", "", 0, 2, 4},
        {day(10, 1, year), "", "", 1, 2, 4},       {day(31, 1, year), "", "", 2, 2, 4},
        {day(2, 2, year), "", "", 3, 2, 4},        {day(3, 2, year), "", "", 4, 2, 4},
        {day(3, 2, year), "1", "", 3, 1, 3},       {day(3, 2, year), "", "4", 1, 1, 1},
        {day(3, 2, year), "", "3", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date + " " + c.branches + " " + c.kbks);
        const CCashBookCounts counts = CountCashSheets(qwDMG(c.date, 1), {c.branches, c.kbks});
        EXPECT_EQ(counts.sheet, c.sheet);
        EXPECT_EQ(counts.month, c.month);
        EXPECT_EQ(counts.year, c.year);
    }
    COleDateTime none;
    none.SetStatus(COleDateTime::invalid);
    EXPECT_EQ(CountCashSheets(none, {}).sheet, 0);
}

TEST_F(CashBook, ListsAreIdsOnly)
{
    const struct {
        const char* typed;
        bool ok;
        const char* ids;
    } cases[] = {{"", true, ""}, {"1", true, "1"}, {" 1, 3,", true, "1,3"}, {"1 or 1=1", false, ""},
                 {"1;drop", false, ""}, {"-2", false, ""}, {"12345678901", false, ""}};
    for (const auto& c : cases) {
        CString ids;
        EXPECT_EQ(CheckedIdList(c.typed, ids) != FALSE, c.ok) << c.typed;
        if (c.ok)
            EXPECT_EQ(ids, CString(c.ids)) << c.typed;
    }
    EXPECT_EQ(BranchFilter("1"), CString(" and (fil_id=1)"));
    EXPECT_EQ(BranchFilter("1,3"), CString(" and (fil_id=1 or fil_id=3)"));
    EXPECT_EQ(KbkFilter("2,5", "kred"), CString(" and (kbk_kred=2 or kbk_kred=5)"));
    EXPECT_EQ(KbkFilter("", "deb"), CString());
}

// Every kind of the configuration that writes postings names a table of this
// database with the columns the sheet reads.
TEST_F(CashBook, EveryPostingKindHasItsTable)
{
    const CString kinds = I_GetDocumentsList();
    int posting = 0;
    for (int i = 1; i <= Length(kinds, GetDelimiter()); ++i) {
        const CString kind = GetPart(kinds, GetDelimiter(), i);
        if (GetPart(kind, GetDelimiter0(), 5) != "postings")
            continue;
        ++posting;
        const CString table = GetPart(kind, GetDelimiter0(), 3);
        EXPECT_EQ(Count(FormatText("select count(*) as cnt from information_schema.columns where table_schema=database() "
                                   "and lower(table_name)='%s' and column_name in ('id','number','d','fil_id')",
                                   table)),
                  4)
            << table;
    }
    EXPECT_GE(posting, 10);
    EXPECT_TRUE(kinds.Find("ledmark_oper_by_hand") >= 0);
}

TEST_F(CashBook, TheFormCountsItsSheetAndShowsThePage)
{
    Order(true, 101, "1", ThisYear("10.03"), "Петрова", {{"120104510", "120111610", 1000}});
    Order(false, 102, "1", ThisYear("12.03"), "Иванова", {{"120104610", "130201830", 300}});
    Run("insert into system_const (name, val) values ('ORG_KASSIR', 'Иванова Мария Петровна') "
        "on duplicate key update val=values(val)");
    auto* view = Open<CPrnKassaBookView>("PrnKassaBookView");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), ThisYear("12.03")) << "the last cash day of the working period";
    EXPECT_EQ(afxtest::text(view, IDC_KB_SHEET), QStringLiteral("2"));
    EXPECT_FALSE(view->GetDlgItem(IDC_KB_MONTH_COUNT)->IsWindowVisible());
    afxtest::pickDate(view, IDC_DATE, QDate(QDate::currentDate().year(), 3, 11));
    EXPECT_EQ(afxtest::text(view, IDC_KB_SHEET), QStringLiteral("1"));
    afxtest::setChecked(view, IDC_KB_LAST_DAY, true);
    EXPECT_TRUE(view->GetDlgItem(IDC_KB_MONTH_COUNT)->IsWindowVisible());
    EXPECT_EQ(afxtest::text(view, IDC_KB_MONTH_COUNT), QStringLiteral("2"));

    view->SetDlgItemText(IDC_KB_SHEET, "0");
    Refused(view, "Укажите № листа", IDC_KB_SHEET);
    view->SetDlgItemText(IDC_FILS, "1 or 1=1");
    Refused(view, "Укажите филиалы их кодами через запятую", IDC_FILS);
    view->SetDlgItemText(IDC_FILS, "1");
    EXPECT_EQ(afxtest::text(view, IDC_KB_SHEET), QStringLiteral("1")) << "counted again with the list";
    afxtest::pickDate(view, IDC_DATE, QDate(QDate::currentDate().year(), 3, 12));
    afxtest::click(view, IDOK);
    const QString page = ReportPage();
    for (const char* part : {"КАССА за 12 марта", "Иванова М.П.", "Петрова А. С.", "в количестве ноль приходных",
                             "и один расходных", "Количество листов кассовой книги за март"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_EQ(AfxGetApp()->GetProfileString(CSelectIFView::BranchSection(), "select_fil_prn0", ""), CString("1"));
}

TEST_F(CashBook, TheJournalHandsItsPeriodAndBranchesToItsReport)
{
    Order(true, 101, "5", ThisYear("10.03"), "Петрова Анна Сергеевна", {{"120104510", "120111610", 1000}});
    Order(false, 102, "6", ThisYear("12.03"), "Иванова Мария Петровна", {{"120104610", "130201830", 300}}, 2);
    auto* view = Open<CPrnKassaKO_3View>("PrnKassaKO_3View");
    ASSERT_NE(view, nullptr);
    const struct {
        const char* branches;
        const char* call;
    } cases[] = {
        {"", "prn(\"%s\",\"%s\",\"\")"},
        {"1,2", "prn(\"%s\",\"%s\",\"1,2\")"},
        {"1\")error(\"x", "prn(\"%s\",\"%s\",\"1\\\")error(\\\"x\")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.branches);
        view->SetDlgItemText(IDC_FILS, c.branches);
        scripts.calls.clear();
        afxtest::click(view, IDOK);
        bool called = false;
        for (const auto& call : scripts.calls)
            called = called
                || (call.call == FormatText(c.call, ThisYear("01.01"), ThisYear("31.12")).ToStdString()
                    && call.context == "Form.PrnKassaKO_3View");
        EXPECT_TRUE(called);
        const QString page = ReportPage();
        if (c.branches[0] == '1' && c.branches[1] == ',')
            for (const char* part : {"ЖУРНАЛ", "Петрова Анна Сергеевна", "1000.00", "Иванова Мария Петровна", "300.00"})
                EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    }
    EXPECT_FALSE(scripts.errors.empty()) << "a list that is no ids is refused by the script";
    scripts.Clear();
}

TEST_F(CashBook, PictureOfTheSheetOfADemoDay)
{
    Order(true, 101, "1", ThisYear("10.03"), "Петрова Анна Сергеевна", {{"120104510", "120111610", 40000}});
    Order(true, 102, "2", ThisYear("12.03"), "Соколов Игорь Николаевич",
          {{"220104510", "220531660", 1200}, {"220104510", "240101130", 1300}});
    Order(false, 103, "1", ThisYear("12.03"), "Иванова Мария Петровна", {{"120104610", "130201830", 25000}});
    CCashBookSheet sheet = Sheet(ThisYear("12.03"));
    sheet.number = 2;
    CHelpers::DisplayMessage(BuildCashBookPage(sheet).html, "Кассовая книга", 0, 9, "#f5f5FF", -1, -1);
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/cash_book_sheet.png"));
}

} // namespace
