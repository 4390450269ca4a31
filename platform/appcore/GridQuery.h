// Lists of the forms filled from a query, and the plain layout of a form
// that is one grid over a row of buttons.
#pragma once

#include "afx.h"

#include <initializer_list>

class CCellwork;

namespace appcore {

// Fills the grid with the rows of `sql`, the columns in query order. With
// `takeColumns` the grid gets the query's columns and their names as
// captions, each column as wide as its longest text; otherwise the grid
// keeps its own columns and takes as many of the query's as it has. The
// rows' check marks start cleared. FALSE, after
// reporting it, when the query fails (the grid is then empty).
BOOL FillGridFromQuery(CCellwork& grid, const char* sql, bool takeColumns);

// Lays out a form: the grid takes the whole client area above a strip of
// buttons at the bottom, the buttons in that strip from the right edge in
// the order given (the first rightmost), then `leftButtons` from the left
// edge in their order; a button the form lacks is skipped.
void PlaceGridAndButtons(CWnd* form, CWnd* grid, std::initializer_list<int> buttons,
                         std::initializer_list<int> leftButtons = {});

// The height of that strip of buttons, in pixels.
constexpr int kButtonStrip = 30;

} // namespace appcore
