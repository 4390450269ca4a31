// The postings of a transfer between responsible persons, built from the
// sender's balances: the statements that read them and, per balance, the
// sender's decrease and the receiver's increase. Kept apart from the view and
// the save so each text and each posting can be checked without a window.
//
// The sender's balances on the transfer's own account (105 or 101) are read
// by KBK, source, analytic account, item (card) and department; those on the
// other accounts the chart keeps by item (card) and responsible person (an
// off-balance account of items in use) by KBK, the full account, item and
// third analytic value, and each moves on that same full account.
#pragma once
#include "CMolTransferRecord.h"

#include <vector>

namespace nledmark {

// One grouped balance of the sender.
struct MolBalanceRow {
    CString kbk;
    CString source, analytic, kosgu;  // the account's parts (kosgu: other accounts only)
    CString item;
    CString third;  // the department on the transfer's account, else the third analytic value
    CString quantity, sum;  // decimal texts with "."; "" for none
};

// The balances of the sender on the transfer's own account up to the end of
// the document date in the sender's branch, narrowed by the chosen items and KBKs.
CString MainBalanceSql(const CMolTransferRecord& r);
// The synthetic accounts, other than the transfer's own, whose rows in the chart
// keep the items' book `bookId` and, as second value, the employees' book.
CString HoldingAccountsSql(const MolTransferKind& kind, int bookId, int employeesBookId);
// The balances of the sender on one of those synthetic accounts.
CString HoldingBalanceSql(const CMolTransferRecord& r, const CString& synthetic);

// The two postings of a balance on the transfer's own account, as the mode
// gives them: the sender's decrease in the sender's branch with the balance's
// KBK, the receiver's increase in the receiver's branch with the receiver's KBK
// (the balance's when none is given).
void AppendMainPostings(const CMolTransferRecord& r, const MolBalanceRow& row, std::vector<CPostingLine>& lines);
// The two one-sided postings of a balance on another account.
void AppendHoldingPostings(const CMolTransferRecord& r, const CString& synthetic, const MolBalanceRow& row,
                           std::vector<CPostingLine>& lines);
// Whether a balance moves anything (a sum or a quantity other than zero).
bool MovesSomething(const MolBalanceRow& row);

// The register update that gives the receiver the cards; "" for no card.
CString CardsUpdateSql(const CString& receiver, const std::vector<CString>& cards);

// "-12.5" for "12.5", "12.5" for "-12.5", "" for "".
CString NegatedDecimal(const CString& text);

} // namespace nledmark
