// Bank payments as a bookkeeper enters them: the main account on leaving its
// field, the payment orders a row may pay, the budget obligation written
// beside a payment under a contract, several codes chosen at once, the rows'
// checks, rows tested only when they or the header changed, and a re-save
// that fails leaving the stored postings.
#include "CBankSpisView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

// A payment row: economic code, debit, its three analytic values, sum.
struct Payment {
    const char* ekr;
    const char* debit;
    const char* sb1;
    const char* sb2;
    const char* sb3;
    const char* sum;
};

// Payments for fixed assets under the repair contract (supplier 4, contract 5,
// department 2), and the income tax (an account without analytic values).
const Payment kRepair = {"310000", "130231830", "4", "5", "2", "45000"};
const Payment kTax = {"211000", "130301830", "", "", "", "1300"};

class BankSpis : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_bank_spis)\n"
            "delete from ledmark_bank_spis");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "bank_spis_kred", nullptr);
        app->WriteProfileString("constants", "bank_spis_501", nullptr);
        app->WriteProfileString("constants", "kontr", nullptr);
        app->WriteProfileInt("constants", "select_fil", 1);
    }
    CBankSpisView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Банк спис.", 0, nullptr), 1);
        Settle();
        return Active<CBankSpisView>();
    }
    CBankSpisView* OpenStored(long realId)
    {
        EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Банк спис.", 0), 1);
        Settle();
        return Active<CBankSpisView>();
    }
    static void Row(CBankSpisView* view, long row, const Payment& p)
    {
        if (view->m_grid.GetNRows() <= row + 1)
            view->m_grid.SetNRows(row + 2);
        view->m_grid.SetCellValue(SPIS_EKR, row, p.ekr);
        view->m_grid.SetCellValue(SPIS_DEBIT, row, p.debit);
        view->m_grid.SetCellValue(SPIS_SB1, row, p.sb1);
        view->m_grid.SetCellValue(SPIS_SB2, row, p.sb2);
        view->m_grid.SetCellValue(SPIS_SB3, row, p.sb3);
        view->m_grid.SetCellValue(SPIS_SUM, row, p.sum);
    }
    static void TypeCell(CBankSpisView* view, int col, long row, const char* text)
    {
        view->m_grid.SetFocus0();
        view->m_grid.SetCurCell(col, row);
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    }
    // Saves with Yes to the question after the messages expected; true when the form closed.
    bool SaveYes(CBankSpisView* view, const QStringList& messages = {})
    {
        afxtest::InteractionScript script;
        for (const QString& message : messages)
            script.message(message, IDOK);
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|deb_sb1|deb_sb2|deb_sb3|credit|kred_sb1|kred_sb2|kred_sb3|s" of the postings.
    CString Postings()
    {
        return Text("select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
                    "coalesce(p.deb_sb1,'-'),coalesce(p.deb_sb2,'-'),coalesce(p.deb_sb3,'-'),"
                    "concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,'-'),coalesce(p.kred_sb2,'-'),"
                    "coalesce(p.kred_sb3,'-'),p.s) order by p.id,p.npp separator ' / ') as str "
                    "from ledmark_provodki p join ledmark_bank_spis b on b.id=p.id");
    }
    long StoredKey() { return (long)Count("select max(real_id) as cnt from ledmark_bank_spis"); }
    int PostingTests() const
    {
        int tests = 0;
        for (const auto& call : scripts.calls)
            tests += call.call.rfind("GL_TestProvodka(", 0) == 0;
        return tests;
    }
    static CString Day(int daysFromToday)
    {
        return ChangeDateUS0(CString(QDate::currentDate().addDays(daysFromToday).toString("dd.MM.yyyy")), 0);
    }
};

TEST_F(BankSpis, ANewStatementAndTheMainAccountOnLeavingItsField)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strIcn, CString("Выписка банка"));
    EXPECT_EQ(afxtest::text(view, IDC_BANK_CREDIT), QStringLiteral("230405000"));
    EXPECT_TRUE(view->m_bThrough);
    EXPECT_EQ(view->m_strNumber, CString("1"));
    struct Case {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"230405211", "230405000"},   // nine characters with a KOSGU code
        {"2304052110", "230405000"},  // ten characters
        {"2304", "2304"},             // under six characters
        {"304.05.2", "304.05.2"},     // the point form is not cut
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view->GetDlgItem(IDC_BANK_CREDIT)->SetFocus();
        view->SetDlgItemText(IDC_BANK_CREDIT, c.typed);
        view->GetDlgItem(IDC_NUMBER)->SetFocus();
        EXPECT_EQ(afxtest::text(view, IDC_BANK_CREDIT), QString::fromUtf8(c.kept));
    }
}

// The orders listed for a row: up to the statement's date, of the row's sum
// while one has it, of the supplier's organisation where the debit keeps
// suppliers; a supplier cell that is no number limits nothing.
TEST_F(BankSpis, ThePaymentOrdersARowMayPay)
{
    Run(FormatText("delete from plpor\n"
                   "insert into plpor (d,number,s,org) values (%s,'А1',100,4),(%s,'А2',250,4),(%s,'Э3',100,2),"
                   "(%s,'А4',100,4)",
                   Day(-10), Day(-5), Day(-3), Day(5)));
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* debit;
        const char* supplier;
        const char* sum;
        QStringList listed;
    } cases[] = {
        {"130301830", "", "100", {"А1", "Э3"}},              // a sum that orders have
        {"130301830", "", "999", {"А1", "А2", "Э3"}},        // none has it: the sum is dropped
        {"130231830", "4", "", {"А1", "А2"}},                // the supplier's organisation only
        {"130231830", "4", "250", {"А2"}},
        {"130301830", "", "", {"А1", "А2", "Э3"}},           // no sum
        {"130231830", "4 or 1=1", "", {"А1", "А2", "Э3"}},   // no number, no organisation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.debit << " " << c.supplier << " " << c.sum);
        view->m_grid.SetCellValue(SPIS_DEBIT, 0, c.debit);
        view->m_grid.SetCellValue(SPIS_SB1, 0, c.supplier);
        view->m_grid.SetCellValue(SPIS_SUM, 0, c.sum);
        QStringList listed;
        afxtest::InteractionScript script;
        script.dialog(IDD_SPR_PICKER, [&listed](afxtest::DialogStep& d) {
            for (const QString& row : pickertest::Rows(d))
                listed << row.section(QStringLiteral("   "), 0, 0);
            d.click(IDCANCEL);
        });
        AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(SPIS_PLPOR)), AfxEventArg(short(0))});
        script.verify();
        EXPECT_EQ(listed, c.listed);
    }
    // The chosen order's key goes into the row.
    const long npp = (long)Count("select npp as cnt from plpor where number='А2'");
    afxtest::InteractionScript choose;
    choose.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"А2   "}); });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(SPIS_PLPOR)), AfxEventArg(short(0))});
    choose.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_PLPOR, 0), FormatText("%d", npp));
}

// With the box ticked a payment under a contract writes the budget
// obligation after it; a pair that cannot be formed is said and left out,
// the payment itself is written.
TEST_F(BankSpis, TheBudgetObligationBesideAPaymentUnderAContract)
{
    const CString payment = "1|130231830|4|5|2|230405000|310000|-|-|45000.00";
    struct Case {
        const char* name;
        bool through;
        Payment row;
        const char* message;  // "" none
        CString postings;
    } cases[] = {
        {"box clear", false, kRepair, "", payment},
        {"no contract", true, kTax, "", "1|130301830|-|-|-|230405000|211000|-|-|1300.00"},
        {"a contract", true, kRepair, "",
         payment + " / 2|150103310|310000|2|-|250201310|310000|5|2|45000.00"},
        {"an unknown tail", true, {"310000", "330231830", "4", "5", "2", "45000"},
         "Неизвестен дебетовый хвост для ЭКР 310000", "1|330231830|4|5|2|230405000|310000|-|-|45000.00"},
    };
    // Source 3 keeps no 501.03 to post on.
    Run("update spr_plan_sch set col1='591' where col0=3 and col1='501' and col2='03'");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Run("delete from ledmark_provodki where id in (select id from ledmark_bank_spis)\n"
            "delete from ledmark_bank_spis");
        CBankSpisView* view = Open();
        ASSERT_NE(view, nullptr);
        afxtest::setChecked(view, IDC_BANK_THROUGH, c.through);
        Row(view, 0, c.row);
        QStringList messages;
        if (*c.message)
            messages << QString::fromUtf8(c.message);
        EXPECT_TRUE(SaveYes(view, messages));
        EXPECT_EQ(Postings(), c.postings);
    }
    Run("update spr_plan_sch set col1='501' where col1='591'");

    // Without an economic code anywhere no pair is formed.
    CChartFacts chart;
    CBankHeader header;
    header.main = "230405000";
    header.through = TRUE;
    CBankRow row(SPIS_COLUMNS);
    row[SPIS_DEBIT] = "130231830";
    row[SPIS_SB2] = "5";
    row[SPIS_SUM] = "10";
    CString fault;
    EXPECT_EQ(PaymentPostings(chart, header, row, fault).size(), 1u);
    EXPECT_EQ(fault, CString("Не указан ЭКР у счетов 130231830 и 230405000"));
}

// The pair is tested before anything is written: communication services paid
// under their contract, whose account keeps no department, cannot write the
// obligation (501.03 needs one), and the save stops before its question.
TEST_F(BankSpis, ARefusedPairWritesNothing)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    Row(view, 0, {"221000", "130221830", "3", "221000", "4", "3000"});
    afxtest::InteractionScript script;
    afxtest::click(view, IDOK);
    script.verify();
    ASSERT_FALSE(scripts.messages.empty()) << "the posting script says why";
    scripts.Clear();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_bank_spis"), 0);
    EXPECT_EQ(ChildCount(), 1);
}

TEST_F(BankSpis, ThreeCodesChosenOnTheLastRowFillItAndTwoNewRows)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCellValue(SPIS_EKR, 0, "211000");
    Settle();
    view->SendMessage(kBankTrailingRowMsg);
    ASSERT_EQ(view->m_grid.GetNRows(), 2);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI,
                  [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"221000 ", "223000 ", "226000 "}); });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(SPIS_EKR)), AfxEventArg(short(1))});
    script.verify();
    ASSERT_EQ(view->m_grid.GetNRows(), 5);
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_EKR, 1), CString("221000"));
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_EKR, 2), CString("223000"));
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_EKR, 3), CString("226000"));
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_EKR, 4), CString()) << "one empty row stays";
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);
    EXPECT_EQ(view->m_grid.GetCurCol(), SPIS_DEBIT);
}

TEST_F(BankSpis, RowsWithoutADebitAndStatementsWithoutRows)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript empty;
    empty.message(QStringLiteral("Укажите что списано со счета"), IDOK);
    afxtest::click(view, IDOK);
    empty.verify();

    view->m_grid.SetCellValue(SPIS_SUM, 0, "500");
    afxtest::InteractionScript silent;
    afxtest::click(view, IDOK);
    silent.verify();
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_bank_spis"), 0);
}

// A typed debit takes the KOSGU code of the row's economic code, the wording
// its default, the analytic cells what the account keeps.
TEST_F(BankSpis, ATypedDebitIsCompletedByTheRowsCode)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCellValue(SPIS_EKR, 0, "310000");
    TypeCell(view, SPIS_DEBIT, 0, "130231");
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_DEBIT, 0), CString("130231830"));
    EXPECT_EQ(view->m_grid.GetCellValue(SPIS_CONTENT, 0), CString("Оплачено поставщику с лицевого счета"));
    for (int col : {SPIS_SB1, SPIS_SB2, SPIS_SB3})
        EXPECT_EQ(view->m_grid.GetCellValue(col, 0), CString("<...>"));
}

// Loaded rows are not tested again; a changed row is, and a changed main
// account tests every row. A posting the script refuses while a re-save
// writes leaves the stored postings.
TEST_F(BankSpis, ReSavesTestChangedRowsAndKeepThePostingsOnAFailure)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::setChecked(view, IDC_BANK_THROUGH, false);
    Row(view, 0, kTax);
    Row(view, 1, {"211000", "130301830", "", "", "", "200"});
    ASSERT_TRUE(SaveYes(view));
    const long realId = StoredKey();

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    scripts.calls.clear();
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(PostingTests(), 0) << "an unchanged statement tests no row";

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    TypeCell(view, SPIS_SUM, 1, "250");
    scripts.calls.clear();
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(PostingTests(), 1);
    EXPECT_EQ(Postings(), CString("1|130301830|-|-|-|230405000|211000|-|-|1300.00 / "
                                  "2|130301830|-|-|-|230405000|211000|-|-|250.00"));

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    afxtest::typeInto(view, IDC_BANK_CREDIT, QStringLiteral("130405000"));
    scripts.calls.clear();
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(PostingTests(), 2) << "a new main account tests every row";
    const CString postings = Postings();
    EXPECT_EQ(postings, CString("1|130301830|-|-|-|130405000|211000|-|-|1300.00 / "
                                "2|130301830|-|-|-|130405000|211000|-|-|250.00"));

    // A stored row that no longer posts: loaded rows are not tested again, so
    // the script refuses it only when it is written.
    CString grid = Text("select grid as str from ledmark_bank_spis");
    grid += GetDelimiter() + CString("211000") + GetDelimiter0() + "199999999";
    for (int k = 2; k < SPIS_COLUMNS; ++k)
        grid += GetDelimiter0() + CString(k == SPIS_SUM ? "5" : "");
    Run(FormatText("update ledmark_bank_spis set grid='%s'", MakeSqlStr(grid)));
    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(SaveYes(view)) << "the form stays open";
    EXPECT_EQ(Postings(), postings);
    EXPECT_FALSE(scripts.messages.empty());
    scripts.Clear();
}

TEST_F(BankSpis, PictureOfAStatementWithThreeRows)
{
    CBankSpisView* view = Open();
    ASSERT_NE(view, nullptr);
    Row(view, 0, kRepair);
    view->m_grid.SetCellValue(SPIS_CONTENT, 0, "Оплачено поставщику с лицевого счета");
    view->m_grid.SetCellValue(SPIS_PLPOR, 0, "3");
    Row(view, 1, kTax);
    view->m_grid.SetCellValue(SPIS_CONTENT, 1, "Перечислены налоги в бюджет");
    Row(view, 2, {"223000", "130223830", "2", "223000", "3", "21000"});
    view->m_grid.SetCellValue(SPIS_CONTENT, 2, "Оплачена электроэнергия");
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/bank_spis.png"));
}

} // namespace
