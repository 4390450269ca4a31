// The parents' fee receipts: loading, the keys of the grid and the postings
// of its rows, direct or through 201.03.
#include "CRodPostView.h"

#include "CChartFacts.h"
#include "CHelpers.h"
#include "ChildrenBook.h"
#include "FragmentSearch.h"
#include "FormTitle.h"
#include "gridbase.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QWidget>

namespace nledmark {

IMPLEMENT_DYNCREATE(CRodPostView, CRodFeeView)

BEGIN_MESSAGE_MAP(CRodPostView, CRodFeeView)
    ON_EN_CHANGE(IDC_ROD_DEBIT, OnAnalyticAccountChange)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kCreditKey = "rod__post_kred";
const char* const kDebitKey = "rod__post_deb";
const char* const kThroughKey = "bank_postup_210_rp";
// The economic code whose KOSGU code completes the transit accounts.
const char* const kFeeEkr = "211000";

} // namespace

const char* const CRodPostView::kTable = "ledmark_rod_post";

CRodPostView::CRodPostView() : CRodFeeView(IDR_ROD_POST, kTable, true, IDC_ROD_DEBIT)
{
    m_debitAccounts = "220101510,220104510,230405000,220103000";
    m_creditAccounts = "220503660,220510660";
    m_gridTop = 240;
    m_gridBottomGap = 270;
}

CRodPostView::~CRodPostView() = default;

void CRodPostView::DoDataExchange(CDataExchange* pDX)
{
    CRodFeeView::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_ROD_THROUGH, m_nThrough);
}

void CRodPostView::OnInitialUpdate()
{
    CRodFeeView::OnInitialUpdate();
    SetFormTitle(this, "Поступление родительской платы");
    m_grid.KeepRatio();
    PostMessage(WM_SIZE);
    SetSql();
}

void CRodPostView::SetSql()
{
    CWaitCursor wait;
    m_bLoading = TRUE;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    CWinApp* app = AfxGetApp();
    int branch = (int)app->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        NewHeader("Поступление родительской платы", kCreditKey, "220503660", kDebitKey, "220104510");
        m_nThrough = app->GetProfileInt(kConstants, kThroughKey, 0) != 0;
    } else {
        if (!LoadStoredHeader(branch)) {
            m_bLoading = FALSE;
            return;
        }
        m_nThrough = m_record.b210 ? 1 : 0;
    }
    if (m_grid.GetNRows() == 0)
        m_grid.SetNRows(1);
    ShowHeader(branch);
    m_bLoading = FALSE;
}

BOOL CRodPostView::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_F3 || pMsg->wParam == VK_F7)) {
        CWnd* focus = CWnd::GetFocus();
        const bool inGrid = focus && m_grid.GetSafeHwnd()
                            && (focus == &m_grid || focus->GetParent() == &m_grid
                                || m_grid.GetQWidget()->isAncestorOf(focus->GetQWidget()));
        if (inGrid) {
            if (pMsg->wParam == VK_F3)
                OpenChildBook(m_grid.GetCurRow() < 0 ? 0 : m_grid.GetCurRow());
            else
                SearchChild();
            return TRUE;
        }
    }
    return CRodFeeView::PreTranslateMessage(pMsg);
}

void CRodPostView::SearchChild()
{
    if (!naddviews::AskFragment(this, CString(), m_search))
        return;
    naddviews::DropQueuedKeys();
    CWaitCursor wait;
    const long row = m_grid.GetCurRow() < 0 ? 0 : m_grid.GetCurRow();
    long id = 0;
    const int found = SuUniqByName("spr_deti", m_search.text, id);
    if (found == 0) {
        AfxMessageBox("По запросу ничего нет: " + m_search.text);
    } else if (found == 1) {
        m_grid.SetCellValue(ROD_CODE, row, FormatText("%u", (unsigned)id));
        PostMessage(kAddRowMsg);
    } else {
        RememberChooserRow(kChildAnswer, row);
        CHelpers::GetInSpr("spr_deti", this, -1, naddviews::FragmentFilter(m_search.text), kChildAnswer, 0, 0,
                           nullptr, nullptr, 0);
    }
}

CPostingLine CRodPostView::RowPosting(const CString& contr, const CString& teacher, const CString& amount) const
{
    CPostingLine p;
    p.debit = m_strDebit;
    p.debit1 = m_strValues[0];
    p.debit2 = m_strValues[1];
    p.debit3 = m_strValues[2];
    p.credit = m_strCredit;
    p.credit1 = contr;
    p.credit2 = teacher;
    p.amount = amount;
    p.kbkDebit = m_strKbkDebit;
    p.kbkCredit = m_strKbkCredit;
    return p;
}

// Through 201.03: the transit account of the debit's source against the
// settlement account, then the receiving account against the transit account
// of the credit's source. The test checks these two, as they are written.
std::vector<CPostingLine> CRodPostView::RowPostings(const CPostingLine& posting)
{
    if (!m_nThrough)
        return {posting};
    CChartFacts chart;
    CPostingLine in = posting;
    in.debit = TransitAccount(chart, posting.debit, kFeeEkr, 1);
    in.debit1 = in.debit2 = in.debit3 = CString();
    CPostingLine out = posting;
    out.credit = TransitAccount(chart, posting.credit, kFeeEkr, 2);
    out.credit1 = out.credit2 = out.credit3 = CString();
    return {in, out};
}

BOOL CRodPostView::ValidateDocument()
{
    if (!CRodFeeView::ValidateDocument())
        return FALSE;
    m_record.b210 = m_nThrough != 0;
    return TRUE;
}

void CRodPostView::RememberDefaults()
{
    RememberAccounts(kCreditKey, kDebitKey);
    AfxGetApp()->WriteProfileInt(kConstants, kThroughKey, m_nThrough ? 1 : 0);
}

} // namespace nledmark
