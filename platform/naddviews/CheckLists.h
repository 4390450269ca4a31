// The check lists of the report forms: a grid with the key of each row in
// column 0, its name in column 1 and a check box per row, filled from a query
// and narrowed by the ticks of the lists above it. What a list hands on (a
// condition "and (prd=3 or prd=7)", a list "3,7") carries the keys of its
// ticked rows only as whole numbers: a key that is anything else never
// reaches SQL or a script call.
#pragma once
#include "afx.h"
#include "gridbase.h"

#include <initializer_list>

namespace naddviews {

// The text as a whole number ("-2", "17"); "" for any other text.
CString WholeNumber(const CString& text);

// Empties the list.
void ClearList(CCellwork& grid);
// Fills the list from the query: the code field into column 0, the name field
// into column 1 (NULL as an empty cell), every row unchecked. FALSE when the
// query failed (reported); the rows read before the failure stay.
BOOL FillList(CCellwork& grid, const CString& sql, const char* codeField, const char* nameField);
// The same with the fields of the columns in order (the code first).
BOOL FillList(CCellwork& grid, const CString& sql, std::initializer_list<const char*> fields);
// The condition of the ticked rows in row order, each row's key put into
// `item` ("prd=%s"): "and (prd=1 or prd=3)"; "" when no row with a
// whole-number key is ticked.
CString ListClause(const CCellwork& grid, const char* item);
// The keys of the ticked rows in row order joined by "," ("1,2,3"); "" when
// none is ticked. Keys that are no whole number are left out.
CString CheckedKeys(const CCellwork& grid);
// The names of the ticked rows in row order, joined by ", ".
CString JoinCheckedNames(const CCellwork& grid);
// Ticks or clears every row.
void CheckAll(CCellwork& grid, bool on);

// A list's condition and what the report command says when it is empty.
struct ListChoice {
    CString clause;
    const char* refusal;  // "Выберите подразделение"
};
// The report command's check of its lists, in order: the first empty
// condition is refused with its message. TRUE when every list has a ticked row.
BOOL EveryListChosen(std::initializer_list<ListChoice> lists);

} // namespace naddviews
