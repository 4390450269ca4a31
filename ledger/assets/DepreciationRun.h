// The monthly depreciation run over every branch. Per branch (in id order)
// the cards to depreciate are read, each card's amount is worked out from
// its ledger balances (DepreciationRules.h) and the branch's run is written
// as one batch: a manual operation "НАЧИСЛЕНИЕ АМОРТИЗАЦИИ" with one posting
// "начислена амортизация" per nonzero amount, its header row in
// ledmark_prn_iz1 and a register row per card in ledmark_prn_iz.
//
// A run of a month and branch replaces the earlier one whole under the same
// document id and operation number. The balances a rerun reads leave out the
// earlier run's own postings, so it books what a first run would. A rerun
// whose total comes to 0 removes the earlier run. Cards off balance or
// disposed of by the operation date are not depreciated.
#pragma once
#include "afx.h"

#include <vector>

namespace nledmark {

// What a branch's run came to.
enum class BranchDepreciation {
    Failed,   // nothing of the branch written; the reason has been shown
    Nothing,  // no amount to book and no earlier run
    Written,  // the run is written (replacing an earlier one)
    Removed,  // an earlier run of the month was removed: the total came to 0
};

struct BranchDepreciationResult {
    int branch = 0;
    BranchDepreciation outcome = BranchDepreciation::Nothing;
    double total = 0;
    int postings = 0;
};

class CDepreciationRun {
public:
    // `date` the operation date (dd.mm.yyyy), `debitOther` and `debitPaid`
    // the debit accounts of depreciation accounts of other sources and of
    // source 2, `dateKind` 0 to start from d_post, 1 from d_ekspl.
    CDepreciationRun(const CString& date, const CString& debitOther, const CString& debitPaid, int dateKind);

    // The two accounts and the date; FALSE after saying which is refused.
    BOOL Check();
    // One branch's run as one batch.
    BranchDepreciationResult RunBranch(int branch);
    // Every branch in id order, stopping at the first that fails. FALSE when
    // a branch failed (branches before it stay written).
    BOOL Run();

    const std::vector<BranchDepreciationResult>& Results() const { return m_results; }
    // What the run did, branch by branch, for the user.
    CString Summary() const;

private:
    CString m_date;        // dd.mm.yyyy
    CString m_sqlDate;
    CString m_monthStart;  // D1
    int m_year = 0, m_month = 0;
    CString m_debitOther, m_debitPaid;
    int m_dateKind = 0;
    std::vector<BranchDepreciationResult> m_results;
};

// An account of the form: a posting account of the chart, or one of source 0
// (any source) whose code the chart keeps under some source.
BOOL ValidDepreciationDebit(const CString& account);

} // namespace nledmark
