// The texts of the inventory cards of fixed assets and of their list: the
// query of the assets with postings on 101, the fixed-asset accounts the list
// offers and the list's report call. Kept apart from the views so each
// server's text can be checked without a window.
#pragma once
#include "DbDialect.h"
#include "MaterialCards.h"
#include "afx.h"

#include <vector>

namespace nledmark {

// The filter of the asset list is the material cards' own (period end, branch,
// source, responsible person); the person and the source reach SQL only as numbers.
using OsCardFilter = MatCardFilter;

// The assets posted to or from 101 up to the period end under the filter,
// columns code, sb, imat, sch (the account as one blank-separated text, "1
// 101 36", on every server); an asset on both sides once per account.
CString OsCardItemsSql(const OsCardFilter& filter, SqlDialect dialect);

// The fixed-asset accounts of the chart whose dimensions keep the book
// `bookId`, but 104; columns zab, col1, col2, name.
CString OsAccountsSql(long bookId);

// The arguments of the list's report, as the form read them.
struct OsOpisArgs {
    CString periodEnd;
    CString tn;        // "" or a checked number
    CString prd;       // "" or a checked number
    int source = 0;
    long branch = -2;  // -2: all branches, sent as ""
    CString accounts;  // the account grid as one text
    CString from, to;  // "" or a number with "."
};
// "prn(\"...\",...)" with every argument through MakeParam.
CString OsOpisCall(const OsOpisArgs& args);

// A value bound as typed: "" stays "", a number is written with "."; false
// for anything else.
bool OsBound(const CString& typed, CString& bound);

} // namespace nledmark
