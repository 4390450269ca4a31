// The postings of the budget documents. Their forms keep each account with
// the KOSGU part "000" (the account as a whole); a posting completes it with
// the KOSGU code of its economic code, and its analytic values follow the
// books of the account's dimensions: the economic code first, the department
// where a dimension keeps departments, the contract where one keeps
// contracts.
#pragma once
#include "AccountDimensions.h"
#include "afx.h"

namespace nledmark {

// The account as the form keeps it: its first six characters and "000"; a
// shorter text stays as it is.
CString AccountAsWhole(const CString& account);

// The posting account: the first six characters of the form's account and
// the KOSGU code of the economic code on that side (1 debit, 2 credit); ""
// when the chart gives no KOSGU code for it.
CString PostingAccount(const CString& account, const CString& ekr, int side);

// Nonzero when any dimension of the account keeps departments (spr_prd).
BOOL KeepsDepartments(const CString& account);

// The analytic values of one side of a budget posting.
struct CBudgetSide {
    CString account;
    CString values[3];
    // A dimension keeps departments, so the posting needs one.
    bool needsDepartment = false;
};

// The side of `account` for the economic code: dimension 1 the economic
// code; dimensions 2 and 3 the department where their book is spr_prd, the
// contract where it is spr_dogovora. A contract the account keeps nowhere goes
// into dimension 2 unless the department took it.
CBudgetSide BudgetSide(const CString& account, const CString& ekr, const CString& department,
                       const CString& contract = CString());

} // namespace nledmark
