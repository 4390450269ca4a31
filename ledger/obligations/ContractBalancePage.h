// Budget obligations and balances by contract: for the ticked contracts of a
// year, per economic code, the plan of their breakdowns by month, the fact
// accepted on 502.01 and the balance, with the "итого" block.
#pragma once
#include "LimitReportText.h"

#include <vector>

namespace nledmark {

struct ContractBalanceFilter {
    long year = 0;
    int branch = -2;             // -2: every branch
    int source = 0;              // 0: every source
    CString ekr;                 // compared as text with the row's code; "" for all
    std::vector<long> contracts; // the ticked contracts
    CString sourceName;          // as the form shows it
};

// The query of the year's breakdowns of the ticked contracts.
CString ContractPlanQuery(const ContractBalanceFilter& filter);
// The 502.01 account the fact is taken on: of the chosen source, or of all.
CString ContractFactAccount(int source);

LimitPage ContractBalancePage(const ContractBalanceFilter& filter);

} // namespace nledmark
