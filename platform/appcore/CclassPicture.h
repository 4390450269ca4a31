// A picture from a file (a person's photo): loaded from a path, or from a
// file the user chooses. It keeps the bitmap, the file's path and the
// picture's width and height in pixels; a failed load keeps what was there.
#pragma once

#include "afx.h"

class CclassPicture {
public:
    CclassPicture();
    ~CclassPicture();
    CclassPicture(const CclassPicture&) = delete;
    CclassPicture& operator=(const CclassPicture&) = delete;

    // Non-zero when the file was read as a picture (PNG, JPEG, BMP, GIF...).
    BOOL Load(const CString& path);
    // Asks for a picture file (the chooser "openfile"); non-zero when one was
    // chosen and loaded. Choosing nothing, or a file that is no picture,
    // keeps the picture as it was (a file that is no picture is reported).
    BOOL SelectFileAndLoad(CWnd* parent = nullptr);

    HBITMAP GetBitmap() const { return m_hBitmap; }
    const CString& GetPath() const { return m_strPath; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }

    // The loaded picture (the object owns it), the file it came from and its size.
    HBITMAP m_hBitmap = nullptr;
    CString m_strPath;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
