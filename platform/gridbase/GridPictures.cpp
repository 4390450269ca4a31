#include "GridPictures.h"

#include <atomic>

namespace {

std::atomic<HINSTANCE> g_pictures{nullptr};
std::atomic<HINSTANCE> g_appcore{nullptr};

} // namespace

CString GetUserIconsDllName()
{
    return CString("UserIcons");
}

void SethDLL_Pictures(HINSTANCE pictures)
{
    g_pictures = pictures;
}

HINSTANCE GethDLL_Pictures()
{
    return g_pictures;
}

void SetDLL_Appcore(HINSTANCE appcore)
{
    g_appcore = appcore;
}

HINSTANCE GetDLL_Appcore()
{
    return g_appcore;
}

COLORREF GetFormBgColor()
{
    return GetSysColor(COLOR_BTNFACE);
}

HBITMAP ShrinkBitmap0(CWnd*, HBITMAP bitmap, int, int, int newWidth, int newHeight)
{
    // The callers pass the picture's own size; the whole picture is scaled.
    const QPixmap picture = AfxQPixmap(bitmap);
    if (picture.isNull() || newWidth <= 0 || newHeight <= 0)
        return nullptr;
    return AfxBitmapHandle(picture.scaled(newWidth, newHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}
