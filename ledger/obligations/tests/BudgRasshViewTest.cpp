// The contract breakdown as a bookkeeper enters it: the contract's details,
// the line check, the input line offered only after complete lines, the
// form renewed after a new breakdown and closed after a stored one, and the
// stored grid as the obligations reports read it.
#include "CBudgRasshView.h"
#include "CFormGridView.h"
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

class BudgRasshView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        Run("delete from ledmark_budg_rassh");
    }
    CBudgRasshView* OpenNew()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("расш.к договору", 0, nullptr), 1);
        return Active<CBudgRasshView>();
    }
    static void SetContract(CBudgRasshView* view, const char* id)
    {
        view->SetDlgItemText(IDC_BUDG_CONTRACT, id);
    }
    // A line: code, the amounts of the months from `firstMonth`, source, KBK.
    static void Line(CBudgRasshView* view, long row, const char* ekr, int firstMonth,
                     std::initializer_list<const char*> amounts, const char* source, const char* kbk)
    {
        if (view->m_grid.GetNRows() <= row)
            view->m_grid.SetNRows(row + 1);
        view->m_grid.SetCellValue(RASSH_EKR, row, ekr);
        int month = firstMonth;
        for (const char* amount : amounts)
            view->m_grid.SetCellValue(month++, row, amount);
        view->m_grid.SetCellValue(RASSH_SOURCE, row, source);
        view->m_grid.SetCellValue(RASSH_KBK, row, kbk);
    }
    bool SaveYes(CBudgRasshView* view)
    {
        afxtest::InteractionScript script;
        script.message(kSaveQuestion, IDYES);
        afxtest::click(view, IDOK);
        script.verify();
        Settle();
        return ChildCount() == 0;
    }
};

TEST_F(BudgRasshView, TheContractBringsItsSupplierAndSum)
{
    CBudgRasshView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->m_strDate, DMGtoStr(COleDateTime::GetCurrentTime()));
    EXPECT_EQ(view->m_strNumber, CString("1"));
    EXPECT_EQ(view->m_grid.GetNRows(), 1);
    SetContract(view, "2");
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_CONTRACT_NAME), QStringLiteral("Поставка продуктов питания"));
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_SUPPLIER), QStringLiteral("1"));
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_SUPPLIER_NAME), QStringLiteral("ООО \"Продторг\""));
    EXPECT_EQ(afxtest::text(view, IDC_BUDG_CONTRACT_SUM), QStringLiteral("520000.00"));
    SetContract(view, "");
    for (int id : {IDC_BUDG_CONTRACT_NAME, IDC_BUDG_SUPPLIER, IDC_BUDG_SUPPLIER_NAME, IDC_BUDG_CONTRACT_SUM})
        EXPECT_EQ(afxtest::text(view, id), QString()) << id;
}

TEST_F(BudgRasshView, EveryLineThatHoldsAnythingIsChecked)
{
    CBudgRasshView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    SetContract(view, "2");
    struct Case {
        const char* ekr;
        const char* source;
        const char* kbk;
        const char* message;
        int column;
    } cases[] = {
        {"", "1", "2", "Укажите ЭКР", RASSH_EKR},
        {"", "", "", "Укажите ЭКР", RASSH_EKR},  // month amounts only
        {"999999", "1", "2", "Нет такого ЭКР", RASSH_EKR},
        {"340000", "", "2", "Укажите Источник финансирования", RASSH_SOURCE},
        {"340000", "1", "", "Укажите КБК", RASSH_KBK},
        {"340000", "1", "99", "Нет такого КБК", RASSH_KBK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        view->m_grid.ClearGrid();
        Line(view, 0, "221000", 1, {"3000"}, "1", "2");
        Line(view, 1, c.ekr, 5, {"100", "200"}, c.source, c.kbk);
        afxtest::InteractionScript script;
        script.message(QString::fromUtf8(c.message), IDOK);
        afxtest::click(view, IDOK);
        script.verify();
        EXPECT_EQ(view->m_grid.GetCurRow(), 1);
        EXPECT_EQ(view->m_grid.GetCurCol(), c.column);
    }
    view->m_grid.ClearGrid();
    Line(view, 0, "221000", 1, {}, "1", "2");
    afxtest::InteractionScript months;
    months.message(QStringLiteral("Укажите помесячно"), IDOK);
    afxtest::click(view, IDOK);
    months.verify();
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_budg_rassh"), 0);
}

TEST_F(BudgRasshView, ANewInputLineWaitsForACompleteLine)
{
    CBudgRasshView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    afxtest::InteractionScript script;
    script.dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"340000 "}); })
        .dialog(IDD_SPR_PICKER, [](afxtest::DialogStep& d) { pickertest::ClickRows(d, {"2 "}); });
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(RASSH_EKR)), AfxEventArg(short(0))});
    Settle();
    EXPECT_EQ(view->m_grid.GetCellValue(RASSH_EKR, 0), CString("340000"));
    EXPECT_EQ(view->m_grid.GetNRows(), 1) << "source and KBK are still missing";
    view->m_grid.SetCellValue(RASSH_SOURCE, 0, "1");
    AfxFireEvent(&view->m_grid, 5, {AfxEventArg(short(RASSH_KBK)), AfxEventArg(short(0))});
    Settle();
    script.verify();
    EXPECT_EQ(view->m_grid.GetCellValue(RASSH_KBK, 0), CString("2"));
    ASSERT_EQ(view->m_grid.GetNRows(), 2);
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);
    EXPECT_EQ(view->m_grid.GetCurCol(), RASSH_EKR);
}

TEST_F(BudgRasshView, ANewBreakdownRenewsTheFormAStoredOneClosesIt)
{
    AfxGetApp()->WriteProfileInt("constants", "select_fil", 1);
    CBudgRasshView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    view->m_comboFil.SetCurSel(view->m_comboFil.FindStringExact(-1, "Корпус на ул. Лесной"));
    SetContract(view, "2");
    Line(view, 0, "340000", 1, {"40000", "40000.50"}, "1", "2");
    Line(view, 1, "340000", 9, {"10000"}, "2", "4");
    Line(view, 2, "", 1, {}, "", "");
    // "Уд-ть строку" empties a line and keeps it.
    Line(view, 3, "221000", 1, {"5"}, "1", "2");
    view->m_grid.SetCurCell(RASSH_EKR, 3);
    afxtest::InteractionScript clear;
    clear.message(QStringLiteral("Удалить эту строку ? "), IDYES);
    afxtest::click(view, ID_DELETE_LINE);
    clear.verify();
    ASSERT_EQ(view->m_grid.GetNRows(), 4);
    EXPECT_EQ(view->m_grid.GetCellValue(RASSH_EKR, 3), CString());

    ASSERT_FALSE(SaveYes(view)) << "a new breakdown leaves the form open";
    EXPECT_EQ(view->GetRealId(), -1);
    EXPECT_EQ(view->m_strNumber, CString("2"));
    EXPECT_EQ(view->m_strContract, CString());
    EXPECT_EQ(view->m_grid.GetNRows(), 1);
    EXPECT_EQ(view->m_comboFil.GetItemData(view->m_comboFil.GetCurSel()), 2u) << "the branch just saved";
    EXPECT_EQ(Text("select concat_ws('|',id,dogovor,icn,s,fil_id) as str from ledmark_budg_rassh"),
              CString("0|2|Поставка продуктов питания, ООО \"Продторг\"|90000.50|2"));

    // The stored grid, cell by cell as the obligations reports read it.
    const CString grid = Text("select grid as str from ledmark_budg_rassh");
    ASSERT_EQ(Length(grid, GetDelimiter()), 4);
    const CString first = GetPart(grid, GetDelimiter(), 1);
    ASSERT_EQ(Length(first, GetDelimiter0()), 15);
    EXPECT_EQ(GetPart(first, GetDelimiter0(), 1), CString("340000"));
    EXPECT_EQ(GetPart(first, GetDelimiter0(), 3), CString("40000.50"));
    EXPECT_EQ(GetPart(first, GetDelimiter0(), 4), CString());
    EXPECT_EQ(GetPart(first, GetDelimiter0(), 14), CString("1"));
    EXPECT_EQ(GetPart(first, GetDelimiter0(), 15), CString("2"));
    EXPECT_EQ(GetPart(GetPart(grid, GetDelimiter(), 2), GetDelimiter0(), 10), CString("10000"));
    const CString emptied = GetPart(grid, GetDelimiter(), 4);
    for (int cell = 1; cell <= 15; ++cell)
        EXPECT_EQ(GetPart(emptied, GetDelimiter0(), cell), CString()) << "the emptied line, cell " << cell;

    // Reopened from the list of breakdowns, a stored breakdown is updated in
    // place and its form closes.
    const long realId = (long)Count("select real_id as cnt from ledmark_budg_rassh");
    ASSERT_EQ(CHelpers::FN_OpenDocument0("Расшифровки к договорам", 0, nullptr), 1);
    Settle();
    auto* list = Active<CFormGridView>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->m_grid.GetNRows(), 1);
    EXPECT_EQ(list->m_grid.GetCellValue(0, 0), FormatText("%d", realId));
    EXPECT_GT(list->m_grid.GetColWidth(3), 2 * list->m_grid.GetColWidth(0)) << "the contract is not cut to a code";
    // The next breakdown saved in the form still open joins the list, newest first.
    SetContract(view, "4");
    Line(view, 0, "221000", 1, {"3000"}, "1", "2");
    ASSERT_FALSE(SaveYes(view));
    ASSERT_EQ(list->m_grid.GetNRows(), 2);
    EXPECT_EQ(list->m_grid.GetCellValue(0, 0), FormatText("%d", realId + 1));
    list->m_grid.SetCurCell(0, 1);
    ASSERT_TRUE(list->Choose());
    Settle();
    auto* stored = Active<CBudgRasshView>();
    ASSERT_NE(stored, nullptr);
    ASSERT_NE(stored, view);
    EXPECT_EQ(stored->m_strContract, CString("2"));
    EXPECT_EQ(afxtest::text(stored, IDC_BUDG_SUPPLIER_NAME), QStringLiteral("ООО \"Продторг\""));
    stored->m_grid.SetCellValue(RASSH_JANUARY, 0, "1");
    afxtest::InteractionScript save;
    save.message(kSaveQuestion, IDYES);
    afxtest::click(stored, IDOK);
    save.verify();
    Settle();
    EXPECT_EQ(ChildCount(), 2) << "the stored breakdown's form closed, the new one and the list stay";
    EXPECT_EQ(list->m_grid.GetCellValue(4, 1), CString("50001.50")) << "the list shows the update";
    EXPECT_EQ(Count("select count(*) as cnt from ledmark_budg_rassh"), 2);
    EXPECT_EQ(Text(FormatText("select s as str from ledmark_budg_rassh where real_id=%d", realId)), CString("50001.50"));
}

TEST_F(BudgRasshView, PictureOfTheFormWithTwoLines)
{
    CBudgRasshView* view = OpenNew();
    ASSERT_NE(view, nullptr);
    SetContract(view, "2");
    Line(view, 0, "340000", 1,
         {"40000.00", "40000.00", "40000.00", "40000.00", "40000.00", "40000.00", "40000.00", "40000.00", "40000.00",
          "40000.00", "40000.00", "40000.00"},
         "1", "2");
    Line(view, 1, "340000", 9, {"10000.00", "10000.00", "10000.00", "10000.00"}, "2", "4");
    view->m_grid.SetNRows(3);
    Settle();
    QCoreApplication::processEvents();
    const QImage picture = afxtest::grab(view->GetParentFrame());
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QCoreApplication::applicationDirPath() + "/budg_rassh.png"));
}

} // namespace
