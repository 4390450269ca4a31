// What a picker lists: the query, the columns shown, the column answered, and
// the rows as they were read. The reference-book picker and the choosers of
// the shared views all list rows this way.
#pragma once

#include "afx.h"

#include <vector>

class QString;

namespace appcore {

struct PickerColumn {
    CString field;    // column of the query
    CString caption;  // "" = the field's name
};

struct PickerSetup {
    CString title;
    CString sql;
    std::vector<PickerColumn> columns;  // shown; columns the query lacks are left out; none = every column
    CString keyField;                   // the column answered; "" = the first one
    CString search;                     // fragment the list opens with
    CString current;                    // key selected when the list opens
    bool multi = false;
};

struct PickerRow {
    CString key;
    std::vector<CString> cells;  // the shown columns, in order
};

struct PickerRows {
    std::vector<CString> captions;
    std::vector<PickerRow> rows;
};

// Runs the query on the database layer's connection and reads its rows in the
// layer's text forms; a row whose dt_del column is set (a deleted entry) is
// left out. False after the database layer has reported a failure.
bool LoadPickerRows(const PickerSetup& setup, PickerRows& out);

// The row holds every blank-separated word of the search text in its key or
// one of its cells, letter case aside. An empty search matches every row.
bool RowMatches(const PickerRow& row, const QString& search);

} // namespace appcore
