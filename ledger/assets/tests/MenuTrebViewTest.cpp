// The catering menu requirement as the kitchen's bookkeeper enters it: the
// categories ticked with their people, the products with a quantity per
// category beside the cook's stock, price and remainder, the planned cost by
// the norms at the date against the actual cost; the save posting one
// write-off per product; the stored texts read back.
#include "CMenuTrebView.h"
#include "MenuTrebText.h"
#include "SettlementsProgram.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kFood = "110532440";     // 105.32 of source 1 (decrease): product, responsible person
const char* const kExpense = "140101272";  // 401.01.272

class MenuTrebView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_menu_treb\ndelete from ledmark_provodki\ndelete from spr_norm_spis_produktov\n"
            "delete from spr_kat_dovolstv\n"
            "insert into spr_kat_dovolstv (id, name, dt_del) values (1, 'Ясли', null), (2, 'Сад', null), "
            "(3, 'Сотрудники', null), (4, 'Закрытая', '2000-01-01')\n"
            // Product 2: a norm of 0.2 for Ясли from 1 January, 0.3 from 1 March and 0.9 from a later year.
            "insert into spr_norm_spis_produktov (d, Real_npp, kat, s) values "
            "(makedate(year(curdate()), 1), 2, 1, 0.2), (makedate(year(curdate()), 60), 2, 1, 0.3), "
            "(makedate(year(curdate()) + 1, 1), 2, 1, 0.9), (makedate(year(curdate()), 1), 2, 2, 0.5)");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "mat_menu_treb_deb", kExpense);
        app->WriteProfileString("constants", "mat_menu_treb_kred", kFood);
    }
    // The stock of `item` of employee 1 on the first day of the year.
    void Stock(const char* item, const char* quantity, const char* sum)
    {
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, "
                       "kred2, kred3, kol, s, fil_id) values (900, 1, makedate(year(curdate()), 1), '1', '105', '32', "
                       "'340', %s, '1', '1', '000', '00', '000', %s, %s, 1)",
                       item, quantity, sum));
    }
    CMenuTrebView* OpenNew()
    {
        CMenuTrebView* view = Open<CMenuTrebView>("МенюТреб.");
        if (view) {
            view->SetDlgItemText(IDC_SET_TN, "1");
            view->SetDlgItemText(IDC_MT_SB1, "340000");
            view->SetDlgItemText(IDC_MT_SB2, "3");
            Settle();
        }
        return view;
    }
    static void Save(CWnd* view)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
};

TEST_F(MenuTrebView, StoredTextsReadBackWithFiveMeals)
{
    MenuMeals meals;
    MenuRow row;
    row.code = "2";
    row.stockQuantity = "10";
    row.stockSum = "25";
    row.sumOut = "0.63";
    row.cells[2] = {2, "0.25", 7};
    row.cells[1] = {1, "0", 6};
    meals[0].push_back(row);
    row.code = "5";
    meals[0].push_back(row);
    const CString text = MealsText(meals);
    // Five places, the category fields in ascending column order, price at two decimals.
    EXPECT_EQ(Length(text, GetDelimiter()), 5);
    EXPECT_EQ(GetPart(text, GetDelimiter(), 1), CString("2|10|25|0.63|0:1:0:6:2.50|0:2:0.25:7:2.50;"
                                                       "5|10|25|0.63|1:1:0:6:2.50|1:2:0.25:7:2.50"));
    const MenuMeals back = ParseMeals(text);
    ASSERT_EQ(back[0].size(), 2u);
    EXPECT_EQ(back[0][1].code, CString("5"));
    EXPECT_EQ(back[0][0].cells.at(2).quantity, CString("0.25"));
    EXPECT_TRUE(back[1].empty() && back[4].empty());

    const std::vector<MenuCategoryEntry> entries = ParseKatDov("1:1:12:1.50:18.00:20.00|0:3:::0.00:");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].check, 0);
    EXPECT_EQ(KatDovText(entries), CString("1:1:12:1.50:18.00:20.00|0:3:::0.00:"));
}

TEST_F(MenuTrebView, ProductsShowStockCostsAndFollowTheirCategories)
{
    Stock("2", "10", "25");  // price 2.50
    CMenuTrebView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    // The categories in force, all ticked: three columns between the fixed ones and the totals.
    ASSERT_EQ(view->m_cats.GetNRows(), 3);
    EXPECT_EQ(view->CategoryColumns(), 3);
    view->m_date = COleDateTime(COleDateTime::GetCurrentTime().GetYear(), 2, 15, 0, 0, 0);
    view->UpdateData(FALSE);
    view->m_cats.SetCellValue(1, view->CategoryRow(1), "10");
    view->m_grid.SetCellValue(MT_CODE, 0, "2");
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(MT_KOL1, 0), CString("10"));
    EXPECT_EQ(view->m_grid.GetCellValue(MT_SUM1, 0), CString("25.00"));
    EXPECT_EQ(view->m_grid.GetCellValue(MT_PRICE, 0), CString("2.5"));
    EXPECT_EQ(view->m_grid.GetNRows(), 2) << "a spare row after the product";
    view->m_grid.SetCellValue(view->ColumnOf(1), 0, "1,5");
    view->m_grid.SetCellValue(view->ColumnOf(2), 0, "0.25");
    const long t = view->TotalColumn();
    EXPECT_EQ(view->m_grid.GetCellValue(t, 0), CString("1.75"));
    EXPECT_EQ(view->m_grid.GetCellValue(t + 1, 0), CString("4.38"));  // 3.75 + 0.63
    EXPECT_EQ(view->m_grid.GetCellValue(t + 2, 0), CString("8.25"));
    EXPECT_EQ(view->m_grid.GetCellValue(t + 3, 0), CString("20.62"));
    // Actual 1.5 x 2.50; planned by the norm of 15 February (0.2, not the later ones) for 10 people.
    const long nursery = view->CategoryRow(1);
    EXPECT_EQ(view->m_cats.GetCellValue(4, nursery), CString("3.75"));
    EXPECT_EQ(view->m_cats.GetCellValue(2, nursery), CString("0.50"));
    EXPECT_EQ(view->m_cats.GetCellValue(3, nursery), CString("5.00"));
    // Сотрудники have no quantity: no planned cost.
    EXPECT_EQ(view->m_cats.GetCellValue(2, view->CategoryRow(3)), CString("0.00"));

    // Unticking Ясли takes its column away; ticking it again brings its quantity back.
    view->m_cats.SetBCheck(nursery, 0);
    view->OnKatCheck();
    EXPECT_EQ(view->CategoryColumns(), 2);
    EXPECT_EQ(view->ColumnOf(1), -1);
    EXPECT_EQ(view->m_grid.GetCellValue(view->ColumnOf(2), 0), CString("0.25"));
    view->m_cats.SetBCheck(nursery, 1);
    view->OnKatCheck();
    EXPECT_EQ(view->m_grid.GetCellValue(view->ColumnOf(1), 0), CString("1.5"));
}

TEST_F(MenuTrebView, TheSaveChecksPostsOneWriteOffPerProductAndReadsBack)
{
    Stock("2", "10", "25");
    Stock("3", "4", "10");
    CMenuTrebView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCellValue(MT_CODE, 0, "2");
    Settle();
    view->m_grid.SetCellValue(view->ColumnOf(1), 0, "1.5");

    // Every ticked category needs its people.
    afxtest::InteractionScript people;
    people.message(QStringLiteral("Укажите кол-во довольствующихся"), IDOK);
    afxtest::click(view, IDOK);
    people.verify();
    for (long id : {2L, 3L}) {
        view->m_cats.SetBCheck(view->CategoryRow(id), 0);
        view->OnKatCheck();
    }
    Settle();
    view->m_cats.SetCellValue(1, view->CategoryRow(1), "12");
    // A product without quantity is refused; an unknown one too.
    view->m_grid.SetCellValue(MT_CODE, 1, "3");
    Settle();
    afxtest::InteractionScript quantity;
    quantity.message(QStringLiteral("Укажите количество"), IDOK);
    afxtest::click(view, IDOK);
    quantity.verify();
    view->m_grid.SetCellValue(view->ColumnOf(1), 1, "0.5");
    Save(view);
    Settle();

    const long realId = atol(Text("select max(real_id) as str from ledmark_menu_treb"));
    for (const auto& report : dbReports.reports())
        ADD_FAILURE() << report.headline.ToStdString() << report.details.ToStdString();
    for (const auto& error : scripts.errors)
        ADD_FAILURE() << error;
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Text("select group_concat(concat_ws('|',concat(p.kred0,p.kred1,p.kred2,p.kred3),p.kred_sb1,p.kred_sb2,p.s,p.kol) order "
                   "by p.npp separator ' / ') as str from ledmark_provodki p join ledmark_menu_treb m on m.id=p.id"),
              CString("110532440|2|1|3.75|1.500 / 110532440|3|1|1.25|0.500"));
    EXPECT_EQ(Text("select s as str from ledmark_menu_treb"), CString("5.00"));
    const CString katDov = Text("select KatDov as str from ledmark_menu_treb");
    EXPECT_TRUE(katDov.Find("1:1:12:") == 0) << katDov.ToStdString();
    EXPECT_EQ(Length(Text("select grid as str from ledmark_menu_treb"), GetDelimiter()), 5);

    // Reopened: the stored stock, the quantities in their categories' columns.
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    CMenuTrebView* stored = OpenStored<CMenuTrebView>("МенюТреб.", realId);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->CategoryColumns(), 1);
    EXPECT_EQ(stored->m_grid.GetCellValue(MT_KOL1, 0), CString("10"));
    EXPECT_EQ(stored->m_grid.GetCellValue(stored->ColumnOf(1), 1), CString("0.5"));
    // The stock asked again leaves the document's own write-off out.
    stored->SetDlgItemText(IDC_SET_TN, "");
    stored->SetDlgItemText(IDC_SET_TN, "1");
    Settle();
    EXPECT_EQ(stored->m_grid.GetCellValue(MT_KOL1, 0), CString("10"));
    // The printed requirement of the stored document.
    afxtest::click(stored, IDC_MT_PRINT);
    const QString page = ReportPage();
    for (const char* part : {"МЕНЮ-ТРЕБОВАНИЕ", "Моющее средство", "Ясли", "3.75", "Итого списано на сумму 5.00"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(stored->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/menu_treb.png"));
}

} // namespace
