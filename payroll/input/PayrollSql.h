// The SQL texts the payroll forms share: a position row in force in the working
// month, the key "tn.npp" a grid shows for a position row, and the list of the
// employees who have rows in a table, for the employee chooser.
#pragma once
#include "afx.h"

namespace npaymar {

// The condition on `rows` (a table of position rows, paymar_bux) joined with
// tn: the row starts not after the working month's last day and ends not
// before its first (either date may be empty), and the employee is not
// dismissed before the first day.
CString PositionInForce(const char* rows = "paymar_bux");
// The text "tn.npp" of a position row of `rows`, in the current dialect.
CString PositionKey(const char* rows = "paymar_bux");
// The employees who have rows in `table` (its column tn), each once with the
// full name, the main position and the dismissal date, in personnel-number
// order; `condition` (without "where") narrows the rows of the table. The
// columns are the employee chooser's; the text holds under strict grouping.
CString EmployeeListSql(const char* table, const char* condition = nullptr);

} // namespace npaymar
