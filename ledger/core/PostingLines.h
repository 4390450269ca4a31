// The postings of a document: one line per posting as the views hand it to
// the ledger's posting script, and the two ways of writing them, numbered by
// `npp` from 1 in the order given.
#pragma once
#include "afx.h"

#include <vector>

namespace nledmark {

// One posting's texts as the table line holds them. Analytic values are the
// codes (a reference-book id, a personnel number, an economic code); a side
// without an account, or an account without that analytic, has "".
struct CPostingLine {
    CString debit, debit1, debit2, debit3;
    CString credit, credit1, credit2, credit3;
    CString amount;    // "." as decimal point
    CString quantity;  // "" when the line has none
    CString note;
    CString kbkDebit, kbkCredit;
    // The branch of this posting when it is not the document's (0): a transfer
    // posts the sender's side in one branch and the receiver's in another.
    int branch = 0;
};

// Writes the lines one by one through GL_InsertProvodka under document `id`
// dated `date` (dd.mm.yyyy) for the branch; FALSE at the first refused line
// (the script has told the user why), whose index goes into `refused` when
// given. Inside the save's transaction a refusal takes back the lines already
// written.
BOOL InsertPostings(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines,
                    size_t* refused = nullptr);

// Tests one posting before the document asks to write it: the posting rules
// (GL_TestProvodka), then its accounts and the analytic values they require,
// which a document without checks of its own for them needs tested here. 0 when
// it may be written; otherwise the code of the field at fault (GL_TestProvodka's
// codes; 2..5 and 6..9 for the debit and credit accounts and their analytic
// values), the user told why. The line's own branch, when it has one, is tested.
int TestPosting(const CString& date, const CPostingLine& line, int branch);

// Tests the lines as above; FALSE at the first refused line.
BOOL TestPostingLines(const std::vector<CPostingLine>& lines, const CString& date, int branch);

// Writes the lines as one batch of the statements below; FALSE when a line
// cannot be written or the batch failed (reported).
BOOL WritePostingBatch(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines);

// The statements that write the lines (GL_InsertProvodka0), each followed by
// "\n", for a batch of the caller's; FALSE with `batch` as it was when a line
// cannot be written.
BOOL AppendPostingStatements(long id, const CString& date, int branch, const std::vector<CPostingLine>& lines,
                             CString& batch);

// The statements of a document's postings made before its document id is
// known: the posting script makes each for a stand-in id, and the batch is
// given the document's id when it is written. A new document makes them
// before its save takes the document counter's row, which every other new
// document waits for until that save ends.
class CPostingStatements {
public:
    // Makes the statements of the lines (GL_InsertProvodka0); FALSE when a
    // line cannot be written (the user has been told why).
    BOOL Make(const CString& date, int branch, const std::vector<CPostingLine>& lines);
    // Whether the statements were made. A statement that does not begin as
    // the posting script writes them ("insert into ledmark_provodki (id,...)
    // values (<id>,...") makes none: the id could not be put in its place.
    bool IsMade() const { return m_made; }
    // The statements under document `id`, each followed by "\n".
    CString Batch(long id) const;
    // The same with the id written as `id` says (a session variable).
    CString Batch(const CString& id) const;

private:
    std::vector<std::pair<CString, CString>> m_parts;  // the text before the id and after it
    bool m_made = false;
};

} // namespace nledmark
