// What the payroll's report selection forms share: the months' list filled
// and named, the conditions over the ticked rows, and a fill that reports an
// unexpected error under its form's name and keeps the rows read so far.
#pragma once
#include "afx.h"
#include "gridbase.h"

#include <functional>

namespace npaymar {

// The months of the working year that have rows in `table` ("paymar_M") into
// column 0; the names follow through the grid's cell event.
void FillMonthList(CCellwork& grid, const char* table);
// The month's name into column 1 when column 0 takes a number.
void NameMonthRow(CCellwork& grid, short col, short row, const CString& text);
// The condition over the ticked months on paymar_NUz.ms.
CString MonthCondition(const CCellwork& grid);
// Runs a list's fill: an error that is no database error (which the layer
// reports itself) shows "*** Unhandled Exception from <where> ***" with its
// cause; then the grid's first cell is made current and the grid repainted.
void RunFill(CCellwork& grid, const char* where, const std::function<void()>& fill);

} // namespace npaymar
