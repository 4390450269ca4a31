// The row test marks of the document forms: a line marked as tested keeps its
// mark while the user edits fields the postings do not depend on, and loses
// it when a header field they depend on (the date, the branch) changes, so no
// posting skips its test after such a change. Shown on the manual operation
// form with the date and the branch watched, as the forms that test only
// changed lines watch them.
#include "COperByHandView.h"
#include "CconfigDocument.h"
#include "GuiDriver.h"
#include "LedgerProgram.h"
#include "res/resource.h"

#include <QDate>

namespace nledmark {

class MarkedOperation : public COperByHandView {
    DECLARE_DYNCREATE(MarkedOperation)
public:
    void OnInitialUpdate() override
    {
        COperByHandView::OnInitialUpdate();
        WatchHeaderFields({IDC_DATE, IDC_FIL});
    }
    using CPostingDocView::MarkRowEdited;
    using CPostingDocView::MarkRowPassed;
    using CPostingDocView::RowPassed;
};

IMPLEMENT_DYNCREATE(MarkedOperation, COperByHandView)

} // namespace nledmark

namespace {

using namespace nledmark;
using ledgertest::LedgerProgram;

class RowMarks : public LedgerProgram {
protected:
    MarkedOperation* Open()
    {
        auto* form = new CMultiDocTemplate(IDD_OPER_BY_HAND, RUNTIME_CLASS(CconfigDocument),
                                           RUNTIME_CLASS(CDocumentFrame), RUNTIME_CLASS(MarkedOperation));
        app->AddDocTemplate(form);
        form->OpenDocumentFile(nullptr);
        Settle();
        return Active<MarkedOperation>();
    }
    static void MarkTwo(MarkedOperation* view)
    {
        view->MarkRowPassed(0);
        view->MarkRowPassed(1);
        view->MarkRowEdited(2);
    }
};

TEST_F(RowMarks, AChangedDateOrBranchTakesBackEveryMark)
{
    MarkedOperation* view = Open();
    ASSERT_NE(view, nullptr);
    MarkTwo(view);
    afxtest::typeInto(view, IDC_NUMBER, QStringLiteral("77"));
    afxtest::typeInto(view, IDC_DOC_NAME, QStringLiteral("Акт"));
    EXPECT_TRUE(view->RowPassed(0) && view->RowPassed(1)) << "number and content do not touch the postings";
    EXPECT_FALSE(view->RowPassed(2));

    afxtest::pickDate(view, IDC_DATE, QDate::currentDate().addDays(-1));
    EXPECT_FALSE(view->RowPassed(0));
    EXPECT_FALSE(view->RowPassed(1));

    MarkTwo(view);
    ASSERT_GE(view->m_comboFil.GetCount(), 2);
    afxtest::chooseEntry(view, IDC_FIL, view->m_comboFil.GetCurSel() == 0 ? 1 : 0);
    EXPECT_FALSE(view->RowPassed(0));
    EXPECT_FALSE(view->RowPassed(1));
}

} // namespace
