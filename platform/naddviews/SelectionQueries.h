// The lists of the shared selection forms.
#pragma once

#include "afx.h"

namespace naddviews {

// Every employee: personnel number, full name, position (ssv over the
// employee's main position dol) and dismissal date du, by name.
CString EmployeesQuery();
// The departments (id, name) not deleted, by name. A source table narrows
// them to the departments that occur in its column prd; `year` other than 0
// further to its rows of that year (g), `month` other than 0 of that month
// (ms). An empty text when the source is not a plain table name (reported).
CString DepartmentsQuery(const CString& source, long year, long month);
// The pay sheets (table nv: id, name) by number, narrowed by a source table's
// column nv as DepartmentsQuery narrows departments.
CString SheetsQuery(const CString& source, long year, long month);

} // namespace naddviews
