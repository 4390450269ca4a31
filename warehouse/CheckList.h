// The check lists of the stock reports' filter forms: a grid with the code of
// each row in column 0, its name in column 1 and a check box per row, filled
// from a query and narrowed by the checks of the lists above it. A list's
// clause ("and (prd=3 or prd=7)") carries the codes of its checked rows, only
// as whole numbers: a code that is anything else never reaches SQL.
#pragma once
#include "afx.h"
#include "gridbase.h"

#include <initializer_list>

namespace nstovan {

// Empties the list.
void ClearList(CCellwork& grid);
// Fills the list from the query: the code field into column 0, the name field
// into column 1 (NULL as an empty cell), every row unchecked. FALSE when the
// query failed (reported); the rows read before the failure stay.
BOOL FillList(CCellwork& grid, const CString& sql, const char* codeField, const char* nameField);
// The same with the fields of the columns in order (the code first).
BOOL FillList(CCellwork& grid, const CString& sql, std::initializer_list<const char*> fields);
// The clause of the checked rows in row order, each row's code put into
// `item` ("prd=%s"); "" when no row with a whole-number code is checked.
CString ListClause(const CCellwork& grid, const char* item);
// The clause with every `prefix` ("prd=") replaced by `qualified`
// ("stovan_prx0.prd="), for statements that join headers and lines.
CString QualifiedClause(const CString& clause, const char* prefix, const char* qualified);
// The names of the checked rows in row order, joined by ", ".
CString JoinCheckedNames(const CCellwork& grid);
// Checks or unchecks every row.
void CheckAll(CCellwork& grid, bool on);

// The first and last day of the working month as SQL date literals.
CString WorkingMonthFrom();
CString WorkingMonthTo();

// The period of a form's pickers as SQL date literals; false when both dates
// are valid and from lies after to (the lists then stay empty).
bool ReportPeriod(const COleDateTime& from, const COleDateTime& to, CString& fromSql, CString& toSql);

// A list's clause and what the report command says when it is empty.
struct ListChoice {
    CString clause;
    const char* refusal;  // "Выберите подразделение"
};
// The report command's check of its lists, in order: the first empty clause
// is refused with its message. TRUE when every list has a checked row.
BOOL EveryListChosen(std::initializer_list<ListChoice> lists);

} // namespace nstovan
