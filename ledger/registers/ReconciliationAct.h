// The act of reconciliation with a counterparty made without windows, so a
// test or a benchmark builds it as the form's OK does: the head with both
// parties, the incoming balance of the settlement accounts 205, 206 and 302
// (without the sub-accounts 01-03 of the last two), one row per document (or
// per posting with the analytic names), the turnovers, the closing balance
// and the signatures of both parties. Postings between 206 and 302 (an
// advance set off) count in the balance but are never shown as rows.
#pragma once
#include "LimitReportText.h"
#include "afx.h"

namespace nledmark {

struct CReconciliationRequest {
    COleDateTime from, to, today;
    CString branches;         // a checked id list, "" = all branches
    CString kbkList;          // a checked id list, "" = every KBK
    long counterparty = 0;    // spr_contr.id
    long department = 0;      // spr_prd.id, 0 = none
    bool perPosting = false;  // one row per posting with the analytic names
};

// The settlement accounts of the incoming balance, in order: the code, its
// sign in the sum and the account whose analytic dimensions its values follow.
struct SettlementAccount {
    const char* code;
    int sign;
    const char* analytics;
};
extern const SettlementAccount kSettlementAccounts[9];

// True when dimension n (1-3) of the account is the department book.
bool IsDepartmentDimension(const char* account, short n);
// True when one of the dimensions of 302 is the department book: only then
// the act may be asked for one department.
bool ActHasDepartment();

// The condition on the postings of the act (without "where "): the
// counterparty's settlements on 205, 206 and 302 (their sub-accounts 01-03
// left out), the KBK list on each side, then the branch filter.
CString ReconciliationCondition(long counterparty, const CString& kbkList, const CString& branchFilter);

// The whole act; `complete` false (the act then ends with the incomplete
// mark in place of its totals and signatures) when a balance or the postings
// could not be read.
LimitPage BuildReconciliationAct(const CReconciliationRequest& request);

} // namespace nledmark
