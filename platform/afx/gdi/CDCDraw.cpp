// CDC: drawing, copying pictures and text.
#include "gdi/DcState.h"
#include <QFontMetrics>
#include <QIcon>
#include <cstring>

namespace {

DcState* stateOf(const CDC* dc) { return AfxDcState(dc->GetSafeHdc()); }

// Runs draw(painter) on the context's surface with its objects selected;
// nothing for a context that only measures.
template <class Draw>
BOOL paint(const CDC* dc, Draw&& draw)
{
    DcState* s = stateOf(dc);
    if (!s)
        return FALSE;
    std::optional<QPainter> local;
    QPainter* p = s->begin(local);
    if (!p)
        return FALSE;
    draw(*p, *s);
    s->end(p);
    return TRUE;
}

QRect qrect(LPCRECT r) { return QRect(QPoint(r->left, r->top), QPoint(r->right - 1, r->bottom - 1)); }

QPainter::CompositionMode modeOf(DWORD rop)
{
    switch (rop) {
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    case SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case MERGEPAINT: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// The picture of a source context's region (a memory context's bitmap).
QImage sourceImage(CDC* pSrcDC, int x, int y, int w, int h)
{
    DcState* src = pSrcDC ? stateOf(pSrcDC) : nullptr;
    QImage* canvas = src ? src->canvas() : nullptr;
    return canvas ? canvas->copy(QRect(QPoint(x, y) + src->origin, QSize(w, h))) : QImage();
}

int qtTextFlags(UINT nFormat)
{
    int flags = 0;
    flags |= (nFormat & DT_CENTER) ? Qt::AlignHCenter : (nFormat & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    if (nFormat & DT_SINGLELINE)
        flags |= (nFormat & DT_VCENTER) ? Qt::AlignVCenter : (nFormat & DT_BOTTOM) ? Qt::AlignBottom : Qt::AlignTop;
    else
        flags |= Qt::AlignTop;
    if (nFormat & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (nFormat & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (nFormat & DT_SINGLELINE)
        flags |= Qt::TextSingleLine;
    if (nFormat & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    if (nFormat & DT_NOPREFIX)
        return flags;
    return flags | ((nFormat & DT_HIDEPREFIX) ? Qt::TextHideMnemonic : Qt::TextShowMnemonic);
}

QString textOf(LPCTSTR s, int n)
{
    QByteArray bytes(s ? s : "");
    if (n >= 0 && n < bytes.size())
        bytes.truncate(n);
    return QString::fromUtf8(bytes);
}

void drawPicture(QPainter& p, QPoint at, QSize size, const QPixmap& picture, UINT nFlags)
{
    QSize s = size.isEmpty() ? picture.size() : size;
    QPixmap shown = (nFlags & DSS_DISABLED) ? QIcon(picture).pixmap(s, QIcon::Disabled) : picture;
    p.drawPixmap(QRect(at, s), shown);
}

} // namespace

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    // As Windows draws it: with the background colour, which it sets.
    SetBkColor(clr);
    paint(this, [&](QPainter& p, DcState&) { p.fillRect(qrect(lpRect), AfxQColor(clr)); });
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, clr);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    QBrush brush = AfxQBrush(pBrush ? (HBRUSH)pBrush->m_hObject : nullptr);
    paint(this, [&](QPainter& p, DcState&) { p.fillRect(qrect(lpRect), brush); });
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    QBrush brush = AfxQBrush(pBrush ? (HBRUSH)pBrush->m_hObject : nullptr);
    paint(this, [&](QPainter& p, DcState&) {
        QRect r = qrect(lpRect);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 1), brush);
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), brush);
        p.fillRect(QRect(r.left(), r.top(), 1, r.height()), brush);
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), brush);
    });
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    paint(this, [&](QPainter& p, DcState&) {
        QRect r = qrect(lpRect);
        p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), AfxQColor(clrTopLeft));
        p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), AfxQColor(clrTopLeft));
        p.fillRect(QRect(r.right(), r.top(), 1, r.height()), AfxQColor(clrBottomRight));
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), AfxQColor(clrBottomRight));
    });
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    CRect r(x, y, x + cx, y + cy);
    Draw3dRect(&r, clrTopLeft, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    paint(this, [&](QPainter& p, DcState&) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(qrect(lpRect).adjusted(0, 0, -1, -1));
    });
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return paint(this, [&](QPainter& p, DcState&) { p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1)); });
}

BOOL CDC::Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return paint(this, [&](QPainter& p, DcState&) { p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1)); });
}

BOOL CDC::Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

CPoint CDC::MoveTo(int x, int y)
{
    DcState* s = stateOf(this);
    if (!s)
        return CPoint(0, 0);
    CPoint old(s->pos.x(), s->pos.y());
    s->pos = QPoint(x, y);
    return old;
}

BOOL CDC::LineTo(int x, int y)
{
    DcState* s = stateOf(this);
    if (!s)
        return FALSE;
    QPoint from = s->pos, to(x, y);
    s->pos = to;
    // Windows leaves out the last point of a line.
    QPoint last = to;
    if (from.y() == to.y() && from.x() != to.x())
        last.rx() += from.x() < to.x() ? -1 : 1;
    else if (from.x() == to.x() && from.y() != to.y())
        last.ry() += from.y() < to.y() ? -1 : 1;
    return paint(this, [&](QPainter& p, DcState&) { p.drawLine(from, last); });
}

CPoint CDC::GetCurrentPosition() const
{
    DcState* s = stateOf(this);
    return s ? CPoint(s->pos.x(), s->pos.y()) : CPoint(0, 0);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    DcState* s = stateOf(this);
    QImage* image = s ? s->canvas() : nullptr;
    QPoint at = QPoint(x, y) + (s ? s->origin : QPoint());
    if (!image || !image->rect().contains(at))
        return CLR_INVALID;
    return AfxColorRef(QColor(image->pixel(at)));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    DcState* s = stateOf(this);
    if (QImage* image = s ? s->canvas() : nullptr) {
        QPoint at = QPoint(x, y) + s->origin;
        if (!image->rect().contains(at))
            return CLR_INVALID;
        image->setPixel(at, AfxQColor(crColor).rgb());
        return crColor;
    }
    return paint(this, [&](QPainter& p, DcState&) { p.fillRect(QRect(x, y, 1, 1), AfxQColor(crColor)); })
        ? crColor : CLR_INVALID;
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) { return SetPixel(x, y, crColor) != CLR_INVALID; }

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return paint(this, [&](QPainter& p, DcState& s) {
        QRect r(x, y, nWidth, nHeight);
        if (dwRop == BLACKNESS)
            p.fillRect(r, Qt::black);
        else if (dwRop == WHITENESS)
            p.fillRect(r, Qt::white);
        else if (dwRop == DSTINVERT) {
            p.setCompositionMode(QPainter::RasterOp_NotDestination);
            p.fillRect(r, Qt::black);
        } else
            p.fillRect(r, AfxQBrush(s.brush));
    });
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    if (dwRop == BLACKNESS || dwRop == WHITENESS || dwRop == PATCOPY || dwRop == DSTINVERT)
        return PatBlt(x, y, nWidth, nHeight, dwRop);
    QImage picture = sourceImage(pSrcDC, xSrc, ySrc, nWidth, nHeight);
    if (picture.isNull())
        return FALSE;
    return paint(this, [&](QPainter& p, DcState&) {
        p.setCompositionMode(modeOf(dwRop));
        p.drawImage(QPoint(x, y), picture);
    });
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    QImage picture = sourceImage(pSrcDC, xSrc, ySrc, nSrcWidth, nSrcHeight);
    if (picture.isNull())
        return FALSE;
    return paint(this, [&](QPainter& p, DcState&) {
        p.setCompositionMode(modeOf(dwRop));
        p.drawImage(QRect(x, y, nWidth, nHeight), picture);
    });
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    QPixmap picture = AfxQPixmap(hIcon);
    return !picture.isNull() && paint(this, [&](QPainter& p, DcState&) { p.drawPixmap(x, y, picture); });
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH)
{
    QPixmap picture = AfxQPixmap(hBitmap);
    return !picture.isNull() && paint(this, [&](QPainter& p, DcState&) {
        drawPicture(p, QPoint(pt.x, pt.y), QSize(size.cx, size.cy), picture, nFlags);
    });
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush*)
{
    return DrawState(pt, size, pBitmap ? (HBITMAP)pBitmap->m_hObject : nullptr, nFlags, (HBRUSH) nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH)
{
    QPixmap picture = AfxQPixmap(hIcon);
    return !picture.isNull() && paint(this, [&](QPainter& p, DcState&) {
        drawPicture(p, QPoint(pt.x, pt.y), QSize(size.cx, size.cy), picture, nFlags);
    });
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush*)
{
    return DrawState(pt, size, hIcon, nFlags, (HBRUSH) nullptr);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    DcState* s = stateOf(this);
    if (!s || !lpRect)
        return 0;
    QString text = textOf(lpszString, nCount);
    int flags = qtTextFlags(nFormat);
    QFontMetrics fm(s->qfont());
    QRect r = qrect(lpRect);
    QRect bounds = fm.boundingRect(r, flags, text);
    if (nFormat & DT_CALCRECT) {
        lpRect->right = lpRect->left + bounds.width();
        lpRect->bottom = lpRect->top + bounds.height();
        return bounds.height();
    }
    paint(this, [&](QPainter& p, DcState& st) {
        if (st.bkMode == OPAQUE)
            p.fillRect(bounds.intersected(r), AfxQColor(st.bkColor));
        p.setPen(AfxQColor(st.textColor));
        p.drawText(r, flags, text);
    });
    return bounds.height();
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) { return DrawText(str, -1, lpRect, nFormat); }

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ExtTextOut(x, y, 0, nullptr, lpszString, nCount < 0 ? 0 : (UINT)nCount, nullptr);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return ExtTextOut(x, y, 0, nullptr, str, (UINT)std::strlen(str), nullptr);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT)
{
    QString text = textOf(lpszString, (int)nCount);
    return paint(this, [&](QPainter& p, DcState& st) {
        QFontMetrics fm(p.font());
        QRect textRect(x, y, fm.horizontalAdvance(text), fm.height());
        if (lpRect && (nOptions & ETO_OPAQUE))
            p.fillRect(qrect(lpRect), AfxQColor(st.bkColor));
        else if (st.bkMode == OPAQUE && !text.isEmpty())
            p.fillRect(textRect, AfxQColor(st.bkColor));
        if (lpRect && (nOptions & ETO_CLIPPED))
            p.setClipRect(qrect(lpRect));
        p.setPen(AfxQColor(st.textColor));
        p.drawText(QPoint(x, y + fm.ascent()), text);
    });
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    DcState* s = stateOf(this);
    QFontMetrics fm(s ? s->qfont() : QFont());
    QString text = textOf(lpszString, nCount);
    return CSize(fm.horizontalAdvance(text), fm.height());
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, -1); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    DcState* s = stateOf(this);
    if (!s || !lpMetrics)
        return FALSE;
    QFont f = s->qfont();
    QFontMetrics fm(f);
    *lpMetrics = TEXTMETRIC {};
    lpMetrics->tmHeight = fm.height();
    lpMetrics->tmAscent = fm.ascent();
    lpMetrics->tmDescent = fm.descent();
    lpMetrics->tmInternalLeading = qMax(0, fm.height() - f.pixelSize());
    lpMetrics->tmExternalLeading = fm.leading();
    lpMetrics->tmAveCharWidth = fm.averageCharWidth();
    lpMetrics->tmMaxCharWidth = fm.maxWidth();
    lpMetrics->tmWeight = f.bold() ? FW_BOLD : FW_NORMAL;
    lpMetrics->tmItalic = f.italic();
    lpMetrics->tmUnderlined = f.underline();
    lpMetrics->tmStruckOut = f.strikeOut();
    lpMetrics->tmPitchAndFamily = f.fixedPitch() ? 0 : 1;
    lpMetrics->tmCharSet = DEFAULT_CHARSET;
    return TRUE;
}
