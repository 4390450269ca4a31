// Database constants (table system_const): named texts shared by every user
// of the database, such as "ORG_NAME" or "HashKey".
#pragma once
#include "afx.h"

// The text of a constant, "" when unset. The flag of the original has no effect.
CString GetConstant(LPCTSTR name, int unused = 0);
// Stores a constant (a null value stores NULL, read back as ""); nonzero on
// success, 0 reported. Inside a transaction scope it joins the scope.
int SetConstant(LPCTSTR name, LPCTSTR value, LPCTSTR unused = nullptr);
