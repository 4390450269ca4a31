// The ledger balance a material or asset document shows and posts from: a
// stock item of a responsible person on 105, a card on 101 or 104, read as
// of the end of the document's day for the whole analytic account (its first
// six characters followed by "000").
#pragma once
#include "afx.h"
#include "ledmark.h"

namespace nledmark {

// The account a balance is read on: "105360000" for "110536340"; "" when the
// text holds fewer than six characters.
CString BalanceAccount(const CString& account);

// The balance up to the end of `date` (dd.mm.yyyy) of the analytic values
// (null or "" for any) in `branch` (-2 for all), without the postings of
// document `document` (null for none). False when the balance could not be
// read (a bad account or date, a failed script): then `balance` is zero and
// must not be shown or posted from; BalanceUnread says so to the user.
bool ReadAccountBalance(const CString& date, const CString& account, const char* value1, const char* value2,
                        const char* value3, int branch, const char* kbk, const char* document,
                        LedgerBalance& balance);
CString BalanceUnread(const CString& account, const CString& value);

} // namespace nledmark
