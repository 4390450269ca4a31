// Bank receipts: construction, the mode, loading and the save's checks.
#include "CBankPostupView.h"

#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBankPostupView, CBankStatementView)

BEGIN_MESSAGE_MAP(CBankPostupView, CBankStatementView)
END_MESSAGE_MAP()

namespace {

const CBankLayout kLayout = {
    IDC_BANK_DEBIT, 2, POSTUP_CREDIT, POSTUP_SUM, POSTUP_CONTENT, POSTUP_KBK_DEB, POSTUP_KBK_KRED, POSTUP_KOL,
    POSTUP_VPD, POSTUP_COLUMNS,
    0x465, 0x469, 0x46A, 0x46E, 0x46D, 0x46F,
    225,
    "bank_postup_210", "bank_postup_deb", "230405000"};

} // namespace

CBankPostupView::CBankPostupView() : CBankStatementView(IDR_BANK_POSTUP, kLayout, CBankPostupRecord(0)) {}

CBankPostupView::~CBankPostupView() = default;

void CBankPostupView::OnInitialUpdate()
{
    const CconfigDocument* document = GetDocument();
    const int mode = document ? document->GetParam() : 0;
    m_record = CBankPostupRecord(mode);
    if (m_record.table.IsEmpty()) {
        AfxMessageBox(FormatText("Нет банковских выписок вида %d", mode), MB_OK | MB_ICONSTOP);
        OnCancel();
        return;
    }
    SetFormTitle(this, mode == 0 ? "Банковская выписка (поступление)" : "Банковская выписка (поступление, второй счет)");
    CBankStatementView::OnInitialUpdate();
}

void CBankPostupView::PickMainAccount()
{
    CExtFuncs::OnSprPlanSch0(this, IDC_BANK_DEBIT, -1, MainAccountCode(m_strMain), 0, nullptr,
                             "220101000,320101000,420101000,130405000");
}

// Through 201.03 the credit account is chosen against the transit account.
CString CBankPostupView::ChooserOtherAccount(long row) const
{
    if (m_bThrough)
        return MainAccountCode(MainText()).Left(1) + "20103510";
    return CBankStatementView::ChooserOtherAccount(row);
}

BOOL CBankPostupView::ValidateDocument()
{
    return SettleStatement(ReceiptRowCounts, ReceiptPostings, "Укажите что поступило на счет");
}

} // namespace nledmark
