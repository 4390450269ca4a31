#include "CBitmapToIcon.h"
#include <QImage>

HBITMAP CBitmapToIcon::Clone(HBITMAP hBitmap)
{
    const QPixmap* source = AfxBitmapPixmapRef(hBitmap);
    return source ? AfxBitmapHandle(source->copy()) : nullptr;
}

BOOL ChangeColor(HBITMAP hBitmap, COLORREF from, COLORREF to)
{
    QPixmap* picture = AfxBitmapPixmapRef(hBitmap);
    if (!picture)
        return FALSE;
    QImage image = picture->toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb was = AfxQColor(from).rgb();
    const QRgb now = AfxQColor(to).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == was)
                line[x] = now;
        }
    }
    *picture = QPixmap::fromImage(image);
    return TRUE;
}
