// The program's surroundings as the modules ask for them: its folder and
// version, the start-up switches, the profile key copy and the file writer of
// the HTML pages and bank files.
#pragma once
#include "afx.h"

// Nonzero when Shift was held as the program started: the grid controls are
// registered with their window shown. Set by the program at start-up.
extern BOOL m_bRegOCXs;
// Nonzero when the user wants the program's sounds ("Settings", "PlayWavFiles").
extern BOOL m_bPlayWavFiles;

// The program folder without a trailing separator. Callers append Windows
// paths ("\_sys\_ExtReports\x.extr"); the file layer maps them.
CString GetAppPath();
// The release of the program, as the about box shows it ("1.0").
CString GetProductVersion();

// Copies the whole key `source` (values and subkeys) into a new subkey `name`
// of `destinationParent`. ERROR_SUCCESS (0) on success, a nonzero error code
// otherwise; a subkey this call created is removed again when the copy fails,
// so a failed copy can be tried again later.
LONG RegCopyKey(HKEY source, HKEY destinationParent, LPCTSTR name);

// Appends `text` to the file open under `file` (CreateFile): as UTF-8 with
// `codePage` 0 (the HTML pages, whose head declares UTF-8), as CP1251 bytes
// with 1 (the bank files; a character CP1251 lacks becomes "?"). Nonzero when
// every byte was written; 0 on failure, logged with `fileName`.
int WriteToFile(HANDLE file, const CString& text, LPCTSTR fileName, int codePage);
