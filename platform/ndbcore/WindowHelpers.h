// The window helpers the modules take from the database layer: the folder
// chooser, a workplace icon as a small bitmap, and the report of database
// errors through a message box (the program installs it as the error hook).
#pragma once
#include "DbErrorReport.h"
#include "afx.h"

// Asks for a folder, starting at the buffer's folder (a buffer of 261
// characters, as MAX_PATH + 1); nonzero when one was chosen and written into
// the buffer. A chosen path too long for the buffer counts as not chosen.
int BrowseForFolder(HWND parent, LPCTSTR title, char* buffer);
int BrowseForFolder(HWND parent, LPCTSTR title, CString& folder);
// The icon of a resource id as a 16x16 bitmap, searched in the module first
// and then in every loaded deliverable; NULL when none has it.
HBITMAP LoadIconAsBitmap(HINSTANCE module, UINT iconId);
// Shows a report with a stop icon: its one line of what failed, and the
// kind's advice, the driver's diagnostics and the statement as the box's
// details ("Подробнее"). Safe from any thread (the box appears on the
// user-interface thread).
void ShowDbErrorReport(const DbErrorReport& report);
