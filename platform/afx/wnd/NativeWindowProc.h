// The window procedure behind DefWindowProc: what every window does with a
// message (text, close, redraw, the dialog messages), then what its control
// class does.
#pragma once
#include "wnd/AfxWinTypes.h"
#include "wnd/AfxMessages.h"

class CWnd;

LRESULT AfxNativeWindowProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
