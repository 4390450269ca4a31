// Process odds of the Windows API: time since start, sleeping.
#pragma once

#include "afx_types.h"

// Milliseconds of a steady clock (wraps after 49.7 days, as on Windows).
DWORD GetTickCount();
ULONGLONG GetTickCount64();
// Blocks the calling thread; the user interface does not repaint meanwhile.
void Sleep(DWORD milliseconds);
