// Pictures of the commands for the toolbars and the owner-drawn menu.
// CBitmapToIcon::Clone makes a copy of a command's bitmap that the caller
// owns (DeleteObject) and may change (the menu greys its copy for a disabled
// item) without touching the original. ChangeColor turns the pictures' grey
// background, RGB(192,192,192), white in place.
#pragma once
#include "afx.h"

class CBitmapToIcon {
public:
    // NULL when hBitmap is no bitmap.
    static HBITMAP Clone(HBITMAP hBitmap);
};

// Replaces every pixel of colour `from` by `to` in the bitmap itself; FALSE
// when hBitmap is no bitmap.
BOOL ChangeColor(HBITMAP hBitmap, COLORREF from = RGB(192, 192, 192), COLORREF to = RGB(255, 255, 255));
