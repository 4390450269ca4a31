#include "wnd/NativeWindowProc.h"
#include "gdi/AfxGdi.h"
#include "wnd/AfxControlClass.h"
#include "wnd/CWnd.h"
#include "wnd/WndHandleTable.h"
#include <QWidget>
#include <cstring>

namespace {

LRESULT copyText(CWnd* pWnd, WPARAM size, LPARAM buffer)
{
    CString text;
    pWnd->GetWindowText(text);
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    size_t n = std::strlen(text);
    if (n >= size)
        n = size - 1;
    std::memcpy(out, (const char*)text, n);
    out[n] = 0;
    return (LRESULT)n;
}

LRESULT commonProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = true;
    switch (message) {
    case WM_SETTEXT:
        pWnd->SetWindowText(reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return copyText(pWnd, wParam, lParam);
    case WM_GETTEXTLENGTH: {
        CString text;
        pWnd->GetWindowText(text);
        return (LRESULT)std::strlen(text);
    }
    case WM_CLOSE:
        // A dialog's close box is its Cancel; any other window goes away.
        if (AfxWndAccess::isDialogWindow(pWnd))
            pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                              (LPARAM)pWnd->GetDlgItem(IDCANCEL)->GetSafeHwnd());
        else
            pWnd->DestroyWindow();
        return 0;
    case WM_SETICON:
        return (LRESULT)pWnd->SetIcon(reinterpret_cast<HICON>(lParam), wParam == ICON_BIG);
    case WM_GETICON:
        return (LRESULT)pWnd->GetIcon(wParam == ICON_BIG);
    case WM_SETFONT:
        pWnd->SetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)), (BOOL)lParam);
        return 0;
    case WM_GETFONT:
        return (LRESULT)pWnd->GetFont()->GetSafeHandle();
    case WM_SETREDRAW:
        pWnd->SetRedraw((BOOL)wParam);
        return 0;
    case DM_GETDEFID:
        return AfxWndAccess::isDialogWindow(pWnd) ? MAKELRESULT(AfxWndAccess::defaultButtonID(pWnd), DC_HASDEFID) : 0;
    case WM_NEXTDLGCTL: {
        CWnd* next = lParam ? CWnd::FromHandle(reinterpret_cast<HWND>(wParam))
                            : pWnd->GetNextDlgTabItem(CWnd::GetFocus(), wParam != 0);
        if (next)
            next->SetFocus();
        return 0;
    }
    default:
        handled = false;
        return 0;
    }
}

} // namespace

LRESULT AfxNativeWindowProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    handled = false;
    WndRecord* rec = pWnd->m_hWnd ? WndHandleTable::find(pWnd->m_hWnd) : nullptr;
    if (rec && rec->cls && rec->cls->proc) {
        LRESULT r = rec->cls->proc(pWnd, message, wParam, lParam, handled);
        if (handled)
            return r;
    }
    return commonProc(pWnd, message, wParam, lParam, handled);
}
