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

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kKontr = "kontr";
const char* const kThroughKey = "bank_postup_210";
const char* const kMainKey = "bank_postup_deb";

const CBankLayout kLayout = {
    IDC_BANK_DEBIT, 2, POSTUP_CREDIT, POSTUP_SUM, POSTUP_CONTENT, POSTUP_KBK_DEB, POSTUP_KBK_KRED, POSTUP_KOL,
    POSTUP_VPD, POSTUP_COLUMNS,
    0x465, 0x469, 0x46A, 0x46E, 0x46D, 0x46F,
    225};

} // namespace

CBankPostupView::CBankPostupView() : CBankStatementView(IDR_BANK_POSTUP, kLayout) {}

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

void CBankPostupView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        m_strNumber = GL_NextNumber(m_record.table, 0);
        m_date = COleDateTime::GetCurrentTime();
        m_strIcn = "Выписка банка";
        m_bThrough = app->GetProfileInt(kConstants, kThroughKey, 1) != 0;
        m_strMain = app->GetProfileString(kConstants, kMainKey, "230405000");
        m_strPrim.Empty();
        m_strKbkDebit.Empty();
        m_strKbkCredit.Empty();
        m_strLs.Empty();
        m_strContr.Empty();
    } else if (!LoadStored(branch)) {
        return;
    }
    ShowLoaded(branch);
}

// A stored statement; one that cannot be read does not stay open.
BOOL CBankPostupView::LoadStored(int& branch)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CBankPostupRecord& r = m_record;
    branch = r.branch;
    SetLoadedDate(r.date);
    m_date = qwDMG(r.date, 1);
    m_strNumber = r.number;
    m_strPrim = r.prim;
    m_strIcn = r.icn;
    m_strMain = r.main;
    m_strKbkDebit = r.kbkDebit;
    m_strKbkCredit = r.kbkCredit;
    m_strLs = r.ls;
    m_strContr = r.contr;
    m_bThrough = r.through;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    return TRUE;
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
    CString date, main;
    if (!CheckHeader(date, main))
        return FALSE;
    const CBankHeader header = Header(date, main);
    std::vector<CPostingLine> postings;
    double total = 0;
    bool any = false;
    CChartFacts chart;
    const auto postingsOf = [&chart](const CBankHeader& h, const CBankRow& row) { return ReceiptPostings(chart, h, row); };
    if (!SettleRows(ReceiptRowCounts, postingsOf, header, postings, total, any))
        return FALSE;
    if (!any) {
        AfxMessageBox("Укажите что поступило на счет");
        m_grid.SetFocus();
        return FALSE;
    }
    CBankPostupRecord& r = m_record;
    r.date = date;
    r.number = m_strNumber;
    r.prim = m_strPrim;
    r.icn = m_strIcn;
    r.grid = GetGridInOneString(m_grid, 0);
    r.through = m_bThrough;
    r.total = ftoa0(total);
    r.main = main;
    r.kbkDebit = m_strKbkDebit;
    r.kbkCredit = m_strKbkCredit;
    r.branch = header.branch;
    r.ls = m_strLs;
    r.contr = m_strContr;
    r.postings = std::move(postings);
    return TRUE;
}

// Written before the question: "No" keeps them too.
void CBankPostupView::RememberDefaults()
{
    CWinApp* app = AfxGetApp();
    if (!m_record.contr.IsEmpty())
        app->WriteProfileString(kConstants, kKontr, m_record.contr);
    app->WriteProfileInt(kConstants, kThroughKey, m_record.through ? 1 : 0);
    app->WriteProfileString(kConstants, kMainKey, m_record.main);
    app->WriteProfileInt(kConstants, kSelectFil, m_record.branch);
}

} // namespace nledmark
