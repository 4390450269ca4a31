// The food norms form: opened on the latest version (today when there is
// none), a column per category and a row per product in force at the date,
// and a save that rewrites the shown version only: a cleared norm deleted,
// other groups and categories no longer in force kept; a date typed or picked
// shows and saves its own version.
#include "CSprNormPitView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class SprNormPit : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        AfxGetApp()->WriteProfileInt("constants", "m_nOldGroupId", 1);
        // Group 1: Картофель (3) and Молоко (4), and a product deleted in
        // March; categories 1-3 in force, 4 ended in February; norms of 10.01.
        Run(FormatText(
            "delete from spr_norm_spis_produktov\n"
            "delete from spr_kat_dovolstv\n"
            "delete from spr_stovan_mat where gr=1 and id not in (3,4)\n"
            "insert into spr_kat_dovolstv (id,name,dt_del) values (1,'Ясли',null),(2,'Сад',null),(3,'Сотрудники',null),"
            "(4,'Лагерь',%s)\n"
            "insert into spr_stovan_mat (id,name,ei,gr,dt_del) values (60,'Сгущенка',3,1,%s)\n"
            "insert into spr_norm_spis_produktov (d,Real_npp,kat,s) values (%s,3,1,0.12),(%s,3,2,0.185),"
            "(%s,4,1,0.39),(%s,4,4,0.5),(%s,1,1,7),(%s,60,1,0.1)",
            Date("01.02"), Date("01.03"), Date("10.01"), Date("10.01"), Date("10.01"), Date("10.01"), Date("10.01"),
            Date("10.01")));
    }
    static CString Date(const char* dayAndMonth) { return ChangeDateUS0(ThisYear(dayAndMonth), 0); }
    CSprNormPitView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("СправочникНормыПитания", 0, nullptr), 1);
        return Active<CSprNormPitView>();
    }
    static QStringList Grid(CSprNormPitView* view)
    {
        QStringList rows;
        QStringList head;
        for (long c = 0; c < view->m_grid.GetNCols(); ++c)
            head << view->m_grid.GetColCaption(c).ToQString();
        rows << head.join("|");
        for (long r = 0; r < view->m_grid.GetNRows(); ++r) {
            QStringList cells;
            for (long c = 0; c < view->m_grid.GetNCols(); ++c)
                cells << view->m_grid.GetCellValue(c, r).ToQString();
            rows << cells.join("|");
        }
        return rows;
    }
    CString Norms()
    {
        return Text("select group_concat(concat_ws(':',date_format(d,'%d.%m'),Real_npp,kat,s) "
                    "order by d,Real_npp,kat separator ' ') as str from spr_norm_spis_produktov");
    }
    static void Save(CSprNormPitView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
};

TEST_F(SprNormPit, WithoutNormsTheFormOpensOnTodayAndTheFirstGroup)
{
    Run("delete from spr_norm_spis_produktov");
    AfxGetApp()->WriteProfileInt("constants", "m_nOldGroupId", 0);
    CSprNormPitView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), DMGtoStr(COleDateTime::GetCurrentTime()));
    EXPECT_EQ(afxtest::text(view, IDC_NORM_GROUP), QStringLiteral("Продукты питания"));
    EXPECT_EQ(view->m_grid.GetNRows(), 2);
}

TEST_F(SprNormPit, LatestVersionWithTheCategoriesAndProductsInForce)
{
    CSprNormPitView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), ThisYear("10.01"));
    EXPECT_EQ(Grid(view), QStringList({"Код|Наименование|Ед.изм|Ясли|Сад|Сотрудники|Лагерь",
                                       "3|Картофель|кг|0.12|0.185||", "4|Молоко|л|0.39|||0.5",
                                       "60|Сгущенка|л|0.1|||"}));
    afxtest::pickDate(view, IDC_NORM_DATE, QDate(QDate::currentDate().year(), 3, 1));
    EXPECT_EQ(Grid(view), QStringList({"Код|Наименование|Ед.изм|Ясли|Сад|Сотрудники", "3|Картофель|кг|||",
                                       "4|Молоко|л|||"}))
        << "a date without a version: empty norms; the ended category and product are gone";
}

TEST_F(SprNormPit, SaveRewritesTheShownVersionOnly)
{
    // At 10.02 the category "Лагерь" has ended: its norm at that date stays.
    Run(FormatText("insert into spr_norm_spis_produktov (d,Real_npp,kat,s) values (%s,4,4,0.7),(%s,4,1,0.4)",
                   Date("10.02"), Date("10.02")));
    CSprNormPitView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(DMGtoStr(view->m_date), ThisYear("10.02"));
    ASSERT_EQ(view->m_grid.GetNRows(), 3);
    view->m_grid.SetCellValue(3, 1, "");      // Молоко, Ясли cleared
    view->m_grid.SetCellValue(4, 0, "0,2");   // Картофель, Сад typed with a comma
    view->m_grid.SetCellValue(5, 0, "0");     // a zero is no norm
    Save(view);
    EXPECT_EQ(Norms(), CString("10.01:1:1:7.000 10.01:3:1:0.120 10.01:3:2:0.185 10.01:4:1:0.390 10.01:4:4:0.500 "
                               "10.01:60:1:0.100 10.02:3:2:0.200 10.02:4:4:0.700"));
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "m_nOldGroupId", 0), 1u);

    // A typed date shows and saves its own version; the earlier ones stay.
    view->m_date = qwDMG(ThisYear("01.04"), 1);
    view->UpdateData(FALSE);
    NMHDR header{view->GetDlgItem(IDC_NORM_DATE)->GetSafeHwnd(), IDC_NORM_DATE, DTN_DATETIMECHANGE};
    view->SendMessage(WM_NOTIFY, IDC_NORM_DATE, reinterpret_cast<LPARAM>(&header));
    ASSERT_EQ(view->m_grid.GetNRows(), 2);
    EXPECT_EQ(view->m_grid.GetCellValue(4, 0), CString());
    view->m_grid.SetCellValue(3, 0, "0.13");
    Save(view);
    EXPECT_TRUE(Norms().Find("01.04:3:1:0.130") >= 0) << Norms();
    EXPECT_TRUE(Norms().Find("10.02:3:2:0.200") >= 0) << Norms();
}

} // namespace
