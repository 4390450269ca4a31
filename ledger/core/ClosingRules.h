// The rules of the ledger's closing operations that need no window: the
// closing list of the annual closing, its KOSGU filters and its posting rule,
// and the queries each operation reads its rows with (MariaDB and PostgreSQL
// alike: codes are compared as quoted text, every selected column is grouped).
#pragma once
#include "afx.h"

#include <vector>

namespace nledmark {

// The closing operations; a closing form's mode selects one (1-5), any other
// mode the annual closing.
enum ClosingMode {
    CLOSE_ANNUAL = 0,
    CLOSE_10604 = 1,    // 106.04 onto 401.01
    CLOSE_30404 = 2,    // 304.04 against 304.05
    CLOSE_500 = 3,      // the year's turnovers of the accounts from 500
    CLOSE_302_206 = 4,  // debit balances of 302 onto 206
    CLOSE_206_302 = 5,  // balances of 206 onto 302
};
ClosingMode ClosingModeOf(int param);

// One entry of the closing list: the closed account and its target, both
// nine-character codes whose source digit is not used.
struct CClosingEntry {
    CString closed;
    CString target;
};
// The entries of a closing list ("closed:target,..."); an entry without a
// target, or whose codes are not nine characters, is left out.
std::vector<CClosingEntry> ClosingEntries(const CString& list);

// The KOSGU condition of a closed account's KOSGU `c3` on one side ("deb" or
// "kred"): none for "000" and for a KOSGU not ending in "00"; else the
// postings whose KOSGU begins with the same digit.
CString KosguFilter(const CString& c3, const char* side);

// The posting of one balance row of the annual closing: whether there is one,
// which side the closed account takes and the amount (two decimals).
struct CAnnualPosting {
    bool post = false;
    bool accountOnDebit = false;  // else the correspondent is on the debit
    double amount = 0;
};
// `account` the nine-character closed account with its KOSGU, D and K its
// debit and credit balance.
CAnnualPosting AnnualClosingPosting(const CString& account, double debit, double credit);

// The rows to close of one branch; `sqlDate` is the operation date in SQL form.
// Annual closing: the KBK, KOSGU and analytic values of the closed account
// (source, synthetic c1, analytic c2) up to the date.
CString AnnualClosingQuery(const CString& sqlDate, int source, const CString& c1, const CString& c2,
                           const CString& c3, int branch);
CString Closing10604Query(const CString& sqlDate, int branch);
CString Closing30404Query(const CString& sqlDate, int branch);
CString Closing500Query(const CString& sqlDate, int branch);
// Modes 4 and 5: the rows of synthetic account "302" or "206".
CString ClosingBalancesQuery(const CString& sqlDate, const char* synthetic, int branch);

// The KOSGU of the 401.01 account that closes a 106.04 row with analytic value
// `sb1`: "271" and "272" for values beginning "31" and "34", else the KOSGU
// the expense classification gives (GL_GetTailFromEKR).
CString Closing10604Kosgu(const CString& source, const CString& sb1);

} // namespace nledmark
