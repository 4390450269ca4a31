// The budget obligation: construction, loading and the choosers.
#include "CBudgObyazView.h"
#include "FormTitle.h"

#include "CHelpers.h"
#include "FormLayout.h"
#include "gridbase.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNCREATE(CBudgObyazView, CBudgetDocView)

BEGIN_MESSAGE_MAP(CBudgObyazView, CBudgetDocView)
    ON_WM_SIZE()
    ON_COMMAND(IDC_BUDG_DEBIT_PICK, OnDebitPick)
    ON_COMMAND(IDC_BUDG_CREDIT_PICK, OnCreditPick)
    ON_COMMAND(IDC_BUDG_EKR_PICK, OnEkrPick)
    ON_COMMAND(IDC_BUDG_CONTRACT_PICK, OnContractPick)
    ON_EN_CHANGE(IDC_BUDG_EKR, OnEkrChange)
    ON_EN_CHANGE(IDC_BUDG_CONTRACT, OnContractChange)
END_MESSAGE_MAP()

namespace {

const char* const kConstants = "constants";
const char* const kSelectFil = "select_fil";
const char* const kDebitKey = "ledmark_budg_obyaz_deb";
const char* const kCreditKey = "ledmark_budg_obyaz_kred";
constexpr long kMonths = 12;

} // namespace

CBudgObyazView::CBudgObyazView() : CBudgetDocView(IDR_BUDG_OBYAZ)
{
    m_editDate.SetType(EDIT_KIND_DATE);
}

CBudgObyazView::~CBudgObyazView() = default;

void CBudgObyazView::DoDataExchange(CDataExchange* pDX)
{
    CBudgetDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BUDG_DATE_TEXT, m_editDate);
    DDX_Control(pDX, IDC_BUDG_CONTRACT, m_editContract);
    DDX_Control(pDX, IDC_BUDG_EKR, m_editEkr);
    DDX_Text(pDX, IDC_BUDG_DATE_TEXT, m_strDate);
    DDX_Text(pDX, IDC_BUDG_CONTRACT, m_strContract);
    DDX_Text(pDX, IDC_BUDG_EKR, m_strEkr);
}

void CBudgObyazView::OnInitialUpdate()
{
    CBudgetDocView::OnInitialUpdate();
    SetFormTitle(this, "Бюджетное обязательство");
    PostMessage(WM_SIZE);
    SetSql();
    m_grid.KeepRatio();
}

void CBudgObyazView::SetSql()
{
    CWaitCursor wait;
    m_grid.ClearGrid();
    m_grid.SetNRows(1);
    int branch = (int)AfxGetApp()->GetProfileInt(kConstants, kSelectFil, 1);
    if (GetRealId() == -1) {
        CWinApp* app = AfxGetApp();
        m_strNumber = ProposeNumber(GL_NextNumber(CBudgObyazRecord::kTable, 0));
        m_strDate = DMGtoStr(COleDateTime::GetCurrentTime());
        m_strIcn = "Бюджетное обязательство";
        m_strDebit = app->GetProfileString(kConstants, kDebitKey, "150103000");
        m_strCredit = app->GetProfileString(kConstants, kCreditKey, "150201000");
        m_strPrd.Empty();
        m_strPrim.Empty();
        m_strContract.Empty();
        m_strEkr.Empty();
        m_strKbkDebit.Empty();
        m_strKbkCredit.Empty();
    } else if (!LoadStored(branch)) {
        return;
    }
    UpdateData(FALSE);
    if (!FillFils(this, IDC_FIL, branch, 0))
        OnCancel();
    ShowMonths();
    DecideDepartmentFields();
}

// A stored obligation; one that cannot be read does not stay open.
BOOL CBudgObyazView::LoadStored(int& branch)
{
    if (!m_record.Load(GetRealId())) {
        OnCancel();
        return FALSE;
    }
    const CBudgObyazRecord& r = m_record;
    branch = r.branch;
    SetLoadedDate(r.date);
    m_strPrd = r.department;
    m_strEkr = r.ekr;
    m_strDate = r.date;
    m_strNumber = r.number;
    m_strPrim = r.prim;
    m_strIcn = r.icn;
    m_strDebit = r.debit;
    m_strCredit = r.credit;
    m_strContract = r.contract;
    m_strKbkDebit = r.kbkDebit;
    m_strKbkCredit = r.kbkCredit;
    SetGridFromOneString(m_grid, r.grid, 0, 0);
    return TRUE;
}

// Twelve rows, their numbers and names written anew; the amounts stay.
void CBudgObyazView::ShowMonths()
{
    m_grid.SetNRows(kMonths);
    for (long month = 1; month <= kMonths; ++month) {
        m_grid.SetCellValue(OBYAZ_MONTH, month - 1, utoa(month));
        m_grid.SetCellValue(OBYAZ_NAME, month - 1, GetMonthName(month));
    }
}

std::vector<CString> CBudgObyazView::PostedAccounts()
{
    CString debit, credit, ekr;
    GetDlgItemText(IDC_BUDG_DEBIT, debit);
    GetDlgItemText(IDC_BUDG_CREDIT, credit);
    GetDlgItemText(IDC_BUDG_EKR, ekr);
    if (ekr.IsEmpty())
        return {debit, credit};
    const CString postedDebit = PostingAccount(debit, ekr, 1);
    const CString postedCredit = PostingAccount(credit, ekr, 2);
    return {postedDebit.IsEmpty() ? debit : postedDebit, postedCredit.IsEmpty() ? credit : postedCredit};
}

int CBudgObyazView::Write(int ask)
{
    ResetAccountTails();
    return CBudgetDocView::Write(ask);
}

void CBudgObyazView::OnDebitPick()
{
    CString text;
    GetDlgItemText(IDC_BUDG_DEBIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_BUDG_DEBIT, -1, text.IsEmpty() ? CString("050105") : text, 0, nullptr,
                             "150103000");
}

void CBudgObyazView::OnCreditPick()
{
    CString text;
    GetDlgItemText(IDC_BUDG_CREDIT, text);
    CExtFuncs::OnSprPlanSch0(this, IDC_BUDG_CREDIT, -1, text.IsEmpty() ? CString("050103") : text, 0, nullptr,
                             "150201000");
}

void CBudgObyazView::OnEkrPick()
{
    CHelpers::GetInSpr("spr_ekr", this, IDC_BUDG_EKR, nullptr, (UINT)-1, 0, 0);
}

void CBudgObyazView::OnContractPick()
{
    CHelpers::GetInSpr("spr_dogovora", this, IDC_BUDG_CONTRACT, nullptr, (UINT)-1, 0, 0);
}

void CBudgObyazView::OnEkrChange()
{
    CString code;
    GetDlgItemText(IDC_BUDG_EKR, code);
    SetDlgItemText(IDC_BUDG_EKR_NAME, GetFromSPR("spr_ekr", code));
    DecideDepartmentFields();
}

void CBudgObyazView::OnContractChange()
{
    CString code;
    GetDlgItemText(IDC_BUDG_CONTRACT, code);
    SetDlgItemText(IDC_BUDG_CONTRACT_NAME, GetFromSPR("spr_dogovora", code));
}

void CBudgObyazView::OnSize(UINT nType, int cx, int cy)
{
    CBudgetDocView::OnSize(nType, cx, cy);
    PlaceFormParts(this, &m_grid, {225, 85, IDC_BUDG_NOTE_LABEL, IDC_BUDG_NOTE, 110, 75, 40},
                   {{IDOK, 10}, {IDC_BUDG_DELETE, 110}, {ID_BUH_SPRAVKA, 310}, {IDCANCEL, 410}});
}

} // namespace nledmark
