// Starting another program or opening a document: ShellExecute with "open".
//
// The program (or document) is started as a detached process and not waited
// for. Names may be written the Windows way; a relative name is looked for in
// `directory`, then on PATH; a ".exe" (".bat", ".com") ending is dropped when
// only the name without it exists. A document or folder is handed to the
// desktop's opener (xdg-open). The window argument and the show mode are not
// used. Answers a value above 32 when started, else the Windows code
// (2: not found, 5: could not start, 31: nothing can open it); a missing
// program is not reported to the user, as on Windows.
#pragma once

#include "afx_types.h"

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_NOASSOC 31

INT_PTR ShellExecute(void* window, LPCTSTR verb, LPCTSTR file, LPCTSTR parameters, LPCTSTR directory,
                     int show);

#define ShellExecuteA ShellExecute
