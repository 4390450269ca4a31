// The analytic cells of a grid row that names an account: the forms with a
// lines grid show, beside each account, one cell per analytic dimension.
#pragma once
#include "afx.h"

class CCellwork;

namespace nledmark {

// For dimension k (1..3) of `account` the cell at firstCol + k - 1 of `row`:
// where the account keeps the dimension the cell takes input and, while
// empty, shows "<...>" (a dimension kept by economic code takes `ekr` first,
// when one is given); where it does not, or where the account may not be
// posted, the cell is emptied and takes none. A cell is written only when its
// text changes.
void ShowAnalyticCells(CCellwork& grid, long row, int firstCol, const CString& account,
                       const CString& ekr = CString());

} // namespace nledmark
