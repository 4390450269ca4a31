// GDI objects: brushes, pens, fonts, bitmaps and icons. A handle points at a
// record holding the Qt object (one table for every kind: a handle that was
// deleted or never made is refused); CGdiObject and its classes wrap a
// handle. A bitmap keeps its picture as an image that a memory device context
// draws into (gdi/CDC.h), so what is drawn shows wherever the bitmap is used.
#pragma once
#include "wnd/AfxWinTypes.h"
#include "wnd/AfxGeometry.h"
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPixmap>

class QPainter;
class CDC;
class CBitmap;

QColor AfxQColor(COLORREF c);
COLORREF AfxColorRef(const QColor& c);

HBRUSH AfxBrushHandle(const QBrush& brush);
QBrush AfxQBrush(HBRUSH h);
HFONT AfxFontHandle(const QFont& font);   // the same font gives the same handle
QFont AfxQFont(HFONT h);
HBITMAP AfxBitmapHandle(const QPixmap& pixmap);
QPixmap AfxQPixmap(HGDIOBJ h);             // a bitmap's or an icon's picture
QPixmap* AfxBitmapPixmapRef(HGDIOBJ h);    // the same, to change in place (NULL for other handles)
HICON AfxIconHandle(const QPixmap& pixmap);
HPEN AfxPenHandle(const QPen& pen);
QPen AfxQPen(HPEN h);
bool AfxIsGdiObject(HGDIOBJ h);
// The image a bitmap draws into (null for another kind); valid while the
// bitmap lives. Drawing into it changes the bitmap's picture.
QImage* AfxBitmapCanvas(HBITMAP h);

class CGdiObject;
// The object of a handle, of its class (CBrush, CPen, CFont, CBitmap), kept
// as long as the handle.
CGdiObject* AfxGdiObjectOf(HGDIOBJ h);

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int nIndex, COLORREF color);
HPEN CreatePen(int nPenStyle, int nWidth, COLORREF color);
HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits);
BOOL DeleteObject(HGDIOBJ hObject);

#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5
#define PS_INSIDEFRAME 6
#define HS_HORIZONTAL 0
#define HS_VERTICAL 1
#define HS_FDIAGONAL 2
#define HS_BDIAGONAL 3
#define HS_CROSS 4
#define HS_DIAGCROSS 5

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};
typedef BITMAP* LPBITMAP;

#define LF_FACESIZE 32
struct LOGFONT {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
typedef LOGFONT* LPLOGFONT;
typedef LOGFONT LOGFONTA;
#define DEFAULT_CHARSET 1
#define RUSSIAN_CHARSET 204
#define ANSI_CHARSET 0
#define OUT_DEFAULT_PRECIS 0
#define CLIP_DEFAULT_PRECIS 0
#define DEFAULT_QUALITY 0
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2
#define FF_DONTCARE 0x00
#define FF_ROMAN 0x10
#define FF_SWISS 0x20
#define FF_MODERN 0x30

// A BITMAP or a LOGFONT of a handle (as GetObject reads them).
int GetObject(HGDIOBJ h, int c, LPVOID pv);
#define GetObjectA GetObject
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define ANSI_FIXED_FONT 11
#define ANSI_VAR_FONT 12
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17
#define SYSTEM_FIXED_FONT 16
HGDIOBJ GetStockObject(int i);

#define COLOR_WINDOW 5
#define COLOR_MENU 4
#define COLOR_WINDOWTEXT 8
#define COLOR_BTNFACE 15
#define COLOR_3DFACE COLOR_BTNFACE
#define COLOR_BTNSHADOW 16
#define COLOR_GRAYTEXT 17
#define COLOR_BTNTEXT 18
#define COLOR_BTNHIGHLIGHT 20
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_SCROLLBAR 0
#define COLOR_BACKGROUND 1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_WINDOWFRAME 6
#define COLOR_MENUTEXT 7
#define COLOR_CAPTIONTEXT 9
#define COLOR_APPWORKSPACE 12
#define COLOR_3DSHADOW COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_BTNHILIGHT COLOR_BTNHIGHLIGHT
#define COLOR_3DDKSHADOW 21
#define COLOR_3DLIGHT 22
#define COLOR_INFOTEXT 23
#define COLOR_INFOBK 24
#define COLOR_MENUHILIGHT 29
#define COLOR_MENUBAR 30
DWORD GetSysColor(int nIndex);
HBRUSH GetSysColorBrush(int nIndex);

// Pictures of the resource scripts (searched as every resource is).
HBITMAP LoadBitmap(HINSTANCE hInstance, LPCTSTR lpBitmapName);
HICON LoadIcon(HINSTANCE hInstance, LPCTSTR lpIconName);
BOOL DestroyIcon(HICON hIcon);

class CGdiObject : public CObject {
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    HGDIOBJ m_hObject = nullptr;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const;
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    BOOL CreateSysColorBrush(int nIndex);
    BOOL CreateHatchBrush(int nIndex, COLORREF color);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
    static CBrush* FromHandle(HBRUSH hBrush);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF color) { CreatePen(nPenStyle, nWidth, color); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF color);
    operator HPEN() const { return (HPEN)m_hObject; }
    static CPen* FromHandle(HPEN hPen);
};

#define FW_DONTCARE 0
#define FW_THIN 100
#define FW_LIGHT 300
#define FW_NORMAL 400
#define FW_MEDIUM 500
#define FW_SEMIBOLD 600
#define FW_BOLD 700
class CFont : public CGdiObject {
public:
    // Sizes in tenths of a point, as MFC.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont);
    operator HFONT() const { return (HFONT)m_hObject; }
    // The object of a font handle, kept as long as the handle.
    static CFont* FromHandle(HFONT hFont);
};

class CBitmap : public CGdiObject {
public:
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    // A bitmap of that size to draw into (white until drawn on).
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    int GetBitmap(BITMAP* pBitMap);
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    CSize GetBitmapDimension() const;
    static CBitmap* FromHandle(HBITMAP hBitmap);
};

#include "gdi/CDC.h"
