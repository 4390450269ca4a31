// CWnd: rectangles, moving, painting and the message box of a window.
#include "dlg/AfxMessageBox.h"
#include "gdi/AfxGdi.h"
#include "wnd/CWnd.h"
#include "wnd/WndHandleTable.h"
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

namespace {

QRect toQ(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }

void fromQ(const QRect& q, LPRECT r)
{
    r->left = q.left();
    r->top = q.top();
    r->right = q.left() + q.width();
    r->bottom = q.top() + q.height();
}

} // namespace

void CWnd::GetClientRect(LPRECT lpRect) const
{
    QWidget* w = m_widget;
    fromQ(w ? QRect(QPoint(0, 0), w->size()) : QRect(), lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    QWidget* w = m_widget;
    if (!w) {
        fromQ(QRect(), lpRect);
        return;
    }
    if (w->isWindow()) {
        fromQ(w->frameGeometry(), lpRect);
        return;
    }
    fromQ(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()), lpRect);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    QWidget* w = m_widget;
    if (!w)
        return;
    if (w->isWindow()) {
        w->move(x, y);
        w->resize(qMax(nWidth, 0), qMax(nHeight, 0));
    } else {
        w->setGeometry(x, y, qMax(nWidth, 0), qMax(nHeight, 0));
    }
    if (bRepaint)
        w->update();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    QWidget* w = m_widget;
    if (!w)
        return FALSE;
    QRect r = w->isWindow() ? w->frameGeometry() : w->geometry();
    if (!(nFlags & SWP_NOMOVE))
        r.moveTo(x, y);
    if (!(nFlags & SWP_NOSIZE))
        r.setSize(QSize(qMax(cx, 0), qMax(cy, 0)));
    MoveWindow(r.x(), r.y(), r.width(), r.height(), !(nFlags & SWP_NOREDRAW));
    if (!(nFlags & SWP_NOZORDER)) {
        if (pWndInsertAfter == &wndBottom)
            w->lower();
        else if (pWndInsertAfter == &wndTop || pWndInsertAfter == &wndTopMost || pWndInsertAfter == nullptr)
            w->raise();
        else if (pWndInsertAfter && pWndInsertAfter->GetQWidget() && pWndInsertAfter != &wndNoTopMost)
            w->stackUnder(pWndInsertAfter->GetQWidget());
    }
    if (nFlags & SWP_SHOWWINDOW)
        ShowWindow(SW_SHOW);
    if (nFlags & SWP_HIDEWINDOW)
        ShowWindow(SW_HIDE);
    return TRUE;
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    if (!m_widget)
        return;
    QPoint p = m_widget->mapToGlobal(QPoint(lpPoint->x, lpPoint->y));
    lpPoint->x = p.x();
    lpPoint->y = p.y();
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    if (!m_widget)
        return;
    fromQ(QRect(m_widget->mapToGlobal(toQ(*lpRect).topLeft()), toQ(*lpRect).size()), lpRect);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    if (!m_widget)
        return;
    QPoint p = m_widget->mapFromGlobal(QPoint(lpPoint->x, lpPoint->y));
    lpPoint->x = p.x();
    lpPoint->y = p.y();
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    if (!m_widget)
        return;
    fromQ(QRect(m_widget->mapFromGlobal(toQ(*lpRect).topLeft()), toQ(*lpRect).size()), lpRect);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    QWidget* w = m_widget;
    if (!w)
        return;
    QWidget* owner = pAlternateOwner ? pAlternateOwner->GetQWidget() : w->parentWidget();
    QRect area;
    if (owner && owner->isVisible())
        area = QRect(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    else if (QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    QRect r = w->frameGeometry();
    r.moveCenter(area.center());
    if (w->isWindow())
        w->move(r.topLeft());
    else
        w->move(w->parentWidget()->mapFromGlobal(r.topLeft()));
}

void CWnd::Invalidate(BOOL)
{
    if (m_widget)
        m_widget->update();
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL)
{
    if (!m_widget)
        return;
    if (lpRect)
        m_widget->update(toQ(*lpRect));
    else
        m_widget->update();
}

void CWnd::UpdateWindow()
{
    if (m_widget && m_widget->isVisible())
        m_widget->repaint();
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, void*, UINT flags)
{
    if (!m_widget)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(lpRectUpdate, flags & RDW_ERASE);
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

void CWnd::SetRedraw(BOOL bRedraw)
{
    if (m_widget)
        m_widget->setUpdatesEnabled(bRedraw != FALSE);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    if (!m_widget || !pFont)
        return;
    m_widget->setFont(AfxQFont((HFONT)pFont->m_hObject));
    if (bRedraw)
        m_widget->update();
}

CFont* CWnd::GetFont() const
{
    if (!m_widget)
        return nullptr;
    return CFont::FromHandle(AfxFontHandle(m_widget->font()));
}

const CWnd CWnd::wndTop;
const CWnd CWnd::wndBottom;
const CWnd CWnd::wndTopMost;
const CWnd CWnd::wndNoTopMost;

HICON CWnd::SetIcon(HICON hIcon, BOOL)
{
    HICON old = GetIcon(TRUE);
    if (m_widget)
        m_widget->setWindowIcon(QIcon(AfxQPixmap(hIcon)));
    m_hIcon = hIcon;
    return old;
}

HICON CWnd::GetIcon(BOOL) const { return m_hIcon; }

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    return AfxMessageBoxFor(this, lpszText, lpszCaption, nType);
}
