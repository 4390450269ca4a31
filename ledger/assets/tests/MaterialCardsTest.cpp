// The inventory list of materials and the accounting cards of material
// values as a bookkeeper prints them: the account condition of the ticked
// accounts, the items with movements under the branch, source and
// responsible-person filters, the call texts the report scripts receive and
// the pages they print from a small year of postings.
#include "CMatInventView.h"
#include "CMatKuView.h"
#include "MaterialCards.h"
#include "SettlementsProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

TEST(MaterialCardsText, AccountConditionOfTheTickedRows)
{
    const InventAccount stock{"105", "34", "Строительные материалы"};
    const InventAccount offBalance{"05", "", "Материальные ценности, полученные по централизованному снабжению"};
    const InventAccount food{"105", "32", "Продукты питания"};
    const struct {
        std::vector<InventAccount> accounts;
        const char* condition;
    } cases[] = {
        {{stock}, " and ((col1='105' and col2='34'))"},
        {{offBalance}, " and (col1='05')"},
        {{InventAccount{"101", "", ""}}, " and (col1='101')"},
        {{stock, offBalance, food}, " and ((col1='105' and col2='34') or col1='05' or (col1='105' and col2='32'))"},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InventAccountCondition(c.accounts), CString(c.condition));
    EXPECT_EQ(InventAccountText(stock), CString("0 105 34 000"));
    EXPECT_EQ(InventAccountText(offBalance), CString("05"));
}

TEST(MaterialCardsText, TheAccountTextOfEachServer)
{
    EXPECT_EQ(MatAccountTextSql(SqlDialect::PostgreSql), CString("coalesce(sch0,'')||' '||sch1||' '||coalesce(sch2,'')"));
    EXPECT_EQ(MatAccountTextSql(SqlDialect::SqlServer),
              CString("isnull(convert(varchar(1),sch0),'')+' '+sch1+' '+isnull(sch2,'')"));
    MatCardFilter filter;
    filter.periodEnd = "31.12.2026";
    filter.tn = 3;
    const CString pg = MatCardItemsSql(filter, SqlDialect::PostgreSql);
    EXPECT_NE(pg.Find("deb_sb2='3'"), -1) << (LPCTSTR)pg;
    EXPECT_NE(pg.Find("cast(spr_stovan_mat.id as varchar(30))=sb"), -1) << (LPCTSTR)pg;
    EXPECT_EQ(MatCardItemList({{"2", "1 105 36"}, {"5", "2 105 32"}}), CString("2:1 105 36 000,5:2 105 32 000"));
}

class MaterialCards : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_provodki");
        AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
        // Item 2 of the caretaker (3), source 1, branch 1: 10 at the year's
        // start, 5 received in March, 3 written off in June. Item 5 of the
        // cook (4), source 2, branch 2: 4 received in February.
        Receipt(1, "makedate(year(curdate()) - 1, 300)", "1", "36", 2, 3, 10, 450, 1);
        Receipt(2, "makedate(year(curdate()), 70)", "1", "36", 2, 3, 5, 250, 1);
        WriteOff(3, "makedate(year(curdate()), 160)", "1", "36", 2, 3, 3, 141, 1);
        Receipt(4, "makedate(year(curdate()), 40)", "2", "32", 5, 4, 4, 120, 2);
    }
    // Stock account 105 of `source` with the analytic part `analytic`, item and
    // responsible person, debited from 302.34 or credited to 401.01.
    void Receipt(int id, const char* day, const char* source, const char* analytic, int item, int tn, int kol, int s,
                 int branch)
    {
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, "
                       "kred1, kred2, kred3, kol, s, fil_id) values (%d, 1, %s, '%s', '105', '%s', '340', '%d', '%d', "
                       "'%s', '302', '34', '730', %d, %d, %d)",
                       id, day, source, analytic, item, tn, source, kol, s, branch));
    }
    void WriteOff(int id, const char* day, const char* source, const char* analytic, int item, int tn, int kol, int s,
                  int branch)
    {
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, kred0, kred1, kred2, kred3, "
                       "kred_sb1, kred_sb2, kol, s, fil_id) values (%d, 1, %s, '%s', '401', '01', '272', '%s', '105', "
                       "'%s', '440', '%d', '%d', %d, %d, %d)",
                       id, day, source, source, analytic, item, tn, kol, s, branch));
    }
    static CString Items(CMatKuView* view)
    {
        CString text;
        for (long row = 0; row < view->m_grid.GetNRows(); ++row)
            text += (row ? "|" : "") + view->m_grid.GetCellValue(0, row) + " " + view->m_grid.GetCellValue(1, row) +
                    " " + view->m_grid.GetCellValue(3, row);
        return text;
    }
    std::vector<std::string> Calls()
    {
        std::vector<std::string> texts;
        for (const auto& call : scripts.calls)
            if (call.call.find("prn(") == 0 || call.call.find("PrepareTheReport(") == 0)
                texts.push_back(call.call);
        return texts;
    }
    static long RowOf(CCellwork& grid, long col, const char* text)
    {
        for (long row = 0; row < grid.GetNRows(); ++row)
            if (grid.GetCellValue(col, row) == text)
                return row;
        return -1;
    }
};

TEST_F(MaterialCards, TheItemListFollowsBranchSourceAndResponsiblePerson)
{
    CMatKuView* view = Open<CMatKuView>("mat_ku");
    ASSERT_NE(view, nullptr);
    const struct {
        const char* what;
        int source;
        int branchIndex;  // 0: "Все"
        const char* tn;
        const char* items;
    } cases[] = {
        {"everything, item 2 on both sides once", 0, 0, "",
         "5 Лампа светодиодная 2 105 32|2 Моющее средство 1 105 36"},
        {"source 2", 2, 0, "", "5 Лампа светодиодная 2 105 32"},
        {"the caretaker", 0, 0, "3", "2 Моющее средство 1 105 36"},
        {"branch 2", 0, 2, "", "5 Лампа светодиодная 2 105 32"},
        {"a responsible person that is no number", 0, 0, "3 or 1=1", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        afxtest::chooseEntry(view, IDC_MK_SOURCE, c.source);
        afxtest::chooseEntry(view, IDC_FIL, c.branchIndex);
        view->SetDlgItemText(IDC_SET_TN, c.tn);
        Settle();
        EXPECT_EQ(Items(view), CString(c.items));
    }
}

TEST_F(MaterialCards, TheCardsPrintTheTickedItemsOrTheCurrentOne)
{
    CMatKuView* view = Open<CMatKuView>("mat_ku");
    ASSERT_NE(view, nullptr);
    const long soap = RowOf(view->m_grid, 0, "2");
    ASSERT_GE(soap, 0);
    const CString year = ThisYear("31.12").Right(4);

    // No tick: the current row is printed and stays ticked; "Все" sends no branch.
    view->m_grid.SetCurRow(soap);
    scripts.Clear();
    afxtest::click(view, IDC_MK_PRINT_041);
    EXPECT_EQ(view->m_grid.GetBCheck(soap), 1);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0], std::string("prn(\"2:1 105 36 000\",\"01.01." + std::string(year) + "\",\"31.12." +
                                      std::string(year) + "\",\"\",\"\")"));
    QString page = ReportPage();
    for (const char* part : {"0504041", "Моющее средство", "Остаток на начало", "450.00", "250.00", "141.00",
                             "Остаток на конец", "559.00"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();

    // The working period changed after the view opened is the one printed;
    // both ticked items go in grid order; the other two forms.
    SetDPV1(ThisYear("01.04"));
    SetDPV2(ThisYear("30.06"));
    view->m_grid.SetBCheckAll(1);
    afxtest::chooseEntry(view, IDC_FIL, 1);
    const struct {
        UINT button;
        const char* function;
        const char* title;
    } forms[] = {{IDC_MK_PRINT_042, "PrepareTheReport", "КАРТОЧКА КОЛИЧЕСТВЕННОГО УЧЕТА"},
                 {IDC_MK_PRINT_043, "PrepareTheReport", "КНИГА УЧЕТА МАТЕРИАЛЬНЫХ ЦЕННОСТЕЙ"}};
    for (const auto& form : forms) {
        SCOPED_TRACE(form.title);
        view->m_grid.SetBCheckAll(1);
        scripts.Clear();
        afxtest::click(view, form.button);
        ASSERT_EQ(Calls().size(), 1u);
        const std::string call = Calls()[0];
        EXPECT_EQ(call.rfind(std::string(form.function) + "(\"", 0), 0u) << call;
        EXPECT_NE(call.find("\"01.01." + std::string(year) + "\",\"30.06." + std::string(year) + "\""),
                  std::string::npos)
            << call;
        page = ReportPage();
        EXPECT_TRUE(page.contains(QString::fromUtf8(form.title))) << page.toStdString();
    }
}

TEST_F(MaterialCards, TheCardNamesTheDocumentOfEachMovement)
{
    // The caretaker's item 2 moved this year by documents of several kinds;
    // a posting whose document no kind holds keeps its bare id.
    const struct {
        int id;
        const char* table;  // nullptr: no header row
        const char* number;
        const char* shown;
    } cases[] = {
        {910001, "ledmark_mat_nakl", "7", "Накладная по МЗ № 7"},
        {910002, "ledmark_mat_mol_to_mol", "8", "Внутреннее перемещение МЗ № 8"},
        {910003, "ledmark_mat_spis", "9", "Списание материалов № 9"},
        {910004, nullptr, "", "Операция 910004"},
    };
    for (const auto& c : cases) {
        for (const char* table : {"ledmark_mat_nakl", "ledmark_mat_mol_to_mol", "ledmark_mat_spis"})
            Run(FormatText("delete from %s where id=%d", table, c.id));
        if (c.table)
            Run(FormatText("insert into %s (id, number, d, fil_id) values (%d, '%s', makedate(year(curdate()), 100), 1)",
                           c.table, c.id, c.number));
        WriteOff(c.id, "makedate(year(curdate()), 100)", "1", "36", 2, 3, 1, 47, 1);
    }
    CMatKuView* view = Open<CMatKuView>("mat_ku");
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCurRow(RowOf(view->m_grid, 0, "2"));
    afxtest::click(view, IDC_MK_PRINT_041);
    const QString page = ReportPage();
    for (const auto& c : cases)
        EXPECT_TRUE(page.contains(QString::fromUtf8(c.shown))) << c.shown << "\n" << page.toStdString();
}

TEST_F(MaterialCards, AResponsiblePersonWithAQuoteIsRefusedBeforeAnyCall)
{
    CMatKuView* view = Open<CMatKuView>("mat_ku");
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_SET_TN, "3\"");
    Settle();
    scripts.Clear();
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Нет такого работника"), IDOK);
    afxtest::click(view, IDC_MK_PRINT_041);
    script.verify();
    EXPECT_TRUE(Calls().empty());
}

TEST_F(MaterialCards, TheInventoryListOfTheTickedAccounts)
{
    CMatInventView* view = Open<CMatInventView>("mat_invent");
    ASSERT_NE(view, nullptr);
    const long stock = RowOf(view->m_grid, 0, "0 105 36 000");
    const long food = RowOf(view->m_grid, 0, "0 105 32 000");
    ASSERT_GE(stock, 0);
    ASSERT_GE(food, 0);
    scripts.Clear();
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Укажите какие счета"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    view->m_grid.SetBCheck(stock, 1);
    view->m_grid.SetBCheck(food, 1);
    view->SetDlgItemText(IDC_SET_TN, "999");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Нет такого работника"), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_TRUE(Calls().empty());

    view->SetDlgItemText(IDC_SET_TN, "3");
    afxtest::click(view, IDOK);
    const CString end = ThisYear("31.12");
    const std::vector<std::string> calls = Calls();
    ASSERT_EQ(calls.size(), 1u) << "the report runs once";
    const std::string first = stock < food ? "(col1='105' and col2='36') or (col1='105' and col2='32')"
                                           : "(col1='105' and col2='32') or (col1='105' and col2='36')";
    EXPECT_EQ(calls[0], "PrepareTheReport(\"" + std::string(end) + "\",\"3\",\" and (" + first + ")\",-2,0)");
    const QString page = ReportPage();
    for (const char* part : {"ИНВЕНТАРИЗАЦИОННАЯ ОПИСЬ", "Моющее средство", "12", "559.00"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QString::fromUtf8("Лампа светодиодная"))) << "the cook's item";
}

TEST_F(MaterialCards, PictureOfACard)
{
    CMatKuView* view = Open<CMatKuView>("mat_ku");
    ASSERT_NE(view, nullptr);
    Settle();
    QCoreApplication::processEvents();
    QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/mat_ku.png"));
    view->m_grid.SetCurRow(RowOf(view->m_grid, 0, "2"));
    afxtest::click(view, IDC_MK_PRINT_041);
    Settle();
    CWnd* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 2);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/mat_card_0504041.png"));
}

} // namespace
