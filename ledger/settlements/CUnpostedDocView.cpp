#include "CUnpostedDocView.h"
#include "FormTitle.h"

#include "SettlementCommands.h"
#include "SharedCommands.h"
#include "ledmark.h"

namespace nledmark {

IMPLEMENT_DYNAMIC(CUnpostedDocView, CPostingDocView)

namespace {

constexpr UINT kBranchListId = 1115;

} // namespace

CUnpostedDocView::CUnpostedDocView(UINT nIDTemplate) : CPostingDocView(nIDTemplate) {}

CUnpostedDocView::~CUnpostedDocView() = default;

void CUnpostedDocView::OnInitialUpdate()
{
    CPostingDocView::OnInitialUpdate();
    SetFormTitle(this, FormName());
    PrepareForm();
    ResizeParentToFit(FALSE);
    SetSql();
}

void CUnpostedDocView::ShowBranch(int branch)
{
    if (!FillFils(this, kBranchListId, branch, 0))
        OnCancel();
}

int CUnpostedDocView::RememberedBranch()
{
    return (int)AfxGetApp()->GetProfileInt("constants", "select_fil", 1);
}

void CUnpostedDocView::RememberBranch(int branch)
{
    AfxGetApp()->WriteProfileInt("constants", "select_fil", branch);
}

void CUnpostedDocView::OnTnChange()
{
    OnChangeTn(this);
}

void CUnpostedDocView::OnOrgPick()
{
    nledmark::OnOrgPick(this);
}

void CUnpostedDocView::OnOrgChange()
{
    nledmark::OnOrgChange(this);
}

void CUnpostedDocView::OnSourcePick()
{
    OnCNbtn(this);
}

void CUnpostedDocView::OnAccountChange()
{
    OnChangeLs(this);
}

} // namespace nledmark
