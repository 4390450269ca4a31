// CStatic: text labels, pictures (SS_BITMAP, SS_ICON) and frames. A label
// asks its parent for colours with WM_CTLCOLORSTATIC each time it paints;
// "&" marks the mnemonic as on Windows (SS_NOPREFIX shows it as it is).
#pragma once
#include "wnd/CWnd.h"
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
};

void AfxRegisterStaticClass();

// A label's text as it is painted: its own line breaks, words wrapped at the
// width where it wraps, the lines at the font's height with no leading
// between them (as the window system draws a static text, so two lines fill
// the two lines' height a layout gives them).
QSize AfxStaticTextExtent(const QFont& font, const QString& text, int width, bool wrap);
void AfxDrawStaticText(QPainter& painter, const QRect& rect, const QFont& font, const QString& text,
                       Qt::Alignment alignment, bool wrap);
