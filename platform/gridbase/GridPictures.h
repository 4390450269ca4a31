// The pictures the forms take from other modules: the user-icons library
// (workplace icons, the splash pictures), the application core's own
// pictures, the form background, and a scaled copy of a picture.
//
// A module handle is the HINSTANCE of the resource table: the module that
// registered a resource script under its name. LoadBitmap(handle, id) looks in
// that module first and then in every loaded one, so a handle that was never
// set (NULL) still finds a picture wherever it is.
#pragma once
#include "afx.h"

// The module name of the user-icons library, which the program loads once at
// start and hands to SethDLL_Pictures.
CString GetUserIconsDllName();
void SethDLL_Pictures(HINSTANCE pictures);
// The handle set by SethDLL_Pictures; NULL before.
HINSTANCE GethDLL_Pictures();

// The application core's module, set by the core as it starts; NULL before.
void SetDLL_Appcore(HINSTANCE appcore);
HINSTANCE GetDLL_Appcore();

// The background colour of forms, for the brush of a static drawn on it.
COLORREF GetFormBgColor();

// A new bitmap of the whole of `bitmap` (whose size the callers pass as
// width x height) scaled smoothly to newWidth x newHeight; the caller deletes
// it. NULL when the bitmap is not a picture or a new size is not positive.
// The frame that will show it is not needed.
HBITMAP ShrinkBitmap0(CWnd* frame, HBITMAP bitmap, int width, int height, int newWidth, int newHeight);
