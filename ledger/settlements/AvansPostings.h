// The postings of an advance report's expense line.
//
// The line's own posting (rule P): the debit with the line's analytic
// values, the credit (the report's account when the line names none) with
// values chosen by the book of each credit dimension: the report's
// personnel number for employees, the line's economic code for economic
// codes, nothing for any other book.
//
// Its pair through 501.03 and 502.01 (rule Q), when the report asks for
// it: the economic code and the contract come from the debit's analytic
// values (the economic code, failing that, from the line); a line whose
// debit carries no contract has no pair, one without an economic code or
// whose accounts get no KOSGU code has none either, and the user is told.
#pragma once
#include "PostingLines.h"

namespace nledmark {

// What a line's postings take from the report's header.
struct CAvansHeader {
    CString account;  // the default credit
    CString tn;
    CString department;
    CString kbkDebit, kbkCredit;
};

// The credit of a line: its own, or the report's account.
CString LineCredit(const CString& lineCredit, const CAvansHeader& header);

// Rule P. `cells` are the 14 cells of the line (AvansColumn), amounts with ".".
CPostingLine MainPosting(const CString* cells, const CAvansHeader& header);

enum class PairOutcome { Made, NoContract, NoEkr, UnknownDebitTail, UnknownCreditTail };

struct CAvansPair {
    PairOutcome outcome = PairOutcome::NoContract;
    CPostingLine posting;  // when Made
    CString message;       // what the user is told when the pair is left out
};

// Rule Q.
CAvansPair PairPosting(const CString* cells, const CAvansHeader& header);

} // namespace nledmark
