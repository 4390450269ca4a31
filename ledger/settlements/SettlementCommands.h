// Command bodies that the settlements forms share with the cash orders and
// the invoices, written once. A form binds its own command or change
// notification to a member that calls the body here.
#pragma once
#include "afx.h"

namespace nledmark {

// The fields these bodies fill, the same on every form that has them.
constexpr UINT kSourceCodeId = 1021;    // source of a cash receipt (spr_cn)
constexpr UINT kSourceButtonId = 1022;
constexpr UINT kSourceNameId = 1023;
constexpr UINT kAccountCodeId = 1028;   // personal account (spr_ls)
constexpr UINT kAccountNumberId = 1032;
constexpr UINT kOrgCodeId = 1033;       // organisation (spr_org)
constexpr UINT kOrgNameId = 1031;

// The chooser of the target purposes (spr_cn), answering into field 1021:
// those of cash receipts, below 20000, unless `filter` names others.
void OnCNbtn(CWnd* form, const char* filter = "where id<20000");
// Field 1028 changed: field 1032 shows the number of that personal account.
void OnChangeLs(CWnd* form);
// The organisation chooser, answering into field 1033.
void OnOrgPick(CWnd* form);
// Field 1033 changed: field 1031 shows the organisation's name, when the form
// has both fields.
void OnOrgChange(CWnd* form);

} // namespace nledmark
