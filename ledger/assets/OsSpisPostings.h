// What the write-off of fixed assets posts for one asset: the card's columns,
// the value, quantity and accumulated depreciation its ledger balances hold,
// the shares of them written off, the postings and the card's change in the
// register.
//
// Balances are net: the value V and quantity Q are the debit balance of the
// asset account less its credit balance, the depreciation A the credit
// balance of the depreciation account less its debit balance. A part of Q
// written off takes its share of V and of A, never more than is left; the
// whole quantity takes all of both.
#pragma once
#include "PostingLines.h"
#include "afx.h"

#include <map>
#include <vector>

namespace nledmark {

// The columns of a card the write-off reads, as texts.
struct COsCard {
    CString id, name, vrasx, sch, schOld, kbkDeb, schIz, kbkKred, mol, prd;
};

// Reads card `id` (a checked whole number); FALSE when there is no such card
// or the read failed (reported).
BOOL ReadOsCard(const CString& id, COsCard& card);

// The shares written off of `quantity` out of Q: the value (all of V when the
// quantity is Q) and the depreciation (all of A likewise), each the rounded
// per-unit figure times the quantity, rounded to kopecks and never above
// what there is. With Q 0 the per-unit figures are V and A themselves.
struct COsShares {
    double value = 0;
    double depreciation = 0;
};
COsShares OsSpisShares(double value, double count, double depreciation, double quantity);

// The header fields the postings take.
struct COsSpisHeader {
    CString date;       // dd.mm.yyyy
    CString number;
    CString debit;      // the write-off account
    CString kbkDebit;
    CString ekr;
    CString zab;        // the off-balance account, "" for none
    CString prich;      // the reason
    int branch = 1;
};

// What was written off of a card by earlier rows of the same document and is
// not in the ledger yet (the checks before the question).
struct COsTaken {
    double value = 0, count = 0, depreciation = 0;
};

// One asset of the write-off, settled.
struct COsSpisRow {
    COsCard card;
    double quantity = 0;           // q
    CString balanceAccount;        // the card's balance account (sch, or sch_old off balance)
    CString assetAccount;          // the account the value leaves, full
    CString deprAccount;           // the depreciation account, full (debit side)
    double value = 0, count = 0, depreciation = 0;  // V, Q, A
    COsShares shares;
    std::vector<CPostingLine> postings;
};

// Reads the balances (without the postings of document `document`, null for
// none, and less what `taken` holds), computes the shares and makes the
// postings in their order. FALSE with the user's message in `fault` when a
// balance could not be read.
BOOL SettleOsSpisRow(const COsSpisHeader& header, const char* document, const COsTaken& taken, COsSpisRow& row,
                     CString& fault);

// Whether its card has no value and no quantity left on its balance account
// (before the row).
bool OsSpisNothingLeft(const COsSpisRow& row);

// Whether the row takes what is left of its card on its balance account: no
// value and no quantity stay there after it.
bool OsSpisTakesTheRest(const COsSpisRow& row);

// The card's change once it is written off: moved onto the off-balance
// account, its former balance account kept in sch_old, or disposed of with
// the document's date, number and reason. A card is disposed of only by the
// row that takes the rest of it: a part written off leaves it on the books
// ("" then, nothing to change).
CString OsSpisRegisterSql(const COsSpisHeader& header, const COsSpisRow& row);

// Gives back the cards a stored write-off changed (its grid text, off-balance
// account, number and date as stored): a card it moved off balance returns to
// its former account, a card it disposed of loses the disposal. Only cards
// still marked by this document are touched. "" when there is none.
CString OsSpisRestoreSql(const CString& grid, const CString& zab, const CString& number, const CString& date);

// The card ids of a stored grid text whose rows count (an id and a quantity).
std::vector<CString> OsSpisGridCards(const CString& grid);

} // namespace nledmark
