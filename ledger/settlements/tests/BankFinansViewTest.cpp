// Financing received as a bookkeeper enters it: the accounts of a source and
// an economic code, the checks of a row and of the counterparty, the KBK the
// check accepts being the one written, and the next document offered after a
// save.
#include "CBankFinansView.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");
const QString kNextQuestion = QStringLiteral("Документ успешно записан.\nЖелаете внести новый документ ? ");

class BankFinans : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_bank_postup0)\n"
            "delete from ledmark_bank_postup0");
        CWinApp* app = AfxGetApp();
        app->WriteProfileString("constants", "bank_finans_if", nullptr);
        app->WriteProfileString("constants", "bank_finans_kontr", nullptr);
        app->WriteProfileInt("constants", "select_fil", 1);
    }
    CBankFinansView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Финансир.", 0, nullptr), 1);
        Settle();
        return Active<CBankFinansView>();
    }
    static void Row(CBankFinansView* view, long row, const char* ekr, const char* sum, const char* kbk = "")
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(FINANS_EKR, row, ekr);
        view->m_grid.SetCellValue(FINANS_SUM, row, sum);
        view->m_grid.SetCellValue(FINANS_KBK, row, kbk);
    }
    // "npp|debit|deb_sb1|deb_sb2|credit|kred_sb1|kred_sb2|s|kbk_deb|kbk_kred" of the postings.
    CString Postings()
    {
        return Text("select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
                    "coalesce(p.deb_sb1,'-'),coalesce(p.deb_sb2,'-'),concat(p.kred0,p.kred1,p.kred2,p.kred3),"
                    "coalesce(p.kred_sb1,'-'),coalesce(p.kred_sb2,'-'),p.s,coalesce(p.kbk_deb,'-'),"
                    "coalesce(p.kbk_kred,'-')) order by p.id,p.npp separator ' / ') as str "
                    "from ledmark_provodki p join ledmark_bank_postup0 b on b.id=p.id");
    }
};

TEST_F(BankFinans, TheAccountsFollowTheSourceAndTheCode)
{
    struct Case {
        int source;
        const char* ekr;
        const char* debit;
        const char* credit;
    } cases[] = {
        {1, "211000", "130405000", "130404000"},
        {2, "211000", "220101510", "220103610"},
        {2, "", "220101510", "220103610"},  // no code: the side's first KOSGU code
    };
    CChartFacts chart;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " " << c.ekr);
        EXPECT_EQ(FinancingAccount(chart, c.source, c.ekr, 1), CString(c.debit));
        EXPECT_EQ(FinancingAccount(chart, c.source, c.ekr, 2), CString(c.credit));
    }
}

TEST_F(BankFinans, RowsAndTheCounterpartyAreCheckedBeforeAnythingIsWritten)
{
    CBankFinansView* view = Open();
    ASSERT_NE(view, nullptr);
    struct Case {
        const char* contr;
        int source;  // index in the list
        const char* ekr;
        const char* sum;
        const char* message;
        UINT focus;  // 0: the grid
    } cases[] = {
        {"", 0, "211000", "100", "Укажите код контрагента", IDC_FINANS_CONTR},
        {"77", 0, "211000", "100", "Нет такого контрагента", IDC_FINANS_CONTR},
        {"1", 0, "211000", "0", "Укажите сумму", 0},
        {"1", 0, "999999", "100", "Нет такого ЭКР в справочнике", 0},
        // The third source has no KBK of its own: none is given, none is found.
        {"1", 2, "211000", "100", "Укажите КБК", IDC_BANK_KBK_DEBIT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        view->m_strContr = c.contr;
        view->UpdateData(FALSE);
        afxtest::chooseEntry(view, IDC_BANK_SOURCE, c.source);
        view->m_grid.ClearGrid();
        Row(view, 0, c.ekr, c.sum);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        CWnd* focused = CWnd::GetFocus();
        if (c.focus)
            EXPECT_EQ(focused, view->GetDlgItem(c.focus));
        else
            EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    }
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_bank_postup0"), 0);
}

// The budget's financing with two rows: the KBK the check found for the empty
// header is written into the postings and the header; "Yes" gives the next
// document with the remembered source, branch and counterparty.
TEST_F(BankFinans, TwoRowsPostedThenTheNextDocument)
{
    CBankFinansView* view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strIcn, CString("Выписка банка"));
    EXPECT_EQ(view->Source(), 1);
    view->m_strContr = "2";
    view->UpdateData(FALSE);
    Row(view, 0, "211000", "1000,50");
    Row(view, 1, "213000", "302");
    afxtest::InteractionScript script;
    script.message(kSaveQuestion, IDYES).message(kNextQuestion, IDYES);
    afxtest::click(view, IDOK);
    script.verify();
    Settle();
    ASSERT_EQ(Active<CBankFinansView>(), view) << "the form stays open";
    EXPECT_EQ(Postings(), CString("1|130405000|211000|-|130404000|211000|2|1000.50|1|1 / "
                                  "2|130405000|213000|-|130404000|213000|2|302.00|1|1"));
    EXPECT_EQ(Text("select concat_ws('|',isf,kbk,s,sb2,coalesce(deb,'-')) as str from ledmark_bank_postup0"),
              CString("1|1|1302.50|2|-"));
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(view->m_strNumber, CString("2"));
    EXPECT_EQ(view->m_strContr, CString("2"));
    EXPECT_EQ(view->Source(), 1);
    EXPECT_EQ(view->m_grid.GetNRows(), 1);
    EXPECT_EQ(view->m_grid.GetCellValue(FINANS_EKR, 0), CString());
}

// A typed economic code writes its default content over what stood there.
TEST_F(BankFinans, ATypedCodeGivesItsContent)
{
    CBankFinansView* view = Open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_grid.GetNRows(), 1);
    view->m_grid.SetCellValue(FINANS_CONTENT, 0, "старое");
    view->m_grid.SetFocus0();
    view->m_grid.SetCurCell(FINANS_EKR, 0);
    afxtest::typeKeys(view->m_grid.GetQWidget(), QStringLiteral("211000"));
    afxtest::pressKey(view->m_grid.GetQWidget(), Qt::Key_Return);
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(FINANS_CONTENT, 0), CString("Получено финансирование из бюджета"));
    EXPECT_EQ(view->m_grid.GetNRows(), 2) << "an empty row for the next code";
}

} // namespace
