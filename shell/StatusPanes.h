// The main frame's informative status panes: 1 the user, 2 the organisation,
// 3 the reporting period. They are written through whatever main window has
// a status bar; without one only the session's period is read.
#pragma once
#include "afx.h"

// Pane 1 the user's full name, pane 2 the organisation (constant "ORG_NAME").
void ShowUserInStatusBar();
// Reads the user's period from table tn into the session (year, month,
// period kind, bounds) and writes its text into pane 3. Periods by kind with
// no bounds stored take the bounds of that kind in that year. In periods by
// kind the pane names the bounds the queries use: the kind they are (which
// becomes the session's kind and year), or the days themselves.
void ShowPeriodInStatusBar();
// The text of a pane of the main window's status bar ("" when there is none).
CString GetStatusPaneText(int pane);
