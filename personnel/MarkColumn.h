// The mark column of a time sheet's grid: what the day sheet and the position
// sheet both do with it. Only the mark column is edited; a new edit of an
// empty cell starts from the last mark typed; the chooser of the marks book
// "uo" answers into a hidden edit whose text goes into the row it was opened
// for; a number is kept with "." and two decimals ("7,5" and "7.5" give
// "7.50"); a text that is neither a number nor a code of the book is refused.
// Beside each row the grid keeps the mark stored in the database when the
// sheet was filled, so a save writes only the rows changed since.
#pragma once
#include "afx.h"
#include "gridbase.h"

#include <functional>
#include <initializer_list>
#include <vector>

namespace nperso {

// The mark as stored: a text that begins with a digit is a number of hours,
// read with "," or "." as the decimal point and written with "." and two
// decimals; any other text is kept, blanks around it dropped.
CString NormalisedMark(const CString& typed);
// What the mark cell shows of a text set into it: a number normalised, any
// other text as it is.
CString ShownMark(const CString& text);
// TRUE when the text is the code of a row of the marks book "uo".
BOOL IsMarkCode(const CString& text);

class MarkColumn {
public:
    MarkColumn(CCellwork& grid, long column) : m_grid(grid), m_column(column) {}

    // Grid event 3: other columns refuse the edit; an empty mark cell starts
    // from the last mark typed.
    void EditStarting(short col, CString* text, short* cancel) const;
    // Grid event 5: the chooser of the marks, answering into the hidden edit
    // `codeEdit` of `view`.
    void Choose(CWnd* view, int codeEdit, short col, short row);
    // The chosen code, read from the hidden edit, goes into the row the chooser
    // was opened for, which becomes the current cell. FALSE when there is none.
    BOOL TakeChosen(const CString& code);
    // The same from the hidden edit `codeEdit` of `view`, which is emptied
    // so that choosing the same code again is a change too.
    BOOL TakeChosenFrom(CWnd* view, int codeEdit);
    // Grid event 8: a number typed or set is normalised.
    void Changed(short col, CString* text) const;
    // Grid event 9: the typed text trimmed and remembered as the last mark;
    // an unknown code is refused with a message and the cell keeps its mark.
    // TRUE when the mark was taken (the sheet then holds unsaved marks).
    BOOL Edited(short col, short row, CString* text);

    // Fills the grid with `rows` at once (their cells column by column, the
    // mark in this column as stored): each row shows its mark as a mark set
    // by the program is shown (event 8 is not raised for a fill) and keeps
    // the stored one beside it.
    void Fill(std::vector<std::vector<CString>> rows);
    // The mark of the row as stored, kept beside the row.
    void SetStored(long row, const CString& mark);
    // TRUE when the row's mark differs from the stored one.
    BOOL RowChanged(long row) const;
    // Every row's mark becomes its stored one (after a save).
    void KeepAll();

private:
    CCellwork& m_grid;
    long m_column;
    CString m_last;    // the last mark typed
    long m_row = -1;   // the row whose mark is being chosen
};

// Before a sheet's marks are replaced or its window goes: when the document
// holds unsaved marks, asks "Записать изменения ? "; Yes writes them by
// `write` (nonzero when written), No drops them; with `canCancel` the question
// also offers Cancel. FALSE when the marks stay unsaved on the sheet (Cancel,
// or the writing failed): the caller then keeps the sheet as it is.
// The sheet's grid fills the view below its band of fields: `band` pixels,
// or more where the fields `lowest` reach further down (a larger font).
void PlaceSheetGrid(CWnd* view, CCellwork& grid, int band, std::initializer_list<int> lowest);

BOOL SaveOrDropMarks(CDocument* document, const std::function<int()>& write, bool canCancel);

} // namespace nperso
