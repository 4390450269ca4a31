#include "CommandPictures.h"

#include "CDataArchive.h"
#include "ConfigGlobals.h"

#include <QImage>
#include <QPixmap>

#include <map>
#include <tuple>

namespace {

struct Picture {
    std::string png;   // the bytes it was made from: a reloaded configuration makes it again
    HBITMAP bitmap = nullptr;
};

std::map<std::tuple<std::string, int, int>, Picture>& Pictures()
{
    static std::map<std::tuple<std::string, int, int>, Picture> pictures;
    return pictures;
}

HBITMAP MakeBitmap(const std::string& png, int width, int height)
{
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(png.data()), int(png.size()), "PNG"))
        return nullptr;
    if (image.width() != width || image.height() != height)
        image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return AfxBitmapHandle(QPixmap::fromImage(image));
}

} // namespace

HBITMAP I_GetCommandHBitMap(const char* name, int width, int height)
{
    const CCommandRecord* command = name ? GetDataArchive()->FindCommand(name) : nullptr;
    if (!command || command->m_picture.empty() || width <= 0 || height <= 0)
        return nullptr;
    Picture& kept = Pictures()[{std::string(name), width, height}];
    if (kept.bitmap && kept.png == command->m_picture)
        return kept.bitmap;
    if (kept.bitmap)
        DeleteObject(kept.bitmap);
    kept.png = command->m_picture;
    kept.bitmap = MakeBitmap(kept.png, width, height);
    return kept.bitmap;
}
