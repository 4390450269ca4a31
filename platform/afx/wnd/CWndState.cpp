// CWnd: text, visibility, enabling, styles, focus and relations.
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CWnd.h"
#include "wnd/MessagePump.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QApplication>
#include <QThread>
#include <QWidget>
#include <cstring>

namespace {

WndRecord* recordOf(const CWnd* w) { return w->m_hWnd ? WndHandleTable::find(w->m_hWnd) : nullptr; }

CWnd* wndOf(const QWidget* w)
{
    WndRecord* rec = w ? WndHandleTable::findOwning(w) : nullptr;
    return rec && !rec->closing ? rec->wnd : nullptr;
}

void applyTabStop(QWidget* w, bool tabStop)
{
    if (w->focusPolicy() == Qt::NoFocus)
        return;
    w->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace

int CWnd::GetDlgCtrlID() const
{
    WndRecord* rec = recordOf(this);
    return rec ? rec->id : 0;
}

int CWnd::SetDlgCtrlID(int nID)
{
    WndRecord* rec = recordOf(this);
    if (!rec)
        return 0;
    int old = rec->id;
    rec->id = nID;
    return old;
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    if (m_widget)
        AfxSetWidgetText(m_widget, CString(lpszString ? lpszString : ""));
}

void CWnd::GetWindowText(CString& rString) const
{
    rString = m_widget ? AfxWidgetText(m_widget) : CString();
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    CString text;
    GetWindowText(text);
    if (!lpszStringBuf || nMaxCount <= 0)
        return 0;
    int n = (int)std::strlen(text);
    if (n >= nMaxCount)
        n = nMaxCount - 1;
    std::memcpy(lpszStringBuf, (const char*)text, n);
    lpszStringBuf[n] = 0;
    return n;
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    GetWindowText(text);
    return (int)std::strlen(text);
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
    QWidget* w = m_widget;
    if (!w)
        return FALSE;
    BOOL was = !w->isHidden();
    switch (nCmdShow) {
    case SW_HIDE:
        w->hide();
        break;
    case SW_SHOWMAXIMIZED:
        w->showMaximized();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        w->showMinimized();
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
        if (w->isWindow())
            w->showNormal();
        else
            w->show();
        break;
    default:
        w->show();
        break;
    }
    if (WndRecord* rec = recordOf(this))
        rec->style = nCmdShow == SW_HIDE ? rec->style & ~WS_VISIBLE : rec->style | WS_VISIBLE;
    return was;
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    QWidget* w = m_widget;
    if (!w)
        return FALSE;
    BOOL wasDisabled = !IsWindowEnabled();
    w->setEnabled(bEnable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const
{
    QWidget* w = m_widget;
    if (!w)
        return FALSE;
    return w->parentWidget() && !w->isWindow() ? w->isEnabledTo(w->parentWidget()) : w->isEnabled();
}

BOOL CWnd::IsWindowVisible() const { return m_widget && m_widget->isVisible(); }
BOOL CWnd::IsIconic() const { return m_widget && m_widget->isMinimized(); }
BOOL CWnd::IsZoomed() const { return m_widget && m_widget->isMaximized(); }

DWORD CWnd::GetStyle() const
{
    WndRecord* rec = recordOf(this);
    if (!rec || !m_widget)
        return 0;
    DWORD style = rec->style & ~(WS_VISIBLE | WS_DISABLED);
    if (!m_widget->isHidden())
        style |= WS_VISIBLE;
    if (!IsWindowEnabled())
        style |= WS_DISABLED;
    return style;
}

DWORD CWnd::GetExStyle() const
{
    WndRecord* rec = recordOf(this);
    return rec ? rec->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT)
{
    WndRecord* rec = recordOf(this);
    if (!rec || !m_widget)
        return FALSE;
    DWORD old = GetStyle();
    DWORD style = (old & ~dwRemove) | dwAdd;
    if (style == old)
        return FALSE;
    rec->style = style;
    if ((old ^ style) & WS_TABSTOP)
        applyTabStop(m_widget, style & WS_TABSTOP);
    if ((old ^ style) & WS_DISABLED)
        m_widget->setEnabled(!(style & WS_DISABLED));
    if ((old ^ style) & WS_VISIBLE)
        m_widget->setVisible(style & WS_VISIBLE);
    SendMessage(WM_STYLECHANGED, (WPARAM)-16, (LPARAM)old);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT)
{
    WndRecord* rec = recordOf(this);
    if (!rec)
        return FALSE;
    DWORD style = (rec->exStyle & ~dwRemove) | dwAdd;
    if (style == rec->exStyle)
        return FALSE;
    rec->exStyle = style;
    return TRUE;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() { return wndOf(QApplication::focusWidget()); }

CWnd* CWnd::GetParent() const
{
    QWidget* w = m_widget;
    return w ? wndOf(w->parentWidget()) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    CWnd* old = GetParent();
    QWidget* w = m_widget;
    if (w) {
        bool visible = !w->isHidden();
        w->setParent(pWndNewParent ? pWndNewParent->GetQWidget() : nullptr, w->windowFlags());
        w->setVisible(visible);
    }
    return old;
}

CWnd* CWnd::GetOwner() const { return GetParent(); }

CWnd* CWnd::GetTopLevelParent() const
{
    QWidget* w = m_widget;
    return w ? FromQWidget(w->window()) : nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    QWidget* me = m_widget;
    QWidget* other = pWnd ? pWnd->GetQWidget() : nullptr;
    return me && other && me != other && me->isAncestorOf(other);
}

BOOL CWnd::SetForegroundWindow()
{
    if (QWidget* w = m_widget ? m_widget->window() : nullptr) {
        w->raise();
        w->activateWindow();
    }
    return TRUE;
}

void CWnd::BringWindowToTop()
{
    if (m_widget)
        m_widget->raise();
}

CWnd* CWnd::SetActiveWindow()
{
    CWnd* previous = GetActiveWindow();
    if (QWidget* w = m_widget ? m_widget->window() : nullptr)
        w->activateWindow();
    return previous;
}

CWnd* CWnd::GetActiveWindow() { return FromQWidget(QApplication::activeWindow()); }
CWnd* CWnd::GetForegroundWindow() { return GetActiveWindow(); }

// The Windows API on handles.
BOOL IsWindow(HWND hWnd) { return hWnd && WndHandleTable::isLive(hWnd); }

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (qApp && QThread::currentThread() != qApp->thread()) {
        // The window table belongs to the interface thread: look up there.
        if (!IsWindow(hWnd))
            return 0;
        LRESULT result = 0;
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                CWnd* w = CWnd::FromHandle(hWnd);
                AfxGuardedCall(w, [&] { result = w ? w->SendMessage(message, wParam, lParam) : 0; });
            },
            Qt::BlockingQueuedConnection);
        return result;
    }
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxPostMessage(hWnd, message, wParam, lParam);
}

BOOL PeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    return AfxPeekMessage(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg);
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    CWnd* w = CWnd::FromHandle(hDlg);
    return w ? w->GetDlgItem(nIDDlgItem)->GetSafeHwnd() : nullptr;
}

int GetDlgCtrlID(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->GetDlgCtrlID() : 0;
}

HWND GetParent(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->GetParent()->GetSafeHwnd() : nullptr;
}

HWND GetFocus() { return CWnd::GetFocus()->GetSafeHwnd(); }

HWND SetFocus(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    HWND previous = ::GetFocus();
    if (w)
        w->SetFocus();
    return previous;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->ShowWindow(nCmdShow) : FALSE;
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->EnableWindow(bEnable) : FALSE;
}

BOOL IsWindowVisible(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->IsWindowVisible() : FALSE;
}

BOOL IsWindowEnabled(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->IsWindowEnabled() : FALSE;
}

BOOL DestroyWindow(HWND hWnd)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    return w ? w->DestroyWindow() : FALSE;
}

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString)
{
    CWnd* w = CWnd::FromHandle(hWnd);
    if (w)
        w->SetWindowText(lpString);
    return w != nullptr;
}
