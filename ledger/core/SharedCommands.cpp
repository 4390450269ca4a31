#include "SharedCommands.h"
#include "CSelectIFView.h"

#include "CLedmark.h"
#include "appcore.h"
#include "ledmark.h"
#include "naddviews.h"
#include "ndbcore.h"

namespace nledmark {

namespace {

CString FieldText(CWnd* form, UINT id)
{
    CString text;
    form->GetDlgItemText(id, text);
    return text;
}

} // namespace

void OnTNbtn(CWnd* form)
{
    CExtFuncs::OnTNcmd(form, kTnEditId, nullptr, nullptr, UINT(-1), 0, 1);
}

void OnChangeTn(CWnd* form)
{
    form->SetDlgItemText(kTnNameId, GetFio(FieldText(form, kTnEditId)));
}

void OnChangePrd(CWnd* form)
{
    form->SetDlgItemText(kPrdNameId, GetFromSPR("spr_prd", FieldText(form, kPrdEditId), nullptr));
}

void OnPRDbtn(CWnd* form)
{
    CHelpers::GetInSpr("spr_prd", form, kPrdEditId, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void OnEKRbtn(CWnd* form)
{
    CHelpers::GetInSpr("spr_ekr", form, kEkrEditId, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void OnSB1btn(CWnd* form)
{
    CLedmark::GetSB(form, kMatSb1EditId, UINT(-1), FieldText(form, kMatAccountId), 1, 0);
}

void OnSB2btn(CWnd* form)
{
    CLedmark::GetSB(form, kMatSb2EditId, UINT(-1), FieldText(form, kMatAccountId), 2, 0);
}

void OnSB3btn(CWnd* form)
{
    CLedmark::GetSB(form, kMatSb3EditId, UINT(-1), FieldText(form, kMatAccountId), 3, 0);
}

void OnReceiptSB2btn(CWnd* form)
{
    CLedmark::GetSB(form, kReceiptSb2EditId, UINT(-1), FieldText(form, kReceiptCreditId), 2, 0);
}

void OnChangeSB1(CWnd* form)
{
    const CString account = FieldText(form, kMatAccountId);
    const CString code = FieldText(form, kMatSb1EditId);
    if (account.IsEmpty() || code.IsEmpty())
        return;
    form->SetDlgItemText(kMatSb1NameId, GL_SB_Name(account, 1, code));
}

CString RememberedPrintBranches()
{
    return AfxGetApp()->GetProfileString(CSelectIFView::BranchSection(), "select_fil_prn0", "");
}

void RememberPrintBranches(const CString& branches)
{
    AfxGetApp()->WriteProfileString(CSelectIFView::BranchSection(), "select_fil_prn0", branches);
}

void OnFILbtn(CWnd* form)
{
    CHelpers::GetInSpr("spr_fil", form, kBranchesEditId, nullptr, UINT(-1), 0, 1, nullptr, nullptr, 0);
}

void OnPrintForm(CDocumentView* form, bool keyAsText)
{
    CString call;
    if (keyAsText)
        call.Format("PrepareTheReport(\"%d\")", form->GetRealId());
    else
        call.Format("PrepareTheReport(%d)", form->GetRealId());
    form->EXEC_ShowFormReport(call, 0, 1);
}

void InitialUpdateFitted(CDocumentView* form)
{
    form->CDocumentView::OnInitialUpdate();
    form->ResizeParentToFit(FALSE);
    form->SetSql();
}

} // namespace nledmark
