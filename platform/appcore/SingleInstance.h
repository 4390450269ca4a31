// One instance per class name among the processes of the same user: the
// login (one at a time), the database chooser, and one program per server,
// workplace and user. An instance claims its name with a lock that lives as
// long as the claim; a second process asking for the same name is refused
// and asks the first one to bring its window forward.
#pragma once

#include "afx.h"

// The class name of the program's windows ("" until set). Setting another
// name gives up the claims made under the previous one: the windows that had
// that name are gone (the login dialog, once the user has logged in).
void SetMyClassName(const char* name);
CString GetMyClassName();

// Claims the instance `className` (null: GetMyClassName()) with the window
// title `title` (null: none); class and title together name the claim.
// Answers 0 when another process of the same user holds that claim (it is
// asked to come forward), non-zero when this process now holds it or already did.
int FirstInstance(const char* className, const char* title);
