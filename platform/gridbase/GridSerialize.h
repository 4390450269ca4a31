// A whole grid as one text, as documents store their table parts: rows
// separated by GetDelimiter(), the cells of a row by GetDelimiter0(), every
// column of every row written. No cell text contains a separator (CellInput.h),
// so a stored text always reads back to the same rows and cells. (The one
// text that cannot tell: a grid of one column and one empty row writes "",
// which reads back as no rows.)
#pragma once
#include "CCellwork.h"

// flag 1: only the rows with a check mark.
CString GetGridInOneString(CCellwork* grid, int flag);
inline CString GetGridInOneString(CCellwork& grid, int flag) { return GetGridInOneString(&grid, flag); }

// The grid gets the rows of the text ("" gives none) after ClearGrid; cells
// past the grid's columns are dropped. f1 = 1 raises no events, otherwise
// event 8 for each cell that gets a text; f2 is not used.
void SetGridFromOneString(CCellwork* grid, const CString& text, int f1, int f2);
inline void SetGridFromOneString(CCellwork& grid, const CString& text, int f1, int f2)
{
    SetGridFromOneString(&grid, text, f1, f2);
}

// Nonzero when at least one row has its check mark.
int CellworkChecked(CCellwork* grid);
inline int CellworkChecked(CCellwork& grid) { return CellworkChecked(&grid); }
// Nonzero when every row has it (a grid without rows counts as all checked,
// so a caller that filters by the checked rows filters nothing).
int CellworkCheckedAll(CCellwork* grid);
inline int CellworkCheckedAll(CCellwork& grid) { return CellworkCheckedAll(&grid); }
