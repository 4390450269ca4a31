// Execution of the monetary obligations of a recipient of budget funds: per
// KBK and economic code of the period's assignments (503.01), the obligations
// not subject to registration, and per supplier its contracts and plan, its
// invoices and payments on the settlement accounts 302.xx, the payment orders
// of the bank payment documents, its creditor debt and the unexecuted rest.
#pragma once
#include "LimitReportText.h"

#include <vector>

namespace nledmark {

struct ObligationsFilter {
    COleDateTime from, to;
    int branch = -2;               // -2: every branch
    // The condition of the checked sources over the debit side of the
    // postings (" and (deb0=1 ...)"); "" when no source is checked, which
    // takes every source.
    CString sourceSql;
    // The codes of the checked sources; empty takes every source.
    std::vector<CString> sources;
};

// The condition over the credit side: every "deb" of `debitSide` read "kred".
CString CreditSide(const CString& debitSide);

// The branch of the form's branch list ("", "3" or "1,3"): -2 for none, the
// one id, or false (and `branch` untouched) for several ids or a text that is
// no id.
bool SingleBranch(const CString& list, int& branch);

// The query of the groups: KBK and economic code of the debit postings on
// 503.01 with a code of 200000 or more.
CString ObligationGroupsQuery(const ObligationsFilter& filter);

// The page; a failed query or turnover leaves it incomplete.
LimitPage ObligationsExecutionPage(const ObligationsFilter& filter);

} // namespace nledmark
