// The 16x16 picture of a configuration command for its menu item and
// toolbar button (NULL when it has none); the picture stays the core's.
#pragma once
#include "afx.h"

HBITMAP CommandBitmap(const CString& commandName);
