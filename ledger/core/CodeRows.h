// Rows of a lines grid filled from a chooser that answers several codes at
// once ("211000,213000,226000"), as the economic-code choosers of the ledger's
// forms do.
#pragma once
#include "afx.h"

#include <functional>

class CCellwork;

namespace nledmark {

// Writes the codes into column `col`: the first into row `first`, each next
// into the lowest row whose cell in that column is empty. `filled(row)` runs
// after each code is written (the form adds its empty row there, so a next
// row exists). The grid is in filling mode meanwhile; the codes left when no
// row is empty are dropped.
void FillRowsWithCodes(CCellwork& grid, int col, long first, const CString& codes,
                       const std::function<void(long)>& filled);

// Adds a row at the end when no row's cell in column `col` is empty, so the
// grid keeps one empty row for the next entry.
void KeepOneEmptyRow(CCellwork& grid, int col);

} // namespace nledmark
