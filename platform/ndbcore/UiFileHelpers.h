// The few window and file helpers the modules take from the database layer.
#pragma once
#include "afx.h"

// The head of an HTML page (character set and style) for the given font size in points and font.
CString GetHtmlStyle(unsigned size, LPCTSTR font, int unused = 1);
// The width and height a new window may take on the screen.
int MaxX();
int MaxY();
// The extension of a file name without the dot ("tbl"); "" when it has none.
CString GetFileExt(LPCTSTR name);
// The file name of a path, after the last "\" or "/".
CString GetFileFromPath(LPCTSTR path);
// Creates a folder with its parents ("\" and "/" both separate); nonzero when it exists afterwards.
BOOL CreateFolder(LPCTSTR path);
