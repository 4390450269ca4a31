// Budget assignments and limits as a bookkeeper enters them: the locked
// accounts of each kind and source, several economic codes chosen at once,
// the row checks, one posting per row with the KOSGU of its economic code,
// and saves that write everything or nothing.
#include "CBudgAsegView.h"
#include "CBudgObyazView.h"
#include "ChooserForm.h"
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "LedgerProgram.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

const QString kSaveQuestion = QStringLiteral("Записать изменения ? ");

class BudgAsegView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_provodki where id in (select id from ledmark_budg_assig)\n"
            "delete from ledmark_budg_assig");
    }
    CBudgAsegView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("Бюдж.ассигн.", 0, nullptr), 1);
        return Active<CBudgAsegView>();
    }
    CBudgAsegView* OpenStored(long realId)
    {
        EXPECT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Бюдж.ассигн.", 0), 1);
        return Active<CBudgAsegView>();
    }
    static void Row(CBudgAsegView* view, long row, const char* ekr, const char* amount, const char* text = "")
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(ASEG_EKR, row, ekr);
        view->m_grid.SetCellValue(ASEG_SUM, row, amount);
        view->m_grid.SetCellValue(ASEG_TEXT, row, text);
    }
    static void Department(CBudgAsegView* view, const char* code)
    {
        view->m_strPrd = code;
        view->UpdateData(FALSE);
    }
    // Saves with Yes to the question; true when the form closed.
    bool SaveYes(CBudgAsegView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
    // "npp|debit|credit|deb_sb1|kred_sb1|kred_sb2|s|prim" of the document's postings.
    CString Postings(const char* where = "1=1")
    {
        return Text(FormatText(
            "select group_concat(concat_ws('|',p.npp,concat(p.deb0,p.deb1,p.deb2,p.deb3),"
            "concat(p.kred0,p.kred1,p.kred2,p.kred3),coalesce(p.deb_sb1,'-'),coalesce(p.kred_sb1,'-'),"
            "coalesce(p.kred_sb2,'-'),p.s,coalesce(p.prim,'-')) order by p.id,p.npp separator ' / ') as str "
            "from ledmark_provodki p join ledmark_budg_assig a on a.id=p.id where %s",
            where));
    }
    long long Documents() { return Count("select count(*) as cnt from ledmark_budg_assig"); }
};

TEST_F(BudgAsegView, AccountsFollowTheKindAndTheSource)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strIcn, CString("Получены лимиты"));
    EXPECT_EQ(view->m_nKind, LIMITS_MONTHLY);
    EXPECT_EQ(view->m_nSource, 0);
    EXPECT_EQ(DMGtoStr(view->m_date), DMGtoStr(COleDateTime::GetCurrentTime()));
    EXPECT_FALSE(view->m_strNumber.IsEmpty());

    struct Case {
        int kind, source;
        const char* debit;
        const char* credit;
        bool department;  // 501.03 keeps departments
    } cases[] = {
        {0, 0, "150105000", "150103000", true},
        {2, 1, "250301000", "250101000", false},
        {1, 1, "", "", false},
        {0, 3, "450105000", "450103000", true},
    };
    for (const Case& c : cases) {
        afxtest::chooseEntry(view, IDC_BUDG_KIND, c.kind);
        afxtest::chooseEntry(view, IDC_BUDG_SOURCE, c.source);
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", source " << c.source);
        EXPECT_EQ(afxtest::text(view, IDC_BUDG_DEBIT), QString::fromUtf8(c.debit));
        EXPECT_EQ(afxtest::text(view, IDC_BUDG_CREDIT), QString::fromUtf8(c.credit));
        EXPECT_FALSE(view->GetDlgItem(IDC_BUDG_DEBIT_PICK)->IsWindowEnabled()) << "defaults are locked";
        EXPECT_FALSE(view->GetDlgItem(IDC_BUDG_CREDIT_PICK)->IsWindowEnabled());
        EXPECT_EQ(bool(view->DepartmentShown()), c.department);
    }

}

TEST_F(BudgAsegView, ThreeCodesChosenAtOnceFillThreeRows)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_grid.GetNRows(), 1);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER_MULTI,
                  [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"211000 ", "213000 ", "226000 "}); });
    view->m_grid.SetCurCell(ASEG_EKR, 0);
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(ASEG_EKR)), AfxEventArg(short(0))});
    script.verify();
    ASSERT_EQ(view->m_grid.GetNRows(), 4);
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 0), CString("211000"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 1), CString("213000"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 2), CString("226000"));
    EXPECT_EQ(view->m_grid.GetCellValue(ASEG_EKR, 3), CString()) << "one empty row for the next code";
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(view->m_grid.GetCurCol(), ASEG_SUM);
}

TEST_F(BudgAsegView, RowsAreCheckedBeforeAnythingIsWritten)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Department(view, "1");
    struct Case {
        const char* ekr;
        const char* amount;
        const char* message;  // "" = the save stops on the row without one
    } cases[] = {
        {"", "100", ""},
        {"226000", "0", ""},
        {"999999", "100", "Нет такого ЭКР 999999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ekr);
        view->m_grid.ClearGrid();
        view->m_grid.SetNRows(3);
        Row(view, 0, "211000", "500");
        Row(view, 1, c.ekr, c.amount);
        afxtest::InteractionScript script;
        if (*c.message)
            script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(view->m_grid.GetCurRow(), 1);
        EXPECT_EQ(view->m_grid.GetCurCol(), ASEG_EKR);
    }
    view->m_grid.ClearGrid();
    afxtest::InteractionScript empty;
    empty.message(QStringLiteral("Укажите лимиты"), IDOK);
    afxtest::click(view, IDOK);
    empty.verify();
    EXPECT_EQ(Documents(), 0);
}

TEST_F(BudgAsegView, MonthlyLimitsPostEachRowWithTheTailOfItsCode)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Row(view, 0, "211000", "1000.50", "Оплата труда");
    Row(view, 1, "226001", "300");
    Row(view, 2, "340000", "200");
    view->m_grid.SetNRows(4);

    // 501.03 keeps departments: the field shows and is asked for.
    ASSERT_TRUE(view->DepartmentShown());
    afxtest::InteractionScript department;
    department.message(QStringLiteral("Укажите подразделение"), IDOK);
    afxtest::click(view, IDOK);
    department.verify();
    EXPECT_EQ(Documents(), 0);

    Department(view, "2");
    ASSERT_TRUE(SaveYes(view));
    ASSERT_EQ(Documents(), 1);
    EXPECT_EQ(Postings(), CString("1|150105211|150103211|211000|211000|2|1000.50|Оплата труда / "
                                  "2|150105226|150103226|226001|226001|2|300.00|- / "
                                  "3|150105340|150103340|340000|340000|2|200.00|-"));
    const long realId = (long)Count("select real_id as cnt from ledmark_budg_assig");
    const long id = (long)Count("select id as cnt from ledmark_budg_assig");
    EXPECT_EQ(Text("select concat_ws('|',tiplim,ifin,deb,kred,prd,s,icn) as str from ledmark_budg_assig"),
              CString("0|1|150105000|150103000|2|1500.50|Получены лимиты"));
    // The stored grid: three cells a row, the amount with a point, as the limits report reads it.
    const CString grid = Text("select grid as str from ledmark_budg_assig");
    EXPECT_EQ(GetPart(GetPart(grid, GetDelimiter(), 1), GetDelimiter0(), 1), CString("211000"));
    EXPECT_EQ(GetPart(GetPart(grid, GetDelimiter(), 1), GetDelimiter0(), 2), CString("1000.50"));
    EXPECT_EQ(GetPart(GetPart(grid, GetDelimiter(), 1), GetDelimiter0(), 3), CString("Оплата труда"));

    // Saved again, the document keeps its id and its postings are replaced.
    CBudgAsegView* again = OpenStored(realId);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->m_grid.GetCellValue(ASEG_EKR, 1), CString("226001"));
    EXPECT_TRUE(again->GetDlgItem(IDC_BUDG_DEBIT_PICK)->IsWindowEnabled()) << "stored accounts keep their choosers";
    again->m_grid.SetCellValue(ASEG_EKR, 1, "");
    again->m_grid.SetCellValue(ASEG_SUM, 1, "");
    ASSERT_TRUE(SaveYes(again));
    EXPECT_EQ(Documents(), 1);
    EXPECT_EQ(Count("select id as cnt from ledmark_budg_assig"), id);
    EXPECT_EQ(Postings(), CString("1|150105211|150103211|211000|211000|2|1000.50|Оплата труда / "
                                  "2|150105340|150103340|340000|340000|2|200.00|-"));
}

TEST_F(BudgAsegView, AMissingTailOrARefusedPostingWritesNothing)
{
    // Source 2 has no 501.05 accounts to post on.
    Run("delete from spr_plan_sch where col0=2 and col1='501' and col2='05' and col3<>'000'");
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    afxtest::chooseEntry(view, IDC_BUDG_SOURCE, 1);
    Department(view, "1");
    Row(view, 0, "211000", "100");
    Row(view, 1, "226000", "200");
    afxtest::InteractionScript tail;
    tail.message(QStringLiteral("Для счета 250105000 неизвестен дебетовый хвост для ЭКР 211000"), IDOK);
    afxtest::click(view, IDOK);
    tail.verify();
    EXPECT_EQ(Documents(), 0);

    // A KBK the book does not have: the posting script refuses the first row.
    afxtest::chooseEntry(view, IDC_BUDG_SOURCE, 0);
    view->m_strKbkDebit = "99";
    view->UpdateData(FALSE);
    afxtest::InteractionScript refused;
    afxtest::click(view, IDOK);
    refused.verify();
    ASSERT_FALSE(scripts.messages.empty()) << "the posting script says why";
    EXPECT_NE(scripts.messages.back().find("КБК"), std::string::npos);
    scripts.Clear();
    EXPECT_EQ(Documents(), 0);
    EXPECT_EQ(view->m_grid.GetCurRow(), 0);
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_provodki where kbk_deb=99"), 0);
}

TEST_F(BudgAsegView, QuarterlyAssignmentsAreStoredWithoutAccountsOrPostings)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    afxtest::chooseEntry(view, IDC_BUDG_KIND, ASSIGNMENTS_QUARTER);
    EXPECT_FALSE(view->DepartmentShown());
    Row(view, 0, "211000", "90000");
    ASSERT_TRUE(SaveYes(view));
    EXPECT_EQ(Text("select concat_ws('|',tiplim,coalesce(deb,'-'),coalesce(prd,'-'),s) as str from ledmark_budg_assig"),
              CString("1||-|90000.00"));
    EXPECT_GT(Count("select id as cnt from ledmark_budg_assig"), 0);
    EXPECT_EQ(Postings(), CString());
}

TEST_F(BudgAsegView, PictureOfTheFormWithThreeCodes)
{
    CBudgAsegView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    Department(view, "2");
    Row(view, 0, "211000", "120000.00", "Заработная плата");
    Row(view, 1, "213000", "36240.00", "Начисления на выплаты");
    Row(view, 2, "226000", "15000.00", "Прочие работы, услуги");
    view->m_grid.SetNRows(4);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(afxtest::distinctColours(picture), 20);
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/budg_aseg.png"));
}

// The demo obligations open in their form with their months (the demo
// writes its grids as the forms do).
class BudgetDemo : public LedgerProgram {};

TEST_F(BudgetDemo, TheFoodObligationOpensWithItsMonths)
{
    const long realId = (long)Count("select real_id as cnt from ledmark_budg_obyaz where dogovor=2");
    ASSERT_GT(realId, 0);
    ASSERT_EQ(CHelpers::I_OpenDocument(realId, nullptr, "Бюдж.обяз-во", 0), 1);
    auto* view = Active<CBudgObyazView>();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->m_grid.GetNRows(), 12);
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_NAME, 2), CString("март"));
    EXPECT_EQ(view->m_grid.GetCellValue(OBYAZ_SUM, 2), CString("40000.00"));
    EXPECT_EQ(view->m_strEkr, CString("340000"));
}

} // namespace
