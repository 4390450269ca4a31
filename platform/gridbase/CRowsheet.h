// CRowsheet: the data-bound grid of the postings journal. It opens its own
// ODBC connection and a static recordset of the query (Connect) and shows the
// records, reading only those that come into view, so it stays quick over a
// year of postings. Nothing in it is edited.
//
// Rows are the visible rows, counted from 0 at the top of the grid: row r
// shows record top + r, and GetRowBookMark(r) is that record's bookmark (its
// number from 1). GetNRows() is the number of rows the grid shows.
// The grid keeps its recordset on the current record. A program that moves
// the recordset itself (Bookmark, AbsolutePosition) and then calls SetCurCell
// or SetCurRow names the record shown in the first row, as the journal does to
// put a record back on the same visible row after a refresh; Connect keeps the
// first visible record too.
//
// A form that names the ordering key of its query (SetOrderKey) gets a list
// read a page at a time by that key: the grid reads the screen it shows with
// "order by <key> desc limit n", opens on its last screen, and counts the
// records for the scroll bar beside the first screen, on a connection of its
// own (until then RecordCount is provisional; CountRecords waits for it).
// Positions, bookmarks, clones and fields work as on a static recordset. A
// query that does not end with "order by" the key is read whole, as is any
// query of a form that names no key.
//
// In a dialog template the grid is a control of the class "Rowsheet"; its
// columns are set in code (SetNCols, SetColField, SetColCaption, ...).
//
// Events, raised in the event sink map of the window that holds the grid:
//   12 (short row)  the record shown in a visible row changed (after Connect,
//      scrolling, a resize): the form colours the row (SetRowFgClr).
//   DISPID_DBLCLICK (-601) ()  a double click on a record (it is current first).
//   DISPID_KEYDOWN (-602) (short* key, short shift)  every key pressed in the
//      grid, its virtual-key code by reference (a handler that sets it to 0
//      takes the key); shift: 1 Shift, 2 Ctrl, 4 Alt. Enter goes only there.
#pragma once
#include "afx.h"
#include "ado.h"

namespace gridbase {
class RowsheetView;
}

class CRowsheet : public CWnd {
    DECLARE_DYNAMIC(CRowsheet)
public:
    CRowsheet() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Opens (or keeps, when the same) the grid's connection with the ODBC
    // driver name of GetODBCDriverName and the settings, runs the query and
    // shows it. Throws _com_error when the connection or the query fails.
    void Connect(LPCTSTR odbcDriver, LPCTSTR server, LPCTSTR database, LPCTSTR sql, LPCTSTR user,
                 LPCTSTR password);
    // The columns the form's queries are ordered by, as the query names them,
    // separated by "," ("ledmark_provodki.d,ledmark_provodki.id"); "" for none.
    // Their values must tell the records apart and never be null.
    void SetOrderKey(LPCTSTR columns);
    // The table whose rows meeting the query's condition are the records,
    // when its joins add columns and never records and its condition names
    // that table alone: the count reads that table alone. "" when the whole
    // query decides.
    void SetCountTable(LPCTSTR table);
    // Makes RecordCount exact: a list read by its key waits for its count.
    void CountRecords();
    // The recordset shown (null before Connect).
    _RecordsetPtr GetRecordSet() const;
    _variant_t GetRowBookMark(long row) const;

    long GetNRows() const;
    // Rows are the records: the count the grid shows follows its height.
    void SetNRows(long rows);
    long GetCurRow() const;
    long GetCurCol() const;
    void SetCurRow(long row);
    void SetCurCell(long col, long row);
    void SetFocus0();

    COLORREF GetRowFgClr(long row) const;
    void SetRowFgClr(long row, COLORREF color);

    // Columns: bound to a field by name ("" binds column n to field n).
    long GetNCols() const;
    void SetNCols(long cols);
    void SetColField(long col, LPCTSTR field);
    void SetColCaption(long col, LPCTSTR caption);
    void SetColWidth(long col, long width);
    long GetColWidth(long col) const;
    void SetColAlign(long col, long align);
    void SetColHidden(long col, long hidden);
    void KeepRatio();

    void SetBShowFullRow(long fullRow);
    void SetRowHeight(long height);
    // The grid never adds or changes records; 0 is the only setting these take.
    void SetAllowAddNew(long allow);
    void SetUpdatable(long updatable);
    // 0: an ODBC connection by driver name, the only kind there is.
    void SetConnectionType(long type);

    gridbase::RowsheetView* View() const;
};

void KeepRatio(CRowsheet& grid);
void KeepRatio(CRowsheet* grid);
