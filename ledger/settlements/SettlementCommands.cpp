#include "SettlementCommands.h"

#include "CHelpers.h"
#include "SharedCommands.h"
#include "ndbcore.h"

namespace nledmark {

void OnCNbtn(CWnd* form, const char* filter)
{
    CHelpers::GetInSpr("spr_cn", form, kSourceCodeId, filter, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

// The table of personal accounts keeps the account's number in column
// `number`.
void OnChangeLs(CWnd* form)
{
    CString code;
    form->GetDlgItemText(kAccountCodeId, code);
    form->SetDlgItemText(kAccountNumberId, GetFromSPR("spr_ls", code, "number"));
}

void OnOrgPick(CWnd* form)
{
    CHelpers::GetInSpr("spr_org", form, kOrgCodeId, nullptr, UINT(-1), 0, 0, nullptr, nullptr, 0);
}

void OnOrgChange(CWnd* form)
{
    if (!form->GetDlgItem(kOrgCodeId) || !form->GetDlgItem(kOrgNameId))
        return;
    CString code;
    form->GetDlgItemText(kOrgCodeId, code);
    form->SetDlgItemText(kOrgNameId, GetFromSPR("spr_org", code));
}

} // namespace nledmark
