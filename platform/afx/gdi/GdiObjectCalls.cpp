// The GDI object classes' calls beyond making them from resources: pens,
// hatched and pattern brushes, fonts from a LOGFONT, bitmaps to draw into.
#include "gdi/AfxGdi.h"
#include <QApplication>
#include <QFontInfo>
#include <QScreen>
#include <cstring>

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF color)
{
    return Attach(::CreatePen(nPenStyle, nWidth, color));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF color) { return Attach(::CreateHatchBrush(nIndex, color)); }

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    QPixmap p = pBitmap ? AfxQPixmap(pBitmap->m_hObject) : QPixmap();
    return !p.isNull() && Attach(AfxBrushHandle(QBrush(p)));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    if (!lpLogFont)
        return FALSE;
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, lpLogFont->lfFaceName, LF_FACESIZE);
    return CreateFont(lpLogFont->lfHeight, lpLogFont->lfWidth, lpLogFont->lfEscapement, lpLogFont->lfOrientation,
                      lpLogFont->lfWeight, lpLogFont->lfItalic, lpLogFont->lfUnderline, lpLogFont->lfStrikeOut,
                      lpLogFont->lfCharSet, lpLogFont->lfOutPrecision, lpLogFont->lfClipPrecision,
                      lpLogFont->lfQuality, lpLogFont->lfPitchAndFamily, face);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC*)
{
    // lfHeight in tenths of a point.
    if (!lpLogFont)
        return FALSE;
    LOGFONT lf = *lpLogFont;
    qreal dpi = QApplication::primaryScreen() ? QApplication::primaryScreen()->logicalDotsPerInchY() : 96.0;
    lf.lfHeight = -qRound(lf.lfHeight * dpi / 720.0);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont)
{
    if (!pLogFont || !m_hObject)
        return 0;
    QFont f = AfxQFont((HFONT)m_hObject);
    std::memset(pLogFont, 0, sizeof(LOGFONT));
    int pixels = f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize();
    pLogFont->lfHeight = -pixels;
    pLogFont->lfWeight = f.bold() ? FW_BOLD : FW_NORMAL;
    pLogFont->lfItalic = f.italic();
    pLogFont->lfUnderline = f.underline();
    pLogFont->lfStrikeOut = f.strikeOut();
    pLogFont->lfCharSet = DEFAULT_CHARSET;
    QByteArray face = f.family().toUtf8().left(LF_FACESIZE - 1);
    std::memcpy(pLogFont->lfFaceName, face.constData(), face.size());
    return sizeof(LOGFONT);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight)
{
    return Attach(::CreateBitmap(nWidth, nHeight, 1, 32, nullptr));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

int CBitmap::GetBitmap(BITMAP* pBitMap) { return GetObject(m_hObject, sizeof(BITMAP), pBitMap); }
