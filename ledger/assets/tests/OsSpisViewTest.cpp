// The write-off of fixed assets as a bookkeeper enters it: each card's value,
// quantity and accumulated depreciation taken from its ledger balances, the
// depreciation and the residual value written off in the card's shares, the
// card disposed of or moved off balance; the checks in their order; a stored
// write-off saved again over its own postings, also with an asset dropped;
// the several cards a picker brings; the acts; a picture.
#include "COsSpisView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/DlgkitIds.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kWriteOff = "140101172";  // 401.01.172: no dimensions
const char* const kOffBalance = "102100000"; // 021 of source 1: card, responsible person, source
const char* const kOffer = "Документ успешно записан.\nЖелаете внести новый документ ? ";

class OsSpisView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_os_spis\n"
            "delete from ledmark_provodki\n"
            "delete from spr_osn_sr where id>=300\n"
            "update spr_plan_sch set sb1=0,sb2=0 where col0=1 and col1='401' and col2='01' and col3='172'");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "os_spis_deb", kWriteOff);
        app->WriteProfileString("constants", "os_spis_ekr", "311000");
    }
    // Card `id` of responsible person 4 and department 1 with its value and
    // quantity on 101.36 and its depreciation on 104.36 from the first day
    // of the year; `sch` is the card's account (the off-balance one when the
    // card was moved there, its former account then in sch_old).
    void Card(int id, const char* value, const char* quantity, const char* depreciation,
              const char* sch = "110136310", const char* schOld = nullptr)
    {
        Run(FormatText("insert into spr_osn_sr (id,name,code,fil_id,kol,sch,sch_old,sch_iz,kbk_deb,kbk_kred,mol,prd,"
                       "vrasx) values (%d,'Карточка %d','1013600%d',1,%s,'%s',%s,'110436410',2,2,4,1,2)",
                       id, id, id, quantity, sch, schOld ? FormatText("'%s'", schOld) : CString("null")));
        Run(FormatText("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kbk_deb,"
                       "kred0,kred1,kred2,kred3,kol,s,fil_id) values (900,%d,makedate(year(curdate()),1),'1','101',"
                       "'36','310','%d','4','1',2,'1','000','00','000',%s,%s,1)",
                       2 * id, id, quantity, value));
        if (atof(depreciation) != 0)
            Run(FormatText("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,"
                           "kred_sb1,kbk_kred,s,fil_id) values (900,%d,makedate(year(curdate()),1),'1','000','00',"
                           "'000','1','104','36','410','%d',2,%s,1)",
                           2 * id + 1, id, depreciation));
    }
    COsSpisView* OpenNew()
    {
        return Open<COsSpisView>("Спис.ОС");
    }
    static void Line(COsSpisView* view, long row, const char* card, const char* quantity)
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(OSS_CARD, row, card);
        view->m_grid.SetCellValue(OSS_KOL, row, quantity);
    }
    static void SaveNoNew(CWnd* view)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kOffer), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    // "npp|debit|values|credit|values|s|kol|text" of the postings of a write-off.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),coalesce(concat(p.kred0,p.kred1,p.kred2,p.kred3),''),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s,coalesce(p.kol,''),"
            "coalesce(p.prim,'')) order by p.npp separator ' / ') as str from ledmark_provodki p join ledmark_os_spis "
            "a on a.id=p.id where a.real_id=%d",
            realId));
    }
    // "sch|sch_old|disposed|no_vybit|PrichVyb" of a card.
    CString CardState(int id)
    {
        return Text(FormatText("select concat_ws('|',sch,coalesce(sch_old,''),if(d_vybit is null,'','disposed'),"
                               "coalesce(no_vybit,''),coalesce(PrichVyb,'')) as str from spr_osn_sr where id=%d",
                               id));
    }
    void Close(COsSpisView* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
};

// Figures checked by hand: the value share is the rounded per-unit value
// times the quantity, the whole quantity takes all; the depreciation alike.
TEST_F(OsSpisView, SharesOfValueAndDepreciation)
{
    struct Case {
        double value, count, depreciation, quantity;
        double valueOff, depreciationOff;
    } cases[] = {
        {1000, 1, 400, 1, 1000, 400},        // the whole card
        {100, 3, 10, 1, 33.33, 3.33},        // one of three, rounded
        {66.67, 2, 6.67, 1, 33.34, 3.34},    // the second of three, half a kopeck up
        {33.33, 1, 3.33, 1, 33.33, 3.33},    // the last one takes what is left
        {100, 3, 10, 3, 100, 10},            // all three: 3 x 33.33 would leave a kopeck
        {100, 3, 10, 4, 100, 10},            // more than there is: never above the balance
        {5000, 0, 0, 1, 5000, 0},            // no quantity on the books: the value itself
        {9000, 3, 9000, 2, 6000, 6000},      // wholly depreciated
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " " << c.count << " " << c.depreciation << " " << c.quantity);
        const COsShares shares = OsSpisShares(c.value, c.count, c.depreciation, c.quantity);
        EXPECT_DOUBLE_EQ(shares.value, c.valueOff);
        EXPECT_DOUBLE_EQ(shares.depreciation, c.depreciationOff);
    }
}

TEST_F(OsSpisView, SaveCases)
{
    struct Case {
        const char* name;
        const char* value;
        const char* quantity;
        const char* depreciation;
        const char* written;  // the quantity written off
        const char* zab;
        const char* sch;      // the card's account, its former one below
        const char* schOld;
        const char* postings;
        const char* card;     // the card afterwards
        const char* total;
    };
    const Case cases[] = {
        {"the whole card, disposed of", "1000", "1", "400", "1", "", "110136310", nullptr,
         "1|110436410|301|||110136310|301|4|1|400.00|1.000|Списана начисленная сумма амортизации / "
         "2|140101172||||110136310|301|4|1|600.00||Списана остаточная стоимость",
         "110136310||disposed|7|По ветхости", "1000.00"},
        {"one of three, rounded", "100", "3", "10", "1", "", "110136310", nullptr,
         "1|110436410|301|||110136310|301|4|1|3.33|1.000|Списана начисленная сумма амортизации / "
         "2|140101172||||110136310|301|4|1|30.00||Списана остаточная стоимость",
         "110136310||||", "33.33"},
        {"no depreciation: the residual takes the quantity", "5000", "1", "0", "1", "", "110136310", nullptr,
         "1|140101172||||110136310|301|4|1|5000.00|1.000|Списана остаточная стоимость",
         "110136310||disposed|7|По ветхости", "5000.00"},
        {"wholly depreciated: no residual posting", "9000", "3", "9000", "3", "", "110136310", nullptr,
         "1|110436410|301|||110136310|301|4|1|9000.00|3.000|Списана начисленная сумма амортизации",
         "110136310||disposed|7|По ветхости", "9000.00"},
        {"kept in use off balance", "1000", "1", "400", "1", kOffBalance, "110136310", nullptr,
         "1|110436410|301|||110136310|301|4|1|400.00|1.000|Списана начисленная сумма амортизации / "
         "2|140101172||||110136310|301|4|1|600.00||Списана остаточная стоимость / "
         "3|102100000|301|4|1|||||1000.00|1.000|",
         "102100000|110136310|||", "1000.00"},
        {"a card off balance written off from its former account", "800", "2", "0", "2", "", kOffBalance,
         "110136310", "1|140101172||||110136310|301|4|1|800.00|2.000|Списана остаточная стоимость",
         "102100000|110136310|disposed|7|По ветхости", "800.00"},
        {"moved off balance again: the former account stays the balance one", "800", "2", "0", "2", "100300000",
         kOffBalance, "110136310",
         "1|140101172||||110136310|301|4|1|800.00|2.000|Списана остаточная стоимость / "
         "2|100300000||||||||800.00|2.000|",
         "100300000|110136310|||", "800.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_provodki\ndelete from ledmark_os_spis\ndelete from spr_osn_sr where id>=300");
        Card(301, c.value, c.quantity, c.depreciation, c.sch, c.schOld);
        COsSpisView* view = OpenNew();
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(IDC_NUMBER, "7");
        view->SetDlgItemText(IDC_OSS_ZAB, c.zab);
        Line(view, 0, "301", c.written);
        EXPECT_EQ(view->m_grid.GetCellValue(OSS_NAME, 0), CString("Карточка 301"));
        SaveNoNew(view);
        const long realId = view->GetRealId();
        ASSERT_GT(realId, 0);
        EXPECT_EQ(Postings(realId), CString(c.postings));
        EXPECT_EQ(CardState(301), CString(c.card));
        EXPECT_EQ(Stored("ledmark_os_spis", realId, "s"), CString(c.total));
        Close(view);
    }
}

// The write-off account's dimensions take the economic code and the card's
// kind of expense; two rows of one card share its balance.
TEST_F(OsSpisView, AnalyticValuesByBookAndTwoRowsOfOneCard)
{
    Run("update spr_plan_sch set sb1=3,sb2=10 where col0='1' and col1='401' and col2='01' and col3='172'");
    Card(301, "100", "3", "10");
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Line(view, 0, "301", "1");
    Line(view, 1, "301", "1");
    SaveNoNew(view);
    EXPECT_EQ(Postings(view->GetRealId()),
              CString("1|110436410|301|||110136310|301|4|1|3.33|1.000|Списана начисленная сумма амортизации / "
                      "2|140101172|311000|2||110136310|301|4|1|30.00||Списана остаточная стоимость / "
                      "3|110436410|301|||110136310|301|4|1|3.34|1.000|Списана начисленная сумма амортизации / "
                      "4|140101172|311000|2||110136310|301|4|1|30.00||Списана остаточная стоимость"));
    EXPECT_EQ(Stored("ledmark_os_spis", view->GetRealId(), "s"), CString("66.67"));
}

TEST_F(OsSpisView, ChecksInTheirOrder)
{
    Card(301, "1000", "1", "400");
    Run("insert into spr_osn_sr (id,name,fil_id,sch,sch_iz,mol,prd) values (302,'Без амортизации',1,'110136310',"
        "null,4,1)\n"
        "insert into spr_osn_sr (id,name,fil_id,sch,sch_iz,mol,prd) values (303,'Без МОЛ',1,'110136310','110436410',"
        "null,1)\n"
        "insert into spr_osn_sr (id,name,fil_id,sch,sch_iz,mol,prd) values (304,'Без подразделения',1,'110136310',"
        "'110436410',4,null)\n"
        "insert into spr_osn_sr (id,name,fil_id,sch,sch_iz,mol,prd,d_vybit,no_vybit) values (305,'Списанный',1,"
        "'110136310','110436410',4,1,curdate(),'6')");
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    auto fill = [view] {
        view->SetDlgItemText(IDC_NUMBER, "1");
        view->SetDlgItemText(IDC_OSS_EKR, "311000");
        view->SetDlgItemText(IDC_OSS_DEBIT, kWriteOff);
        view->SetDlgItemText(IDC_OSS_ZAB, "");
        view->SetDlgItemText(IDC_OSS_PRIM, "Списание ОС");
        view->m_grid.ClearGrid();
        view->m_grid.SetNRows(2);
        Line(view, 0, "301", "1");
    };
    ExpectRefusals(view,
                   {
                       {IDC_NUMBER, "", "Укажите № документа"},
                       {IDC_OSS_EKR, "", "Укажите ЭКР"},
                       {IDC_OSS_EKR, "999999", "Нет такого ЭКР"},
                       {IDC_OSS_EKR, "31'1", "Нет такого ЭКР"},
                       {IDC_OSS_DEBIT, "", "Укажите счет списания"},
                       {IDC_OSS_DEBIT, "999999999", "Нет такого счета по дебету"},
                       {IDC_OSS_ZAB, "99", "Нет такого забалансового счета"},
                       {IDC_OSS_PRIM, " ", "Укажите содержание операции"},
                   },
                   fill);
    // The rows: one without a quantity is ignored; a card's missing columns
    // are told by its name.
    struct Row {
        const char* card;
        const char* quantity;
        const char* message;
    } rows[] = {
        {"", "1", "Укажите что списываете"},
        {"301", "", "Укажите что списываете"},
        {"301", "0", "Неверное количество: 0"},
        {"301", "x", "Неверное количество: x"},
        {"3x1", "1", "Нет такого ОС: 3x1"},
        {"302", "1", "У ОС Без амортизации\nне указан счет дебета"},
        {"303", "1", "У ОС Без МОЛ\nне указано МОЛ"},
        {"304", "1", "У ОС Без подразделения\nне указано подразделение"},
        {"305", "1", "У ОС Списанный\nнет остатка на балансе"},
        {"301", "2", "У ОС Карточка 301\nна балансе осталось 1, списывается 2"},
        {"301", "1.5", "У ОС Карточка 301\nна балансе осталось 1, списывается 1.5"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.message);
        fill();
        Line(view, 0, r.card, r.quantity);
        Refused(view, r.message, 0);
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_os_spis"), 0);
    EXPECT_EQ(CardState(301), CString("110136310||||"));

    // A posting the script refuses stops the save before the question.
    fill();
    ASSERT_TRUE(scripts.Define("function GL_TestProvodka() return 1 end"));
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_os_spis"), 0);
}

// A stored write-off saved again keeps its document id and posts what the
// first save did (its own postings are not counted against it); an asset
// dropped from the grid is given back its card.
TEST_F(OsSpisView, AReSaveKeepsItsIdAndGivesBackADroppedCard)
{
    Card(301, "1000", "1", "400");
    Card(302, "600", "2", "0");
    struct Route {
        const char* zab;
        const char* kept;     // card 301 after each save
        const char* dropped;  // card 302 after it left the grid
    } routes[] = {
        {"", "110136310||disposed|7|По ветхости", "110136310||||"},
        {kOffBalance, "102100000|110136310|||", "110136310||||"},
    };
    for (const Route& route : routes) {
        SCOPED_TRACE(route.zab);
        Run("delete from ledmark_os_spis\ndelete from ledmark_provodki where id<>900\n"
            "update spr_osn_sr set sch='110136310',sch_old=null,d_vybit=null,no_vybit=null,PrichVyb=null "
            "where id>=300");
        COsSpisView* view = OpenNew();
        ASSERT_NE(view, nullptr);
        view->SetDlgItemText(IDC_NUMBER, "7");
        view->SetDlgItemText(IDC_OSS_ZAB, route.zab);
        Line(view, 0, "301", "1");
        Line(view, 1, "302", "2");
        SaveNoNew(view);
        const long realId = view->GetRealId();
        ASSERT_GT(realId, 0);
        const CString first = Postings(realId);
        const long id = Count(FormatText("select id as cnt from ledmark_os_spis where real_id=%d", realId));
        Close(view);

        view = OpenStored<COsSpisView>("Спис.ОС", realId);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->m_grid.GetCellValue(OSS_NAME, 1), CString("Карточка 302"));
        scripts.calls.clear();
        SaveNoNew(view);
        // The checks leave the document's own postings out: they test what
        // the save writes, not a write-off of what is already written off.
        bool tested = false;
        for (const auto& call : scripts.calls)
            tested = tested || (call.call.rfind("GL_TestProvodka", 0) == 0 && call.call.find("\"400.00\"") != std::string::npos);
        EXPECT_TRUE(tested);
        EXPECT_EQ(view->GetRealId(), realId);
        EXPECT_EQ(Postings(realId), first);
        EXPECT_EQ(Count(FormatText("select id as cnt from ledmark_os_spis where real_id=%d", realId)), id);
        EXPECT_EQ(CardState(301), CString(route.kept));

        view->m_grid.SetCellValue(OSS_CARD, 1, "");
        view->m_grid.SetCellValue(OSS_KOL, 1, "");
        SaveNoNew(view);
        EXPECT_EQ(CardState(301), CString(route.kept));
        EXPECT_EQ(CardState(302), CString(route.dropped));
        EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d and "
                                   "(kred_sb1='302' or deb_sb1='302')",
                                   id)),
                  0);
        Close(view);
    }

    // A stored row without a document id gets a fresh one.
    Run("update spr_osn_sr set sch='110136310',sch_old=null,d_vybit=null,no_vybit=null,PrichVyb=null where id>=300");
    Run("insert into ledmark_os_spis (id,number,d,deb,prim,ekr,fil_id) values (0,'9',curdate(),'140101172',"
        "'Списание ОС',null,1)");
    const long bare = Count("select max(real_id) as cnt from ledmark_os_spis");
    COsSpisView* view = OpenStored<COsSpisView>("Спис.ОС", bare);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_OSS_EKR), QStringLiteral("311000")) << "an empty code shows the default";
    Line(view, 0, "302", "1");
    SaveNoNew(view);
    EXPECT_GT(Count(FormatText("select id as cnt from ledmark_os_spis where real_id=%d", bare)), 0);
    EXPECT_EQ(Postings(bare), CString("1|140101172||||110136310|302|4|1|300.00|1.000|Списана остаточная стоимость"));
}

// A part of a card written off leaves the card on the books: it is disposed
// of by the write-off that takes the rest, also when one is saved again.
TEST_F(OsSpisView, APartLeavesTheCardOnTheBooks)
{
    const CString onTheBooks = "110136310||||";
    Card(301, "9000", "3", "9000");
    auto writeOff = [this](const char* number, std::vector<const char*> quantities) {
        COsSpisView* view = OpenNew();
        if (!view)
            return view;
        view->SetDlgItemText(IDC_NUMBER, number);
        for (size_t row = 0; row < quantities.size(); ++row)
            Line(view, long(row), "301", quantities[row]);
        SaveNoNew(view);
        return view;
    };
    COsSpisView* first = writeOff("7", {"1"});
    ASSERT_NE(first, nullptr);
    const long firstKey = first->GetRealId();
    EXPECT_EQ(CardState(301), onTheBooks) << "one of three";
    Close(first);
    first = OpenStored<COsSpisView>("Спис.ОС", firstKey);
    ASSERT_NE(first, nullptr);
    SaveNoNew(first);
    EXPECT_EQ(CardState(301), onTheBooks) << "the part saved again";
    Close(first);

    COsSpisView* second = writeOff("8", {"2"});
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(CardState(301), CString("110136310||disposed|8|По ветхости")) << "the other two";
    second->m_grid.SetCellValue(OSS_KOL, 0, "1");
    SaveNoNew(second);
    EXPECT_EQ(CardState(301), onTheBooks) << "saved again with one of them: one stays";
    Line(second, 1, "301", "1");
    SaveNoNew(second);
    EXPECT_EQ(CardState(301), CString("110136310||disposed|8|По ветхости")) << "two rows taking the rest";
    EXPECT_EQ(Count("select cast(sum(if(deb1='101',kol,-kol)) as signed) as cnt from ledmark_provodki "
                    "where deb1='101' or kred1='101'"),
              0);
    // More than is left, counted without the document's own postings and
    // with its earlier row: refused, nothing changes.
    second->m_grid.SetCellValue(OSS_KOL, 1, "2");
    Refused(second, "У ОС Карточка 301\nна балансе осталось 1, списывается 2", 0);
    EXPECT_EQ(CardState(301), CString("110136310||disposed|8|По ветхости"));
    EXPECT_EQ(Count("select cast(sum(if(deb1='101',kol,-kol)) as signed) as cnt from ledmark_provodki "
                    "where deb1='101' or kred1='101'"),
              0);
    Close(second);
}

// A new write-off shows the defaults; a stored one keeps a two-digit
// off-balance account shown under the first source.
TEST_F(OsSpisView, NewAndStoredFields)
{
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_OSS_PRIM), QStringLiteral("Списание ОС"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_EKR), QStringLiteral("311000"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_PRICH), QStringLiteral("По ветхости"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_DEBIT), QString::fromUtf8(kWriteOff));
    EXPECT_FALSE(afxtest::text(view, IDC_NUMBER).isEmpty());
    Close(view);

    Run("insert into ledmark_os_spis (id,number,d,deb,prim,ekr,zab,prich,prik,icn,fil_id,grid) values (0,'4',"
        "curdate(),'140101172','Списание ОС',226000,'21','Сломан','Приказ № 1','Примечание',1,'')");
    view = OpenStored<COsSpisView>("Спис.ОС", Count("select max(real_id) as cnt from ledmark_os_spis"));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_OSS_ZAB), QStringLiteral("121"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_EKR), QStringLiteral("226000"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_PRIK), QStringLiteral("Приказ № 1"));
    EXPECT_EQ(afxtest::text(view, IDC_OSS_NOTE), QStringLiteral("Примечание"));
    EXPECT_EQ(afxtest::text(view, IDC_NUMBER), QStringLiteral("4"));
}

// F7 in the grid: several cards of the document's branch come back from the
// picker into the row and the empty rows below.
TEST_F(OsSpisView, SeveralCardsFromThePicker)
{
    Card(301, "100", "1", "0");
    Card(302, "200", "1", "0");
    Run("update spr_osn_sr set name=concat('Парта ',id) where id in (301,302)");
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_DLGKIT_SIRCH, [&](afxtest::DialogStep& d) {
        d.setText(IDC_SIRCH_TEXT, QStringLiteral("Парта"));
        d.click(IDOK);
    });
    script.dialog(IDD_SPR_PICKER_MULTI, [&](afxtest::DialogStep& d) {
        pickertest::ClickRows(d, {QStringLiteral("301"), QStringLiteral("302")});
    });
    view->m_grid.SetFocus0();
    afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_F7);
    script.verify();
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(OSS_CARD, 0), CString("301"));
    EXPECT_EQ(view->m_grid.GetCellValue(OSS_NAME, 1), CString("Парта 302"));
    EXPECT_EQ(view->m_grid.GetNRows(), 3) << "one empty row at the end";
}

TEST_F(OsSpisView, TheActsOfAStoredWriteOff)
{
    Card(301, "1000", "1", "400");
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_OSS_PRIK, "Приказ № 12");
    Line(view, 0, "301", "1");
    SaveNoNew(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    view->m_grid.SetCurCell(OSS_KOL, 0);
    // Each act's window is named by its form, not by its file.
    settlementstest::ScriptReportsShown shown;
    struct Print {
        UINT button;
        std::string call;
        const char* title;
        const char* caption;
    };
    const std::string key = std::to_string(realId);
    const Print prints[] = {
        {IDC_OSS_PRINT_4, "Prn(" + key + ",301)", "АКТ О СПИСАНИИ ОБЪЕКТА ОСНОВНЫХ СРЕДСТВ",
         "Акт о списании объекта основных средств (ОС-4)"},
        {IDC_OSS_PRINT_4A, "Prn(" + key + ",301)", "АКТ О СПИСАНИИ АВТОТРАНСПОРТНЫХ СРЕДСТВ",
         "Акт о списании автотранспортных средств (ОС-4а)"},
        {IDC_OSS_PRINT_4B, "Prn(" + key + ",301)", "АКТ О СПИСАНИИ ГРУППЫ ОБЪЕКТОВ",
         "Акт о списании группы объектов основных средств (ОС-4б)"},
        {IDC_OSS_PRINT_143, "Prn(" + key + ")", "МЯГКОГО И ХОЗЯЙСТВЕННОГО ИНВЕНТАРЯ",
         "Акт о списании мягкого и хозяйственного инвентаря (ф. 0504143)"},
    };
    for (const Print& p : prints) {
        SCOPED_TRACE(p.title);
        scripts.calls.clear();
        afxtest::click(view, p.button);
        bool called = false;
        for (const auto& call : scripts.calls)
            called = called || call.call == p.call;
        EXPECT_TRUE(called);
        auto* report = Active<CReportView>();
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(report->GetDocument()->GetTitle(), CString(p.caption));
        const QString page = ReportPage();
        for (const char* part : {p.title, "Карточка 301", "1000.00"})
            EXPECT_TRUE(page.contains(QString::fromUtf8(part))) << part << "\n" << page.toStdString();
    }

    // The acts of one asset need one in the current row.
    view->m_grid.SetCurCell(OSS_CARD, 1);
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Укажите код основного средства"), IDOK);
    afxtest::click(view, IDC_OSS_PRINT_4);
    script.verify();
}

TEST_F(OsSpisView, PictureOfAWriteOff)
{
    Card(301, "1000", "1", "400");
    Card(302, "600", "2", "0");
    COsSpisView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_OSS_PRIK, "Приказ № 12 от 15.01");
    view->SetDlgItemText(IDC_OSS_ZAB, kOffBalance);
    Line(view, 0, "301", "1");
    Line(view, 1, "302", "2");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_spis.png"));
}

} // namespace
