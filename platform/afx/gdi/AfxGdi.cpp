#include "gdi/AfxGdi.h"
#include "res/AfxResources.h"
#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPalette>
#include <QSet>
#include <cstring>
#include <memory>

namespace {

enum Kind { Brush, Pen, Font, Bitmap, Icon };

struct GdiRecord {
    Kind kind;
    QBrush brush;
    QPen pen;
    QFont font;
    // A bitmap's picture: the image it is drawn into and the pixmap shown,
    // each made from the other when it is asked for after a change.
    QPixmap pixmap;
    QImage image;
    bool pixmapCurrent = true;
    bool imageCurrent = false;
    bool shared = false;             // stock objects and fonts live for the run
    std::unique_ptr<CGdiObject> object;
};

QSet<GdiRecord*>& live()
{
    static QSet<GdiRecord*> s;
    return s;
}

GdiRecord* record(HGDIOBJ h)
{
    GdiRecord* r = static_cast<GdiRecord*>(h);
    return r && live().contains(r) ? r : nullptr;
}

GdiRecord* make(Kind kind)
{
    auto* r = new GdiRecord;
    r->kind = kind;
    live().insert(r);
    return r;
}

} // namespace

QColor AfxQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF AfxColorRef(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

HBRUSH AfxBrushHandle(const QBrush& brush)
{
    GdiRecord* r = make(Brush);
    r->brush = brush;
    return reinterpret_cast<HBRUSH>(r);
}

QBrush AfxQBrush(HBRUSH h)
{
    GdiRecord* r = record(h);
    return r && r->kind == Brush ? r->brush : QBrush();
}

HFONT AfxFontHandle(const QFont& font)
{
    static QHash<QString, GdiRecord*> cache;
    QString key = font.toString();
    GdiRecord*& r = cache[key];
    if (!r || !live().contains(r)) {
        r = make(Font);
        r->font = font;
        r->shared = true;
    }
    return reinterpret_cast<HFONT>(r);
}

QFont AfxQFont(HFONT h)
{
    GdiRecord* r = record(h);
    return r && r->kind == Font ? r->font : QApplication::font();
}

HBITMAP AfxBitmapHandle(const QPixmap& pixmap)
{
    GdiRecord* r = make(Bitmap);
    r->pixmap = pixmap;
    return reinterpret_cast<HBITMAP>(r);
}

HICON AfxIconHandle(const QPixmap& pixmap)
{
    GdiRecord* r = make(Icon);
    r->pixmap = pixmap;
    return reinterpret_cast<HICON>(r);
}

QPixmap AfxQPixmap(HGDIOBJ h)
{
    GdiRecord* r = record(h);
    if (!r || (r->kind != Bitmap && r->kind != Icon))
        return QPixmap();
    if (!r->pixmapCurrent) {
        r->pixmap = QPixmap::fromImage(r->image);
        r->pixmapCurrent = true;
    }
    return r->pixmap;
}

QImage* AfxBitmapCanvas(HBITMAP h)
{
    GdiRecord* r = record(h);
    if (!r || r->kind != Bitmap)
        return nullptr;
    if (!r->imageCurrent) {
        r->image = r->pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        r->imageCurrent = true;
    }
    // The caller draws: the pixmap is made again when it is next asked for.
    r->pixmapCurrent = false;
    return &r->image;
}

HPEN AfxPenHandle(const QPen& pen)
{
    GdiRecord* r = make(Pen);
    r->pen = pen;
    return reinterpret_cast<HPEN>(r);
}

QPen AfxQPen(HPEN h)
{
    GdiRecord* r = record(h);
    return r && r->kind == Pen ? r->pen : QPen(Qt::black);
}

HPEN CreatePen(int nPenStyle, int nWidth, COLORREF color)
{
    static const Qt::PenStyle kStyles[] = { Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                            Qt::DashDotDotLine, Qt::NoPen, Qt::SolidLine };
    Qt::PenStyle style = nPenStyle >= 0 && nPenStyle <= PS_INSIDEFRAME ? kStyles[nPenStyle] : Qt::SolidLine;
    QPen pen(AfxQColor(color), qMax(nWidth, 1), style);
    pen.setCosmetic(nWidth <= 1);
    return AfxPenHandle(pen);
}

HBRUSH CreateHatchBrush(int nIndex, COLORREF color)
{
    static const Qt::BrushStyle kStyles[] = { Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                              Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern };
    Qt::BrushStyle style = nIndex >= 0 && nIndex <= HS_DIAGCROSS ? kStyles[nIndex] : Qt::SolidPattern;
    return AfxBrushHandle(QBrush(AfxQColor(color), style));
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT, UINT, const void* lpBits)
{
    QImage image(qMax(nWidth, 1), qMax(nHeight, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (lpBits) {
        // 32-bit rows of BGRX pixels, as Windows lays them out.
        const auto* bits = static_cast<const uchar*>(lpBits);
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(image.scanLine(y), bits + (size_t)y * image.width() * 4, (size_t)image.width() * 4);
    }
    GdiRecord* r = make(Bitmap);
    r->image = image;
    r->imageCurrent = true;
    r->pixmapCurrent = false;
    return reinterpret_cast<HBITMAP>(r);
}

CGdiObject* AfxGdiObjectOf(HGDIOBJ h)
{
    GdiRecord* r = record(h);
    if (!r)
        return nullptr;
    if (!r->object) {
        switch (r->kind) {
        case Brush: r->object = std::make_unique<CBrush>(); break;
        case Pen: r->object = std::make_unique<CPen>(); break;
        case Font: r->object = std::make_unique<CFont>(); break;
        case Bitmap: r->object = std::make_unique<CBitmap>(); break;
        case Icon: r->object = std::make_unique<CGdiObject>(); break;
        }
        r->object->m_hObject = h;
    }
    return r->object.get();
}

int GetObject(HGDIOBJ h, int c, LPVOID pv)
{
    GdiRecord* r = record(h);
    if (!r || !pv)
        return 0;
    if (r->kind == Bitmap && c >= (int)sizeof(BITMAP)) {
        QSize size = r->imageCurrent ? r->image.size() : r->pixmap.size();
        BITMAP* bm = static_cast<BITMAP*>(pv);
        *bm = BITMAP { 0, size.width(), size.height(), size.width() * 4, 1, 32, nullptr };
        return sizeof(BITMAP);
    }
    if (r->kind == Font && c >= (int)sizeof(LOGFONT)) {
        CFont* font = static_cast<CFont*>(AfxGdiObjectOf(h));
        return font->GetLogFont(static_cast<LOGFONT*>(pv)) ? (int)sizeof(LOGFONT) : 0;
    }
    return 0;
}

QPixmap* AfxBitmapPixmapRef(HGDIOBJ h)
{
    GdiRecord* r = record(h);
    return r && (r->kind == Bitmap || r->kind == Icon) ? &r->pixmap : nullptr;
}

bool AfxIsGdiObject(HGDIOBJ h) { return record(h) != nullptr; }

HBRUSH CreateSolidBrush(COLORREF color) { return AfxBrushHandle(QBrush(AfxQColor(color))); }

BOOL DeleteObject(HGDIOBJ hObject)
{
    GdiRecord* r = record(hObject);
    if (!r || r->shared)
        return r != nullptr;
    live().remove(r);
    delete r;
    return TRUE;
}

BOOL DestroyIcon(HICON hIcon) { return DeleteObject(hIcon); }

HGDIOBJ GetStockObject(int i)
{
    static QHash<int, GdiRecord*> stock;
    GdiRecord*& r = stock[i];
    if (r)
        return r;
    switch (i) {
    case WHITE_BRUSH: r = make(Brush); r->brush = QBrush(Qt::white); break;
    case LTGRAY_BRUSH: r = make(Brush); r->brush = QBrush(QColor(192, 192, 192)); break;
    case GRAY_BRUSH: r = make(Brush); r->brush = QBrush(QColor(128, 128, 128)); break;
    case BLACK_BRUSH: r = make(Brush); r->brush = QBrush(Qt::black); break;
    case NULL_BRUSH: r = make(Brush); r->brush = QBrush(Qt::NoBrush); break;
    case WHITE_PEN: r = make(Pen); r->pen = QPen(Qt::white); break;
    case BLACK_PEN: r = make(Pen); r->pen = QPen(Qt::black); break;
    case NULL_PEN: r = make(Pen); r->pen = QPen(Qt::NoPen); break;
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
        r = make(Font);
        r->font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        break;
    default:
        r = make(Font);
        r->font = QApplication::font();
        break;
    }
    r->shared = true;
    return r;
}

DWORD GetSysColor(int nIndex)
{
    QPalette p = QApplication::palette();
    switch (nIndex) {
    case COLOR_WINDOW: return AfxColorRef(p.color(QPalette::Base));
    case COLOR_WINDOWTEXT: return AfxColorRef(p.color(QPalette::WindowText));
    case COLOR_MENU:
    case COLOR_BTNFACE: return AfxColorRef(p.color(QPalette::Button));
    case COLOR_BTNSHADOW: return AfxColorRef(p.color(QPalette::Dark));
    case COLOR_GRAYTEXT: return AfxColorRef(p.color(QPalette::Disabled, QPalette::Text));
    case COLOR_BTNTEXT: return AfxColorRef(p.color(QPalette::ButtonText));
    case COLOR_BTNHIGHLIGHT: return AfxColorRef(p.color(QPalette::Light));
    case COLOR_HIGHLIGHT: return AfxColorRef(p.color(QPalette::Highlight));
    case COLOR_HIGHLIGHTTEXT: return AfxColorRef(p.color(QPalette::HighlightedText));
    case COLOR_MENUTEXT: return AfxColorRef(p.color(QPalette::WindowText));
    case COLOR_3DDKSHADOW: return AfxColorRef(p.color(QPalette::Shadow));
    case COLOR_3DLIGHT: return AfxColorRef(p.color(QPalette::Midlight));
    case COLOR_INFOBK: return AfxColorRef(p.color(QPalette::ToolTipBase));
    case COLOR_INFOTEXT: return AfxColorRef(p.color(QPalette::ToolTipText));
    case COLOR_APPWORKSPACE: return AfxColorRef(p.color(QPalette::Dark));
    case COLOR_MENUHILIGHT: return AfxColorRef(p.color(QPalette::Highlight));
    case COLOR_MENUBAR: return AfxColorRef(p.color(QPalette::Button));
    default: return AfxColorRef(p.color(QPalette::Window));
    }
}

HBRUSH GetSysColorBrush(int nIndex)
{
    static QHash<int, GdiRecord*> brushes;
    GdiRecord*& r = brushes[nIndex];
    if (!r) {
        r = make(Brush);
        r->brush = QBrush(AfxQColor(GetSysColor(nIndex)));
        r->shared = true;
    }
    return reinterpret_cast<HBRUSH>(r);
}

HBITMAP LoadBitmap(HINSTANCE hInstance, LPCTSTR lpBitmapName)
{
    QPixmap p = AfxLoadPicture(lpBitmapName, hInstance);
    return p.isNull() ? nullptr : AfxBitmapHandle(p);
}

HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName)
{
    QPixmap p = AfxLoadPicture(lpIconName, hInstance);
    return p.isNull() ? nullptr : AfxIconHandle(p);
}

CGdiObject::~CGdiObject() { DeleteObject(); }

HGDIOBJ CGdiObject::GetSafeHandle() const
{
    const CGdiObject* self = this;
    asm("" : "+r"(self));
    return self ? self->m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (m_hObject || !hObject)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(AfxBrushHandle(QBrush(AfxQColor(GetSysColor(nIndex)))));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*)
{
    QFont f(QString::fromUtf8(lpszFaceName ? lpszFaceName : ""));
    f.setPointSizeF(nPointSize / 10.0);
    return Attach(AfxFontHandle(f));
}

BOOL CFont::CreateFont(int nHeight, int, int, int, int nWeight, BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut,
                       BYTE, BYTE, BYTE, BYTE, BYTE, LPCTSTR lpszFacename)
{
    QFont f(QString::fromUtf8(lpszFacename ? lpszFacename : ""));
    if (nHeight != 0)
        f.setPixelSize(qAbs(nHeight));
    f.setBold(nWeight >= FW_BOLD);
    f.setItalic(bItalic);
    f.setUnderline(bUnderline);
    f.setStrikeOut(cStrikeOut);
    return Attach(AfxFontHandle(f));
}

CFont* CFont::FromHandle(HFONT hFont) { return dynamic_cast<CFont*>(AfxGdiObjectOf(hFont)); }
CBrush* CBrush::FromHandle(HBRUSH hBrush) { return dynamic_cast<CBrush*>(AfxGdiObjectOf(hBrush)); }
CPen* CPen::FromHandle(HPEN hPen) { return dynamic_cast<CPen*>(AfxGdiObjectOf(hPen)); }
CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) { return dynamic_cast<CBitmap*>(AfxGdiObjectOf(hBitmap)); }

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return Attach(::LoadBitmap(nullptr, MAKEINTRESOURCE(nIDResource))); }
BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) { return Attach(::LoadBitmap(nullptr, lpszResourceName)); }

CSize CBitmap::GetBitmapDimension() const
{
    QPixmap p = AfxQPixmap(m_hObject);
    return CSize(p.width(), p.height());
}
