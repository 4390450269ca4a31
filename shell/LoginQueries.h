// What the login asks the database: whether a personnel number and password
// belong to a user (table tn), and which workplaces the user may enter
// (table system_tn_arm, one row per workplace id).
#pragma once
#include "afx.h"

#include <vector>

// A typed personnel number as a number: digits only (blanks around them
// dropped), at most nine of them; -1 for anything else.
long ParsePersonnelNumber(const CString& text);

// Nonzero when the number is a user's and the password is that user's, as
// typed (letter case counts). A number that is not one never matches; the
// password reaches the query only through the literal helper.
BOOL IsUserPassword(const CString& tn, const CString& password);

// How many workplace rows the user has, and the workplace id of the first.
long CountUserArms(long tn);
CString FirstUserArm(long tn);

// The user's workplace ids in id order (rows without one are skipped),
// appended to `arms` as they are read; a database failure throws _com_error
// and leaves the ids read so far.
void ReadUserArms(long tn, std::vector<CString>& arms);
