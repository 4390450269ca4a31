// The parents' fee accruals and opening balances as a bookkeeper enters them:
// the debtors fill, the rows that count, the fee taken back, the add-row
// rule, the postings of a save and of a re-save, a refusal that leaves the
// stored document as it was, a child without a counterparty; the balances'
// lines and postings, and the balances of a child gone from the book.
#include "CRodNuchOstView.h"
#include "CRodNuchView.h"
#include "CellworkModel.h"
#include "CellworkView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QImage>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");
const QString kFillQuestion =
    QStringLiteral("Заполнить должников по родительской плате\nвзяв данные из справочника детей ?");

// Children of every kind the fill tells apart; 9 has no counterparty row.
const char* const kChildren =
    "delete from spr_contr where tip=3\n"
    "delete from spr_deti\n"
    "insert into spr_deti (id,name,s,tnp,dt_del) values (1,'Абрамов Артем',2500,2,null),"
    "(2,'Белова Анна',2500,0,null),(3,'Васильев Борис',2500,null,null),(4,'Голубева Вера',0,2,null),"
    "(5,'Давыдов Глеб',null,2,null),(6,'Егорова Дарья',3000,3,curdate() - interval 10 day),"
    "(7,'Жуков Егор',3000,3,curdate() + interval 10 day),(8,'Зайцева Ольга',2000,3,null),"
    "(9,'Ильин Иван',2000,3,null)\n"
    "insert into spr_contr (name,tip,id_tip) select name,3,id from spr_deti where id<>9";

class RodFees : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_rod_nuch)\n"
            "delete from ledmark_provodki where id in (select id from ledmark_rod_plata)\n"
            "delete from ledmark_rod_nuch\n"
            "delete from ledmark_rod_plata\n"
            "delete from ledmark_rod_plata1");
        Run(kChildren);
        CWinApp* app = AfxGetApp();
        for (const char* key : {"rod__nuch_kred", "rod__nuch_deb", "rod__nuch_ost"})
            app->WriteProfileString("constants", key, nullptr);
        app->WriteProfileInt("constants", "select_fil", 1);
    }
    template <class T>
    T* Open(const char* document, long realId = -1)
    {
        if (realId < 0)
            EXPECT_EQ(CHelpers::FN_OpenDocument0(document, 0, nullptr), 1);
        else
            EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, document, 0), 1);
        Settle();
        return Active<T>();
    }
    static void Fill(CRodNuchView* view)
    {
        afxtest::InteractionScript script;
        script.message(kFillQuestion, IDYES);
        afxtest::click(view, IDC_ROD_FILL);
        script.verify();
    }
    // Saves with Yes; true when the form closed.
    bool SaveYes(CWnd* view, const QStringList& after = {})
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        for (const QString& text : after)
            script.message(text, IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    static QStringList Column(CCellwork& grid, int col)
    {
        QStringList cells;
        for (long row = 0; row < grid.GetNRows(); ++row)
            cells << grid.GetCellValue(col, row).ToQString();
        return cells;
    }
    static bool Marked(CCellwork& grid, long row) { return !grid.View()->cells()->row(int(row)).icon.isNull(); }
    static void Row(CCellwork& grid, long row, const char* code, const char* amount, const char* teacher = "2")
    {
        if (grid.GetNRows() <= row)
            grid.SetNRows(row + 1);
        grid.SetCellValue(ROD_CODE, row, code);
        grid.SetCellValue(ROD_SUM, row, amount);
        grid.SetCellValue(ROD_TEACHER, row, teacher);
    }
    // "npp|debit|deb_sb1|deb_sb2|credit|s" of the postings of `table`'s documents.
    CString Postings(const char* table)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,'-'),"
            "coalesce(p.deb_sb2,'-'),concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,'-'),"
            "coalesce(p.kred_sb2,'-'),p.s) order by p.id,p.npp separator ' / ') as str "
            "from ledmark_provodki p join %s d on d.id=p.id",
            table));
    }
    CString Contr(int child) { return Text(FormatText("select id as str from spr_contr where tip=3 and id_tip=%d", child)); }
    long Stored(const char* table) { return (long)Count(FormatText("select max(real_id) as cnt from %s", table)); }
};

TEST_F(RodFees, TheFillListsTheDebtorsInNameOrderAndReplacesTheTable)
{
    CRodNuchView* view = Open<CRodNuchView>("нач.род.платы");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strDebit, CString("220503560"));
    EXPECT_EQ(view->m_strCredit, CString("240101130"));
    EXPECT_EQ(view->m_strContent, CString("Начисление родительской платы"));
    Row(view->m_grid, 0, "2", "100.00");
    Row(view->m_grid, 1, "", "");
    Fill(view);
    // No teacher (2, 3), no fee (4, 5) and gone before the date (6) are left
    // out; 7 leaves after the date and is listed with the mark.
    EXPECT_EQ(Column(view->m_grid, ROD_CODE), QStringList({"1", "7", "8", "9"}));
    EXPECT_EQ(Column(view->m_grid, ROD_NAME),
              QStringList({"Абрамов Артем", "Жуков Егор", "Зайцева Ольга", "Ильин Иван"}));
    EXPECT_EQ(Column(view->m_grid, ROD_FEE), QStringList({"2500.00", "3000.00", "2000.00", "2000.00"}));
    EXPECT_EQ(Column(view->m_grid, ROD_SUM), Column(view->m_grid, ROD_FEE));
    EXPECT_EQ(Column(view->m_grid, ROD_TEACHER), QStringList({"2", "3", "3", "3"}));
    for (long row = 0; row < 4; ++row)
        EXPECT_EQ(Marked(view->m_grid, row), row == 1) << row;

    // The table after the fill, one leaving mark, as the bookkeeper sees it.
    view->GetParentFrame()->MoveWindow(0, 0, 1000, 700);
    Settle();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    EXPECT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/rod_nuch_filled.png"));
}

TEST_F(RodFees, TheGridCompletesARowFromTheBook)
{
    CRodNuchView* view = Open<CRodNuchView>("нач.род.платы");
    ASSERT_NE(view, nullptr);
    CCellwork& grid = view->m_grid;
    ASSERT_EQ(grid.GetNRows(), 1);
    grid.SetCellValue(ROD_CODE, 0, "7");
    EXPECT_EQ(grid.GetCellValue(ROD_NAME, 0), CString("Жуков Егор"));
    EXPECT_EQ(grid.GetCellValue(ROD_SUM, 0), CString("3000.00"));
    EXPECT_TRUE(Marked(grid, 0));
    // An emptied amount takes the fee back.
    grid.SetFocus0();
    grid.SetCurCell(ROD_SUM, 0);
    afxtest::typeKeys(grid.GetQWidget(), QStringLiteral("1"));
    afxtest::pressKey(grid.GetQWidget(), Qt::Key_Backspace);
    afxtest::pressKey(grid.GetQWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(grid.GetCellValue(ROD_SUM, 0), CString("3000.00"));
    // The teacher cell is empty: no row is added; once it is filled, one is.
    grid.SetCellValue(ROD_TEACHER, 0, "");
    view->SendMessage(CRodFeeView::kAddRowMsg);
    EXPECT_EQ(grid.GetNRows(), 1);
    grid.SetCellValue(ROD_TEACHER, 0, "3");
    view->SendMessage(CRodFeeView::kAddRowMsg);
    EXPECT_EQ(grid.GetNRows(), 2);
    // The code emptied clears the row's name, fee and amount and the mark.
    grid.SetCellValue(ROD_CODE, 0, "");
    EXPECT_EQ(grid.GetCellValue(ROD_NAME, 0), CString());
    EXPECT_EQ(grid.GetCellValue(ROD_SUM, 0), CString());
    EXPECT_FALSE(Marked(grid, 0));
}

TEST_F(RodFees, ASaveRefusesWhatCannotBePosted)
{
    CRodNuchView* view = Open<CRodNuchView>("нач.род.платы");
    ASSERT_NE(view, nullptr);
    // Rows without a code or an amount do not count.
    Row(view->m_grid, 0, "1", "");
    Row(view->m_grid, 1, "", "500");
    afxtest::InteractionScript none;
    none.message(QStringLiteral("Укажите кому начислили"), IDOK);
    afxtest::click(view, IDOK);
    none.verify();
    // A child without a counterparty row is refused by name, nothing written.
    Row(view->m_grid, 2, "9", "2000");
    afxtest::InteractionScript contr;
    contr.message(QStringLiteral("У ребенка нет контрагента: Ильин Иван"), IDOK);
    afxtest::click(view, IDOK);
    contr.verify();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_rod_nuch"), 0);
}

TEST_F(RodFees, AnAccrualPostsItsRowsAndAReSaveReplacesThem)
{
    CRodNuchView* view = Open<CRodNuchView>("нач.род.платы");
    ASSERT_NE(view, nullptr);
    Row(view->m_grid, 0, "1", "2500");
    Row(view->m_grid, 1, "7", "", "3");  // no amount: kept in the grid, not posted
    Row(view->m_grid, 2, "8", "1500.50", "3");
    ASSERT_TRUE(SaveYes(view));
    const long realId = Stored("ledmark_rod_nuch");
    const long id = (long)Count(FormatText("select id as cnt from ledmark_rod_nuch where real_id=%d", realId));
    EXPECT_EQ(Postings("ledmark_rod_nuch"),
              FormatText("1|220503560|%s|2|240101130|-|-|2500.00 / 2|220503560|%s|3|240101130|-|-|1500.50",
                         Contr(1), Contr(8)));
    EXPECT_EQ(Text(FormatText("select s as str from ledmark_rod_nuch where real_id=%d", realId)), CString("4000.50"));
    EXPECT_EQ(AfxGetApp()->GetProfileString("constants", "rod__nuch_deb", ""), CString("220503560"));

    // Opened again: the stored rows, the amount-less row among them.
    view = Open<CRodNuchView>("нач.род.платы", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Column(view->m_grid, ROD_CODE).mid(0, 3), QStringList({"1", "7", "8"}));
    // A refused posting in the middle leaves the stored document as it was.
    view->m_grid.SetCellValue(ROD_TEACHER, 1, "3");
    view->m_grid.SetCellValue(ROD_SUM, 1, "300");
    view->m_grid.SetCellValue(ROD_TEACHER, 2, "999");
    scripts.messages.clear();
    afxtest::click(view, IDOK);
    ASSERT_FALSE(scripts.messages.empty()) << "the posting script says why";
    EXPECT_NE(scripts.messages.back().find("999"), std::string::npos) << scripts.messages.back();
    EXPECT_EQ(Postings("ledmark_rod_nuch"),
              FormatText("1|220503560|%s|2|240101130|-|-|2500.00 / 2|220503560|%s|3|240101130|-|-|1500.50",
                         Contr(1), Contr(8)));
    // Mended, the re-save replaces the postings under the same id.
    view->m_grid.SetCellValue(ROD_TEACHER, 2, "3");
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(Postings("ledmark_rod_nuch"),
              FormatText("1|220503560|%s|2|240101130|-|-|2500.00 / 2|220503560|%s|3|240101130|-|-|300.00 / "
                         "3|220503560|%s|3|240101130|-|-|1500.50",
                         Contr(1), Contr(7), Contr(8)));
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_rod_nuch where id=%d", id)), 1);
}

// The balances: "npp|debit|deb_sb1|deb_sb2|credit|kred_sb1|kred_sb2|s".
TEST_F(RodFees, OpeningBalancesWriteALinePerBalanceAndPostTheNonZeroOnes)
{
    Run("update spr_deti set dt_del=curdate() - interval 20 day where id=1");
    CRodNuchOstView* view = Open<CRodNuchOstView>("нач.ост.род.платы");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strAccount, CString("220503000"));
    // Every child who has not left, in code order: 1 and 6 have left.
    EXPECT_EQ(Column(view->m_grid, OST_CODE), QStringList({"2", "3", "4", "5", "7", "8", "9"}));
    EXPECT_EQ(Column(view->m_grid, OST_NPP), QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    CCellwork& grid = view->m_grid;
    grid.SetCellValue(OST_S1, 4, "900");  // 7: both, the underpayment first
    grid.SetCellValue(OST_S2, 4, "100,5");
    grid.SetCellValue(OST_S2, 5, "150");  // 8: overpayment only
    grid.SetCellValue(OST_S1, 6, "0");    // 9: a line, no posting (and no counterparty needed)
    ASSERT_TRUE(SaveYes(view));
    const long realId = Stored("ledmark_rod_plata");
    const auto lines = [&] {
        return Text(FormatText("select group_concat(concat_ws('|',id,coalesce(s1,'-'),coalesce(s2,'-'),"
                               "coalesce(tnp,'-')) order by id separator ' / ') as str from ledmark_rod_plata1 "
                               "where real_id=%d",
                               realId));
    };
    EXPECT_EQ(lines(), CString("7|900.00|100.50|3 / 8|-|150.00|3 / 9|0.00|-|3"));
    EXPECT_EQ(Postings("ledmark_rod_plata"),
              FormatText("1|220503560|%s|3|200000000|-|-|900.00 / 2|200000000|-|-|220503660|%s|3|100.50 / "
                         "3|200000000|-|-|220503660|%s|3|150.00",
                         Contr(7), Contr(7), Contr(8)));
    EXPECT_EQ(Text(FormatText("select s as str from ledmark_rod_plata where real_id=%d", realId)), CString("649.50"));

    // Child 7 leaves before the date and 8 is removed from the book: 7 is
    // still listed for its balance; 8's balance stays stored and posted.
    Run("update spr_deti set dt_del=curdate() - interval 5 day where id=7\n"
        "delete from spr_deti where id=8");
    view = Open<CRodNuchOstView>("нач.ост.род.платы", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Column(view->m_grid, OST_CODE), QStringList({"2", "3", "4", "5", "7", "9"}));
    EXPECT_EQ(view->m_grid.GetCellValue(OST_S1, 4), CString("900.00"));
    EXPECT_TRUE(Marked(view->m_grid, 4));
    view->m_grid.SetCellValue(OST_S2, 4, "");
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(lines(), CString("7|900.00|-|3 / 8|-|150.00|3 / 9|0.00|-|3"));
    EXPECT_EQ(Postings("ledmark_rod_plata"),
              FormatText("1|220503560|%s|3|200000000|-|-|900.00 / 2|200000000|-|-|220503660|%s|3|150.00",
                         Contr(7), Contr(8)));
}

} // namespace
