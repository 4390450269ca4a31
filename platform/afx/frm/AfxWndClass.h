// Window classes as the programs register them (RegisterClass): a name with
// an icon, a cursor and a background. The frame made with a class keeps its
// name (CFrameWnd::GetWindowClassName, GetClassName), and FindWindow looks
// windows of this program up by class name and caption.
#pragma once
#include "wnd/AfxWinTypes.h"

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef UINT_PTR ATOM;

struct WNDCLASS {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCTSTR lpszMenuName;
    LPCTSTR lpszClassName;
};
typedef WNDCLASS* LPWNDCLASS;
typedef WNDCLASS WNDCLASSA;

ATOM RegisterClass(const WNDCLASS* lpWndClass);
BOOL AfxRegisterClass(WNDCLASS* lpWndClass);
BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE hInstance);
BOOL GetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, LPWNDCLASS lpWndClass);
BOOL AfxGetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, LPWNDCLASS lpWndClass);
// A class of these properties under a name of its own ("Afx:...").
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);
// The registered class of that name (names compare without regard to case).
const WNDCLASS* AfxFindWndClass(LPCTSTR lpszClassName);
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);
// A top-level window of this program with that class and/or caption.
HWND FindWindow(LPCTSTR lpClassName, LPCTSTR lpWindowName);
#define RegisterClassA RegisterClass
#define GetClassNameA GetClassName
#define FindWindowA FindWindow

// Cursors by their Windows ids.
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_SIZEALL MAKEINTRESOURCE(32646)
#define IDC_NO MAKEINTRESOURCE(32648)
#define IDC_HAND MAKEINTRESOURCE(32649)
#define IDI_APPLICATION MAKEINTRESOURCE(32512)
HCURSOR LoadCursor(HINSTANCE hInstance, LPCTSTR lpCursorName);
HCURSOR SetCursor(HCURSOR hCursor);

// The default handling of a message for a window given by handle.
LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
