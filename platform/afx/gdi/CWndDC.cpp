// The device contexts of windows (CWnd::GetDC, ::GetDC) and the desktop window.
#include "gdi/AfxGdi.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <map>
#include <memory>

namespace {

// Contexts handed out and not yet released.
std::map<HDC, std::unique_ptr<CClientDC>>& outstanding()
{
    static std::map<HDC, std::unique_ptr<CClientDC>> m;
    return m;
}

CDC* handOut(CWnd* wnd)
{
    auto dc = std::make_unique<CClientDC>(wnd);
    CDC* result = dc.get();
    outstanding()[dc->m_hDC] = std::move(dc);
    return result;
}

} // namespace

CDC* CWnd::GetDC() { return handOut(this); }
CDC* CWnd::GetWindowDC() { return handOut(this); }

int CWnd::ReleaseDC(CDC* pDC) { return pDC && outstanding().erase(pDC->m_hDC) ? 1 : 0; }

CWnd* CWnd::GetDesktopWindow()
{
    // A window the size of the screen that is never shown (made anew when
    // the program has deleted its windows; the object lives for the run).
    static CWnd* desktop = new CWnd;
    if (!desktop->GetQWidget() && qApp) {
        auto* w = new QWidget;
        if (QScreen* screen = QApplication::primaryScreen())
            w->setGeometry(screen->geometry());
        desktop->AttachWidget(w, nullptr, WS_POPUP, 0);
    }
    return desktop;
}

HDC GetDC(HWND hWnd)
{
    CWnd* wnd = hWnd ? CWnd::FromHandle(hWnd) : CWnd::GetDesktopWindow();
    CDC* dc = wnd ? wnd->GetDC() : nullptr;
    return dc ? dc->m_hDC : nullptr;
}

int ReleaseDC(HWND, HDC hDC) { return outstanding().erase(hDC) ? 1 : 0; }
