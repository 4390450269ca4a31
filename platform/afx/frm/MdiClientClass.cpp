// The "MDIClient" window class: a QMdiArea that takes the MDI messages and
// the window commands, and tells the child frames when the active one
// changes (WM_MDIACTIVATE to the child losing and the child gaining it).
#include "frm/CMDIFrameWnd.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/WndHandleTable.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <algorithm>

namespace {

class MdiArea : public QMdiArea {
public:
    using QMdiArea::QMdiArea;
    QPointer<QMdiSubWindow> lastActive;
};

HWND handleOf(QWidget* w)
{
    WndRecord* rec = w ? WndHandleTable::findWidget(w) : nullptr;
    return rec && !rec->closing ? rec->hwnd : nullptr;
}

void activeChanged(MdiArea* area, QMdiSubWindow* now)
{
    // Losing the program's activation is not a change of the active child.
    if (!now && area->currentSubWindow())
        return;
    if (now == area->lastActive)
        return;
    HWND hOld = handleOf(area->lastActive);
    HWND hNew = handleOf(now);
    area->lastActive = now;
    for (HWND h : { hOld, hNew }) {
        if (CWnd* w = CWnd::FromHandle(h))
            AfxGuardedCall(w, [&] { w->SendMessage(WM_MDIACTIVATE, (WPARAM)hOld, (LPARAM)hNew); });
    }
}

QList<QMdiSubWindow*> shownChildren(QMdiArea* area, bool skipMinimized)
{
    QList<QMdiSubWindow*> out;
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->isVisible() && !(skipMinimized && sub->isMinimized()))
            out << sub;
    }
    return out;
}

// Tiles the children one under the other (horizontal) or side by side.
void tile(QMdiArea* area, bool horizontal)
{
    QList<QMdiSubWindow*> subs = shownChildren(area, true);
    if (subs.isEmpty())
        return;
    QRect r = area->viewport()->rect();
    int n = (int)subs.size();
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = subs.at(i);
        if (sub->isMaximized())
            sub->showNormal();
        if (horizontal)
            sub->setGeometry(0, r.height() * i / n, r.width(), r.height() * (i + 1) / n - r.height() * i / n);
        else
            sub->setGeometry(r.width() * i / n, 0, r.width() * (i + 1) / n - r.width() * i / n, r.height());
    }
}

// Lines the minimized children up along the bottom of the area.
void arrangeIcons(QMdiArea* area)
{
    int x = 0;
    int bottom = area->viewport()->height();
    for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
        if (!sub->isVisible() || !sub->isMinimized())
            continue;
        sub->move(x, bottom - sub->height());
        x += sub->width();
    }
}

QMdiSubWindow* subOf(WPARAM hChild)
{
    CWnd* w = CWnd::FromHandle(reinterpret_cast<HWND>(hChild));
    return w ? dynamic_cast<QMdiSubWindow*>(w->GetQWidget()) : nullptr;
}

LRESULT windowCommand(QMdiArea* area, UINT nID, bool& handled)
{
    handled = true;
    switch (nID) {
    case ID_WINDOW_ARRANGE:
        arrangeIcons(area);
        return 1;
    case ID_WINDOW_CASCADE:
        area->cascadeSubWindows();
        return 1;
    case ID_WINDOW_TILE_HORZ:
        tile(area, true);
        return 1;
    case ID_WINDOW_TILE_VERT:
        tile(area, false);
        return 1;
    default:
        handled = false;
        return 0;
    }
}

LRESULT mdiProc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam, bool& handled)
{
    auto* area = dynamic_cast<QMdiArea*>(pWnd->GetQWidget());
    handled = area != nullptr;
    if (!area)
        return 0;
    switch (message) {
    case WM_COMMAND:
        return windowCommand(area, LOWORD(wParam), handled);
    case WM_MDIACTIVATE:
        if (QMdiSubWindow* sub = subOf(wParam)) {
            if (sub->isHidden())
                sub->show();
            area->setActiveSubWindow(sub);
        }
        return 0;
    case WM_MDIGETACTIVE: {
        QMdiSubWindow* sub = area->currentSubWindow();
        if (lParam)
            *reinterpret_cast<BOOL*>(lParam) = sub && sub->isMaximized();
        return (LRESULT)handleOf(sub);
    }
    case WM_MDICASCADE:
        area->cascadeSubWindows();
        return 1;
    case WM_MDITILE:
        tile(area, (wParam & MDITILE_HORIZONTAL) != 0);
        return 1;
    case WM_MDIICONARRANGE:
        arrangeIcons(area);
        return 0;
    case WM_MDINEXT:
        if (lParam)
            area->activatePreviousSubWindow();
        else
            area->activateNextSubWindow();
        return 0;
    case WM_MDIMAXIMIZE:
        if (QMdiSubWindow* sub = subOf(wParam))
            sub->showMaximized();
        return 0;
    case WM_MDIRESTORE:
        if (QMdiSubWindow* sub = subOf(wParam))
            sub->showNormal();
        return 0;
    case WM_MDIDESTROY:
        if (CWnd* child = CWnd::FromHandle(reinterpret_cast<HWND>(wParam)))
            child->DestroyWindow();
        return 0;
    default:
        handled = false;
        return 0;
    }
}

QWidget* createArea(const AfxControlCreate& cc)
{
    auto* area = new MdiArea(cc.parent);
    area->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    return area;
}

void connectArea(QWidget* widget, HWND)
{
    auto* area = static_cast<MdiArea*>(widget);
    QObject::connect(area, &QMdiArea::subWindowActivated, area,
                     [area](QMdiSubWindow* sub) { activeChanged(area, sub); });
}

} // namespace

void AfxRegisterMdiClientClass()
{
    AfxControlClass cls = {};
    cls.name = "MDIClient";
    cls.create = createArea;
    cls.makeWrapper = [] { return new CWnd; };
    cls.proc = mdiProc;
    cls.connect = connectArea;
    AfxRegisterControlClass(cls);
}
