// Database constants (table system_const): named texts shared by every user
// of the database, such as "ORG_NAME" or "HashKey".
#pragma once
#include "afx.h"

// The text of a constant, "" when unset. The flag has no effect.
CString GetConstant(LPCTSTR name, int unused = 0);
// Stores a constant (a null value stores NULL, read back as ""); nonzero on
// success, 0 reported. Inside a transaction scope it joins the scope.
int SetConstant(LPCTSTR name, LPCTSTR value, LPCTSTR unused = nullptr);

// Sets the constant to `value` only when it holds `expected` now ("" stands
// for unset or empty), as one step that no other user can split: nonzero when
// it was set. A run that must not go twice at once (the payroll accrual's
// "paymar_pereschet") takes its mark with it instead of reading, then writing.
int SetConstantIf(LPCTSTR name, LPCTSTR expected, LPCTSTR value);
