#include "gdi/CImageList.h"
#include <QMap>
#include <QPainter>
#include <QSet>
#include <memory>
#include <vector>

struct _IMAGELIST {
    QSize size;
    UINT flags = 0;
    std::vector<QPixmap> pictures;
    int version = 0;
    COLORREF background = CLR_NONE;
    std::unique_ptr<CImageList> object;
};

namespace {

QSet<_IMAGELIST*>& lists()
{
    static QSet<_IMAGELIST*> s;
    return s;
}

_IMAGELIST* listOf(HIMAGELIST h) { return h && lists().contains(h) ? h : nullptr; }

// The pictures of a strip, cut at the list's width (at least one).
std::vector<QPixmap> cut(const QImage& strip, QSize size)
{
    std::vector<QPixmap> out;
    int w = size.width() > 0 ? size.width() : strip.width();
    int n = qMax(1, strip.width() / qMax(w, 1));
    for (int i = 0; i < n; ++i)
        out.push_back(QPixmap::fromImage(strip.copy(i * w, 0, w, size.height() > 0 ? size.height() : strip.height())));
    return out;
}

QImage masked(const QImage& image, COLORREF crMask)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    if (crMask == CLR_NONE)
        return out;
    QRgb key = AfxQColor(crMask).rgb() & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
        }
    }
    return out;
}

int addPictures(_IMAGELIST* l, const QImage& strip)
{
    int first = (int)l->pictures.size();
    for (QPixmap& p : cut(strip, l->size))
        l->pictures.push_back(p);
    ++l->version;
    return first;
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int)
{
    auto* l = new _IMAGELIST;
    l->size = QSize(cx, cy);
    l->flags = flags;
    lists().insert(l);
    return l;
}

BOOL ImageList_Destroy(HIMAGELIST himl)
{
    _IMAGELIST* l = listOf(himl);
    if (!l)
        return FALSE;
    lists().remove(l);
    if (l->object)
        l->object->m_hImageList = nullptr;
    delete l;
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST himl)
{
    _IMAGELIST* l = listOf(himl);
    return l ? (int)l->pictures.size() : 0;
}

BOOL ImageList_Remove(HIMAGELIST himl, int i)
{
    _IMAGELIST* l = listOf(himl);
    if (!l || i < -1 || i >= (int)l->pictures.size())
        return FALSE;
    if (i == -1)
        l->pictures.clear();
    else
        l->pictures.erase(l->pictures.begin() + i);
    ++l->version;
    return TRUE;
}

int ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask)
{
    _IMAGELIST* l = listOf(himl);
    QPixmap image = AfxQPixmap(hbmImage);
    if (!l || image.isNull())
        return -1;
    QImage strip = image.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage mask = hbmMask ? AfxQPixmap(hbmMask).toImage() : QImage();
    // A mask's white pixels are the transparent ones.
    for (int y = 0; !mask.isNull() && y < qMin(strip.height(), mask.height()); ++y) {
        for (int x = 0; x < qMin(strip.width(), mask.width()); ++x) {
            if (qGray(mask.pixel(x, y)) > 127)
                strip.setPixel(x, y, 0);
        }
    }
    return addPictures(l, strip);
}

int ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask)
{
    _IMAGELIST* l = listOf(himl);
    QPixmap image = AfxQPixmap(hbmImage);
    if (!l || image.isNull())
        return -1;
    return addPictures(l, masked(image.toImage(), crMask));
}

BOOL ImageList_Replace(HIMAGELIST himl, int i, HBITMAP hbmImage, HBITMAP)
{
    _IMAGELIST* l = listOf(himl);
    QPixmap image = AfxQPixmap(hbmImage);
    if (!l || i < 0 || i >= (int)l->pictures.size() || image.isNull())
        return FALSE;
    l->pictures[i] = image.scaled(l->size);
    ++l->version;
    return TRUE;
}

int ImageList_ReplaceIcon(HIMAGELIST himl, int i, HICON hicon)
{
    _IMAGELIST* l = listOf(himl);
    QPixmap icon = AfxQPixmap(hicon);
    if (!l || icon.isNull() || i >= (int)l->pictures.size())
        return -1;
    QPixmap p = l->size.isValid() ? icon.scaled(l->size, Qt::KeepAspectRatio, Qt::SmoothTransformation) : icon;
    ++l->version;
    if (i < 0) {
        l->pictures.push_back(p);
        return (int)l->pictures.size() - 1;
    }
    l->pictures[i] = p;
    return i;
}

QPixmap AfxImageListPicture(HIMAGELIST himl, int i)
{
    _IMAGELIST* l = listOf(himl);
    return l && i >= 0 && i < (int)l->pictures.size() ? l->pictures[i] : QPixmap();
}

int AfxImageListVersion(HIMAGELIST himl)
{
    _IMAGELIST* l = listOf(himl);
    return l ? l->version : -1;
}

BOOL ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT)
{
    QPixmap picture = AfxImageListPicture(himl, i);
    CDC* dc = CDC::FromHandle(hdcDst);
    if (picture.isNull() || !dc)
        return FALSE;
    HICON icon = AfxIconHandle(picture);
    BOOL done = dc->DrawIcon(x, y, icon);
    DestroyIcon(icon);
    return done;
}

HICON ImageList_GetIcon(HIMAGELIST himl, int i, UINT)
{
    QPixmap picture = AfxImageListPicture(himl, i);
    return picture.isNull() ? nullptr : AfxIconHandle(picture);
}

BOOL ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy)
{
    _IMAGELIST* l = listOf(himl);
    if (!l)
        return FALSE;
    if (cx)
        *cx = l->size.width();
    if (cy)
        *cy = l->size.height();
    return TRUE;
}

COLORREF ImageList_SetBkColor(HIMAGELIST himl, COLORREF clrBk)
{
    _IMAGELIST* l = listOf(himl);
    if (!l)
        return CLR_NONE;
    COLORREF old = l->background;
    l->background = clrBk;
    return old;
}

CImageList::~CImageList() { DeleteImageList(); }

HIMAGELIST CImageList::GetSafeHandle() const
{
    const CImageList* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hImageList : nullptr;
}

CImageList* CImageList::FromHandle(HIMAGELIST h)
{
    _IMAGELIST* l = listOf(h);
    if (!l)
        return nullptr;
    if (!l->object) {
        l->object = std::make_unique<CImageList>();
        l->object->m_hImageList = h;
    }
    return l->object.get();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    if (m_hImageList || !listOf(hImageList))
        return FALSE;
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    m_hImageList = nullptr;
    return h;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    CBitmap strip;
    if (!strip.LoadBitmap(nBitmapID))
        return FALSE;
    BITMAP bm = {};
    strip.GetBitmap(&bm);
    if (!Create(cx, bm.bmHeight, ILC_COLOR32 | ILC_MASK, 0, nGrow))
        return FALSE;
    return ImageList_AddMasked(m_hImageList, strip, crMask) >= 0;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    // FromHandle's object is deleted with its list: nothing of it is used after.
    return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, pbmImage ? (HBITMAP)pbmImage->m_hObject : nullptr,
                         pbmMask ? (HBITMAP)pbmMask->m_hObject : nullptr);
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, pbmImage ? (HBITMAP)pbmImage->m_hObject : nullptr, crMask);
}

int CImageList::Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, pbmImage ? (HBITMAP)pbmImage->m_hObject : nullptr,
                             pbmMask ? (HBITMAP)pbmMask->m_hObject : nullptr);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC ? pDC->m_hDC : nullptr, pt.x, pt.y, nStyle);
}

HICON CImageList::ExtractIcon(int nImage) { return ImageList_GetIcon(m_hImageList, nImage, 0); }
COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
