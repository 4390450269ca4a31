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

#include <map>
#include <tuple>

namespace nledmark {

// What a line's postings take from the report's header.
struct CAvansHeader {
    CString account;  // the default credit
    CString tn;
    CString department;
    CString kbkDebit, kbkCredit;
};

// What the chart says of the accounts of one set of lines, asked once per
// account (the books of its dimensions) and per economic code (the KOSGU
// tail): the lines of a report name the same accounts again and again.
class CAvansChart {
public:
    // The table of the book of dimension k (1..3) of the account; "" for none.
    CString Dimension(const CString& account, int k);
    // The account's first six characters completed with the KOSGU code of
    // the economic code on a side (1 debit, 2 credit).
    CString Tail(const CString& head, const CString& ekr, int side);

private:
    std::map<std::pair<CString, int>, CString> m_dimensions;
    std::map<std::tuple<CString, CString, int>, CString> m_tails;
};

// The credit of a line: its own, or the report's account.
CString LineCredit(const CString& lineCredit, const CAvansHeader& header);

// Rule P. `cells` are the 14 cells of the line (AvansColumn), amounts with ".".
CPostingLine MainPosting(const CString* cells, const CAvansHeader& header, CAvansChart& chart);

enum class PairOutcome { Made, NoContract, NoEkr, UnknownDebitTail, UnknownCreditTail };

struct CAvansPair {
    PairOutcome outcome = PairOutcome::NoContract;
    CPostingLine posting;  // when Made
    CString message;       // what the user is told when the pair is left out
};

// Rule Q.
CAvansPair PairPosting(const CString* cells, const CAvansHeader& header, CAvansChart& chart);

} // namespace nledmark
