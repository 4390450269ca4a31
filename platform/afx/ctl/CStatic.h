// CStatic: text labels, pictures (SS_BITMAP, SS_ICON) and frames. A label
// asks its parent for colours with WM_CTLCOLORSTATIC each time it paints;
// "&" marks the mnemonic as on Windows (SS_NOPREFIX shows it as it is).
#pragma once
#include "wnd/CWnd.h"

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
