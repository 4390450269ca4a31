// What the chart of accounts says of the accounts and analytic values of a
// document's lines, asked of the ledger's scripts once per account and value
// while one set of lines is checked: the lines of a document name the same
// accounts again and again. Inside a script read cache the accounts and
// values of all lines may be read ahead, a query for all accounts and one per
// reference book.
#pragma once
#include "afx.h"

#include <map>
#include <vector>

namespace nledmark {

class CChartFacts {
public:
    struct Account {
        bool zab = false;    // off-balance
        bool valid = false;  // may be posted
        bool kol = false;    // kept in quantities
        int book[3] = {0, 0, 0};  // reference book of analytic dimensions 1-3 (0 = none)
    };
    // An empty account has no facts (all false, no books).
    const Account& Of(const CString& account);
    // Whether `value` is a value of dimension k (1..3) of the account.
    bool ValueExists(const CString& account, short k, const CString& value);
    // The table of the book of dimension k (1..3) of the account ("" none).
    CString Dimension(const CString& account, int k);
    // The KOSGU code of an economic code for the account on a side
    // (GL_GetTailFromEKR).
    CString Tail(const CString& account, const CString& ekr, int side);

    // Reads what the chart says of the accounts not known yet in one script
    // call (GL_AccountFacts), which reads their chart rows in one query and
    // keeps them in the open script read cache, where the posting script
    // finds them too. Of then answers these accounts from memory. Outside a
    // read cache nothing is read ahead. A failed call keeps nothing: each
    // account is then asked on its own.
    void LookUpAccounts(const std::vector<CString>& accounts);

    // An analytic value a document names: of dimension k (1..3) of the account.
    struct ValueAsk {
        CString account;
        short k;
        CString value;
    };
    // Looks the values up in their reference books, in one query, and
    // keeps the answers in the open script read cache, where the posting
    // script and ValueExists find them. A failed query keeps nothing: each
    // value is then looked up (and the failure reported) on its own.
    void LookUpValues(const std::vector<ValueAsk>& asks);

private:
    std::map<CString, Account> m_accounts;
    std::map<CString, bool> m_values;
    std::map<CString, CString> m_dimensions;
    std::map<CString, CString> m_tails;
};

} // namespace nledmark
