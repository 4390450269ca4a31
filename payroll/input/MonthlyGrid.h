// What the payroll's monthly input grids share: a department's rows of the
// working month in a grid below a band of code fields, a position row shown
// as "tn.npp", the month's first day in SQL, the figures typed into the grid
// checked as numbers before anything is written, and the grid laid out on a
// resize.
#pragma once
#include "afx.h"

#include <vector>

class CCellwork;

namespace npaymar {

// The first day of the working month (g_lYear, g_lMonth) as an SQL literal.
CString MonthStartLiteral();

// A stored figure as a grid shows it: "21", "20.5"; nothing for none.
CString ShownFigure(const CString& stored);

// A figure typed into a cell as SQL: NULL for an empty cell, a number
// written with "." for one typed with "," or "." ("20,5" gives 20.5).
// False for a text that is no number or a negative one.
bool CellFigure(const CString& text, CString& sql);

// "12.3" into the personnel number 12 and the position number 3, both
// checked whole numbers; false for a key without a point or with other text.
bool SplitPositionKey(const CString& key, CString& tn, CString& npp);

// The messages of a refused row of a grid, naming it (counted from 1): a key
// that names no position row, a figure that is no number.
CString PositionKeyRefusal(long row, const CString& key);
CString FigureRefusal(long row, const CString& tn, const char* caption, const CString& text);

// Every number of `numbers` (checked whole numbers) once, smallest first,
// joined by ",", for "in (...)".
CString NumberList(const std::vector<CString>& numbers);

// After a save the focus goes back to the form's first code, its text
// selected and in view.
void FocusCodeField(CEdit& field);

// A refused cell of the grid: the message, then the cell current.
void RefuseCell(CCellwork& grid, long col, long row, const CString& message);

// The grid over the form's whole width and the height below the band.
void PlaceMonthlyGrid(CWnd* form, CCellwork& grid, int band);

} // namespace npaymar
