// The postings journal over postings of manual operations: the list of the
// working period with its documents, the branch column shown only with two
// branches, red rows, the debit, credit and "recorded after" filters, a
// refresh that keeps the record on its row, and the source document opened
// from a row by the button, Enter and a double click; the workplace's menu
// commands that open the operation and the journal.
#include "COperByHandView.h"
#include "CProvodkiView.h"
#include "GuiDriver.h"
#include "LedgerProgram.h"
#include "RowsheetView.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QTest>

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class ProvodkiView : public LedgerProgram {
protected:
    void SetUp() override
    {
        LedgerProgram::SetUp();
        // Two operations of this year: the first written in March, the second changed in May.
        Run(FormatText(
            "delete from ledmark_oper_by_hand\n"
            "insert into ledmark_oper_by_hand (id,d,number,prim,fil_id,m0,d0,m1,d1) values "
            "(501,%s,'11','Справка',1,1,%s,null,null),(502,%s,'12','Акт',1,1,%s,1,%s)\n"
            "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,kred0,kred1,kred2,kred3,kred_sb1,kol,s,prim,fil_id) "
            "values (501,1,%s,'1','201','34','510','1','201','11','610','1',null,100,'первая',1),"
            "(501,2,%s,'1','201','34','510','1','201','11','610','1',null,-100,'сторно',1),"
            "(502,1,%s,'2','105','36','340','2','302','34','730',null,-1,100,'возврат',1),"
            "(502,2,%s,'1','401','02','226','1','201','34','610',null,null,0,'нулевая',1)",
            Date("10.03"), Date("10.03"), Date("12.03"), Date("12.03"), Date("05.05"), Date("10.03"), Date("10.03"),
            Date("12.03"), Date("12.03")));
    }
    static CString Date(const char* dayAndMonth) { return ChangeDateUS0(ThisYear(dayAndMonth), 0); }

    CProvodkiView* Open()
    {
        EXPECT_EQ(CHelpers::FN_OpenDocument0("ProvodkiView", 0, nullptr), 1);
        Settle(); // the first list comes from the refresh the view posts to itself
        return Active<CProvodkiView>();
    }
    static long Records(CProvodkiView* view)
    {
        _RecordsetPtr rs = view->m_grid.GetRecordSet();
        return rs ? rs->GetRecordCount() : -1;
    }
    // The record the grid stands on: "number/npp".
    static QString Current(CProvodkiView* view)
    {
        _RecordsetPtr rs = view->m_grid.GetRecordSet();
        return QStringLiteral("%1/%2").arg(SafeArayToString(rs->GetCollect("number")).ToQString(),
                                           SafeArayToString(rs->GetCollect("npp")).ToQString());
    }
    static bool BranchColumnHidden(CProvodkiView* view) { return view->m_grid.View()->isColumnHidden(0); }
};

TEST_F(ProvodkiView, TheListShowsThePeriodsPostingsWithRedRowsAndItsLastRecordLast)
{
    CProvodkiView* view = Open();
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(Records(view), 4);
    EXPECT_FALSE(BranchColumnHidden(view)) << "two branches";
    EXPECT_EQ(Current(view), QStringLiteral("12/2")) << "the last record on the last row the list fills";
    EXPECT_EQ(view->m_grid.GetCurRow(), 3);
    const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0);
    EXPECT_EQ(view->m_grid.GetRowFgClr(0), black);
    EXPECT_EQ(view->m_grid.GetRowFgClr(1), red) << "amount -100";
    EXPECT_EQ(view->m_grid.GetRowFgClr(2), red) << "quantity -1";
    EXPECT_EQ(view->m_grid.GetRowFgClr(3), black) << "amount 0, no quantity";

    // A forced refresh keeps the record on its row.
    view->m_grid.SetCurCell(3, 1);
    afxtest::click(view, ID_REFRESH);
    EXPECT_EQ(Current(view), QStringLiteral("11/2"));
    EXPECT_EQ(view->m_grid.GetCurRow(), 1);

    Run("delete from spr_fil where id=2");
    view->OnCancel();
    Settle();
    view = Open();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(BranchColumnHidden(view)) << "one branch";
}

TEST_F(ProvodkiView, FiltersNarrowTheListAndEachOther)
{
    CProvodkiView* view = Open();
    ASSERT_NE(view, nullptr);
    afxtest::chooseEntry(view, IDC_DEB_FILTER, QStringLiteral("120134510"));
    EXPECT_EQ(Records(view), 2);
    // The credit list offers only what was posted against the debit filter.
    afxtest::chooseEntry(view, IDC_KRED_FILTER, QStringLiteral("120111610"));
    EXPECT_EQ(view->m_comboKred.GetCount(), 2) << "the empty entry and the one account";
    EXPECT_EQ(Records(view), 2);
    afxtest::chooseEntry(view, IDC_DEB_FILTER, QString());
    afxtest::chooseEntry(view, IDC_KRED_FILTER, QString());
    EXPECT_EQ(Records(view), 4);

    // Documents written or changed after the date: the second was changed in May.
    afxtest::typeInto(view, IDC_DATE_AFTER, ThisYear("01.04").ToQString());
    afxtest::click(view, ID_REFRESH);
    EXPECT_EQ(Records(view), 2);
    EXPECT_EQ(Current(view), QStringLiteral("12/2"));
}

TEST_F(ProvodkiView, ARowOpensItsSourceDocument)
{
    CProvodkiView* view = Open();
    ASSERT_NE(view, nullptr);
    view->m_grid.SetCurCell(2, 0);
    afxtest::click(view, IDC_OPEN_DOC);
    auto* operation = Active<COperByHandView>();
    ASSERT_NE(operation, nullptr);
    EXPECT_EQ(operation->m_strNumber, CString("11"));
    EXPECT_EQ(operation->m_grid.GetCellValue(OPER_DEBIT, 1), CString("120134510"));
    EXPECT_EQ(operation->m_grid.GetCellValue(OPER_SUM, 1), CString("-100.00"));
    EXPECT_EQ(ChildCount(), 2);

    // Enter and a double click on the same row bring the same form forward.
    frame->MDIActivate(view->GetParentFrame());
    view->m_grid.SetFocus();
    QTest::keyClick(view->m_grid.GetQWidget(), Qt::Key_Return);
    EXPECT_EQ(Active<COperByHandView>(), operation);
    frame->MDIActivate(view->GetParentFrame());
    AfxFireEvent(&view->m_grid, DISPID_DBLCLICK, {});
    EXPECT_EQ(Active<COperByHandView>(), operation);
    EXPECT_EQ(ChildCount(), 2);
}

// The ledger workplace's menu commands open the forms through its scripts.
TEST_F(ProvodkiView, TheWorkplacesCommandsOpenTheOperationAndTheJournal)
{
    EXPECT_EQ(CInterpriter::mcc_dll_execute_Command("Ledger.OperByHand"), 1);
    EXPECT_NE(Active<COperByHandView>(), nullptr);
    EXPECT_EQ(CInterpriter::mcc_dll_execute_Command("Ledger.Journal"), 1);
    Settle();
    CProvodkiView* view = Active<CProvodkiView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(Records(view), 4);
    EXPECT_EQ(ChildCount(), 2);
}

} // namespace
