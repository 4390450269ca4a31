#include "frm/AfxWndClass.h"
#include "frm/CFrameWnd.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QHash>
#include <QWidget>
#include <cstring>
#include <map>
#include <memory>

namespace {

struct ClassRecord {
    WNDCLASS wc;
    QByteArray name;
    QByteArray menu;
};

std::map<QString, std::unique_ptr<ClassRecord>>& classes()
{
    static std::map<QString, std::unique_ptr<ClassRecord>> m;
    return m;
}

QString keyOf(LPCTSTR name) { return QString::fromUtf8(name ? name : "").toLower(); }

} // namespace

ATOM RegisterClass(const WNDCLASS* lpWndClass)
{
    if (!lpWndClass || !lpWndClass->lpszClassName || IS_INTRESOURCE(lpWndClass->lpszClassName)
        || !*lpWndClass->lpszClassName)
        return 0;
    QString key = keyOf(lpWndClass->lpszClassName);
    if (classes().count(key))
        return 0;  // as Windows: a class of that name exists already
    auto rec = std::make_unique<ClassRecord>();
    rec->wc = *lpWndClass;
    rec->name = QByteArray(lpWndClass->lpszClassName);
    rec->wc.lpszClassName = rec->name.constData();
    if (lpWndClass->lpszMenuName && !IS_INTRESOURCE(lpWndClass->lpszMenuName)) {
        rec->menu = QByteArray(lpWndClass->lpszMenuName);
        rec->wc.lpszMenuName = rec->menu.constData();
    }
    ATOM atom = (ATOM)(0xC000 + classes().size());
    classes()[key] = std::move(rec);
    return atom;
}

BOOL AfxRegisterClass(WNDCLASS* lpWndClass)
{
    if (AfxFindWndClass(lpWndClass ? lpWndClass->lpszClassName : nullptr))
        return TRUE;
    return RegisterClass(lpWndClass) != 0;
}

BOOL UnregisterClass(LPCTSTR lpClassName, HINSTANCE) { return classes().erase(keyOf(lpClassName)) > 0; }

const WNDCLASS* AfxFindWndClass(LPCTSTR lpszClassName)
{
    if (!lpszClassName || IS_INTRESOURCE(lpszClassName))
        return nullptr;
    auto it = classes().find(keyOf(lpszClassName));
    return it == classes().end() ? nullptr : &it->second->wc;
}

BOOL GetClassInfo(HINSTANCE, LPCTSTR lpClassName, LPWNDCLASS lpWndClass)
{
    const WNDCLASS* wc = AfxFindWndClass(lpClassName);
    if (!wc || !lpWndClass)
        return FALSE;
    *lpWndClass = *wc;
    return TRUE;
}

BOOL AfxGetClassInfo(HINSTANCE hInstance, LPCTSTR lpClassName, LPWNDCLASS lpWndClass)
{
    return GetClassInfo(hInstance, lpClassName, lpWndClass);
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    QString name = QStringLiteral("Afx:%1:%2:%3:%4")
                       .arg(nClassStyle, 0, 16)
                       .arg((quintptr)hCursor, 0, 16)
                       .arg((quintptr)hbrBackground, 0, 16)
                       .arg((quintptr)hIcon, 0, 16);
    QByteArray utf8 = name.toUtf8();
    if (const WNDCLASS* wc = AfxFindWndClass(utf8.constData()))
        return wc->lpszClassName;
    WNDCLASS wc = {};
    wc.style = nClassStyle;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.hIcon = hIcon;
    wc.lpszClassName = utf8.constData();
    RegisterClass(&wc);
    return AfxFindWndClass(utf8.constData())->lpszClassName;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount)
{
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(hWnd));
    QByteArray name = frame ? QByteArray((const char*)frame->GetWindowClassName()) : QByteArray();
    if (!lpClassName || nMaxCount <= 0)
        return 0;
    int n = qMin((int)name.size(), nMaxCount - 1);
    std::memcpy(lpClassName, name.constData(), n);
    lpClassName[n] = 0;
    return n;
}

HWND FindWindow(LPCTSTR lpClassName, LPCTSTR lpWindowName)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        CWnd* wnd = CWnd::FromQWidget(w);
        if (!wnd)
            continue;
        if (lpClassName) {
            auto* frame = dynamic_cast<CFrameWnd*>(wnd);
            if (!frame || keyOf(frame->GetWindowClassName()) != keyOf(lpClassName))
                continue;
        }
        if (lpWindowName) {
            CString text;
            wnd->GetWindowText(text);
            if (text != CString(lpWindowName))
                continue;
        }
        return wnd->m_hWnd;
    }
    return nullptr;
}

HCURSOR LoadCursor(HINSTANCE, LPCTSTR lpCursorName)
{
    // A cursor handle is its Windows id; the shape is chosen when it is set.
    return reinterpret_cast<HCURSOR>((UINT_PTR)(IS_INTRESOURCE(lpCursorName) ? (UINT_PTR)lpCursorName : 32512));
}

HCURSOR SetCursor(HCURSOR hCursor)
{
    // Only remembered: the wait cursor is CWaitCursor's and BeginWaitCursor's.
    static HCURSOR current = LoadCursor(nullptr, IDC_ARROW);
    HCURSOR previous = current;
    current = hCursor;
    return previous;
}

LRESULT DefWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->DefWindowProc(message, wParam, lParam) : 0;
}
