// The materials receipt and the opening balances of materials as a
// bookkeeper enters them: each line posted to stock from the supplier as the
// boxes ask (through 106.01, with the pair 501.03/502.01, with the VAT), a
// pair that cannot be made stopping the save before anything is written; the
// balance of each row before and after; opening balances against the
// technical account; the received-invoice book row written once and updated
// on a re-save; the delete; a picture of the receipt.
#include "CMatPrixView.h"
#include "CSchFakPoluchView.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kStock = "110536340";     // 105.36 of source 1: item, responsible person
const char* const kSupplier = "130234730";  // 302.34: counterparty, economic code, contract
const char* const kIncome = "140101180";    // 401.01: no dimensions
const char* const kOffer = "Документ успешно записан.\nЖелаете внести новый документ ? ";
const char* const kBook = "Сделать изменения в книге счет-фактур полученных ? ";

class MatPrixView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_mat_prix");
        Run("delete from ledmark_mat_prix1");
        Run("delete from ledmark_mat_prix_0");
        Run("delete from ledmark_mat_prix_01");
        Run("delete from ledmark_sch_fak_poluch");
        Run("delete from ledmark_provodki");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "mat_prix_deb", kStock);
        app->WriteProfileString("constants", "mat_prix_kred", kSupplier);
        app->WriteProfileInt("constants", "mat_prix_106", 0);
        app->WriteProfileInt("constants", "mat_prix_501", 0);
        app->WriteProfileString("constants", "mat_prix_deb0", kStock);
    }
    // A stock balance of item 2 of employee 1 on the first day of the year.
    void Balance(const char* quantity, const char* sum)
    {
        Run(FormatText("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, "
                       "kred2, kred3, kol, s, fil_id) values (900, 1, makedate(year(curdate()), 1), '1', '105', '36', "
                       "'340', '2', '1', '1', '000', '00', '000', %s, %s, 1)",
                       quantity, sum));
    }
    CMatPrixView* OpenReceipt(int mode = kMatReceipt)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0(mode == kMatReceipt ? "пост.мат." : "нач.ост.МЗ", mode, nullptr), 1);
        return Active<CMatPrixView>();
    }
    // The header of a receipt from the supplier: counterparty 1, code 340000, contract 2.
    static void Header(CMatPrixView* view, const char* credit = kSupplier, const char* sb2 = "340000")
    {
        view->SetDlgItemText(IDC_SET_TN, "1");
        view->SetDlgItemText(IDC_MP_CREDIT, credit);
        view->SetDlgItemText(IDC_MP_SB1, "1");
        view->SetDlgItemText(IDC_MP_SB2, sb2);
        view->SetDlgItemText(IDC_MP_SB3, "2");
    }
    static void Line(CMatPrixView* view, long row, const char* item, const char* kol, const char* sum,
                     const char* ekr = "340000")
    {
        view->m_grid.SetCellValue(MP_ITEM, row, item);
        view->m_grid.SetCellValue(MP_KOL, row, kol);
        view->m_grid.SetCellValue(MP_SUM, row, sum);
        view->m_grid.SetCellValue(MP_EKR, row, ekr);
    }
    static void Check(CMatPrixView* view, UINT id, bool on)
    {
        view->CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
        view->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)view->GetDlgItem(id)->GetSafeHwnd());
    }
    // "npp|debit|values|credit|values|s|kol" of the postings of a document.
    CString Postings(const char* table, long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),coalesce(p.deb_sb3,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),"
            "coalesce(p.kred_sb1,''),coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s,coalesce(p.kol,'')) "
            "order by p.npp separator ' / ') as str from ledmark_provodki p join %s a on a.id=p.id where a.real_id=%d",
            table, realId));
    }
    // Yes to the question, No to the book and to a new document.
    static void SaveNoBook(CMatPrixView* view)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES)
            .message(QString::fromUtf8(kBook), IDNO)
            .message(QString::fromUtf8(kOffer), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    CString Row(long realId, const char* table = "ledmark_mat_prix1")
    {
        return Text(FormatText("select group_concat(concat_ws('|',id,kol1,sum1,kol,price,s,kol2,sum2,ekr) order by "
                               "npp separator ' / ') as str from %s where real_id=%d",
                               table, realId));
    }
};

TEST_F(MatPrixView, EachLineIsPostedAsTheBoxesAsk)
{
    const char* const own = "1|110536340|2|1||130234730|1|340000|2|100.00|10.000";
    const char* const pair = "2|150103340|340000|1||150201340|340000|2|1|100.00|";
    struct Case {
        const char* name;
        bool b106, b501;
        const char* credit;
        const char* sb2;        // the supplier's economic code
        const char* lineEkr;
        const char* vat;        // "" without VAT
        const char* refusal;    // the message that stops the save, or null
        CString postings;       // "" with no refusal: the posting script refuses
    };
    const Case cases[] = {
        {"straight", false, false, kSupplier, "340000", "340000", "", nullptr, own},
        {"through 106.01", true, false, kSupplier, "340000", "340000", "", nullptr,
         "1|110601310||||130234730|1|340000|2|100.00| / 2|110536340|2|1||110601410||||100.00|10.000"},
        {"501 with the supplier's code", false, true, kSupplier, "340000", "", "", nullptr,
         CString(own) + " / " + pair},
        {"501 with the line's code", false, true, kSupplier, "", "340000", "", nullptr, CString(own) + " / " + pair},
        // 502.01 keeps contracts: a pair without one is refused before anything is written.
        {"501 without a contract dimension", false, true, kIncome, "", "340000", "", nullptr, ""},
        {"no economic code", false, true, kIncome, "", "", "", "Не указан ЭКР у 140101180", ""},
        // An income code has no KOSGU of 501.03: the posting script refuses the pair's account.
        {"a code without KOSGU of 501.03", false, true, kIncome, "", "130000", "", nullptr, ""},
        {"VAT 0", false, false, kSupplier, "340000", "340000", "0", nullptr, own},
        {"VAT 120.50", false, false, kSupplier, "340000", "340000", "120,50", nullptr,
         CString(own) + " / 2|121001560|1|||130234730|1|340000|2|120.50|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMatPrixView* view = OpenReceipt();
        ASSERT_NE(view, nullptr);
        Header(view, c.credit, c.sb2);
        Check(view, IDC_MP_B106, c.b106);
        Check(view, IDC_MP_B501, c.b501);
        if (*c.vat) {
            Check(view, IDC_MP_VAT, true);
            view->SetDlgItemText(IDC_MP_VAT_SUM, c.vat);
        }
        Line(view, 0, "2", "10", "100", c.lineEkr);
        if (c.refusal || c.postings.IsEmpty()) {
            scripts.Clear();
            if (c.refusal)
                Refused(view, c.refusal, 0);
            else
                afxtest::click(view, IDOK);
            EXPECT_EQ(scripts.messages.empty(), c.refusal != nullptr);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_prix"), 0);
            EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
        } else {
            SaveNoBook(view);
            const long realId = view->GetRealId();
            ASSERT_GT(realId, 0);
            EXPECT_EQ(Postings("ledmark_mat_prix", realId), c.postings);
            EXPECT_EQ(Stored("ledmark_mat_prix", realId, "concat_ws('|',s,b106,b501,sfp_id)"),
                      FormatText("100.00|%d|%d|0", int(c.b106), int(c.b501)));
            Run("delete from ledmark_provodki");
            Run("delete from ledmark_mat_prix");
            Run("delete from ledmark_mat_prix1");
        }
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
}

TEST_F(MatPrixView, RowsShowTheBalanceBeforeAndAfter)
{
    Balance("4", "50");
    CMatPrixView* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view);
    // An item with a balance: before, price, after; a second row of it counts the first.
    Line(view, 0, "2", "10", "100");
    Line(view, 1, "2", "1", "12.5");
    auto cells = [&](long row) {
        CString text;
        for (int col : {MP_NAME, MP_UNIT, MP_KOL1, MP_SUM1, MP_PRICE, MP_KOL2, MP_SUM2})
            text += view->m_grid.GetCellValue(col, row) + "|";
        return text;
    };
    EXPECT_EQ(cells(0), CString("Моющее средство|л|4|50.00|10.00|14|150.00|"));
    EXPECT_EQ(cells(1), CString("Моющее средство|л|14|150.00|12.50|15|162.50|"));
    EXPECT_EQ(view->m_grid.GetNRows(), 3) << "one empty row at the end";

    // A balance below zero is red; emptying the item clears the row but its price and code.
    Run("update ledmark_provodki set kol=-4, s=-50");
    view->m_grid.SetCellValue(MP_KOL, 0, "11");
    EXPECT_EQ(view->m_grid.GetCellValue(MP_KOL1, 0), CString("-4"));
    EXPECT_EQ(view->m_grid.GetCellValue(MP_KOL1, 1), CString("7")) << "the later row of the item follows";
    EXPECT_EQ(view->m_grid.GetCellFgClr(MP_KOL1, 0), RGB(255, 0, 0));
    EXPECT_EQ(view->m_grid.GetCellFgClr(MP_KOL2, 0), 0u);
    view->m_grid.SetCellValue(MP_ITEM, 1, "");
    EXPECT_EQ(cells(1), CString("||||12.50|||"));
    EXPECT_EQ(view->m_grid.GetCellValue(MP_EKR, 1), CString("340000"));

    // A balance that cannot be read shows none, and the save says why.
    ASSERT_TRUE(scripts.Define("function GL_GetOst0() return '' end"));
    view->m_grid.SetCellValue(MP_KOL, 0, "2");
    EXPECT_EQ(view->m_grid.GetCellValue(MP_KOL1, 0), CString(""));
    Refused(view, "Не удалось прочитать остаток по счету 110536340 (2): документ не может быть записан", 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_prix"), 0);
}

TEST_F(MatPrixView, AStoredReceiptKeepsItsBalancesUntilAskedAndLeavesItsOwnLinesOut)
{
    Balance("4", "50");
    CMatPrixView* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "2", "10", "100");
    SaveNoBook(view);
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Row(realId), CString("2|4.000|50.00|10.000|10.00|100.00|14.000|150.00|340000"));
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // Another receipt of the item meanwhile: the stored figures stay until the check is cleared.
    Run("insert into ledmark_provodki (id, npp, d, deb0, deb1, deb2, deb3, deb_sb1, deb_sb2, kred0, kred1, kred2, "
        "kred3, kol, s, fil_id) values (901, 1, makedate(year(curdate()), 1), '1', '105', '36', '340', '2', '1', "
        "'1', '000', '00', '000', 1, 5, 1)");
    view = OpenStored<CMatPrixView>("пост.мат.", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsDlgButtonChecked(IDC_MP_NO_RECALC));
    EXPECT_EQ(atof(view->m_grid.GetCellValue(MP_KOL1, 0)), 4.0);
    Check(view, IDC_MP_NO_RECALC, false);
    EXPECT_EQ(view->m_grid.GetCellValue(MP_KOL1, 0), CString("5")) << "its own 10 are left out";
    EXPECT_EQ(view->m_grid.GetCellValue(MP_SUM2, 0), CString("155.00"));
    EXPECT_EQ(afxtest::text(view, IDC_SET_FIO), QStringLiteral("Петрова Анна Сергеевна"));
}

TEST_F(MatPrixView, OpeningBalancesPostAgainstTheTechnicalAccount)
{
    CMatPrixView* view = OpenReceipt(kMatOpening);
    ASSERT_NE(view, nullptr);
    for (UINT id : {IDC_MP_CREDIT, IDC_MP_B501, IDC_MP_VAT, IDC_MP_KBK_CREDIT})
        EXPECT_FALSE(view->GetDlgItem(id)->IsWindowVisible()) << id;
    EXPECT_EQ(afxtest::text(view, IDC_MP_CREDIT), QStringLiteral("100000000"));
    view->SetDlgItemText(IDC_MP_DEBIT, "210536340");
    EXPECT_EQ(afxtest::text(view, IDC_MP_CREDIT), QStringLiteral("200000000"));
    view->SetDlgItemText(IDC_MP_DEBIT, kStock);
    view->SetDlgItemText(IDC_MP_KBK_DEBIT, "2");
    view->SetDlgItemText(IDC_SET_TN, "1");
    EXPECT_EQ(afxtest::text(view, IDC_MP_NOTE), QStringLiteral("Ввод начальных остатков МЦ"));
    Line(view, 0, "2", "3", "30");
    {
        afxtest::InteractionScript script;  // no question of the book
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(QString::fromUtf8(kOffer), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    const long realId = view->GetRealId();
    ASSERT_GT(realId, 0);
    EXPECT_EQ(Postings("ledmark_mat_prix_0", realId), CString("1|110536340|2|1||100000000||||30.00|3.000"));
    EXPECT_EQ(Stored("ledmark_mat_prix_0", realId, "concat_ws('|',kbk_deb,kbk_kred)"), CString("2|2"));
    EXPECT_EQ(Row(realId, "ledmark_mat_prix_01"), CString("2|0.000|0.00|3.000|10.00|30.00|3.000|30.00|340000"));
    view->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // Opened as the postings journal opens it: in its own mode.
    ASSERT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "нач.ост.МЗ", 1), 1);
    view = Active<CMatPrixView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->Mode(), kMatOpening);
    EXPECT_EQ(view->m_grid.GetCellValue(MP_NAME, 0), CString("Моющее средство"));
}

TEST_F(MatPrixView, TheBookRowIsWrittenWithTheReceiptAndUpdatedOnAReSave)
{
    CMatPrixView* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view);
    view->SetDlgItemText(IDC_NUMBER, "П-7");
    Line(view, 0, "2", "10", "100");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES)
            .message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    const long realId = Count("select max(real_id) as cnt from ledmark_mat_prix");
    ASSERT_GT(realId, 0);
    const long book = Count("select sfp_id as cnt from ledmark_mat_prix");
    ASSERT_GT(book, 0);
    EXPECT_EQ(Text(FormatText("select concat_ws('|',sb1,sch_kred,number,s,icn,txt) as str from ledmark_sch_fak_poluch "
                              "where real_id=%d",
                              book)),
              CString("1|130234730|П-7|100.00|ООО \"Продторг\"|Поступление МЦ"));
    EXPECT_EQ(Active<CMatPrixView>(), nullptr) << "the receipt closes itself";
    auto* invoice = Active<CSchFakPoluchView>();
    ASSERT_NE(invoice, nullptr) << "the received invoice opens after the save";
    EXPECT_EQ(afxtest::text(invoice, IDC_SFP_NUMBER), QStringLiteral("П-7"));
    invoice->GetParentFrame()->SendMessage(WM_CLOSE);
    Settle();

    // A re-save with another sum updates the same row.
    view = OpenStored<CMatPrixView>("пост.мат.", realId);
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCellValue(MP_SUM, 0, "120");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES)
            .message(QString::fromUtf8(kBook), IDYES);
        afxtest::click(view, IDOK);
        script.verify();
    }
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 1);
    EXPECT_EQ(Text(FormatText("select s as str from ledmark_sch_fak_poluch where real_id=%d", book)), CString("120.00"));
    if (CWnd* reopened = Active<CSchFakPoluchView>()) {
        reopened->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }

    // A supplier without counterparties: the message, and the receipt is saved without a book row.
    view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view, kIncome);
    Line(view, 0, "2", "1", "10");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES)
            .message(QString::fromUtf8(kBook), IDYES)
            .message(QStringLiteral("У счета 140101180 отсуствует субконто контрагентов "), IDOK)
            .message(QString::fromUtf8(kOffer), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Stored("ledmark_mat_prix", view->GetRealId(), "sfp_id"), CString("0"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 1);
}

TEST_F(MatPrixView, TheDeleteTakesPostingsHeaderAndLinesAndKeepsTheBookRow)
{
    CMatPrixView* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "2", "10", "100");
    Line(view, 1, "5", "2", "40");
    SaveNoBook(view);
    const long realId = view->GetRealId();
    Run(FormatText("insert into ledmark_sch_fak_poluch (number) values ('1')"));
    Run(FormatText("update ledmark_mat_prix set sfp_id=last_insert_id() where real_id=%d", realId));
    // "No" writes nothing.
    view->m_grid.SetCellValue(MP_SUM, 0, "999");
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
    EXPECT_EQ(Stored("ledmark_mat_prix", realId, "s"), CString("140.00"));
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
        afxtest::click(view, IDC_MP_DELETE);
        script.verify();
    }
    Settle();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_prix"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_prix1"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 1);
}

TEST_F(MatPrixView, AReceiptOfAClosedPeriodIsNeitherChangedNorDeleted)
{
    Run("insert into ledmark_mat_prix (id, number, d, sch_deb, sch_kred, tn, prim, s, fil_id) values (950, '1', "
        "makedate(year(curdate()) - 1, 100), '110536340', '130234730', 1, 'Поступление МЦ', 10, 1)");
    const long realId = Count("select max(real_id) as cnt from ledmark_mat_prix");
    Run(FormatText("insert into ledmark_mat_prix1 (real_id, id, kol, s) values (%d, 2, 1, 10)", realId));
    Run(FormatText("insert into system_const (name, val) values ('system_actual_date', '31.12.%d')",
                   COleDateTime::GetCurrentTime().GetYear() - 1));
    CMatPrixView* view = OpenStored<CMatPrixView>("пост.мат.", realId);
    ASSERT_NE(view, nullptr);
    view->SetDlgItemText(IDC_MP_NOTE, "Изменено");
    scripts.Clear();
    afxtest::click(view, IDOK);
    EXPECT_EQ(Stored("ledmark_mat_prix", realId, "prim"), CString("Поступление МЦ"));
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
        afxtest::click(view, IDC_MP_DELETE);
        script.verify();
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_mat_prix1"), 1);
}

TEST_F(MatPrixView, PictureOfAReceipt)
{
    Balance("4", "50");
    CMatPrixView* view = OpenReceipt();
    ASSERT_NE(view, nullptr);
    Header(view);
    Check(view, IDC_MP_VAT, true);
    view->SetDlgItemText(IDC_MP_VAT_SUM, "36.00");
    Line(view, 0, "2", "10", "100");
    Line(view, 1, "5", "4", "360");
    Line(view, 2, "2", "1", "12.50");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/mat_prix.png"));
}

} // namespace
