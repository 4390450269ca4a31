// A run of one of the ledger's closing operations over every branch: per
// branch (in id order) the postings that close its accounts are worked out
// from the postings up to the operation date and written as one manual
// operation of that branch (a row of ledmark_oper_by_hand and its postings,
// as manual operations are kept), numbered on from the first number.
//
// The whole run is one transaction: a posting the posting script refuses, or
// a statement that fails, in any branch leaves nothing of the run written,
// and the user is told which branch and which accounts stopped it. A branch
// with nothing to close takes a document id and a number and writes no row.
#pragma once
#include "ClosingRules.h"
#include "PostingLines.h"

#include <vector>

namespace nledmark {

// The postings of one branch and the total its manual operation carries.
struct CClosingPostings {
    std::vector<CPostingLine> lines;
    double total = 0;
};

class CClosingRun {
public:
    // `date` is the operation date as dd.mm.yyyy.
    CClosingRun(ClosingMode mode, const CString& date);

    ClosingMode Mode() const { return m_mode; }
    // The question asked before the run ("Закрыть счета ? ", ...).
    CString Question() const;
    // The note of the manual operations.
    CString Note() const;
    // The annual closing's list of accounts (GetZaklSch), read before the
    // date is checked.
    void ReadClosingList();

    // Works out the postings of one branch; FALSE when a query failed
    // (reported).
    BOOL Produce(int branch, CClosingPostings& out);
    // The whole run from `number` on; FALSE when nothing was written (the
    // reason has been shown).
    BOOL Run(const CString& number);

private:
    BOOL ProduceAnnual(int branch, CClosingPostings& out);
    BOOL Produce10604(int branch, CClosingPostings& out);
    BOOL Produce30404(int branch, CClosingPostings& out);
    BOOL Produce500(int branch, CClosingPostings& out);
    BOOL Produce302(int branch, CClosingPostings& out);
    BOOL Produce206(int branch, CClosingPostings& out);

    ClosingMode m_mode;
    CString m_date;         // dd.mm.yyyy
    CString m_sqlDate;
    CString m_balanceDate;  // the day after, dd.mm.yyyy
    std::vector<CClosingEntry> m_entries;
};

} // namespace nledmark
