// GDI objects as far as the windows half needs them: brushes (WM_CTLCOLOR),
// fonts (SetFont, dialog fonts), bitmaps and icons (pictures of resources and
// statics) and a device context that carries colours. A handle points at a
// record holding the Qt object; CGdiObject and its classes wrap a handle.
// The drawing calls of CDC (a QPainter underneath) belong to the frame layer,
// which adds to these classes.
#pragma once
#include "wnd/AfxWinTypes.h"
#include "wnd/AfxGeometry.h"
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPixmap>

class QPainter;
class CDC;

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
bool AfxIsGdiObject(HGDIOBJ h);

HBRUSH CreateSolidBrush(COLORREF color);
BOOL DeleteObject(HGDIOBJ hObject);
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
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
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
};

#define FW_NORMAL 400
#define FW_BOLD 700
class CFont : public CGdiObject {
public:
    // Sizes in tenths of a point, as MFC.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    operator HFONT() const { return (HFONT)m_hObject; }
    // The object of a font handle, kept as long as the handle.
    static CFont* FromHandle(HFONT hFont);
};

class CBitmap : public CGdiObject {
public:
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    CSize GetBitmapDimension() const;
};

#define TRANSPARENT 1
#define OPAQUE 2
// The colours a WM_CTLCOLOR handler sets for a control.
class CDC : public CObject {
public:
    HDC m_hDC = nullptr;
    QPainter* m_pPainter = nullptr;  // set while the frame layer paints through it
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int nBkMode);
    int GetBkMode() const { return m_bkMode; }
    bool HasTextColor() const { return m_textColorSet; }
    bool HasBkColor() const { return m_bkColorSet; }

private:
    COLORREF m_textColor = 0;
    COLORREF m_bkColor = 0xFFFFFF;
    int m_bkMode = OPAQUE;
    bool m_textColorSet = false;
    bool m_bkColorSet = false;
};
