// Bank receipts as a bookkeeper enters them: the main account on leaving its
// field, the fields its books show, several codes chosen at once, the postings
// of a row with and without the passage through 201.03, rows tested only when
// they or the header changed, a re-save that fails leaving the stored postings,
// the two tables of the two modes and the journal opening each statement in
// its form.
#include "CBankFinansView.h"
#include "CBankPostupView.h"
#include "CDocProvView.h"
#include "CProvodkiView.h"
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
#include <functional>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class BankPostup : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_bank_postup)\n"
            "delete from ledmark_provodki where id in (select id from ledmark_bank_postup0)\n"
            "delete from ledmark_bank_postup\n"
            "delete from ledmark_bank_postup0");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "bank_postup_deb", nullptr);
        app->WriteProfileString("constants", "bank_postup_210", nullptr);
        app->WriteProfileString("constants", "kontr", nullptr);
        app->WriteProfileInt("constants", "select_fil", 1);
    }
    CBankPostupView* Open(int mode = 0)
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Банк поступ.", mode, nullptr), 1);
        Settle();
        return Active<CBankPostupView>();
    }
    CBankPostupView* OpenStored(long realId, int mode = 0)
    {
        EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Банк поступ.", mode), 1);
        Settle();
        return Active<CBankPostupView>();
    }
    // The header as the user sets it: main account, box 1068.
    static void Header(CBankPostupView* view, const char* main, bool through)
    {
        afxtest::typeInto(view, IDC_BANK_DEBIT, QString::fromUtf8(main));
        afxtest::setChecked(view, IDC_BANK_THROUGH, through);
    }
    static void Row(CBankPostupView* view, long row, const char* ekr, const char* credit, const char* sb1,
                    const char* sum, const char* content = "")
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(POSTUP_EKR, row, ekr);
        view->m_grid.SetCellValue(POSTUP_CREDIT, row, credit);
        view->m_grid.SetCellValue(POSTUP_SB1, row, sb1);
        view->m_grid.SetCellValue(POSTUP_SUM, row, sum);
        view->m_grid.SetCellValue(POSTUP_CONTENT, row, content);
    }
    // Types into a cell of the grid as the user does, Enter ending the edit.
    static void TypeCell(CBankPostupView* view, int col, long row, const char* text)
    {
        view->m_grid.SetFocus0();
        view->m_grid.SetCurCell(col, row);
        afxtest::typeKeys(view->m_grid.GetQWidget(), QString::fromUtf8(text));
        afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    }
    // Saves with Yes to the question; true when the form closed.
    bool SaveYes(CBankPostupView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|deb_sb1|credit|kred_sb1|s|kol|kbk_deb|kbk_kred" of the postings of `table`'s statements.
    CString Postings(const char* table = "ledmark_bank_postup")
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),coalesce(p.deb_sb1,'-'),"
            "concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.kred_sb1,'-'),p.s,coalesce(p.kol,'-'),"
            "coalesce(p.kbk_deb,'-'),coalesce(p.kbk_kred,'-')) order by p.id,p.npp separator ' / ') as str "
            "from ledmark_provodki p join %s b on b.id=p.id",
            table));
    }
    long StoredKey(const char* table = "ledmark_bank_postup")
    {
        return (long)Count(FormatText("select max(real_id) as cnt from %s", table));
    }
    // The posting tests the scripts were asked for since the last clear.
    int PostingTests() const
    {
        int tests = 0;
        for (const auto& call : scripts.calls)
            tests += call.call.rfind("GL_TestProvodka(", 0) == 0;
        return tests;
    }
    static bool Marked(CBankPostupView* view, long row)
    {
        const _variant_t mark = view->m_grid.GetRowData(row);
        return mark.vt != VT_EMPTY && mark.vt != VT_NULL && long(mark) == 1;
    }
};

TEST_F(BankPostup, ANewStatementAndTheMainAccountOnLeavingItsField)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strIcn, CString("Выписка банка"));
    EXPECT_EQ(afxtest::text(view, IDC_BANK_DEBIT), QStringLiteral("230405000"));
    EXPECT_TRUE(view->m_bThrough);
    EXPECT_EQ(DMGtoStr(view->m_date), DMGtoStr(COleDateTime::GetCurrentTime()));
    EXPECT_EQ(view->m_strNumber, CString("1"));

    struct Case {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"230405211", "230405000"},  // nine characters with a KOSGU code: the account as a whole
        {"304.05.2", "304.05.2"},    // the point form is left as typed
        {"2304", "2304"},            // under six characters
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        view->GetDlgItem(IDC_BANK_DEBIT)->SetFocus();
        view->SetDlgItemText(IDC_BANK_DEBIT, c.typed);
        view->GetDlgItem(IDC_NUMBER)->SetFocus();
        EXPECT_EQ(afxtest::text(view, IDC_BANK_DEBIT), QString::fromUtf8(c.kept));
    }
}

// The personal-account and counterparty fields show as the main account's
// books say; a counterparty the account does not keep is not put in.
TEST_F(BankPostup, TheMainAccountsBooksShowItsFields)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* main;
        bool ls, contr;
        const char* lsCode;
        const char* contrCode;
    } cases[] = {
        {"230405000", false, false, "2", ""},  // kept by economic code only
        {"220101000", false, true, "2", "1"},  // by economic code and counterparty
        {"120111000", true, false, "1", ""},   // by personal account
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.main);
        afxtest::typeInto(view, IDC_BANK_DEBIT, QString::fromUtf8(c.main));
        EXPECT_EQ(bool(view->PersonalAccountShown()), c.ls);
        EXPECT_EQ(bool(view->CounterpartyShown()), c.contr);
        EXPECT_EQ(afxtest::text(view, IDC_BANK_LS), QString::fromUtf8(c.lsCode));
        EXPECT_EQ(afxtest::text(view, IDC_BANK_CONTR), QString::fromUtf8(c.contrCode));
    }
    EXPECT_FALSE(afxtest::text(view, IDC_BANK_LS_NAME).isEmpty());
}

TEST_F(BankPostup, ThreeCodesChosenAtOnceFillThreeRows)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_grid.GetNRows(), 1);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI,
                  [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"130000 ", "180000 ", "211000 "}); });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(POSTUP_EKR)), AfxEventArg(short(0))});
    script.verify();
    ASSERT_EQ(view->m_grid.GetNRows(), 4);
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_EKR, 0), CString("130000"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_EKR, 1), CString("180000"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_EKR, 2), CString("211000"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_EKR, 3), CString()) << "one empty row stays";
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(view->m_grid.GetCurCol(), POSTUP_CREDIT);
}

// A typed credit account takes the KOSGU code of the row's economic code, the
// content its default, the analytic cells what the account keeps.
TEST_F(BankPostup, ATypedCreditAccountIsCompletedByTheRowsCode)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    Header(view, "220101000", false);
    view->m_grid.SetCellValue(POSTUP_EKR, 0, "130000");
    TypeCell(view, POSTUP_CREDIT, 0, "220531");
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_CREDIT, 0), CString("220531660"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_CONTENT, 0), CString("Поступила оплата от заказчика на банковский счет"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_SB1, 0), CString("<...>")) << "205.31 is kept by counterparty";
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_SB2, 0), CString());
    EXPECT_EQ(view->m_grid.GetNRows(), 2);
}

// Through 201.03 a row whose credit is not the transit account of the debit
// side gives two postings without quantity; equal to it, one.
TEST_F(BankPostup, PostingsWithAndWithoutThePassageThrough20103)
{
    struct Case {
        bool through;
        const char* credit;
        const char* sb1;
        const char* postings;
    } cases[] = {
        {false, "220531660", "3", "1|230405000|130000|220531660|3|1234.56|-|-|-"},
        {true, "220531660", "3",
         "1|220103510|-|220531660|3|1234.56|-|-|- / 2|230405000|130000|220103610|-|1234.56|-|-|-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.through << " " << c.credit);
        Run("delete from ledmark_provodki where id in (select id from ledmark_bank_postup)\n"
            "delete from ledmark_bank_postup");
        CBankPostupView* view = Open();
        ASSERT_NE(view, nullptr);
        Header(view, "230405000", c.through);
        // A sum typed with a decimal comma.
        Row(view, 0, "130000", c.credit, c.sb1, "1234,56");
        ASSERT_TRUE(SaveYes(view)) << "the form closes after a save";
        EXPECT_EQ(Postings(), CString(c.postings));
        EXPECT_EQ(Text("select concat_ws('|',s,deb,b210,coalesce(sb2,'-'),ls) as str from ledmark_bank_postup"),
                  FormatText("1234.56|230405000|%d|-|2", c.through ? 1 : 0));
    }
    EXPECT_EQ(AfxGetApp()->GetProfileInt("constants", "bank_postup_210", 1), 1);

    // A credit account that is the transit account itself passes nothing through it.
    CBankHeader header;
    header.main = "230405000";
    header.through = TRUE;
    CBankRow row(POSTUP_COLUMNS);
    row[POSTUP_EKR] = "130000";
    row[POSTUP_CREDIT] = "220103510";
    row[POSTUP_SUM] = "5";
    CChartFacts chart;
    const std::vector<CPostingLine> lines = ReceiptPostings(chart, header, row);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].debit, CString("230405000"));
    EXPECT_EQ(lines[0].credit, CString("220103510"));
}

// A row's own KBK is what its postings are tested with.
TEST_F(BankPostup, ARowIsTestedWithItsOwnCodes)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    Header(view, "230405000", false);
    Row(view, 0, "130000", "240101130", "", "100");
    view->m_grid.SetCellValue(POSTUP_KBK_DEB, 0, "99");
    afxtest::InteractionScript script;
    afxtest::click(view, IDOK);
    script.verify();
    ASSERT_FALSE(scripts.messages.empty());
    EXPECT_NE(scripts.messages.back().find("КБК"), std::string::npos);
    scripts.Clear();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_bank_postup"), 0);

    view->m_grid.SetCellValue(POSTUP_KBK_DEB, 0, "1");
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(Postings(), CString("1|230405000|130000|240101130|-|100.00|-|1|-"));
}

// Loaded rows are not tested again; a changed row is, and a changed header
// field the postings take tests every row.
TEST_F(BankPostup, OnlyChangedRowsAreTestedAgain)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    Header(view, "230405000", false);
    Row(view, 0, "130000", "240101130", "", "100");
    Row(view, 1, "180000", "240101180", "", "50");
    ASSERT_TRUE(SaveYes(view));
    const long realId = StoredKey();

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(Marked(view, 0) && Marked(view, 1));
    scripts.calls.clear();
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(PostingTests(), 0) << "an unchanged statement tests no row";

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    TypeCell(view, POSTUP_SUM, 1, "70");
    EXPECT_FALSE(Marked(view, 1));
    EXPECT_TRUE(Marked(view, 0));
    scripts.calls.clear();
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(PostingTests(), 1) << "the edited row";
    EXPECT_EQ(Postings(), CString("1|230405000|130000|240101130|-|100.00|-|-|- / 2|230405000|180000|240101180|-|70.00|-|-|-"));

    // Each header field the postings take takes every mark back.
    struct Field {
        const char* name;
        std::function<void(CBankPostupView*)> change;
    } fields[] = {
        {"main account", [](CBankPostupView* v) { afxtest::typeInto(v, IDC_BANK_DEBIT, QStringLiteral("220101000")); }},
        {"date", [](CBankPostupView* v) { afxtest::pickDate(v, IDC_DATE, QDate::currentDate().addDays(-1)); }},
        {"branch", [](CBankPostupView* v) { afxtest::chooseEntry(v, IDC_FIL, 1); }},
        {"box 1068", [](CBankPostupView* v) { afxtest::setChecked(v, IDC_BANK_THROUGH, true); }},
        {"KBK", [](CBankPostupView* v) { afxtest::typeInto(v, IDC_BANK_KBK_DEBIT, QStringLiteral("1")); }},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.name);
        view = OpenStored(realId);
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(Marked(view, 0));
        f.change(view);
        EXPECT_FALSE(Marked(view, 0));
        EXPECT_FALSE(Marked(view, 1));
        view->OnCancel();
        Settle();
    }
}

// A posting the script refuses while a re-save writes leaves the statement
// and its postings as they were.
TEST_F(BankPostup, ARefusedPostingInAReSaveLeavesTheStoredPostings)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    Header(view, "230405000", false);
    Row(view, 0, "130000", "240101130", "", "100");
    ASSERT_TRUE(SaveYes(view));
    const long realId = StoredKey();
    const CString postings = Postings();
    // A stored row that no longer posts: loaded rows are not tested again, so
    // the script refuses it only when it is written.
    CString grid = Text("select grid as str from ledmark_bank_postup");
    grid += GetDelimiter() + CString("130000") + GetDelimiter0() + "199999999";
    for (int k = 2; k < POSTUP_COLUMNS; ++k)
        grid += GetDelimiter0() + CString(k == POSTUP_SUM ? "5" : "");
    Run(FormatText("update ledmark_bank_postup set grid='%s'", MakeSqlStr(grid)));

    view = OpenStored(realId);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_grid.GetCellValue(POSTUP_CREDIT, 1), CString("199999999"));
    view->m_strPrim = "изменено";
    view->UpdateData(FALSE);
    afxtest::InteractionScript script;
    script.message(kSaveQuestion, IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    EXPECT_EQ(ChildCount(), 1) << "the form stays open";
    EXPECT_EQ(Postings(), postings);
    EXPECT_EQ(Text("select prim as str from ledmark_bank_postup"), CString());
    EXPECT_FALSE(scripts.messages.empty());
    scripts.Clear();
}

TEST_F(BankPostup, TextsWithQuotesAreStoredAsTyped)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_strNumber = "5'а";
    view->m_strIcn = "Выписка \"О'Нил\"";
    view->m_strPrim = "it's \\ ok";
    view->UpdateData(FALSE);
    Row(view, 0, "130000", "240101130", "", "100", "Оплата за д'етский сад");
    ASSERT_TRUE(SaveYes(view));
    view = OpenStored(StoredKey());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strNumber, CString("5'а"));
    EXPECT_EQ(view->m_strIcn, CString("Выписка \"О'Нил\""));
    EXPECT_EQ(view->m_strPrim, CString("it's \\ ok"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_CONTENT, 0), CString("Оплата за д'етский сад"));
}

// The second mode keeps its statements in ledmark_bank_postup0 and numbers
// them there; the journal opens them, and financing, each in its own form;
// "Бух.Справка" and the delete work on that table.
TEST_F(BankPostup, TheSecondModeHasItsOwnTableAndTheJournalFindsIt)
{
    Run(FormatText("insert into ledmark_bank_postup0 (id,number,d,fil_id) values (0,'41',%s,1)",
                   ChangeDateUS0(ThisYear("10.01"), 0)));
    CBankPostupView* view = Open(1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->HeaderTable(), CString("ledmark_bank_postup0"));
    EXPECT_EQ(view->m_strNumber, CString("42"));
    Header(view, "230405000", false);
    Row(view, 0, "130000", "240101130", "", "300");
    ASSERT_TRUE(SaveYes(view));
    Run("delete from ledmark_bank_postup0 where number='41'");
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_bank_postup"), 0);
    const long realId = StoredKey("ledmark_bank_postup0");
    EXPECT_EQ(Postings("ledmark_bank_postup0"), CString("1|230405000|130000|240101130|-|300.00|-|-|-"));
    // Financing in the same table.
    Run(FormatText("insert into ledmark_bank_postup0 (id,number,d,isf,fil_id,sb2) values (9301,'43',%s,1,1,1)\n"
                   "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,s,fil_id) "
                   "values (9301,1,%s,'1','304','05','000','1','304','04','000',10,1)",
                   ChangeDateUS0(ThisYear("11.01"), 0), ChangeDateUS0(ThisYear("11.01"), 0)));

    ASSERT_EQ(CHelpers::FN_OpenDocument0("ProvodkiView", 0, nullptr), 1);
    Settle();
    auto* journal = Active<CProvodkiView>();
    ASSERT_NE(journal, nullptr);
    _RecordsetPtr rs = journal->m_grid.GetRecordSet();
    ASSERT_TRUE(rs);
    ASSERT_EQ(rs->GetRecordCount(), 2);
    // Financing (11 January) comes first, then the statement of today.
    journal->m_grid.SetCurCell(2, 0);
    afxtest::click(journal, IDC_OPEN_DOC);
    Settle();
    auto* financing = Active<CBankFinansView>();
    ASSERT_NE(financing, nullptr) << "the row of financing opens its own form";
    EXPECT_EQ(financing->m_strNumber, CString("43"));
    financing->OnCancel();
    Settle();
    frame->MDIActivate(journal->GetParentFrame());
    journal->m_grid.SetCurCell(2, 1);
    afxtest::click(journal, IDC_OPEN_DOC);
    Settle();
    view = Active<CBankPostupView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRealId(), realId);
    EXPECT_EQ(view->GetDocument()->GetParam(), 1);
    EXPECT_EQ(view->HeaderTable(), CString("ledmark_bank_postup0"));
    EXPECT_EQ(view->m_grid.GetCellValue(POSTUP_SUM, 0), CString("300"));
    journal->OnCancel();
    Settle();

    afxtest::command(view, ID_BUH_SPRAVKA);
    auto* postings = Active<CDocProvView>();
    ASSERT_NE(postings, nullptr);
    EXPECT_EQ(postings->m_grid.GetNRows(), 1);
    postings->OnCancel();
    Settle();
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Удалить этот документ ? "), IDYES);
    afxtest::command(view, IDC_BANK_DELETE);
    script.verify();
    Settle();
    EXPECT_EQ(Count(FormatText("select count(*) as cnt from ledmark_bank_postup0 where real_id=%d", realId)), 0);
    EXPECT_EQ(Postings("ledmark_bank_postup0"), CString("1|130405000|-|130404000|-|10.00|-|-|-"))
        << "financing keeps its postings";
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(BankPostup, AModeWithoutATableDoesNotOpen)
{
    afxtest::InteractionScript script;
    script.message(QStringLiteral("Нет банковских выписок вида 2"), IDOK);
    CHelpers::FN_OpenDocument0("Банк поступ.", 2, nullptr);
    Settle();
    script.verify();
    EXPECT_EQ(ChildCount(), 0);
}

TEST_F(BankPostup, PictureOfAStatementWithThreeRows)
{
    CBankPostupView* view = Open();
    ASSERT_NE(view, nullptr);
    Header(view, "220101000", false);
    Row(view, 0, "130000", "220531660", "1", "12500.00", "Оплата за платные услуги");
    Row(view, 1, "130000", "220531660", "4", "8300.50", "Оплата за платные услуги");
    Row(view, 2, "180000", "240101180", "", "420.00", "Прочие доходы");
    view->m_grid.SetNRows(4);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/bank_postup.png"));
}

} // namespace
