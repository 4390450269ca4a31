#include "CBudgetDocView.h"

#include "CHelpers.h"
#include "ledmark.h"
#include "ndbcore.h"
#include "res/resource.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CBudgetDocView, CPostingDocView)

BEGIN_MESSAGE_MAP(CBudgetDocView, CPostingDocView)
    ON_COMMAND(IDC_BUDG_KBK_DEBIT_PICK, OnKbkDebit)
    ON_COMMAND(IDC_BUDG_KBK_CREDIT_PICK, OnKbkCredit)
    ON_COMMAND(IDC_BUDG_PRD_PICK, OnDepartmentPick)
    ON_EN_CHANGE(IDC_BUDG_PRD, OnDepartmentChange)
    ON_EN_KILLFOCUS(IDC_BUDG_DEBIT, OnDebitKillFocus)
    ON_EN_KILLFOCUS(IDC_BUDG_CREDIT, OnCreditKillFocus)
    ON_EN_CHANGE(IDC_BUDG_DEBIT, OnAccountChange)
    ON_EN_CHANGE(IDC_BUDG_CREDIT, OnAccountChange)
END_MESSAGE_MAP()

namespace {

const UINT kDepartmentControls[] = {IDC_BUDG_PRD_LABEL, IDC_BUDG_PRD_PICK, IDC_BUDG_PRD_NAME, IDC_BUDG_PRD};

} // namespace

CBudgetDocView::CBudgetDocView(UINT nIDTemplate) : CPostingDocView(nIDTemplate) {}

CBudgetDocView::~CBudgetDocView() = default;

void CBudgetDocView::DoDataExchange(CDataExchange* pDX)
{
    CPostingDocView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINES, m_grid);
    DDX_Control(pDX, IDC_FIL, m_comboFil);
    DDX_Control(pDX, IDC_NUMBER, m_editNumber);
    DDX_Control(pDX, IDC_BUDG_BASE_DOC, m_editIcn);
    DDX_Control(pDX, IDC_BUDG_DEBIT, m_editDebit);
    DDX_Control(pDX, IDC_BUDG_CREDIT, m_editCredit);
    DDX_Control(pDX, IDC_BUDG_KBK_DEBIT, m_editKbkDebit);
    DDX_Control(pDX, IDC_BUDG_KBK_CREDIT, m_editKbkCredit);
    DDX_Control(pDX, IDC_BUDG_PRD, m_editPrd);
    DDX_Control(pDX, IDC_BUDG_NOTE, m_editPrim);
    DDX_Text(pDX, IDC_NUMBER, m_strNumber);
    DDX_Text(pDX, IDC_BUDG_BASE_DOC, m_strIcn);
    DDX_Text(pDX, IDC_BUDG_DEBIT, m_strDebit);
    DDX_Text(pDX, IDC_BUDG_CREDIT, m_strCredit);
    DDX_Text(pDX, IDC_BUDG_KBK_DEBIT, m_strKbkDebit);
    DDX_Text(pDX, IDC_BUDG_KBK_CREDIT, m_strKbkCredit);
    DDX_Text(pDX, IDC_BUDG_PRD, m_strPrd);
    DDX_Text(pDX, IDC_BUDG_NOTE, m_strPrim);
}

UINT CBudgetDocView::NumberFieldId() const
{
    return IDC_NUMBER;
}

void CBudgetDocView::AfterSave()
{
    OnCancel();
    PostOK(1, 1);
}

BOOL CBudgetDocView::DepartmentShown() const
{
    const CWnd* field = GetDlgItem(IDC_BUDG_PRD);
    return field && field->IsWindowVisible();
}

void CBudgetDocView::DecideDepartmentFields()
{
    BOOL show = FALSE;
    for (const CString& account : PostedAccounts())
        if (!account.IsEmpty() && KeepsDepartments(account)) {
            show = TRUE;
            break;
        }
    ShowDepartmentFields(show);
}

void CBudgetDocView::ShowDepartmentFields(BOOL show)
{
    for (UINT id : kDepartmentControls)
        if (CWnd* control = GetDlgItem(id))
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

BOOL CBudgetDocView::CheckDepartment(const CBudgetSide& debit, const CBudgetSide& credit)
{
    if (!(debit.needsDepartment || credit.needsDepartment) || !m_strPrd.IsEmpty())
        return TRUE;
    ShowDepartmentFields(TRUE);
    AfxMessageBox("Укажите подразделение");
    FocusField(IDC_BUDG_PRD, FALSE);
    return FALSE;
}

void CBudgetDocView::ResetTail(UINT ctrlId)
{
    CString text;
    GetDlgItemText(ctrlId, text);
    const CString whole = AccountAsWhole(text);
    if (whole != text)
        SetDlgItemText(ctrlId, whole);
}

void CBudgetDocView::ResetAccountTails()
{
    ResetTail(IDC_BUDG_DEBIT);
    ResetTail(IDC_BUDG_CREDIT);
}

void CBudgetDocView::OnKbkDebit()
{
    CString account;
    GetDlgItemText(IDC_BUDG_DEBIT, account);
    GL_GetDefKBKList(this, IDC_BUDG_KBK_DEBIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

void CBudgetDocView::OnKbkCredit()
{
    CString account;
    GetDlgItemText(IDC_BUDG_CREDIT, account);
    GL_GetDefKBKList(this, IDC_BUDG_KBK_CREDIT, account, SelectedBranch(IDC_FIL), (UINT)-1, nullptr, 0);
}

void CBudgetDocView::OnDepartmentPick()
{
    CHelpers::GetInSpr("spr_prd", this, IDC_BUDG_PRD, FormatText("where fil_id=%d", SelectedBranch(IDC_FIL)),
                       (UINT)-1, 0, 0);
}

void CBudgetDocView::OnDepartmentChange()
{
    CString code;
    GetDlgItemText(IDC_BUDG_PRD, code);
    SetDlgItemText(IDC_BUDG_PRD_NAME, GetFromSPR("spr_prd", code));
}

void CBudgetDocView::OnDebitKillFocus()
{
    ResetTail(IDC_BUDG_DEBIT);
}

void CBudgetDocView::OnCreditKillFocus()
{
    ResetTail(IDC_BUDG_CREDIT);
}

void CBudgetDocView::OnAccountChange()
{
    DecideDepartmentFields();
}

} // namespace nledmark
