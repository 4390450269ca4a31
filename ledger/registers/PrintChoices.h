// What the OK of the register forms checks alike before it prints: the typed
// branch list and the period.
#pragma once
#include "afx.h"

class CderivedEdit;

namespace nledmark {

// The branch list of the form's edit 1144: remembered for the next print
// form as typed (even when it is refused), then checked. A part that is no
// whole number is told ("Неверный список филиалов"), the edit takes the
// focus with its text selected, and false comes back; else `ids` holds the
// checked list ("" = every branch).
bool TakePrintBranches(CWnd* form, CderivedEdit& edit, CString& ids);
// The same check without remembering the list.
bool CheckPrintBranches(CWnd* form, CderivedEdit& edit, CString& ids);

// False, told ("Начало периода позже его конца") with the focus on the
// start date 1010, when the period starts after it ends.
bool CheckPrintPeriod(CWnd* form, const COleDateTime& from, const COleDateTime& to);

// The KBK picker of a form with an account: the codes of the account's
// source (its first character; 0 or none offers every source's) for the
// branches of edit 1144, several at once, chosen into edit `kbkId`.
void OpenAccountKbkPicker(CWnd* form, UINT accountId, UINT kbkId);

} // namespace nledmark
