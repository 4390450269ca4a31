// What the warehouse documents' material lines share: reading a typed number,
// the unit of a material, the material's reference book opened for a row
// (its choice comes back as the form's message WM_MATERIAL_CHOSEN with the
// code), the material found by a name fragment (F7) and the grid that holds
// the focus.
#pragma once
#include "afx.h"
#include "gridbase.h"
#include "naddviews.h"

namespace nstovan {

// A number typed into a cell, with "," or "." as the decimal point; 0 for anything else.
double ReadNumber(const CString& text);
// The name of the material's unit; "" for an empty or unknown code.
CString MaterialUnit(const CString& material);
// Opens the material book for a row of the form's grid, on a name fragment when given.
void OpenMaterialBook(CWnd* form, short& waitingRow, long row, const char* fragment);
// The material search of F7 on the grid's current row: asks for the fragment
// (kept in `memory`), writes a single hit's code into the code column, opens
// the book on several, says when nothing is found. TRUE when a code was written.
BOOL SearchMaterial(CWnd* form, CCellwork& grid, int codeColumn, naddviews::SearchMemory& memory,
                    short& waitingRow);
// True while the grid or its cell editor has the focus.
bool FocusInGrid(const CCellwork& grid);

} // namespace nstovan
