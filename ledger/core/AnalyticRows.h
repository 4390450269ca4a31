// The analytic rows of an account field: for each of the account's three
// dimensions a caption (the name of its reference book), a code field, a
// chooser button and a field with the code's name. A form shows the rows the
// account has and hides the others, emptying their code.
#pragma once
#include "afx.h"

namespace nledmark {

// The controls of one analytic dimension of an account.
struct CAnalyticRow {
    UINT value, button, label, name;
};

// The reference-book class of dimension n (1..3) of a 9-character account,
// read from the chart row of exactly that code; 0 when it has none.
int DimensionBook(const CString& account, int n);

// Shows the rows of the account's dimensions, each captioned with its book's
// name, and hides the others, emptying their code fields.
void ShowAnalyticRows(CWnd* form, const CString& account, const CAnalyticRow rows[3]);

} // namespace nledmark
