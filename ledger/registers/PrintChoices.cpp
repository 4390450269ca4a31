#include "PrintChoices.h"

#include "LedgerFilters.h"
#include "SharedCommands.h"
#include "dlgkit.h"
#include "gridbase.h"
#include "ledmark.h"
#include "res/resource.h"

namespace nledmark {

bool TakePrintBranches(CWnd* form, CderivedEdit& edit, CString& ids)
{
    CString typed;
    form->GetDlgItemText(IDC_FILS, typed);
    RememberPrintBranches(typed);
    return CheckPrintBranches(form, edit, ids);
}

bool CheckPrintBranches(CWnd* form, CderivedEdit& edit, CString& ids)
{
    CString typed;
    form->GetDlgItemText(IDC_FILS, typed);
    if (CheckedIdList(typed, ids))
        return true;
    AfxMessageBox("Неверный список филиалов");
    edit.SetFocus0();
    return false;
}

bool CheckPrintPeriod(CWnd* form, const COleDateTime& from, const COleDateTime& to)
{
    if (from <= to)
        return true;
    AfxMessageBox("Начало периода позже его конца");
    form->GetDlgItem(IDC_DATE1)->SetFocus();
    return false;
}

void OpenAccountKbkPicker(CWnd* form, UINT accountId, UINT kbkId)
{
    form->UpdateData(TRUE);
    CString account, branches;
    form->GetDlgItemText(accountId, account);
    form->GetDlgItemText(IDC_FILS, branches);
    const CString source = utoa(atol(GetFromTo(account.Trim(), 0, 0)));
    GL_GetDefKBKList(form, kbkId, (const char*)source, (const char*)branches, UINT(-1), nullptr, 1);
}

} // namespace nledmark
