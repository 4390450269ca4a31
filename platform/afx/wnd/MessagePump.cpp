#include "wnd/MessagePump.h"
#include "wnd/AfxDispatch.h"
#include "wnd/AfxKeys.h"
#include "wnd/WndHandleTable.h"
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMutex>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <deque>

namespace {

const QEvent::Type kPostedEvent = static_cast<QEvent::Type>(QEvent::registerEventType());
const QEvent::Type kDrainEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

struct Posted {
    MSG msg;
};

class Pump : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override;
    void customEvent(QEvent* e) override;

    QMutex mutex;
    std::deque<Posted> queue;
    AfxPreTranslateHook hook;
    int drainStage = 0;  // >0 while pending key events are being dropped
    QPointer<QWidget> lastFocus;

private:
    bool key(QWidget* w, QKeyEvent* e);
    void focusIn(QWidget* w);
    void focusOut(QWidget* w);
    bool windowEvent(WndRecord* rec, QEvent* e);
    bool mouse(WndRecord* rec, QMouseEvent* e);
};

Pump* g_pump = nullptr;

Pump* pump()
{
    AfxInstallMessagePump();
    return g_pump;
}

bool hasHandler(CWnd* wnd, UINT nMsg) { return wnd && wnd->FindMessageEntry(nMsg, 0, 0); }

// The control that a focus change concerns: the recorded widget owning w,
// unless that is the top-level window itself.
WndRecord* focusOwner(QWidget* w)
{
    return w ? WndHandleTable::findOwning(w) : nullptr;
}

bool Pump::eventFilter(QObject* o, QEvent* e)
{
    if (!o->isWidgetType())
        return false;
    QWidget* w = static_cast<QWidget*>(o);
    switch (e->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return key(w, static_cast<QKeyEvent*>(e));
    case QEvent::FocusIn:
        focusIn(w);
        return false;
    case QEvent::FocusOut:
        focusOut(w);
        return false;
    default:
        break;
    }
    WndRecord* rec = WndHandleTable::findWidget(w);
    return rec && rec->wnd ? windowEvent(rec, e) : false;
}

bool Pump::key(QWidget* w, QKeyEvent* e)
{
    // Only the first delivery: a key passed on to the parent is not seen again.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != w && w->isAncestorOf(focus))
        return false;
    if (drainStage > 0 && e->spontaneous())
        return true;
    WndRecord* rec = WndHandleTable::findOwning(w);
    if (!rec || !rec->wnd)
        return false;
    bool down = e->type() == QEvent::KeyPress;
    UINT vk = AfxVirtualKeyOf(e);
    AfxNoteKeyState(vk, down);
    LPARAM flags = 1 | (e->isAutoRepeat() ? (1 << 30) : 0) | (down ? 0 : (3u << 30));
    MSG msg = { rec->hwnd, down ? (UINT)WM_KEYDOWN : (UINT)WM_KEYUP, vk, flags, 0, { 0, 0 } };
    bool consumed = false;
    AfxGuardedCall(rec->wnd, [&] { consumed = AfxPreTranslateMessage(&msg); });
    if (consumed)
        return true;
    rec = WndHandleTable::findOwning(w);
    if (!rec || !rec->wnd)
        return true;
    if (!AfxDispatchQtEvent(rec->wnd, rec->hwnd, msg.message, vk, flags))
        return true;
    QString text = e->text();
    if (down && !text.isEmpty()) {
        rec = WndHandleTable::findOwning(w);
        if (rec && rec->wnd && !AfxDispatchQtEvent(rec->wnd, rec->hwnd, WM_CHAR, text.at(0).unicode(), flags))
            return true;
    }
    return false;
}

void Pump::focusIn(QWidget* w)
{
    WndRecord* rec = focusOwner(w);
    if (!rec || !rec->wnd)
        return;
    WndRecord* old = lastFocus ? focusOwner(lastFocus) : nullptr;
    lastFocus = w;
    if (old == rec)
        return;
    AfxDispatchQtEvent(rec->wnd, rec->hwnd, WM_SETFOCUS, (WPARAM)(old ? old->hwnd : nullptr), 0);
}

void Pump::focusOut(QWidget* w)
{
    WndRecord* rec = focusOwner(w);
    QWidget* now = QApplication::focusWidget();
    WndRecord* next = now && now != w ? focusOwner(now) : nullptr;
    if (!rec || !rec->wnd || next == rec)
        return;
    AfxDispatchQtEvent(rec->wnd, rec->hwnd, WM_KILLFOCUS, (WPARAM)(next ? next->hwnd : nullptr), 0);
}

bool Pump::windowEvent(WndRecord* rec, QEvent* e)
{
    CWnd* wnd = rec->wnd;
    switch (e->type()) {
    case QEvent::Resize: {
        QWidget* w = rec->widget;
        UINT kind = w->isMaximized() ? SIZE_MAXIMIZED : (w->isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED);
        QSize size = static_cast<QResizeEvent*>(e)->size();
        AfxDispatchQtEvent(wnd, rec->hwnd, WM_SIZE, kind, MAKELPARAM(size.width(), size.height()));
        return false;
    }
    case QEvent::Close:
        if (rec->widget->property("afx_ending").toBool())
            return false;
        e->ignore();
        AfxDispatchQtEvent(wnd, rec->hwnd, WM_CLOSE, 0, 0);
        return true;
    case QEvent::Paint:
        return hasHandler(wnd, WM_PAINT) && !AfxDispatchQtEvent(wnd, rec->hwnd, WM_PAINT, 0, 0);
    case QEvent::Show:
    case QEvent::Hide:
        if (hasHandler(wnd, WM_SHOWWINDOW))
            AfxDispatchQtEvent(wnd, rec->hwnd, WM_SHOWWINDOW, e->type() == QEvent::Show, 0);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return mouse(rec, static_cast<QMouseEvent*>(e));
    default:
        return false;
    }
}

bool Pump::mouse(WndRecord* rec, QMouseEvent* e)
{
    bool right = e->button() == Qt::RightButton;
    UINT nMsg = WM_MOUSEMOVE;
    if (e->type() == QEvent::MouseButtonPress)
        nMsg = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    else if (e->type() == QEvent::MouseButtonRelease)
        nMsg = right ? WM_RBUTTONUP : WM_LBUTTONUP;
    else if (e->type() == QEvent::MouseButtonDblClick)
        nMsg = right ? WM_RBUTTONDBLCLK : WM_LBUTTONDBLCLK;
    if (!hasHandler(rec->wnd, nMsg))
        return false;
    QPoint p = e->position().toPoint();
    WPARAM keys = (e->buttons() & Qt::LeftButton ? 0x0001 : 0) | (e->buttons() & Qt::RightButton ? 0x0002 : 0)
        | (e->modifiers() & Qt::ShiftModifier ? 0x0004 : 0) | (e->modifiers() & Qt::ControlModifier ? 0x0008 : 0);
    return !AfxDispatchQtEvent(rec->wnd, rec->hwnd, nMsg, keys, MAKELPARAM(p.x(), p.y()));
}

void Pump::customEvent(QEvent* e)
{
    if (e->type() == kDrainEvent) {
        // The second round comes after the window system's queued events.
        if (drainStage == 1) {
            drainStage = 2;
            QCoreApplication::postEvent(this, new QEvent(kDrainEvent));
        } else {
            drainStage = 0;
        }
        return;
    }
    if (e->type() != kPostedEvent)
        return;
    Posted p;
    {
        QMutexLocker lock(&mutex);
        if (queue.empty())
            return;  // taken by PeekMessage
        p = queue.front();
        queue.pop_front();
    }
    CWnd* wnd = CWnd::FromHandle(p.msg.hwnd);
    if (!wnd)
        return;
    AfxGuardedCall(wnd, [&] { AfxCallWndProc(wnd, p.msg.hwnd, p.msg.message, p.msg.wParam, p.msg.lParam); });
}

} // namespace

void AfxInstallMessagePump()
{
    if (g_pump || !qApp)
        return;
    g_pump = new Pump;
    g_pump->moveToThread(qApp->thread());
    qApp->installEventFilter(g_pump);
}

void AfxSetPreTranslateHook(AfxPreTranslateHook hook) { pump()->hook = std::move(hook); }

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    Pump* p = pump();
    if (p && p->hook)
        return p->hook(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

BOOL AfxPostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!g_pump || !WndHandleTable::isLive(hWnd))
        return FALSE;
    {
        QMutexLocker lock(&g_pump->mutex);
        g_pump->queue.push_back(Posted { MSG { hWnd, message, wParam, lParam, 0, { 0, 0 } } });
    }
    QCoreApplication::postEvent(g_pump, new QEvent(kPostedEvent));
    return TRUE;
}

BOOL AfxPeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMin, UINT wMax, UINT wRemoveMsg)
{
    Pump* p = g_pump;
    if (!p)
        return FALSE;
    bool all = wMin == 0 && wMax == 0;
    if ((wRemoveMsg & PM_REMOVE) && (all || (wMin <= WM_KEYLAST && wMax >= WM_KEYFIRST)) && p->drainStage == 0) {
        // Key events still queued by the window system are dropped until
        // the event loop has gone round twice.
        p->drainStage = 1;
        QCoreApplication::postEvent(p, new QEvent(kDrainEvent));
    }
    QMutexLocker lock(&p->mutex);
    for (auto it = p->queue.begin(); it != p->queue.end(); ++it) {
        const MSG& m = it->msg;
        if ((hWnd && m.hwnd != hWnd) || (!all && (m.message < wMin || m.message > wMax)))
            continue;
        if (lpMsg)
            *lpMsg = m;
        if (wRemoveMsg & PM_REMOVE)
            p->queue.erase(it);
        return TRUE;
    }
    return FALSE;
}

void AfxDeliverPostedMessages()
{
    if (g_pump)
        QCoreApplication::sendPostedEvents(g_pump, kPostedEvent);
}
