// The pay statements a tariffication print can cover: those with assignments
// of order kind 1 in force over the dates (begun by the from date, not ended
// before the to date), through the rates of their positions. Both print
// forms offer them in the same grid: column 0 the code, column 1 the name.
#pragma once
#include "gridbase.h"

#include <vector>

namespace nvenzol {

// Empties the grid and fills it; a database error is thrown to the caller.
void FillStatementGrid(CCellwork& grid, const COleDateTime& d1, const COleDateTime& d2);

// The rows with a check mark, in grid order.
std::vector<long> CheckedRows(CCellwork& grid);

} // namespace nvenzol
