// The postings of a received invoice's debit line: debit the line's account
// with its analytic values, credit the supplier's account with its own; and,
// where the invoice is carried through the budget obligations, the pair
// "debit 501.03, credit 502.01" of the line.
#pragma once
#include "CChartFacts.h"
#include "PostingLines.h"

namespace nledmark {

// A debit line of the invoice as the grid holds it.
struct CReceivedLine {
    CString kbk, account, values[3], quantity, sum, ekr;
};

// The invoice's side of every posting: the supplier's account with its
// analytic values, the credit KBK.
struct CReceivedHeader {
    CString supplier, values[3], kbk;
};

CPostingLine ReceivedLinePosting(const CReceivedLine& line, const CReceivedHeader& header);

enum class ReceivedPairOutcome { Made, None, Fault };

struct CReceivedPair {
    ReceivedPairOutcome outcome = ReceivedPairOutcome::None;
    CPostingLine posting;
    CString message;  // why the pair cannot be built (Fault)
};

// The line's pair. The economic code is the supplier's value whose book holds
// economic codes, else the line's column of codes, else the line's own value
// of such a book; the contract the supplier's value of contracts ("1" when
// the account keeps none), the department its value of departments, else the
// line's own value of departments. A
// contract dimension left empty gives no pair (None), which is no fault; no
// economic code or no KOSGU code for it is a Fault with its message.
CReceivedPair ReceivedInvoicePair(CChartFacts& chart, const CReceivedLine& line, const CReceivedHeader& header);

} // namespace nledmark
