// The night hours of the working month: one list of the whole institution,
// each line a position row (paymar_bux), its hours and pay code (paymar_noch).
// The lines are checked in the order a clerk reads them; a save replaces the
// month's lines by the list in one transaction.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

// A line of the list as typed: personnel number, position number, hours, pay code.
struct NightLine {
    CString tn, npp, hours, kou;
};

// The month's lines with the employee's full name and the position's name,
// as the grid shows them: tn, name, npp, position, hours, code.
CString NightLoadSql();
bool ReadNightLines(std::vector<std::vector<CString>>& rows);

// Checks every line that has anything typed, column by column; false at the
// first fault, with the line's index, the column to show (0, 2, 4 or 5) and
// the message. An empty line is skipped.
bool CheckNightLines(const std::vector<NightLine>& lines, long& row, long& col, CString& message);

// Replaces the month's night hours by the lines (checked, empty ones
// skipped). TRUE when written; FALSE (reported) when a statement failed, and
// then the month is as it was.
BOOL WriteNightLines(const std::vector<NightLine>& lines);

} // namespace npaymar
