// The purchase of fixed assets as a bookkeeper enters it: each asset posted
// to its own account with its card, responsible person and department
// (through 106.01 when asked), the pair 501.03/502.01 under the supplier's
// contract, the initial depreciation the card names and the VAT; a card or
// a row that cannot be posted stopping the save before anything is written;
// the received-invoice book row written in the save and opened after it; the
// rows from the picker and from a typed id; the acceptance acts; a picture.
#include "COsPokupView.h"
#include "CSchFakPoluchView.h"
#include "ChooserForm.h"
#include "SettlementsProgram.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kSupplier = "130219730";  // 302.19: counterparty, economic code, contract
const char* const kBook = "Сделать изменения в книге счет-фактур полученных ? ";

class OsPokupView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_os_pokup\n"
            "delete from ledmark_sch_fak_poluch\n"
            "delete from ledmark_provodki\n"
            "delete from spr_osn_sr where id>=900\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (901,'Шкаф',1,1,1000,310000,'110136310','110436410',2,2,null,4,1)\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (902,'Компьютер',1,2,5000,310000,'110134310','110434410',2,2,1500,4,3)\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (903,'Стул',1,1,300,310000,null,'110436410',2,2,null,4,1)\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (904,'Полка',1,1,300,310000,'110136310','110436410',2,2,null,null,1)\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (905,'Тумба',1,1,300,310000,'110136310','110436410',2,2,null,4,null)\n"
            "insert into spr_osn_sr (id,name,fil_id,kol,first_price,ekr,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,mol,prd) "
            "values (906,'Доска',1,1,700,310000,'110136310','110436410',2,2,0,4,1)");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "os_pokup_kred", kSupplier);
        app->WriteProfileInt("constants", "os_pokup_106", 0);
        app->WriteProfileInt("constants", "os_pokup_501", 0);
    }
    COsPokupView* OpenNew() { return Open<COsPokupView>("Поступл.ОС"); }
    // The supplier: counterparty 4 under its contract 5.
    static void Header(COsPokupView* view)
    {
        view->SetDlgItemText(IDC_OP_CREDIT, kSupplier);
        view->SetDlgItemText(IDC_OP_SB1, "4");
        view->SetDlgItemText(IDC_OP_SB3, "5");
    }
    // A row as the picker leaves it, with its EKR and depreciation account.
    static void Line(COsPokupView* view, long row, const char* asset, const char* ekr = "310000",
                     const char* account = "")
    {
        view->m_grid.SetCellValue(OP_ASSET, row, asset);
        view->FillRow(row, TRUE);
        view->m_grid.SetCellValue(OP_EKR, row, ekr);
        view->m_grid.SetCellValue(OP_IZNOS_SCH, row, account);
        view->EnsureSpareRow();
    }
    static void Check(COsPokupView* view, UINT id, bool on)
    {
        view->CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
        view->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)view->GetDlgItem(id)->GetSafeHwnd());
    }
    // "npp|debit|values|credit|values|s|kol|kbk|text" of the postings of a document.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s,coalesce(p.kol,''),"
            "concat(coalesce(p.kbk_deb,''),'/',coalesce(p.kbk_kred,'')),coalesce(p.prim,'')) "
            "order by p.npp separator ' / ') as str from ledmark_provodki p join ledmark_os_pokup a on a.id=p.id "
            "where a.real_id=%d",
            realId));
    }
    // Yes to the question, No to the book; the form closes itself.
    void SaveNoBook(COsPokupView* view)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kBook), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    long LastPurchase() { return (long)Count("select coalesce(max(real_id),0) as cnt from ledmark_os_pokup"); }
};

TEST_F(OsPokupView, ANewPurchaseOffersTheLastSavedDefaults)
{
    AfxGetApp()->WriteProfileString("constants", "os_pokup_kred", nullptr);
    AfxGetApp()->WriteProfileInt("constants", "os_pokup_501", 1);
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_OP_TEXT), QStringLiteral("Покупка ОС"));
    EXPECT_EQ(afxtest::text(view, IDC_OP_CREDIT), QStringLiteral("230217730"));
    EXPECT_FALSE(view->IsDlgButtonChecked(IDC_OP_B106));
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_OP_B501));
    EXPECT_EQ(view->m_grid.GetNRows(), 1) << "the spare row";
    for (UINT id : {IDC_OP_VAT_SUM, IDC_OP_VAT_RATE})
        EXPECT_FALSE(view->GetDlgItem(id)->IsWindowVisible());
    Check(view, IDC_OP_VAT, true);
    EXPECT_TRUE(view->GetDlgItem(IDC_OP_VAT_SUM)->IsWindowVisible());
    // The supplier's account shows its counterparty and contract; its economic
    // code comes from the rows. A 6-character account is taken with "000".
    Header(view);
    EXPECT_TRUE(view->GetDlgItem(IDC_OP_SB1)->IsWindowVisible());
    EXPECT_FALSE(view->GetDlgItem(IDC_OP_SB2)->IsWindowVisible());
    EXPECT_TRUE(view->GetDlgItem(IDC_OP_SB3)->IsWindowVisible());
    EXPECT_EQ(afxtest::text(view, IDC_OP_SB1_NAME), QStringLiteral("ИП Соколов Игорь Николаевич"));
    view->SetDlgItemText(IDC_OP_CREDIT, "");
    EXPECT_FALSE(view->GetDlgItem(IDC_OP_SB3)->IsWindowVisible());
    view->SetDlgItemText(IDC_OP_CREDIT, "030219");
    EXPECT_TRUE(view->GetDlgItem(IDC_OP_SB3)->IsWindowVisible());
}

TEST_F(OsPokupView, EachAssetIsPostedAsTheBoxesAndItsCardAsk)
{
    const char* const own = "1|110136310|901|4|1|130219730|4|310000|5|1000.00|1.000|2/2|";
    const char* const pair = "|150103310|310000|1||150201310|310000|5|1|1000.00||2/2|";
    struct Case {
        const char* name;
        bool b106, b501;
        const char* asset;
        const char* ekr;
        const char* account;  // column 5
        const char* vat;      // "" without VAT
        const char* refusal;  // the message that stops the save, or null
        CString postings;
    };
    const Case cases[] = {
        {"straight", false, false, "901", "310000", "", "", nullptr, own},
        {"through 106.01", true, false, "901", "310000", "", "", nullptr,
         "1|110601310||||130219730|4|310000|5|1000.00||2/2|"
         " / 2|110136310|901|4|1|110601410||||1000.00|1.000|2/2|"},
        // The supplier's account keeps the economic code: the row's goes there,
        // and the pair takes the contract of the account.
        {"501 with the row's code", false, true, "901", "310000", "", "", nullptr, CString(own) + " / 2" + pair},
        {"501 with another code of the row", false, true, "901", "340000", "", "", nullptr,
         "1|110136310|901|4|1|130219730|4|340000|5|1000.00|1.000|2/2| / "
         "2|150103340|340000|1||150201340|340000|5|1|1000.00||2/2|"},
        {"501 without a code", false, true, "901", "", "", "", "Не указан ЭКР у счетов 150103 и 150201", ""},
        {"no depreciation for a card without one", false, false, "906", "310000", "", "", nullptr,
         "1|110136310|906|4|1|130219730|4|310000|5|700.00|1.000|2/2|"},
        {"the depreciation the card came with", false, false, "902", "310000", "140101180", "", nullptr,
         "1|110134310|902|4|3|130219730|4|310000|5|5000.00|2.000|2/2| / "
         "2|140101180||||110434410|902|||1500.00||2/2|первоначальная амортизация"},
        {"depreciation without its account", false, false, "902", "310000", "", "", "У ОС Компьютер\nне указан счет первоначальной амортизации", ""},
        {"a card without an account", false, false, "903", "310000", "", "", "У ОС Стул\nне указан счет дебета", ""},
        {"a card without a responsible person", false, false, "904", "310000", "", "", "У ОС Полка\nне указано МОЛ", ""},
        {"a card without a department", false, false, "905", "310000", "", "", "У ОС Тумба\nне указано подразделение", ""},
        {"VAT 0", false, false, "901", "310000", "", "0", nullptr, own},
        {"VAT 200.00", false, false, "901", "310000", "", "200,00", nullptr,
         CString(own) + " / 2|121001560|4|||130219730|4|310000|5|200.00||/2|Отражение НДС по приобретенным ОС"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        COsPokupView* view = OpenNew();
        ASSERT_NE(view, nullptr);
        Header(view);
        view->SetDlgItemText(IDC_OP_KBK, "2");
        Check(view, IDC_OP_B106, c.b106);
        Check(view, IDC_OP_B501, c.b501);
        if (*c.vat) {
            Check(view, IDC_OP_VAT, true);
            view->SetDlgItemText(IDC_OP_VAT_SUM, c.vat);
        }
        Line(view, 0, c.asset, c.ekr, c.account);
        if (c.refusal) {
            Refused(view, c.refusal, 0);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_os_pokup"), 0);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
            view->GetParentFrame()->SendMessage(WM_CLOSE);
        } else {
            SaveNoBook(view);
            Settle();
            const long realId = LastPurchase();
            ASSERT_GT(realId, 0);
            EXPECT_EQ(Postings(realId), c.postings);
            EXPECT_EQ(Active<COsPokupView>(), nullptr) << "the purchase closes itself";
            Run("delete from ledmark_provodki\ndelete from ledmark_os_pokup");
        }
        Settle();
    }

    // A code whose KOSGU of 501.03 cannot be found writes nothing either.
    ASSERT_TRUE(scripts.Define("kept_full_deb = GL_GetFullSchDeb\n"
                               "GL_GetFullSchDeb = function() return '' end"));
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Check(view, IDC_OP_B501, true);
    Line(view, 0, "901", "999999");
    Refused(view, "Неизвестен дебетовый хвост для ЭКР 999999", 0);
    ASSERT_TRUE(scripts.Define("GL_GetFullSchDeb = kept_full_deb"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_os_pokup"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
}

TEST_F(OsPokupView, SavedWithItsBookRowWhichOpensAfterwardsAndUpdatedOnAReSave)
{
    // A list open beside the purchase, refreshed by the save: the received invoice comes up over it, not
    // behind it.
    ASSERT_EQ(CHelpers::FN_OpenDocument0("СписокДогМатОтв", 0, nullptr), 1);
    CMDIChildWnd* other = frame->MDIGetActive();
    ASSERT_NE(other, nullptr);
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    view->SetDlgItemText(IDC_NUMBER, "ОС-5");
    view->SetDlgItemText(IDC_OP_KBK, "2");
    Check(view, IDC_OP_B106, true);
    Check(view, IDC_OP_B501, true);
    Line(view, 0, "901");
    Line(view, 1, "906");
    Line(view, 2, "902", "310000", "140101180");
    // "Уд-ть строку" empties the row; the row keeps its place and is passed over.
    view->m_grid.SetCurCell(0, 1);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Удалить эту строку ? "), IDYES);
        afxtest::click(view, ID_DELETE_LINE);
        script.verify();
    }
    EXPECT_EQ(view->m_grid.GetNRows(), 4);
    EXPECT_EQ(view->m_grid.GetCellValue(OP_NAME, 1), CString(""));
    EXPECT_EQ(view->m_grid.GetCellValue(OP_ASSET, 2), CString("902"));
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    const long realId = LastPurchase();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Active<COsPokupView>(), nullptr) << "the purchase closes itself";
    auto* invoice = Active<CSchFakPoluchView>();
    ASSERT_NE(invoice, nullptr) << "the received invoice opens after the save";
    EXPECT_EQ(afxtest::text(invoice, IDC_SFP_NUMBER), QStringLiteral("ОС-5"));
    invoice->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();
    // 106.01 pair and 501 pair of each asset, the depreciation of the second: numbered 1 to 7.
    EXPECT_EQ(Text(FormatText("select group_concat(p.npp order by p.npp) as str from ledmark_provodki p join "
                              "ledmark_os_pokup a on a.id=p.id where a.real_id=%d",
                              realId)),
              CString("1,2,3,4,5,6,7"));
    const long book = (long)Count(FormatText("select sfp_id as cnt from ledmark_os_pokup where real_id=%d", realId));
    ASSERT_GT(book, 0);
    EXPECT_EQ(Stored("ledmark_os_pokup", realId, "concat_ws('|',s,b106,b501,kred,sb1,sb3,kbk_kred,icn)"),
              CString("6000.00|1|1|130219730|4|5|2|Покупка ОС"));
    EXPECT_EQ(Text(FormatText("select concat_ws('|',sb1,sch_kred,number,s,icn,txt) as str from ledmark_sch_fak_poluch "
                              "where real_id=%d",
                              book)),
              CString("4|130219730|ОС-5|6000.00|ИП Соколов Игорь Николаевич|Покупка ОС"));

    // Opened again: the rows as they were, the emptied one too; a re-save updates the same book row.
    view = OpenStored<COsPokupView>("Поступл.ОС", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_grid.GetCellValue(OP_NAME, 2), CString("Компьютер"));
    EXPECT_EQ(view->m_grid.GetCellValue(OP_IZNOS_SCH, 2), CString("140101180"));
    EXPECT_EQ(view->m_grid.GetCellValue(OP_ASSET, 1), CString(""));
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_OP_B106));
    view->m_grid.SetCellValue(OP_SUM, 0, "1200");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 1);
    EXPECT_EQ(Text(FormatText("select s as str from ledmark_sch_fak_poluch where real_id=%d", book)), CString("6200.00"));
    if (CWnd* reopened = Active<CSchFakPoluchView>()) {
        reopened->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    other->SendMessage(WM_CLOSE);
    Settle();
}

TEST_F(OsPokupView, ASaveThatFailsChangesNothing)
{
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Check(view, IDC_OP_B501, true);
    Line(view, 0, "901");
    Line(view, 1, "906");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    if (CWnd* invoice = Active<CSchFakPoluchView>()) {
        invoice->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    const long realId = LastPurchase();
    ASSERT_GT(realId, 0);
    const CString postings = Postings(realId);
    const CString header = Stored("ledmark_os_pokup", realId, "concat_ws('|',id,s,prim,sfp_id)");
    const CString bookRow = Text("select concat_ws('|',real_id,s,number) as str from ledmark_sch_fak_poluch");

    // The posting of line 2 is refused inside the save: header, postings and book row stay.
    ASSERT_TRUE(scripts.Define("kept_insert0 = GL_InsertProvodka0\n"
                               "GL_InsertProvodka0 = function(id, npp, ...)\n"
                               "  if tonumber(npp) == 2 then return '' end\n"
                               "  return kept_insert0(id, npp, ...)\n"
                               "end"));
    view = OpenStored<COsPokupView>("Поступл.ОС", realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_OP_NOTE, "Изменено");
    view->m_grid.SetCellValue(OP_SUM, 1, "900");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    ASSERT_TRUE(scripts.Define("GL_InsertProvodka0 = kept_insert0"));
    EXPECT_EQ(Postings(realId), postings);
    EXPECT_EQ(Stored("ledmark_os_pokup", realId, "concat_ws('|',id,s,prim,sfp_id)"), header);
    EXPECT_EQ(Text("select concat_ws('|',real_id,s,number) as str from ledmark_sch_fak_poluch"), bookRow);
    EXPECT_NE(Active<COsPokupView>(), nullptr) << "the form stays open with its data";
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // A stored row without a document id gets a fresh one; the postings carry it.
    Run(FormatText("delete from ledmark_provodki\nupdate ledmark_os_pokup set id=0 where real_id=%d", realId));
    view = OpenStored<COsPokupView>("Поступл.ОС", realId);
    ASSERT_NE(view, nullptr);
    SaveNoBook(view);
    Settle();
    const long id = (long)Count(FormatText("select id as cnt from ledmark_os_pokup where real_id=%d", realId));
    EXPECT_GT(id, 0);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_provodki where id=%d", id)), 4);

    // A purchase of a closed period is not changed.
    Run(FormatText("update ledmark_os_pokup set d=makedate(year(curdate())-1,100) where real_id=%d\n"
                   "insert into system_const (name, val) values ('system_actual_date', '31.12.%d')",
                   realId, COleDateTime::GetCurrentTime().GetYear() - 1));
    view = OpenStored<COsPokupView>("Поступл.ОС", realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_OP_NOTE, "Закрытый период");
    scripts.Clear();
    afxtest::click(view, IDOK);
    Settle();
    EXPECT_NE(Stored("ledmark_os_pokup", realId, "prim"), CString("Закрытый период"));
}

TEST_F(OsPokupView, RowsFromThePickerAndFromATypedIdAndTheActsOfTheCurrentRow)
{
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    // Three cards chosen at once fill the row the picker was opened for and the next two.
    view->m_grid.SetCurCell(OP_ASSET, 0);
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER_MULTI,
                      [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"901", "902", "906"}); });
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(OP_ASSET)), AfxEventArg(short(0))});
        script.verify();
    }
    auto row = [&](long r) {
        CString text;
        for (int col = 0; col < OP_COLUMNS; ++col)
            text += view->m_grid.GetCellValue(col, r) + "|";
        return text;
    };
    EXPECT_EQ(row(0), CString("901|Шкаф|1.000|1000.00|310000||"));
    EXPECT_EQ(row(1), CString("902|Компьютер|2.000|5000.00|310000||"));
    EXPECT_EQ(row(2), CString("906|Доска|1.000|700.00|310000||"));
    EXPECT_EQ(view->m_grid.GetNRows(), 4) << "one empty row at the end";
    EXPECT_EQ(view->m_grid.GetCurCol(), OP_KOL);
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);

    // A typed id fills only the cells still empty.
    view->m_grid.SetCellValue(OP_SUM, 3, "777");
    view->m_grid.SetCurCell(OP_ASSET, 3);
    view->m_grid.SetFocus();
    afxtest::typeKeys(view->m_grid.GetQWidget(), QStringLiteral("902"));
    afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(row(3), CString("902|Компьютер|2.000|777|310000||"));
    EXPECT_EQ(view->m_grid.GetNRows(), 5);

    // The acts print the asset of the current row; a row without one says so.
    view->m_grid.SetCurCell(OP_NAME, 4);
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Укажите код основного средства"), IDOK);
        afxtest::click(view, IDC_OP_PRINT_OS1);
        script.verify();
    }
    view->m_grid.SetCurCell(OP_NAME, 1);
    EXPECT_EQ(view->PrintCall(), CString("PrnOS_1(-1,902)"));
    // Each act's window is named by its form, not by its file.
    settlementstest::ScriptReportsShown shown;
    const struct {
        UINT command;
        const char* file;
        const char* title;
        const char* caption;
    } acts[] = {
        {IDC_OP_PRINT_OS1, "\\_sys\\_ExtReports\\ос_1.extr", "(КРОМЕ ЗДАНИЙ, СООРУЖЕНИЙ)",
         "Акт о приеме-передаче объекта основных средств (ОС-1)"},
        {IDC_OP_PRINT_OS1A, "\\_sys\\_ExtReports\\ос_1а.extr", "ЗДАНИЯ (СООРУЖЕНИЯ)",
         "Акт о приеме-передаче здания (сооружения) (ОС-1а)"},
        {IDC_OP_PRINT_OS1B, "\\_sys\\_ExtReports\\ос_1б.extr", "ГРУППЫ ОБЪЕКТОВ",
         "Акт о приеме-передаче группы объектов основных средств (ОС-1б)"},
    };
    for (const auto& act : acts) {
        SCOPED_TRACE(act.file);
        EXPECT_TRUE(COsPokupView::ReportFile(act.command).Right(CString(act.file).GetLength()) == act.file);
        afxtest::click(view, act.command);
        Settle();
        auto* report = Active<CReportView>();
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(report->GetDocument()->GetTitle(), CString(act.caption));
        const QString page = ReportPage();
        EXPECT_TRUE(page.contains(QString::fromUtf8(act.title))) << page.toStdString();
        EXPECT_TRUE(page.contains(QStringLiteral("Компьютер"))) << page.toStdString();
    }
}

TEST_F(OsPokupView, PictureOfAPurchase)
{
    COsPokupView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Check(view, IDC_OP_B106, true);
    Check(view, IDC_OP_B501, true);
    Check(view, IDC_OP_VAT, true);
    view->SetDlgItemText(IDC_OP_VAT_SUM, "1000.00");
    view->SetDlgItemText(IDC_OP_KBK, "2");
    Line(view, 0, "901");
    Line(view, 1, "902", "310000", "140101180");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/os_pokup.png"));
}

} // namespace
