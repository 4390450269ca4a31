// The turnover-and-balance sheet over a small year of postings checked by
// hand: its rows, colours and totals, the filters of its form, the KOSGU rows,
// the scratch rows of other connections and of an earlier run, the script's
// call and a sheet cut short by a failing script.
#include "CHelpers.h"
#include "CInterpriter.h"
#include "CPrnOsvView.h"
#include "CReportView.h"
#include "CSelectIFView.h"
#include "GuiDriver.h"

#include <QCoreApplication>
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ReportShown.h"
#include "TurnoverControls.h"
#include "TurnoverSheet.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QDate>
#include <QRegularExpression>

namespace {

using ledgertest::PageRows;
using nledmark::CTurnoverSheetRequest;
using nledmark::LimitPage;

int Year()
{
    return QDate::currentDate().year();
}

COleDateTime Day(int day, int month, int year = Year())
{
    return COleDateTime(year, month, day, 0, 0, 0);
}

const QString kKbk1 = QStringLiteral("07507010100000590111"), kKbk2 = QStringLiteral("07507010100000590244");

// A printed row: the account cell, then the six amounts.
struct Line {
    QString account;
    QStringList amounts;
    QString colour;
    bool bold = false;
};

// The rows of the sheet's table after its two head rows, up to "Итого:" included.
std::vector<Line> SheetLines(const CString& html)
{
    std::vector<Line> lines;
    static const QRegularExpression row(QStringLiteral("<tr bgcolor=([#0-9a-f]+) height=18>(.*?)</tr>"));
    for (auto m = row.globalMatch(html.ToQString()); m.hasNext();) {
        const auto match = m.next();
        const std::vector<QStringList> cells = PageRows(CString("<tr>" + match.captured(2) + "</tr>"));
        Line line;
        line.colour = match.captured(1);
        line.account = cells.front().value(0);
        line.amounts = cells.front().mid(cells.front().size() - 6);
        line.bold = match.captured(2).startsWith(QStringLiteral("<td align=left nowrap>&nbsp;<b>"));
        lines.push_back(line);
    }
    return lines;
}

QStringList Accounts(const std::vector<Line>& lines)
{
    QStringList accounts;
    for (const Line& l : lines)
        accounts << l.account;
    return accounts;
}

class TurnoverSheet : public ledgertest::LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        const int y = Year(), p = Year() - 1;
        // Cash 1 201 34 on KBK 1: an opening of 100 in December, January's
        // receipt of 50 and a salary payment of 80; on KBK 2 an advance of 120.
        // The second source's cash without KBK; obligations (501, 502) posted
        // on KBK 1; 105 01 and 302 34 settled to zero in December; 101 01 posted
        // in March only.
        struct Posting {
            QDate d;
            const char *debit, *credit;
            double s;
            const char* kbk;
        } postings[] = {
            {QDate(p, 12, 15), "120134510", "130405000", 100, "1"}, {QDate(y, 1, 10), "120134510", "130405000", 50, "1"},
            {QDate(y, 1, 20), "120821560", "120134610", 120, "2"},  {QDate(y, 1, 21), "130211830", "120134610", 80, "1"},
            {QDate(y, 1, 12), "220134510", "220531000", 7, "null"}, {QDate(y, 1, 25), "150113000", "150211000", 300, "1"},
            {QDate(p, 12, 1), "110501340", "130234730", 30, "1"},   {QDate(p, 12, 2), "130234830", "110501340", 30, "1"},
            {QDate(y, 3, 10), "110101310", "130405000", 500, "1"},
        };
        int id = 900;
        for (const Posting& l : postings) {
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

    static CTurnoverSheetRequest January(const char* kbk = "", int source = 0, bool expand = false)
    {
        CTurnoverSheetRequest r;
        r.from = Day(1, 1);
        r.to = Day(31, 1);
        r.kbkList = kbk;
        r.source = source;
        r.expand = expand;
        return r;
    }

    static long Connection() { return GetServerId(); }
};

TEST_F(TurnoverSheet, RowsColoursAndTotalsAsCountedByHand)
{
    const LimitPage sheet = nledmark::BuildTurnoverSheet(January(), Connection());
    ASSERT_TRUE(sheet.complete);
    const std::vector<Line> lines = SheetLines(sheet.html);
    // 105 01 and 302 34 net to nothing: no row, and the colours go on
    // alternating as if they were not there. 501 and 502 are printed but left
    // out of the totals.
    const struct {
        QString account;
        QStringList amounts;
    } expected[] = {
        {kKbk1 + " 1 201 34 000", {"100.00", "0.00", "50.00", "80.00", "70.00", "0.00"}},
        {kKbk2 + " 1 201 34 000", {"0.00", "0.00", "0.00", "120.00", "0.00", "120.00"}},
        {"2 201 34 000", {"0.00", "0.00", "7.00", "0.00", "7.00", "0.00"}},
        {"2 205 31 000", {"0.00", "0.00", "0.00", "7.00", "0.00", "7.00"}},
        {kKbk2 + " 1 208 21 000", {"0.00", "0.00", "120.00", "0.00", "120.00", "0.00"}},
        {kKbk1 + " 1 302 11 000", {"0.00", "0.00", "80.00", "0.00", "80.00", "0.00"}},
        {kKbk1 + " 1 304 05 000", {"0.00", "100.00", "0.00", "50.00", "0.00", "150.00"}},
        {kKbk1 + " 1 501 13 000", {"0.00", "0.00", "300.00", "0.00", "300.00", "0.00"}},
        {kKbk1 + " 1 502 11 000", {"0.00", "0.00", "0.00", "300.00", "0.00", "300.00"}},
        {"Итого:", {"100.00", "100.00", "257.00", "257.00", "277.00", "277.00"}},
    };
    ASSERT_EQ(lines.size(), std::size(expected)) << Accounts(lines).join(" | ").toStdString();
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(expected[i].account.toStdString());
        EXPECT_EQ(lines[i].account, expected[i].account);
        EXPECT_EQ(lines[i].amounts, expected[i].amounts);
        EXPECT_EQ(lines[i].colour, i % 2 ? QStringLiteral("#dddddd") : QStringLiteral("#eeeeee"));
        EXPECT_FALSE(lines[i].bold);
    }
    const QString text = sheet.html.ToQString();
    EXPECT_TRUE(text.contains(QStringLiteral("В Е Д О М О С Т Ь за")));
    EXPECT_TRUE(text.contains(QStringLiteral("с 01.01.%1 по 31.01.%1").arg(Year())));
    EXPECT_TRUE(text.contains(QStringLiteral("Главный бухгалтер:")));
    EXPECT_TRUE(text.contains(QStringLiteral("Дата:")));
}

TEST_F(TurnoverSheet, NothingPostedGivesZeroTotalsAndSignatures)
{
    CTurnoverSheetRequest r = January();
    r.from = Day(1, 1, Year() - 3);
    r.to = Day(31, 12, Year() - 3);
    const LimitPage sheet = nledmark::BuildTurnoverSheet(r, Connection());
    ASSERT_TRUE(sheet.complete);
    const std::vector<Line> lines = SheetLines(sheet.html);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].account, QStringLiteral("Итого:"));
    EXPECT_EQ(lines[0].amounts, QStringList({"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(lines[0].colour, QStringLiteral("#eeeeee"));
    EXPECT_TRUE(sheet.html.ToQString().contains(QStringLiteral("(Исполнитель) бухгалтер:")));
}

TEST_F(TurnoverSheet, KbkListAndSourceChooseTheGroups)
{
    const struct {
        const char* kbk;
        int source;
        QStringList accounts;
    } cases[] = {
        {"1,,2", 0,
         {kKbk1 + " 1 201 34 000", kKbk2 + " 1 201 34 000", kKbk2 + " 1 208 21 000", kKbk1 + " 1 302 11 000",
          kKbk1 + " 1 304 05 000", kKbk1 + " 1 501 13 000", kKbk1 + " 1 502 11 000", "Итого:"}},
        {"2", 0, {kKbk2 + " 1 201 34 000", kKbk2 + " 1 208 21 000", "Итого:"}},
        {"", 2, {"2 201 34 000", "2 205 31 000", "Итого:"}},
        {"1", 2, {"Итого:"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "KBK \"" << c.kbk << "\", source " << c.source);
        const LimitPage sheet = nledmark::BuildTurnoverSheet(January(c.kbk, c.source), Connection());
        EXPECT_TRUE(sheet.complete);
        EXPECT_EQ(Accounts(SheetLines(sheet.html)), c.accounts);
    }
    // The filters of the group query: each KBK of the list on its side, none
    // for an empty list; the source on both sides.
    CString deb, kred;
    nledmark::KbkListCondition("12,,15", "deb", deb);
    nledmark::KbkListCondition("12,,15", "kred", kred);
    const CString sql = nledmark::TurnoverGroupsSql(January("12,,15", 2), deb, kred, "");
    EXPECT_TRUE(sql.ToQString().contains(QStringLiteral("(deb0='2' or 2=0)  and (kbk_deb=12 or kbk_deb=15)")));
    EXPECT_TRUE(sql.ToQString().contains(QStringLiteral("(kred0='2' or 2=0)  and (kbk_kred=12 or kbk_kred=15)")));
    EXPECT_FALSE(nledmark::TurnoverGroupsSql(January(), "", "", "").ToQString().contains(QStringLiteral("kbk_deb=")));
}

TEST_F(TurnoverSheet, KosguRowsFollowTheirBoldGroup)
{
    const LimitPage sheet = nledmark::BuildTurnoverSheet(January("1", 1, true), Connection());
    ASSERT_TRUE(sheet.complete);
    const std::vector<Line> lines = SheetLines(sheet.html);
    const struct {
        QString account;
        QStringList amounts;
        bool bold;
        const char* colour;
    } expected[] = {
        {kKbk1 + " 1 201 34 000", {"100.00", "0.00", "50.00", "80.00", "70.00", "0.00"}, true, "#eeeeee"},
        {kKbk1 + " 1 201 34 510", {"100.00", "0.00", "50.00", "0.00", "150.00", "0.00"}, false, "#eeeeee"},
        {kKbk1 + " 1 201 34 610", {"0.00", "0.00", "0.00", "80.00", "0.00", "80.00"}, false, "#eeeeee"},
        {kKbk1 + " 1 302 11 000", {"0.00", "0.00", "80.00", "0.00", "80.00", "0.00"}, true, "#dddddd"},
        {kKbk1 + " 1 302 11 830", {"0.00", "0.00", "80.00", "0.00", "80.00", "0.00"}, false, "#dddddd"},
        {kKbk1 + " 1 304 05 000", {"0.00", "100.00", "0.00", "50.00", "0.00", "150.00"}, true, "#eeeeee"},
        {kKbk1 + " 1 304 05 000", {"0.00", "100.00", "0.00", "50.00", "0.00", "150.00"}, false, "#eeeeee"},
        {kKbk1 + " 1 501 13 000", {"0.00", "0.00", "300.00", "0.00", "300.00", "0.00"}, true, "#dddddd"},
        {kKbk1 + " 1 501 13 000", {"0.00", "0.00", "300.00", "0.00", "300.00", "0.00"}, false, "#dddddd"},
        {kKbk1 + " 1 502 11 000", {"0.00", "0.00", "0.00", "300.00", "0.00", "300.00"}, true, "#eeeeee"},
        {kKbk1 + " 1 502 11 000", {"0.00", "0.00", "0.00", "300.00", "0.00", "300.00"}, false, "#eeeeee"},
        {"Итого:", {"100.00", "100.00", "130.00", "130.00", "150.00", "150.00"}, false, "#dddddd"},
    };
    ASSERT_EQ(lines.size(), std::size(expected)) << Accounts(lines).join(" | ").toStdString();
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i].account, expected[i].account);
        EXPECT_EQ(lines[i].amounts, expected[i].amounts);
        EXPECT_EQ(lines[i].bold, expected[i].bold);
        EXPECT_EQ(lines[i].colour, QString::fromLatin1(expected[i].colour));
    }
}

TEST_F(TurnoverSheet, TheScriptIsCalledPerGroupWithItsCondition)
{
    CTurnoverSheetRequest r = January("", 2);
    r.branches = "1";
    const long connection = Connection();
    scripts.calls.clear();
    const LimitPage sheet = nledmark::BuildTurnoverSheet(r, connection);
    ASSERT_TRUE(sheet.complete);
    std::vector<std::string> calls;
    for (const auto& c : scripts.calls)
        if (c.call.rfind("fn_ledmark_prn_osv(", 0) == 0) {
            calls.push_back(c.call);
            EXPECT_EQ(c.context, scripts.Workplace());
        }
    // The groups without KBK: "is null" on the debit side and the argument null.
    const std::string y = std::to_string(Year());
    const std::string id = std::to_string(connection);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], "fn_ledmark_prn_osv(\"01.01." + y + "\",\"31.01." + y +
                            "\",0,\" and (deb0='2' and deb1='201' and deb2='34') and kbk_deb is null and fil_id in "
                            "(1)\"," + id + ",null,\" and fil_id in (1)\")");
    EXPECT_EQ(calls[1], "fn_ledmark_prn_osv(\"01.01." + y + "\",\"31.01." + y +
                            "\",0,\" and (deb0='2' and deb1='205' and deb2='31') and kbk_deb is null and fil_id in "
                            "(1)\"," + id + ",null,\" and fil_id in (1)\")");
}

TEST_F(TurnoverSheet, RowsOfOtherRunsAndConnectionsDoNotCount)
{
    const long connection = Connection(), other = connection + 100000;
    // Rows an abruptly ended program left under this id, and rows another
    // connection wrote for its own sheet just before.
    Run(FormatText("insert into tmp_0 (user_id,sch0,sch1,sch2,sch3,db0,kr0,db,kr,db2,kr2) values "
                   "(%ld,'1','201','34','000',1000,0,1000,0,2000,0)",
                   connection));
    CString result;
    ASSERT_TRUE(CHelpers::EXEC_GetFunctionValue(
        FormatText("fn_ledmark_prn_osv(\"01.01.%d\",\"31.01.%d\",1,\" and (deb0='1' and deb1='201' and "
                   "deb2='34') and kbk_deb=1\",%ld,1,\"\")",
                   Year(), Year(), other),
        result, scripts.Workplace().c_str()));
    EXPECT_EQ(result, CString("1"));
    const CString before = Text(FormatText("select sum(db2)-sum(kr2) from tmp_0 where user_id=%ld", other));
    EXPECT_EQ(atof(before), 70.0) << "the other connection's KOSGU rows of cash on KBK 1";

    const LimitPage sheet = nledmark::BuildTurnoverSheet(January("1"), connection);
    ASSERT_TRUE(sheet.complete);
    const std::vector<Line> lines = SheetLines(sheet.html);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].amounts, QStringList({"100.00", "0.00", "50.00", "80.00", "70.00", "0.00"}));
    EXPECT_EQ(Text(FormatText("select sum(db2)-sum(kr2) from tmp_0 where user_id=%ld", other)), before)
        << "the other connection still reads its own rows";
    EXPECT_EQ(Count(FormatText("select count(*) from tmp_0 where user_id=%ld", other)), 2);
}

TEST_F(TurnoverSheet, AFailingScriptTellsWhyAndCutsTheSheetShort)
{
    // The third group's call (after 105 01, which nets to nothing, and cash
    // on KBK 1) is refused the way the script refuses: it tells the reason
    // and answers 0.
    ASSERT_TRUE(CInterpriter::GetMain()->LoadScript(
        scripts.Workplace().c_str(), "test.lua",
        "local real = fn_ledmark_prn_osv\nlocal n = 0\n"
        "function fn_ledmark_prn_osv(...)\n  n = n + 1\n"
        "  if n == 3 then app.warning('Оборотно-сальдовая ведомость: остатки и обороты не записаны') return 0 end\n"
        "  return real(...)\nend\n"));
    scripts.messages.clear();
    const LimitPage sheet = nledmark::BuildTurnoverSheet(January(), Connection());
    EXPECT_FALSE(sheet.complete);
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_EQ(scripts.messages[0], "Оборотно-сальдовая ведомость: остатки и обороты не записаны");
    const QString text = sheet.html.ToQString();
    EXPECT_TRUE(text.contains(QStringLiteral("Отчет неполный")));
    EXPECT_FALSE(text.contains(QStringLiteral("Итого:")));
    EXPECT_EQ(Accounts(SheetLines(sheet.html)), QStringList({kKbk1 + " 1 201 34 000"})) << "the group built before";

    // The script's own refusal of what it cannot read.
    CString result;
    scripts.messages.clear();
    EXPECT_TRUE(CHelpers::EXEC_GetFunctionValue("fn_ledmark_prn_osv(\"31.02.2024\",\"01.03.2024\",0,\"\",5,null,\"\")",
                                                result, scripts.Workplace().c_str()));
    EXPECT_EQ(result, CString("0"));
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_NE(scripts.messages[0].find("неверный период"), std::string::npos);
}

class TurnoverSheetForm : public TurnoverSheet {
protected:
    nledmark::CPrnOsvView* OpenForm()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("PrnOsvView", 0, nullptr), 1);
        return Active<nledmark::CPrnOsvView>();
    }
};

TEST_F(TurnoverSheetForm, BadListsAreToldAndPrintNothing)
{
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    const struct {
        UINT field;
        const char* input;
        const char* message;
    } cases[] = {
        {IDC_OSV_KBK, "1' or '1'='1", "Неверный список КБК"},
        {IDC_FILS, "1); drop table spr_fil; --", "Неверный список филиалов"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        view->SetDlgItemText(IDC_OSV_KBK, "");
        view->SetDlgItemText(IDC_FILS, "");
        view->SetDlgItemText(c.field, c.input);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(Active<nledmark::CPrnOsvView>(), view) << "nothing shown";
        ASSERT_TRUE(CWnd::GetFocus());
        EXPECT_EQ(CWnd::GetFocus()->GetDlgCtrlID(), int(c.field));
    }
}

TEST_F(TurnoverSheetForm, OkShowsTheSheetAndKeepsTheBranches)
{
    auto* view = OpenForm();
    ASSERT_NE(view, nullptr);
    CString title;
    view->GetParentFrame()->GetWindowText(title);
    EXPECT_TRUE(title.ToQString().contains(QStringLiteral("Оборотно-сальдовая ведомость")));
    EXPECT_EQ(view->m_dateFrom.GetYear(), int(g_lYear)) << "the working period";
    view->SetDlgItemText(IDC_FILS, "1");
    view->m_dateFrom = Day(1, 1);
    view->m_dateTo = Day(31, 1);
    view->UpdateData(FALSE);
    afxtest::setChecked(view, IDC_OSV_EXPAND, true);
    EXPECT_TRUE(afxtest::grab(view->GetParentFrame()).save(QCoreApplication::applicationDirPath() + "/PrnOsvView.png"));
    afxtest::click(view, IDOK);
    ASSERT_NE(Active<CReportView>(), nullptr);
    const ledgertest::SavedReport report = ledgertest::SaveShownReport(*this, QStringLiteral("turnover_sheet.png"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("В Е Д О М О С Т Ь")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Итого:")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("1 201 34 610")));
    EXPECT_TRUE(report.saved);
    EXPECT_GE(report.pages, 1);
    EXPECT_GT(report.colours, 2);
    EXPECT_EQ(AfxGetApp()->GetProfileString(nledmark::CSelectIFView::BranchSection(), "select_fil_prn0", ""),
              CString("1"));
    ledgertest::ShownReportText(*this);
}

} // namespace
