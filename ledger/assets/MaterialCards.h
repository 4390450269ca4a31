// The texts of the inventory list of materials and of the accounting cards of
// material values: the account rows and their condition, the card items'
// query and the item list the card reports read. Kept apart from the views so
// each server's text can be checked without a window.
#pragma once
#include "DbDialect.h"
#include "afx.h"

#include <vector>

namespace nledmark {

// A material account of the inventory list, kept with its own parts so the
// condition never depends on how the row is shown.
struct InventAccount {
    CString synthetic;  // col1, "105" or a 2-character off-balance code
    CString analytic;   // col2, empty when the account has none
    CString name;
};

// How the inventory grid shows an account: "0 105 34 000", or the synthetic
// account alone when it has no analytic part.
CString InventAccountText(const InventAccount& account);
// " and (c1 or c2 ...)" over the accounts, each "(col1='105' and col2='34')" or
// "col1='05'" without an analytic part; empty for no account.
CString InventAccountCondition(const std::vector<InventAccount>& accounts);
// The accounts of the chart whose analytic dimension is the book `bookId`,
// without those of the synthetic account `leftOut` (none when empty).
CString InventAccountsSql(long bookId, const char* leftOut = nullptr);

// The stock account of a card item as one blank-separated text ("1 105 36"),
// the same on every server; the reports append " 000".
CString MatAccountTextSql(SqlDialect dialect);

// The filters of one side of the postings ("deb" or "kred") in the order
// source of financing, responsible person, branch, each left out when it
// holds all (0, 0, -2); the dimension columns are texts and are compared
// with quoted values.
CString CardSideFilter(long branch, int source, long tn, const char* side);

struct MatCardFilter {
    CString periodEnd;  // dd.mm.yyyy
    long branch = -2;   // -2: all branches
    int source = 0;     // 0: all sources
    long tn = 0;        // 0: every responsible person
};
// The items posted to or from 105 up to the period end under the filter,
// columns sb, imat, iei, sch; an item on both sides once.
CString MatCardItemsSql(const MatCardFilter& filter, SqlDialect dialect);

struct MatCardItem {
    CString id;
    CString account;
};
// "id:account 000,id:account 000" as the card reports read it.
CString MatCardItemList(const std::vector<MatCardItem>& items);

} // namespace nledmark
