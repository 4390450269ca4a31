// The payroll time sheet of a department for the working month, in one of
// three modes: the days per employee with the calendar days to count
// (paymar_trv), the days per position row (paymar_trv_dol), or the hours per
// position row on the employee's main pay sheet (paymar_trv_chas). The rows
// are read in one query; the figures typed are checked first and then
// written in one transaction as one batch.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

enum class TrvMode { Employees = 0, Positions = 1, Hours = 2 };

// The mode of a document's kind; false for a kind that has none.
bool TrvModeOf(int kind, TrvMode& mode);

// The query of a department's rows (a checked code) in the mode.
CString TrvLoadSql(TrvMode mode, const CString& prd);

// The grid's cells of the department's rows: the key ("tn" or "tn.npp"), the
// full name, the position and the figure, in the days mode the calendar days
// too. A row without a figure is listed only where the mode wants it.
// False when the query failed (reported); the rows read before stay.
bool ReadTrvRows(TrvMode mode, const CString& prd, std::vector<std::vector<CString>>& rows);

// A row of the grid as the save takes it: its key and its figures as typed.
struct TrvEntry {
    CString key;
    CString value;
    CString calendar;  // the days mode's calendar days
};

// Checks every row before anything is written: a key that names its
// employee (and position row), figures that are numbers, in the hours mode
// an employee with a main pay sheet. False with the first refused row's
// index, the column to show and the message naming the row.
bool CheckTrvEntries(TrvMode mode, const std::vector<TrvEntry>& entries, long& row, long& col, CString& message);

// Writes checked rows: a row with figures updates its month's record or
// inserts one, a row without deletes it (the hours mode only empties the
// hours where plan hours are kept). TRUE when written; FALSE (reported)
// when a statement failed, and then nothing was changed.
BOOL WriteTrvEntries(TrvMode mode, const std::vector<TrvEntry>& entries);

} // namespace npaymar
