// The received invoice as a bookkeeper registers it: kept without postings,
// posted line by line against the supplier with the pairs through 501.03 and
// 502.01 and their economic codes, the checks that stop a save before
// anything is written, the row of the purchase book written, kept, replaced
// or refused for want of a counterparty, the text with its line breaks and
// quotes, the register's call text and a picture of the form.
#include "CKnigaPokView.h"
#include "CPrnSchFakPoluchView.h"
#include "CSchFakPoluchView.h"
#include "ReceivedInvoicePostings.h"
#include "SettlementsProgram.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using settlementstest::SettlementsProgram;

const char* const kTable = "ledmark_sch_fak_poluch";
const char* const kSupplier = "230226730";  // 302.26: counterparty, economic code, contract
const QString kBook = QStringLiteral("Сделать изменения в книге покупок ? ");
const QString kContinue = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

class SchFakPoluchView : public SettlementsProgram {
protected:
    void SetUp() override
    {
        SettlementsProgram::SetUp();
        Run("delete from ledmark_sch_fak_poluch\ndelete from ledmark_kniga_pokupok");
        // The obligation accounts keep departments (8) as the demo chart
        // does, or none, so that an invoice need not give them.
        const int departments = KeepsDepartments() ? 8 : 0;
        Run(FormatText("update spr_plan_sch set sb2=%d where col1='501' and col2='03'\n"
                       "update spr_plan_sch set sb3=%d where col1='502' and col2='01'",
                       departments, departments));
        AfxGetApp()->WriteProfileInt("constants", "ledmark_sch_fak_poluch_501", 1);
        AfxGetApp()->WriteProfileString("constants", "ledmark_sch_fak_poluch_kred", kSupplier);
    }
    // The demo chart as it is: 501.03 and 502.01 kept by department.
    virtual bool KeepsDepartments() const { return false; }
    CSchFakPoluchView* OpenNew() { return Open<CSchFakPoluchView>("сч.фак.получ."); }
    void Close(CWnd* view)
    {
        view->GetParentFrame()->SendMessage(WM_CLOSE);
        Settle();
    }
    // The header of an invoice from supplier 1 under contract 2, economic
    // code `ekr` (none: "").
    static void Header(CSchFakPoluchView* view, const char* sum = "1500", const char* ekr = "226000")
    {
        view->SetDlgItemText(IDC_SFP_DATE, ThisYear("15.03"));
        view->SetDlgItemText(IDC_SFP_NUMBER, "А-17");
        view->SetDlgItemText(IDC_SFP_INVOICE_DATE, ThisYear("14.03"));
        view->SetDlgItemText(IDC_SUM, sum);
        view->SetDlgItemText(IDC_SFP_SUPPLIER, kSupplier);
        view->SetDlgItemText(IDC_SFP_SB1, "1");
        view->SetDlgItemText(IDC_SFP_SB2, ekr);
        view->SetDlgItemText(IDC_SFP_SB3, "2");
        view->SetDlgItemText(IDC_SFP_KBK, "3");
        view->SetDlgItemText(IDC_SFP_TEXT, "Ремонт кровли");
    }
    static void Line(CSchFakPoluchView* view, long row, const char* account, const char* sum, const char* ekr = "",
                     const char* value1 = "")
    {
        const char* cells[SFP_COLUMNS] = {"3", account, value1, "", "", "", sum, ekr};
        for (int col = 0; col < SFP_COLUMNS; ++col)
            view->m_grid.SetCellValue(col, row, cells[col]);
    }
    // "npp|debit|d1|d2|credit|c1|c2|c3|sum" of the invoice's postings.
    CString Postings(long realId)
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,''),"
            "coalesce(p.deb_sb2,''),concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,''),"
            "coalesce(p.kred_sb2,''),coalesce(p.kred_sb3,''),p.s) order by p.npp separator ' / ') as str "
            "from ledmark_provodki p join ledmark_sch_fak_poluch f on f.id=p.id where f.real_id=%d",
            realId));
    }
    long LastId() { return (long)Count("select max(real_id) as cnt from ledmark_sch_fak_poluch"); }
    // "Записать изменения ? " Yes, the purchase book `book`, then the offer of a new one No.
    static void Save(CWnd* view, int book, bool offer = true)
    {
        afxtest::InteractionScript script;
        script.message(QStringLiteral("Записать изменения ? "), IDYES).message(kBook, book);
        if (offer)
            script.message(kContinue, IDNO);
        afxtest::click(view, IDOK);
        script.verify();
    }
};

TEST_F(SchFakPoluchView, WhatASaveRefuses)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(afxtest::text(view, IDC_SFP_SUPPLIER), QString(kSupplier));
    ExpectRefusals(view, {
        {IDC_SFP_DATE, "", "Укажите дату регистрации с/ф"},
        {IDC_SFP_NUMBER, "", "Укажите № с/ф"},
        {IDC_SFP_INVOICE_DATE, "", "Укажите дату с/ф"},
        {IDC_SUM, "0.00", "Укажите сумму с/ф"},
        {IDC_SFP_SUPPLIER, "", "Укажите кредит счет"},
        {IDC_SFP_SUPPLIER, "299999999", "Нет такого счета"},
    }, [&] {
        Header(view);
        Line(view, 0, "240102226", "1500");
    });
    // A pair without an economic code, or without a KOSGU code for it, stops
    // the save: nothing is written.
    Header(view, "1500", "");
    Line(view, 0, "240102226", "1500");
    Refused(view, "Не указан ЭКР у счетов 240102226 и 230226730", 0);
    // A pair the posting script refuses (no 501.03 for that code): the script says why.
    Header(view, "1500", "999000");
    Line(view, 0, "240102226", "1500");
    scripts.Clear();
    {
        afxtest::InteractionScript none;
        afxtest::click(view, IDOK);
        none.verify();
    }
    EXPECT_FALSE(scripts.messages.empty());
    // Without postings the text is the one thing asked beyond the dates, number and sum.
    view->CheckDlgButton(IDC_SFP_NO_POSTING, BST_CHECKED);
    view->SendMessage(WM_COMMAND, IDC_SFP_NO_POSTING);
    Header(view);
    view->SetDlgItemText(IDC_SFP_TEXT, "");
    Refused(view, "Укажите цель", IDC_SFP_TEXT);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0);
}

// Two lines with their pairs: postings 1-4 in the order line, pair, line,
// pair; a line of column 7 alone is no line.
TEST_F(SchFakPoluchView, TheLinesAndTheirPairs)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view, "-100");
    Line(view, 0, "240102226", "-60");
    Line(view, 2, "240102225", "-40", "225000");
    view->m_grid.SetCellValue(SFP_EKR, 1, "226000");  // a line of column 7 alone is no line
    Save(view, IDNO);
    const long realId = LastId();
    EXPECT_EQ(Postings(realId),
              CString("1|240102226|||230226730|1|226000|2|-60.00 / 2|250103226|226000||250201226|226000|2||-60.00 / "
                      "3|240102225|||230226730|1|226000|2|-40.00 / 4|250103226|226000||250201225|226000|2||-40.00"));
    EXPECT_EQ(Stored(kTable, realId, "concat_ws('|',kp_id,b501,sch_kred,sb1,sb2,sb3,kbk_kred,s,number)"),
              CString("-1|1|230226730|1|226000|2|3|-100.00|А-17"));
}

// Where a pair takes its economic code, contract and accounts from; when it
// has none; when it cannot be built.
TEST_F(SchFakPoluchView, WhereAPairTakesItsCodes)
{
    struct Case {
        const char* what;
        const char* supplier;
        const char* values[3];
        const char* account;
        const char* lineValues[3];
        const char* ekr;
        ReceivedPairOutcome outcome;
        const char* posting;  // "debit|d1|d2|credit|c1|c2|c3" or the message
    } cases[] = {
        {"the supplier's code wins over column 7", "230226730", {"1", "226000", "2"}, "240102225", {"", "", ""},
         "225000", ReceivedPairOutcome::Made, "250103226|226000||250201225|226000|2|"},
        {"column 7 for a supplier without codes", "240102226", {"", "", ""}, "240102225", {"", "", ""}, "225000",
         ReceivedPairOutcome::Made, "250103225|225000||250201225|225000|1|"},
        {"the line's own value of codes", "240102226", {"", "", ""}, "230226830", {"1", "226000", "2"}, "",
         ReceivedPairOutcome::Made, "250103226|226000||250201226|226000|1|"},
        {"no code anywhere", "240102226", {"", "", ""}, "240102225", {"", "", ""}, "", ReceivedPairOutcome::Fault,
         "Не указан ЭКР у счетов 240102225 и 240102226"},
        {"a contract left empty: no pair", "230226730", {"1", "226000", ""}, "240102226", {"", "", ""}, "",
         ReceivedPairOutcome::None, ""},
    };
    CChartFacts chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CReceivedHeader header{c.supplier, {c.values[0], c.values[1], c.values[2]}, "3"};
        const CReceivedLine line{"3", c.account, {c.lineValues[0], c.lineValues[1], c.lineValues[2]}, "", "10", c.ekr};
        const CReceivedPair pair = ReceivedInvoicePair(chart, line, header);
        EXPECT_EQ(pair.outcome, c.outcome);
        const CPostingLine& p = pair.posting;
        const CString shown = c.outcome == ReceivedPairOutcome::Fault
                                  ? pair.message
                                  : c.outcome == ReceivedPairOutcome::None
                                        ? CString()
                                        : p.debit + "|" + p.debit1 + "|" + p.debit2 + "|" + p.credit + "|" + p.credit1
                                              + "|" + p.credit2 + "|" + p.credit3;
        EXPECT_EQ(shown, CString(c.posting));
    }
}

// Kept without postings: id 0, no postings, the text with its line breaks and
// quotes stored and shown back, the posting fields hidden on load; a posted
// invoice saved later without postings loses them.
TEST_F(SchFakPoluchView, KeptWithoutPostingsAndItsText)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "240102226", "1500");
    Save(view, IDNO);
    const long realId = LastId();
    EXPECT_NE(Postings(realId), CString());
    Close(view);

    view = OpenStored<CSchFakPoluchView>("СчФакПолуч", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->m_grid.IsWindowVisible());
    view->CheckDlgButton(IDC_SFP_NO_POSTING, BST_CHECKED);
    view->SendMessage(WM_COMMAND, IDC_SFP_NO_POSTING);
    const CString text = "Ремонт кровли \"под ключ\"\r\nматериалы  подрядчика";
    view->SetDlgItemText(IDC_SFP_TEXT, text);
    Save(view, IDNO);
    EXPECT_EQ(Stored(kTable, realId, "concat_ws('|',id,txt,icn)"),
              CString("0|Ремонт кровли \"под ключ\"<br>материалы  подрядчика|Ремонт кровли \"под ключ\" материалы  "
                      "подрядчика"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki"), 0) << "the postings it had are gone";
    Close(view);

    view = OpenStored<CSchFakPoluchView>("СчФакПолуч", realId);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->IsDlgButtonChecked(IDC_SFP_NO_POSTING), (UINT)BST_CHECKED);
    EXPECT_FALSE(view->m_grid.IsWindowVisible());
    EXPECT_FALSE(view->GetDlgItem(IDC_SFP_SUPPLIER)->IsWindowVisible());
    EXPECT_EQ(afxtest::text(view, IDC_SFP_TEXT), text.ToQString());
}

// The purchase book: No keeps the stored link (none for a new invoice); Yes
// writes the row, then updates it, and replaces one that was deleted; the row
// opens in its form and the invoice's form closes.
TEST_F(SchFakPoluchView, TheRowOfThePurchaseBook)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "240102226", "1500");
    Save(view, IDNO);
    const long realId = LastId();
    EXPECT_EQ(Stored(kTable, realId, "kp_id"), CString("-1"));

    Save(view, IDYES, false);
    const long kp = (long)Count(FormatText("select kp_id as cnt from ledmark_sch_fak_poluch where real_id=%d", realId));
    ASSERT_GT(kp, 0);
    EXPECT_EQ(Stored("ledmark_kniga_pokupok", kp, "concat_ws('|',number,s,org,icn,iff,d=d_uch,fil_id)"),
              CString("А-17|1500.00|1|ООО \"Продторг\"|2|1|1"));
    auto* book = Active<CKnigaPokView>();
    ASSERT_NE(book, nullptr) << "the purchase book entry opens";
    EXPECT_EQ(book->GetRealId(), kp);
    Close(book);

    // No keeps the link; Yes updates the row, and replaces it once deleted.
    view = OpenStored<CSchFakPoluchView>("СчФакПолуч", realId);
    ASSERT_NE(view, nullptr);
    Save(view, IDNO);
    EXPECT_EQ(Count(FormatText("select kp_id as cnt from ledmark_sch_fak_poluch where real_id=%d", realId)), kp);
    view->SetDlgItemText(IDC_SUM, "1600");
    Line(view, 0, "240102226", "1600");
    Save(view, IDYES, false);
    EXPECT_EQ(Stored("ledmark_kniga_pokupok", kp, "s"), CString("1600.00"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_pokupok"), 1);
    Close(Active<CKnigaPokView>());
    Run(FormatText("delete from ledmark_kniga_pokupok where real_id=%d", kp));
    view = OpenStored<CSchFakPoluchView>("СчФакПолуч", realId);
    ASSERT_NE(view, nullptr);
    Save(view, IDYES, false);
    const long replaced =
        (long)Count(FormatText("select kp_id as cnt from ledmark_sch_fak_poluch where real_id=%d", realId));
    EXPECT_GT(replaced, kp);
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_kniga_pokupok where real_id=%d", replaced)), 1);
    Close(Active<CKnigaPokView>());

    // A supplier account without a counterparty: the user is told, no row.
    view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->CheckDlgButton(IDC_SFP_NO_POSTING, BST_CHECKED);
    view->SendMessage(WM_COMMAND, IDC_SFP_NO_POSTING);
    Header(view);
    view->SetDlgItemText(IDC_SFP_SUPPLIER, "240102226");
    afxtest::InteractionScript none;
    none.message(QStringLiteral("Записать изменения ? "), IDYES)
        .message(kBook, IDYES)
        .message(QStringLiteral("У счета поставщика 240102226 не указан контрагент: запись в книге покупок не сделана"),
                 IDOK);
    afxtest::click(view, IDOK);
    none.verify();
    EXPECT_EQ(Stored(kTable, LastId(), "kp_id"), CString("-1"));
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_kniga_pokupok"), 1);
}

class SchFakPoluchOnDemoChart : public SchFakPoluchView {
protected:
    bool KeepsDepartments() const override { return true; }
};

// With 501.03 and 502.01 kept by department, a pair takes the department of
// its line's costs; a line on an account that keeps none is refused before
// anything is written. Saved with the purchase book: four postings, the
// book's row opened.
TEST_F(SchFakPoluchOnDemoChart, APairTakesTheDepartmentOfItsLine)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "240102226", "1000");
    scripts.Clear();
    {
        afxtest::InteractionScript none;
        afxtest::click(view, IDOK);
        none.verify();
    }
    ASSERT_EQ(scripts.messages.size(), 1u);
    EXPECT_EQ(scripts.messages[0], "Укажите субконто2 (Подразделения) счета дебета 250103226");
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_sch_fak_poluch"), 0);
    scripts.Clear();

    Line(view, 0, "210960226", "1000", "", "1");
    Line(view, 1, "210960225", "500", "225000", "3");
    Save(view, IDYES, false);
    const long realId = LastId();
    EXPECT_EQ(Postings(realId),
              CString("1|210960226|1||230226730|1|226000|2|1000.00 / 2|250103226|226000|1|250201226|226000|2|1|1000.00 / "
                      "3|210960225|3||230226730|1|226000|2|500.00 / 4|250103226|226000|3|250201225|226000|2|3|500.00"));
    auto* book = Active<CKnigaPokView>();
    ASSERT_NE(book, nullptr) << "the purchase book entry opens";
    EXPECT_EQ(book->GetRealId(),
              (long)Count(FormatText("select kp_id as cnt from ledmark_sch_fak_poluch where real_id=%d", realId)));
    Close(book);
}

TEST_F(SchFakPoluchView, TheRegistersCallText)
{
    auto* print = Open<CPrnSchFakPoluchView>("prn_sch_fak_poluch");
    ASSERT_NE(print, nullptr);
    print->m_dateFrom = qwDMG("01.01.2024", 1);
    print->m_dateTo = qwDMG("31.03.2024", 1);
    print->UpdateData(FALSE);
    EXPECT_EQ(print->CallText(), CString("prn(\"01.01.2024\",\"31.03.2024\",-2,0)"));
}

TEST_F(SchFakPoluchView, PictureOfAnInvoiceWithTwoLines)
{
    CSchFakPoluchView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Header(view);
    Line(view, 0, "240102226", "1000");
    Line(view, 1, "240102225", "500", "225000");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 8);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/received_invoice.png"));
}

} // namespace
