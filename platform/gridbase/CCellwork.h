// CCellwork: the grid of every table part and list of the forms.
//
// Columns and rows are counted from 0, and a cell is always named column
// first: GetCellValue(col, row). Calls with a cell outside the grid change
// nothing and read as empty.
//
// In a dialog template the grid is a control of the class "Cellwork" whose
// text lays it out:
//
//   CONTROL "check, vheader=20 | КБК, 40, button | Дебет, 60, button, code |
//            Сумма, 80, amount, right | Содержание операции, 200",
//           IDC_GRID, "Cellwork", WS_TABSTOP | WS_BORDER, 7, 7, 300, 120
//
// (one string in the script). Parts are separated by "|": the first part holds
// the grid's options (it may be empty), every further part is one column, its
// items separated by ",": the caption, the width in pixels of the layouts'
// scale (they follow the dialog's units as its controls do), then any of
//   button                   a chooser button (event 5)
//   left | center | right    alignment (also align=0|1|2)
//   locked                   grey and never edited
//   readonly                 not edited, drawn as usual
//   hidden                   not shown
//   nofocus                  the current cell never stands in it
//   text | date | amount | number | code | count   the cell kind (also kind=N)
//   list=1/2/3/4             a list column offering these entries
// A caption with a "," or "|" is written in double quotes (doubled in the
// script: ""Итого, руб."").
// Grid options: check (row check boxes), vheader=N (row header width, 0 none;
// pixels as the widths), rowheight=N (likewise), rows=N, fullrow (whole-row highlight), report (SetReportType
// 4), nohscroll, keepratio.
//
// Cell kinds (SetColType) and what they accept as typed: 0 text, anything;
// 2 date, digits and points, the points put in as a date is typed, a finished
// date kept as dd.mm.yyyy; 5 amount, a signed number with two decimals at most;
// 6 number, a signed decimal number; 7 code, letters and digits; 9 count, an
// unsigned decimal number. Amounts and numbers take a typed "," as ".".
//
// Events, raised in the event sink map of the window that holds the grid:
//   2  (short col, short row, short* flag)  the current cell moved to another row
//      (before 15; the flag is not read back)
//   3  (short col, short row, CString* text, short* cancel)  an edit starts: a
//      character typed over an editable cell, F2, a double click or ForceEditCell.
//      text is the editor's first text (the cell's); the handler may replace it
//      or set cancel to refuse the edit. F2 and a double click raise it on cells
//      that take no input too, so a list can treat it as "choose this row".
//   5  (short col, short row)  the chooser button of a cell: clicked, F4 or
//      Alt+Down, or a double click on a cell of a button column.
//   8  (short col, short row, CString* text)  a cell's text changed, typed or
//      set by the program (SetCellValue, SetGridFromOneString); the handler may
//      hand back another text. A write to the same cell inside its own event 8
//      raises no second one. ClearGrid and row count changes raise none.
//   9  (short col, short row, short key, CString* text)  an edit ended with its
//      text kept: key is the virtual key that ended it (VK_RETURN, VK_TAB,
//      VK_UP, VK_DOWN), 0 for a click or the focus elsewhere and the chooser
//      button; the handler may replace the text. Then the cell takes it (8).
//   15 (short col, short row)  the current cell moved (keys, mouse, SetCurCell)
//   17 ()  the user ticked or cleared a row's check mark (click, Space)
//   DISPID_DBLCLICK (-601) ()  a double click on a cell (before 3 or 5)
// Keys: a character starts an edit; Enter and Tab keep the edit and move to the
// next cell of the row that takes input, then to the next row (Shift+Tab back);
// arrows up and down keep it and move; Escape drops it. Enter belongs to the
// grid unless no column takes input (then the form's default button has it).
#pragma once
#include "afx.h"
#include "ado.h"

#include <vector>

namespace gridbase {
class CellworkView;
}

class CCellwork : public CWnd {
    DECLARE_DYNAMIC(CCellwork)
public:
    CCellwork() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID, LPCTSTR layout = nullptr);

    // Size and content.
    long GetNRows() const;
    void SetNRows(long rows);
    long GetNCols() const;
    void SetNCols(long cols);
    CString GetCellValue(long col, long row) const;
    void SetCellValue(long col, long row, LPCTSTR text);
    // Replaces all rows at once, for a fill: row r shows the texts `cells[r]`
    // (column 0 on; a shorter row leaves the rest empty) and keeps the value
    // `data[r]` where one is given. Like a change of the row count it raises
    // no event, 8 included: the texts are shown as given. One change of the
    // grid however many rows, where SetNRows and SetCellValue make one per
    // cell; there is no current cell afterwards.
    void SetRows(const std::vector<std::vector<CString>>& cells, const std::vector<_variant_t>& data = {});
    // Inserts an empty row before `row` (GetNRows() appends one).
    void RowInsert(long row);
    void RowRemove(long row);
    void RowMove(long from, long to);
    // Empties every cell and forgets row values, check marks, colours and
    // icons; the rows and the columns stay.
    void ClearGrid();
    _variant_t GetRowData(long row) const;
    void SetRowData(long row, const _variant_t& value);
    _variant_t GetColData(long col) const;
    void SetColData(long col, const _variant_t& value);
    long GetBCheck(long row) const;
    void SetBCheck(long row, long check);
    void SetBCheckAll(long check);
    void SetBShowCheck(long show);

    // Current cell, editing and focus (-1 when there is no current cell).
    long GetCurRow() const;
    long GetCurCol() const;
    void SetCurRow(long row);
    void SetCurCol(long col);
    void SetCurCell(long col, long row);
    void ForceEditCell(long col, long row);
    void SetFocus0();
    // Makes the first column that takes input current in the current row (row
    // 0 when there is none) and scrolls it into view.
    void ShowFirstUnLockedCol0();
    // Around a bulk fill: the grid is not redrawn until the bracket closes;
    // events are raised as always.
    void SetFillingGrid(long filling);

    // Columns.
    void SetColCaption(long col, LPCTSTR caption);
    CString GetColCaption(long col) const;
    void SetColWidth(long col, long width);
    long GetColWidth(long col) const;
    void SetColAlign(long col, long align);
    void SetColButton(long col, long button);
    void SetColType(long col, long kind);
    long GetColType(long col) const;
    void SetColEditable(long col, long editable);
    void SetColLocked(long col, long locked);
    long GetColLocked(long col) const;
    void SetColHidden(long col, long hidden);
    long GetColHidden(long col) const;
    void SetColNoFocus(long col, long noFocus);
    // The entries of a list column, separated by "\n" ("" makes it a plain column).
    void SetColList(long col, LPCTSTR entries);
    // The cell spans `span` columns from `col` (1 ends a span).
    void SetColumnSpan(long col, long row, long span);

    // Cells and rows.
    void SetCellEditable(long col, long row, long editable);
    void SetCellAlign(long col, long row, long align);
    void SetCellFontBold(long col, long row, long bold);
    void SetCellFgClr(long col, long row, COLORREF color);
    COLORREF GetCellFgClr(long col, long row) const;
    void SetCellBkClr(long col, long row, COLORREF color);
    void SetRowFgClr(long row, COLORREF color);
    COLORREF GetRowFgClr(long row) const;
    // The row header shows the bitmap (NULL removes it).
    void SetRowIcon(long row, HBITMAP bitmap);

    // The grid.
    void SetVHeaderWidth(long width);
    void SetRowHeight(long height);
    void SetShowFullRow(long fullRow);
    // 4: a read-only report: nothing is edited, whole rows are highlighted.
    void SetReportType(long type);
    void SetHScrollBar(long show);
    // From now on the shown columns share the grid's width in the ratio of
    // their widths, whenever the grid is resized.
    void KeepRatio();

    gridbase::CellworkView* View() const;
};

// The same as grid.KeepRatio(), as some forms call it.
void KeepRatio(CCellwork& grid);
void KeepRatio(CCellwork* grid);
