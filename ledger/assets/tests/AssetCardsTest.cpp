// The inventory cards of fixed assets and their list: the assets with
// postings on 101 under the branch, source and responsible person chosen
// (nothing left out for all of them); the ticked cards, or the current one,
// printed as the card of each asset or as one group card; the list's report
// call with its bounds; a picture of a card.
#include "AssetCards.h"
#include "CPrnOsInventKartView.h"
#include "CPrnOsOpisInvKartView.h"
#include "CReportView.h"
#include "SettlementsProgram.h"
#include "naddviews.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

class AssetCards : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", -2);
        Run("delete from ledmark_provodki\ndelete from spr_osn_sr where id>=300");
        // Two desks of the caretaker (4) under source 1, one of them partly
        // depreciated; a cupboard of employee 3 under source 2; a fridge of
        // the second branch.
        Card(301, "Стол ученический", "1013601", 4, 1, '1', "1000", "1", "400");
        Card(302, "Стол учительский", "1013602", 4, 1, '1', "3000", "2", "0");
        Card(303, "Шкаф платный", "1013603", 3, 1, '2', "5000", "1", "0");
        Card(304, "Холодильник филиала", "1013404", 2, 2, '1', "7000", "1", "0");
    }
    void Card(int id, const char* name, const char* code, int mol, int branch, char source, const char* value,
              const char* quantity, const char* depreciation)
    {
        Run(FormatText("insert into spr_osn_sr (id,name,code,fil_id,kol,first_price,sch,sch_iz,kbk_deb,kbk_kred,mol,"
                       "prd,d_post) values (%d,'%s','%s',%d,%s,%s,'%c10136310','%c10436410',2,2,%d,1,"
                       "makedate(year(curdate()),1))",
                       id, name, code, branch, quantity, value, source, source, mol));
        Run(FormatText("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kred0,kred1,"
                       "kred2,kred3,kol,s,fil_id,prim) values (900,%d,makedate(year(curdate()),1),'%c','101','36','310',"
                       "'%d','%d','1','%c','000','00','000',%s,%s,%d,'Ввод остатков')",
                       2 * id, source, id, mol, source, quantity, value, branch));
        if (atof(depreciation) != 0)
            Run(FormatText("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,"
                           "kred_sb1,s,fil_id) values (900,%d,makedate(year(curdate()),1),'%c','000','00','000','%c',"
                           "'104','36','410','%d',%s,%d)",
                           2 * id + 1, source, source, id, depreciation, branch));
    }
    CPrnOsInventKartView* OpenCards(int mode)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_invent_kart", mode, nullptr), 1);
        Settle();
        return Active<CPrnOsInventKartView>();
    }
    // "id name code account" of each listed asset, by "; ".
    static CString Listed(CPrnOsInventKartView* view)
    {
        CString text;
        for (long row = 0; row < view->m_grid.GetNRows(); ++row)
            text += (row ? "; " : "") + view->m_grid.GetCellValue(0, row) + " " + view->m_grid.GetCellValue(1, row) +
                    " " + view->m_grid.GetCellValue(2, row) + " " + view->m_grid.GetCellValue(3, row);
        return text;
    }
    void Close(CWnd* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
};

TEST_F(AssetCards, TheAssetsOfTheFilters)
{
    struct Case {
        const char* name;
        int branch;  // the entry's item data (-2 all)
        int source;
        const char* tn;
        const char* listed;
    } cases[] = {
        {"all branches and sources", -2, 0, "",
         "301 Стол ученический 1013601 1 101 36; 302 Стол учительский 1013602 1 101 36; "
         "304 Холодильник филиала 1013404 1 101 36; 303 Шкаф платный 1013603 2 101 36"},
        {"the first branch", 1, 0, "",
         "301 Стол ученический 1013601 1 101 36; 302 Стол учительский 1013602 1 101 36; "
         "303 Шкаф платный 1013603 2 101 36"},
        {"source 2", -2, 2, "", "303 Шкаф платный 1013603 2 101 36"},
        {"the caretaker", -2, 0, "4",
         "301 Стол ученический 1013601 1 101 36; 302 Стол учительский 1013602 1 101 36"},
        {"a person typed as no number lists nothing", -2, 0, "4'", ""},
    };
    CPrnOsInventKartView* view = OpenCards(0);
    ASSERT_NE(view, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < view->m_comboFil.GetCount(); ++i)
            if (int(view->m_comboFil.GetItemData(i)) == c.branch)
                view->m_comboFil.SetCurSel(i);
        view->m_comboSource.SetCurSel(c.source);
        view->SetDlgItemText(IDC_SET_TN, c.tn);
        view->LoadAssets();
        EXPECT_EQ(Listed(view), CString(c.listed));
    }

    // With everything chosen the query has no condition but the date; the
    // account is one blank-separated text on every server.
    OsCardFilter all;
    all.periodEnd = "31.12.2030";
    const CString mysql = OsCardItemsSql(all, SqlDialect::MySql);
    for (const char* absent : {"fil_id", "deb0=", "kred0=", "_sb2="})
        EXPECT_EQ(mysql.Find(absent), -1) << absent;
    EXPECT_NE(mysql.Find("concat(coalesce(sch0,''),' ',sch1,' ',coalesce(sch2,''))"), -1);
    EXPECT_NE(OsCardItemsSql(all, SqlDialect::PostgreSql).Find("coalesce(sch0,'')||' '||sch1||' '||coalesce(sch2,'')"),
              -1);
    EXPECT_NE(OsCardItemsSql(all, SqlDialect::SqlServer)
                  .Find("isnull(convert(varchar(1),sch0),'')+' '+sch1+' '+isnull(sch2,'')"),
              -1);
    OsCardFilter some = all;
    some.branch = 1;
    some.source = 2;
    some.tn = 4;
    EXPECT_NE(OsCardItemsSql(some, SqlDialect::MySql).Find("and deb0='2' and deb_sb2='4' and fil_id=1"), -1);
}

TEST_F(AssetCards, TheTickedCardsOrTheCurrentOneInEachMode)
{
    struct Case {
        int mode;
        std::vector<long> ticked;
        long current;
        std::vector<const char*> shown;
        std::vector<const char*> absent;
    } cases[] = {
        {0, {}, 0, {"ИНВЕНТАРНАЯ КАРТОЧКА УЧЕТА ОСНОВНЫХ СРЕДСТВ", "Стол ученический", "1000.00", "400.00", "600.00",
                    "Начисление амортизации"},
         {"Стол учительский"}},
        {0, {0, 1}, 2, {"Стол ученический", "Стол учительский", "3000.00"}, {"Холодильник"}},
        {1, {0, 1}, 2, {"ИНВЕНТАРНАЯ КАРТОЧКА ГРУППОВОГО УЧЕТА", "Стол ученический", "Стол учительский", "4000.00",
                        "3600.00"},
         {"Холодильник"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        CPrnOsInventKartView* view = OpenCards(c.mode);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->m_grid.GetNRows(), 4);
        for (long row : c.ticked)
            view->m_grid.SetBCheck(row, 1);
        view->m_grid.SetCurCell(0, c.current);
        afxtest::click(view, IDC_OSK_PRINT);
        const QString page = ReportPage();
        for (const char* part : c.shown)
            EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
        for (const char* part : c.absent)
            EXPECT_FALSE(page.contains(QString::fromUtf8(part))) << part;
        Close(view);
    }

    // A mode that names no card says so.
    CPrnOsInventKartView* view = OpenCards(2);
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Нет такого вида инвентарной карточки: 2"), IDOK);
    view->m_grid.SetCurCell(0, 0);
    afxtest::click(view, IDC_OSK_PRINT);
    script.verify();
}

TEST_F(AssetCards, TheListsCallWithItsBounds)
{
    EXPECT_EQ(CHelpers::FN_OpenDocument0("prn_os_opis_inv_kart", 0, nullptr), 1);
    Settle();
    auto* view = Active<CPrnOsOpisInvKartView>();
    ASSERT_NE(view, nullptr);
    ASSERT_GT(view->m_grid.GetNRows(), 0);
    bool has104 = false, has101 = false;
    for (long row = 0; row < view->m_grid.GetNRows(); ++row) {
        has104 = has104 || view->m_grid.GetCellValue(0, row).Find("104") >= 0;
        has101 = has101 || view->m_grid.GetCellValue(0, row) == "0 101 36 000";
    }
    EXPECT_TRUE(has101);
    EXPECT_FALSE(has104) << "depreciation is no fixed-asset account of the list";

    const CString end = GetDPV2();
    struct Case {
        const char* tn;
        const char* prd;
        const char* from;
        const char* to;
        const char* call;     // null: refused with `refusal`
        const char* refusal;
    } cases[] = {
        {"", "", "", "", "\"\",\"\",\"0\",\"\",\"\",\"\",\"\")", nullptr},
        {"4", "1", "1 000,5", "5000", "\"4\",\"1\",\"0\",\"\",\"\",\"1000.5\",\"5000\")", nullptr},
        {"", "", "сто", "", nullptr, "Укажите стоимость числом"},
        {"", "", "", "1\")", nullptr, "Укажите стоимость числом"},
        {"99999", "", "", "", nullptr, "Нет такого работника"},
        {"", "1 or 1", "", "", nullptr, "Нет такого подразделения"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        view->SetDlgItemText(IDC_SET_TN, c.tn);
        view->SetDlgItemText(IDC_OSK_PRD, c.prd);
        view->SetDlgItemText(IDC_OSK_FROM, c.from);
        view->SetDlgItemText(IDC_OSK_TO, c.to);
        CString call;
        if (c.call) {
            ASSERT_TRUE(view->ReportCall(call));
            EXPECT_EQ(call, "prn(\"" + end + "\"," + c.call);
        } else {
            afxtest::InteractionScript script;
            script.message(QString::fromUtf8(c.refusal), IDOK);
            EXPECT_FALSE(view->ReportCall(call));
            script.verify();
        }
    }

    // Printed for the ticked 101.36: the cards with a value in the bounds.
    for (long row = 0; row < view->m_grid.GetNRows(); ++row)
        view->m_grid.SetBCheck(row, view->m_grid.GetCellValue(0, row) == "0 101 36 000");
    view->SetDlgItemText(IDC_SET_TN, "");
    view->SetDlgItemText(IDC_OSK_PRD, "");
    view->SetDlgItemText(IDC_OSK_FROM, "2000");
    view->SetDlgItemText(IDC_OSK_TO, "5000");
    AfxGetApp()->WriteProfileInt("constants", "select_fil_prn", 7);
    afxtest::click(view, IDOK);
    const QString page = ReportPage();
    EXPECT_TRUE(page.contains(QStringLiteral("ОПИСЬ ИНВЕНТАРНЫХ КАРТОЧЕК"))) << page.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("Стол учительский")));
    EXPECT_TRUE(page.contains(QStringLiteral("Шкаф платный")));
    EXPECT_FALSE(page.contains(QStringLiteral("Стол ученический"))) << "below the lower bound";
    EXPECT_FALSE(page.contains(QStringLiteral("Холодильник"))) << "above the upper bound";
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "select_fil_prn", 0), -2);
}

// A movement names its document as the journal does, by kind, number and
// date; a posting of no stored document is told as an operation. The
// depreciation written off against the value moves both accounts.
TEST_F(AssetCards, TheMovementsNameTheirDocuments)
{
    Run("delete from ledmark_os_spis\n"
        "insert into ledmark_os_spis (id,number,d,deb,prim,fil_id) values (901,'5',makedate(year(curdate()),20),"
        "'140101172','Списание ОС',1)\n"
        "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,"
        "kred_sb3,kol,s,fil_id,prim) values (901,1,makedate(year(curdate()),20),'1','104','36','410','301','1','101',"
        "'36','310','301','4','1',1,400,1,'Списана начисленная сумма амортизации')\n"
        "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,kred_sb1,kred_sb2,"
        "kred_sb3,s,fil_id,prim) values (901,2,makedate(year(curdate()),20),'1','401','01','172','1','101','36',"
        "'310','301','4','1',600,1,'Списана остаточная стоимость')");
    const QString page = CString(CPrnOsInvKart::Page("301", -2, false)).ToQString();
    for (const char* part : {"Списание основных средств № 5", "Операция 900", "Списание амортизации", "Выбытие",
                             "600.00",
                             // nothing left: no quantity, value or depreciation
                             "<td align=right>0</td><td align=right>0.00</td><td align=right>0.00</td>"})
        EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral(">901<"))) << "a bare document id";
    Run("delete from ledmark_os_spis");
}

TEST_F(AssetCards, PictureOfAnInventoryCard)
{
    CHelpers::DisplayMessage(CPrnOsInvKart::Page("301", -2, false), "Инвентарная карточка", 0, 9, "", -1, -1);
    Settle();
    auto* report = Active<CReportView>();
    ASSERT_NE(report, nullptr);
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(report->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 4);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_invent_kart.png"));
    EXPECT_TRUE(CPrnOsInvKart::Page("999999,x", -2, false).IsEmpty()) << "no such asset";
}

} // namespace
