// Window handles, geometry records and the message record of the Windows API.
//
// A handle (HWND, HINSTANCE, HBRUSH...) is an opaque pointer-sized value. Window
// handles are small numbers from the table of live windows (WndHandleTable), so
// a handle formatted with "%d" into a text and read back still names the same
// window, and a handle whose window is gone names nothing.
#pragma once
#include "afx_core.h"
#include <cstdint>

#define AFX_DECLARE_HANDLE(name) struct name##__; typedef struct name##__* name
AFX_DECLARE_HANDLE(HWND);
AFX_DECLARE_HANDLE(HMENU);
AFX_DECLARE_HANDLE(HICON);
AFX_DECLARE_HANDLE(HBITMAP);
AFX_DECLARE_HANDLE(HBRUSH);
AFX_DECLARE_HANDLE(HFONT);
AFX_DECLARE_HANDLE(HPEN);
AFX_DECLARE_HANDLE(HDC);
AFX_DECLARE_HANDLE(HCURSOR);
AFX_DECLARE_HANDLE(HINSTANCE);
typedef HINSTANCE HMODULE;
typedef void* HGDIOBJ;
typedef int* LPINT;
typedef BOOL* LPBOOL;

#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

// A resource named by number travels in a text pointer, as on Windows.
#define MAKEINTRESOURCE(i) ((LPCTSTR)((UINT_PTR)((WORD)(i))))
#define IS_INTRESOURCE(p) ((((UINT_PTR)(p)) >> 16) == 0)

struct POINT { LONG x; LONG y; };
typedef POINT* LPPOINT;
struct SIZE { LONG cx; LONG cy; };
typedef SIZE* LPSIZE;
struct RECT { LONG left; LONG top; LONG right; LONG bottom; };
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

// Header of every WM_NOTIFY payload.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};
typedef NMHDR* LPNMHDR;

struct CREATESTRUCT {
    LPVOID lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    LPCTSTR lpszName;
    LPCTSTR lpszClass;
    DWORD dwExStyle;
};
typedef CREATESTRUCT* LPCREATESTRUCT;
