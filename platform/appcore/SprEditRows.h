// The reference-book editor's statements: which columns of a book's table it
// shows, the rows it lists and the SQL of a save. Every value reaches SQL
// through the literal helpers by the column's kind: a text quoted, a number
// with "," read as the decimal point, a date typed dd.mm.yyyy; an emptied cell
// is NULL, or the column's default where the column takes no NULL. A value
// that is no number or no date is refused before anything is written. Table
// and column names come from the configuration and must be plain SQL names.
#pragma once

#include "afx.h"
#include "ndbcore.h"

#include <vector>

namespace appcore {

struct SprEditColumn {
    CString name;
    CString caption;
    int width = 0;
    ColumnKind kind = ColumnKind::Text;
    bool defaulted = false;   // takes no NULL but has a default: an empty cell writes the default
    int maxLength = 0;        // a text column's length in characters (0: not limited here)
    CString rule;             // the column's comment in the schema: what its values must be, in words
};

// A rule the table's own definition keeps (a check constraint): its name and
// its condition as the server gives it back.
struct SprEditCheck {
    CString name;
    CString clause;
};

struct SprEditLayout {
    CString table;
    CString key;                          // the key column, shown first
    std::vector<SprEditColumn> columns;   // the edited columns after the key
    CString title;                        // the book's name
    bool keepsDeleted = false;            // the table marks deleted rows in dt_del
    std::vector<CString> tableColumns;    // every column of the table
    std::vector<SprEditCheck> checks;     // the table's check constraints (MariaDB)
};

// The editor of the configuration's book whose table is `table` (case
// aside): the key column, then the book's picker fields that are plain
// columns other than the key, else its name column. False when no book has
// that table or a name in it is not a plain SQL name.
bool SprEditLayoutFor(const CString& table, SprEditLayout& layout);

// The value of a cell as SQL, by its column; false (with `problem` for the
// user) when the text is no value of that column.
bool SprEditValue(const SprEditColumn& column, const CString& text, CString& literal, CString& problem);
// The first cell of a row that holds no value of its column: its index in
// `values` and what is wrong; -1 when all hold values.
int SprEditRowProblem(const SprEditLayout& layout, const std::vector<CString>& values, CString& problem);

// The first cell of a row that breaks a rule of the table the server would
// refuse it by: a text longer than its column, or a check constraint (asked
// of the server on the row's values, nothing written). Its index in `values`
// and what is wrong, in the column's words where the schema gives them; -1
// when the row keeps every rule that could be asked.
int SprEditRuleProblem(const SprEditLayout& layout, const std::vector<CString>& values, CString& problem);

// The rows not deleted, by key.
CString SprEditSelect(const SprEditLayout& layout);
// A new row (the key too when typed, else the table numbers it).
CString SprEditInsert(const SprEditLayout& layout, const CString& key, const std::vector<CString>& values);
CString SprEditUpdate(const SprEditLayout& layout, const CString& key, const std::vector<CString>& values);
// A table that keeps deleted rows gets today in dt_del; another loses the row.
CString SprEditDelete(const SprEditLayout& layout, const CString& key);

} // namespace appcore
