// The layout the ledger's document forms share: the grid across the form between a
// header of fixed height and the note, the note's label and field, and a row
// of buttons, all placed from the bottom of the form's client area.
#pragma once
#include "afx.h"

#include <initializer_list>
#include <utility>

namespace nledmark {

struct CFormLayout {
    int gridTop;         // pixels below the top
    int gridBottomGap;   // pixels between the grid's bottom and the client's
    UINT noteLabel, noteField;
    int noteFieldX;      // the label stands at x 10
    int noteFromBottom;
    int buttonsFromBottom;
};

// Places the parts; buttons are (id, x), those the form lacks are passed over.
void PlaceFormParts(CWnd* form, CWnd* grid, const CFormLayout& layout,
                    std::initializer_list<std::pair<UINT, int>> buttons);

} // namespace nledmark
