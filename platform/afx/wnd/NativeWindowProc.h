// The window procedure behind DefWindowProc: what every window does with a
// message (text, close, redraw, the dialog messages), then what its control
// class does.
#pragma once
#include "wnd/AfxWinTypes.h"

class CWnd;

#define WM_STYLECHANGED 0x007D
#define WM_GETDLGCODE 0x0087
#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_HASSETSEL 0x0008
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON 0x0040
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

LRESULT AfxNativeWindowProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
