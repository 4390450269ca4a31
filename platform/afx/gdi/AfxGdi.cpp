#include "gdi/AfxGdi.h"
#include "res/AfxResources.h"
#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPalette>
#include <QSet>
#include <memory>

namespace {

enum Kind { Brush, Font, Bitmap, Icon };

struct GdiRecord {
    Kind kind;
    QBrush brush;
    QFont font;
    QPixmap pixmap;
    bool shared = false;             // stock objects and fonts live for the run
    std::unique_ptr<CFont> fontObject;
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
    return r && (r->kind == Bitmap || r->kind == Icon) ? r->pixmap : QPixmap();
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

CFont* CFont::FromHandle(HFONT hFont)
{
    GdiRecord* r = record(hFont);
    if (!r || r->kind != Font)
        return nullptr;
    if (!r->fontObject) {
        r->fontObject = std::make_unique<CFont>();
        r->fontObject->m_hObject = hFont;
    }
    return r->fontObject.get();
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) { return Attach(::LoadBitmap(nullptr, MAKEINTRESOURCE(nIDResource))); }
BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) { return Attach(::LoadBitmap(nullptr, lpszResourceName)); }

CSize CBitmap::GetBitmapDimension() const
{
    QPixmap p = AfxQPixmap(m_hObject);
    return CSize(p.width(), p.height());
}

COLORREF CDC::SetTextColor(COLORREF c)
{
    COLORREF old = m_textColor;
    m_textColor = c;
    m_textColorSet = true;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF c)
{
    COLORREF old = m_bkColor;
    m_bkColor = c;
    m_bkColorSet = true;
    return old;
}

int CDC::SetBkMode(int nBkMode)
{
    int old = m_bkMode;
    m_bkMode = nBkMode;
    return old;
}
