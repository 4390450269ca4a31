// The execution of monetary obligations read from the page it builds: groups
// of the assignments by KBK and economic code, and per supplier its contract,
// invoices, payments and payment orders, on a small fixture of three
// suppliers, two contracts and one bank payment document.
#include "CHelpers.h"
#include "CPrnLboMes0View.h"
#include "CReportView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ObligationsExecutionPage.h"
#include "PageRows.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;
using obligationstest::Rows;

class ObligationsExecution : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki\ndelete from ledmark_budg_rassh\ndelete from ledmark_bank_spis\n"
            "delete from plpor\ndelete from ledmark_oper_by_hand\n"
            "delete from spr_contr where id in (801,802,803)\ndelete from spr_dogovora where id in (951,952)\n"
            "delete from spr_org where id in (901,902,903)\ndelete from spr_kbk where id=7\n"
            "insert into spr_kbk (id, rasx, name) values (7, '07507094210000244', 'Закупка товаров')\n"
            "insert into spr_org (id, name) values (901, 'ООО Альфа'), (902, 'ИП Борисов'), (903, 'ООО Вега')\n"
            "insert into spr_contr (id, name, tip, id_tip) values (801, 'ООО Альфа', 0, 901), "
            "(802, 'ИП Борисов', 0, 902), (803, 'ООО Вега', 0, 903)\n"
            "insert into spr_dogovora (id, name, org, number, d, sd) values (951, 'Ремонт', 901, 'А-1', '2024-01-10', "
            "'2024-12-31'), (952, 'Связь', 902, 'Б-2', '2024-01-12', null)\n"
            "insert into plpor (npp, d, number) values (61, '2024-03-04', '41'), (62, '2024-03-04', '42')");
        // Assignments: 225000 and 226000 on KBK 7, 340000 without KBK; 100000 is no expense code.
        Post(1, "", "10.01.2024", "150301225", "150101225", 1000, "225000", "7");
        Post(1, "", "10.01.2024", "150301226", "150101226", 500, "226000", "7");
        Post(1, "", "10.01.2024", "150301340", "150101340", 300, "340000", "NULL");
        Post(1, "", "10.01.2024", "150301100", "150101100", 9, "100000", "7");
        // Obligations not subject to registration: the personal account's turnover against the cash desk.
        Post(2, "", "11.01.2024", "120104510", "130405225", 40, "225000", "7");
        // Invoices of Альфа: one number twice, a zero line, one of source 2, one without KBK for 340000
        // and one on KBK 7 for 340000 that the group without KBK must not take.
        Post(101, "СФ-1", "01.02.2024", "140120225", "130225730", 10.01, "225000", "7", "801");
        Post(101, "СФ-1", "01.02.2024", "140120225", "130225730", 20, "225000", "7", "801");
        Post(102, "СФ-2", "02.02.2024", "140120225", "130225730", 0, "225000", "7", "801");
        Post(104, "СФ-4", "04.02.2024", "240120225", "230225730", 7, "225000", "7", "801");
        Post(106, "СФ-6", "06.02.2024", "140120340", "130234730", 3, "340000", "NULL", "801");
        Post(107, "СФ-7", "07.02.2024", "140120340", "130234730", 4, "340000", "7", "801");
        // Вега: an invoice cancelled by its own second line.
        Post(103, "СФ-3", "03.02.2024", "140120225", "130225730", 50, "225000", "7", "803");
        Post(103, "СФ-3", "03.02.2024", "140120225", "130225730", -50, "225000", "7", "803");
        // A payment of Альфа from the personal account.
        Post(105, "ПП-5", "05.03.2024", "130225830", "130405225", 12, "225000", "7", "801", true);
        // The bank payment document: two lines for Альфа under 225000, each with its order, one for 226000.
        const CString c = GetDelimiter0(), r = GetDelimiter();
        const CString grid = "225000" + c + "130225830" + c + "801" + c + "225000" + c + "" + c + "5.50" + c + "оплата"
                             + c + "61" + r + "225000" + c + "130225830" + c + "801" + c + "225000" + c + "" + c
                             + "6.50" + c + "оплата" + c + "62" + r + "226000" + c + "130226830" + c + "801" + c
                             + "226000" + c + "" + c + "3" + c + "" + c + "";
        Run(FormatText("insert into ledmark_bank_spis (id, number, d, grid, s, fil_id) values (301, '7', "
                       "'2024-03-05', %s, 999, 1)",
                       (LPCTSTR)NullStr(grid)));
        // Breakdowns: Альфа by sources 1 and 2 and without KBK; Борисов for a code no group has.
        Breakdown(951, {{"225000", 10, "1", "7"}, {"225000", 5, "2", "7"}, {"340000", 1, "1", ""}});
        Breakdown(952, {{"221000", 2, "1", "7"}});
    }

    // A posting of document `id` (a manual operation numbered `number`) between two accounts;
    // the code is analytic value 1 of both sides, or value 2 after the counterparty on 302.
    void Post(long id, const char* number, const char* date, const char* debit, const char* credit, double amount,
              const char* ekr, const char* kbk, const char* party = nullptr, bool partyOnDebit = false)
    {
        const CString d = debit, k = credit;
        CString debSb1 = FormatText("'%s'", ekr), debSb2 = "NULL", kredSb1 = debSb1, kredSb2 = "NULL";
        if (party && partyOnDebit) {
            debSb1 = FormatText("'%s'", party);
            debSb2 = FormatText("'%s'", ekr);
        } else if (party) {
            kredSb1 = FormatText("'%s'", party);
            kredSb2 = FormatText("'%s'", ekr);
        }
        if (*number && Count(FormatText("select count(*) from ledmark_oper_by_hand where id=%d", id)) == 0)
            Run(FormatText("insert into ledmark_oper_by_hand (id, d, number, fil_id) values (%d, %s, '%s', 1)", id,
                           (LPCTSTR)ChangeDateUS0(date, 0), number));
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kbk_deb, "
                       "kred0, kred1, kred2, kred3, kred_sb1, kred_sb2, kbk_kred, s, fil_id) values (%d, 1, %s, '%s', "
                       "'%s', '%s', '%s', %s, %s, %s, '%s', '%s', '%s', '%s', %s, %s, %s, %s, 1)",
                       id, (LPCTSTR)ChangeDateUS0(date, 0), (LPCTSTR)d.Left(1), (LPCTSTR)d.Mid(1, 3),
                       (LPCTSTR)d.Mid(4, 2), (LPCTSTR)d.Mid(6, 3), (LPCTSTR)debSb1, (LPCTSTR)debSb2, kbk,
                       (LPCTSTR)k.Left(1), (LPCTSTR)k.Mid(1, 3), (LPCTSTR)k.Mid(4, 2), (LPCTSTR)k.Mid(6, 3),
                       (LPCTSTR)kredSb1, (LPCTSTR)kredSb2, kbk, (LPCTSTR)ftoa(amount)));
    }
    struct Line {
        const char* ekr;
        double monthly;
        const char* source;
        const char* kbk;
    };
    void Breakdown(long contract, std::initializer_list<Line> lines)
    {
        CString grid;
        for (const Line& l : lines) {
            CString row = l.ekr;
            for (int m = 0; m < 12; ++m)
                row += GetDelimiter0() + ftoa(l.monthly);
            row += GetDelimiter0() + l.source + GetDelimiter0() + l.kbk;
            grid += (grid.IsEmpty() ? CString() : GetDelimiter()) + row;
        }
        Run(FormatText("insert into ledmark_budg_rassh (number, d, dogovor, grid, fil_id) values ('1', '2024-01-20', %d, "
                       "%s, 1)",
                       contract, (LPCTSTR)NullStr(grid)));
    }
    static ObligationsFilter Year(std::vector<CString> sources)
    {
        ObligationsFilter filter;
        filter.from = COleDateTime(2024, 1, 1, 0, 0, 0);
        filter.to = COleDateTime(2024, 12, 31, 0, 0, 0);
        for (const CString& source : sources)
            filter.sourceSql += (filter.sourceSql.IsEmpty() ? " and (deb0=" : " or deb0=") + source;
        if (!filter.sourceSql.IsEmpty())
            filter.sourceSql += ")";
        filter.sources = std::move(sources);
        return filter;
    }
    // The body rows of the page, <br> read as "|": a group's first row has 18
    // cells, a further supplier's row 14.
    static QList<QStringList> Body(const CString& html)
    {
        QList<QStringList> body;
        static const QRegularExpression lineBreak("\\s*\\|\\s*");
        for (QStringList row : Rows(html, "|"))
            if ((row.size() == 18 && row[1] != "2") || row.size() == 14)
                body << row.replaceInStrings(lineBreak, "|");
        return body;
    }
};

TEST_F(ObligationsExecution, EachGroupShowsItsSuppliersLines)
{
    const LimitPage page = ObligationsExecutionPage(Year({"1"}));
    ASSERT_TRUE(page.complete) << page.html.ToStdString();
    const QList<QStringList> body = Body(page.html);
    ASSERT_EQ(body.size(), 4) << page.html.ToStdString();

    // 225000 on KBK 7: Альфа and Вега; Борисов's breakdown has no line for it.
    EXPECT_EQ(body[0].mid(0, 4), QStringList({"1", "075 0709 421000 0244  225000", "1000.00", "40.00"}));
    EXPECT_EQ(body[0].mid(4), QStringList({"ООО Альфа", "А-1, 10.01.2024", "120.00", "31.12.2024",
                                           "№ СФ-1 от 01.02.2024", "30.01", "", "№ ПП-5, от 05.03.2024", "12.00",
                                           "№ 41, от 04.03.2024|№ 42, от 04.03.2024", "05.03.2024|05.03.2024",
                                           "5.50|6.50", "18.01", "108.00"}));
    // Вега's invoice came to nothing: its row stands, its lines are empty.
    EXPECT_EQ(body[1], QStringList({"ООО Вега", "", "0.00", "", "", "", "", "", "", "", "", "", "0.00", "0.00"}));
    // 226000: no supplier has data; one row of empty cells.
    EXPECT_EQ(body[2].mid(0, 4), QStringList({"2", "075 0709 421000 0244  226000", "500.00", "0.00"}));
    EXPECT_EQ(body[2].mid(4), QStringList(14, ""));
    EXPECT_TRUE(page.html.Find("rowspan=1>&nbsp;2&nbsp;") >= 0);
    // 340000 without KBK: only what has no KBK either.
    EXPECT_EQ(body[3].mid(0, 4), QStringList({"3", "340000", "300.00", "0.00"}));
    EXPECT_EQ(body[3].mid(4, 6), QStringList({"ООО Альфа", "А-1, 10.01.2024", "12.00", "31.12.2024",
                                              "№ СФ-6 от 06.02.2024", "3.00"}));

    // Well-formed: every row closed, signatures and the date of the period's end.
    EXPECT_EQ(page.html.ToQString().count("<tr"), page.html.ToQString().count("</tr>"));
    EXPECT_TRUE(page.html.Find("Главный бухгалтер") >= 0);
    EXPECT_TRUE(page.html.Find("декабря") >= 0);
}

TEST_F(ObligationsExecution, NoSourceCheckedTakesEverySource)
{
    const LimitPage page = ObligationsExecutionPage(Year({}));
    ASSERT_TRUE(page.complete) << page.html.ToStdString();
    const QList<QStringList> body = Body(page.html);
    ASSERT_FALSE(body.isEmpty());
    // Both sources' breakdown lines, the source 2 invoice too.
    EXPECT_EQ(body[0].mid(4, 6), QStringList({"ООО Альфа", "А-1, 10.01.2024", "180.00", "31.12.2024",
                                              "№ СФ-1 от 01.02.2024|№ СФ-4 от 04.02.2024", "30.01|7.00"}));
    EXPECT_EQ(body[0].mid(16), QStringList({"25.01", "168.00"}));
    EXPECT_EQ(body[0][3], "40.00");
}

TEST_F(ObligationsExecution, AFailedTurnoverLeavesThePageIncomplete)
{
    // A source code no account can carry makes the turnover fail.
    ObligationsFilter filter = Year({"1"});
    filter.sources.push_back("1x");
    const LimitPage page = ObligationsExecutionPage(filter);
    EXPECT_FALSE(page.complete);
    EXPECT_TRUE(page.html.Find("Отчет неполный") >= 0);
    EXPECT_FALSE(page.html.Find("Руководитель") >= 0);
    scripts.errors.clear();
}

TEST_F(ObligationsExecution, OneBranchOrAll)
{
    struct Case {
        const char* list;
        bool ok;
        int branch;
    };
    const Case cases[] = {{"", true, -2}, {"3", true, 3}, {" 3 ,", true, 3}, {"1,3", false, 0}, {"x", false, 0}};
    for (const Case& c : cases) {
        int branch = 0;
        EXPECT_EQ(SingleBranch(c.list, branch), c.ok) << c.list;
        EXPECT_EQ(branch, c.branch) << c.list;
    }
}

TEST_F(ObligationsExecution, TheFormStartsTheFirstOfJanuaryAndShowsThePage)
{
    AfxGetApp()->WriteProfileString("constants", "select_if", "");
    EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_lbo_mes0", 0, nullptr), 1);
    auto* view = Active<CPrnLboMes0View>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_date1.GetMonth(), 1);
    EXPECT_EQ(view->m_date1.GetDay(), 1);
    view->m_date1 = COleDateTime(2024, 1, 1, 0, 0, 0);
    view->m_date2 = COleDateTime(2024, 12, 31, 0, 0, 0);
    view->UpdateData(FALSE);
    view->FillIfGrid();

    view->SetDlgItemText(IDC_FILS, "1,3");
    afxtest::InteractionScript refuse;
    refuse.message(QStringLiteral("Выберите один филиал или все"), IDOK);
    afxtest::click(view, IDOK);
    refuse.verify();

    view->SetDlgItemText(IDC_FILS, "");
    afxtest::click(view, IDOK);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    const QString text = report->GetPage()->Browser()->toPlainText();
    EXPECT_TRUE(text.contains("Исполнение денежных обязательств получателя бюджетных средств"));
    EXPECT_TRUE(text.contains("ООО Альфа")) << text.toStdString();
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", 0), -2);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/lbo_mes0.png"));
}

} // namespace
