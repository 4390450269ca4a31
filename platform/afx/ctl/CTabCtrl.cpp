#include "ctl/CTabCtrl.h"
#include "wnd/AfxControlClass.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QFrame>
#include <QSignalBlocker>
#include <QTabBar>
#include <cstring>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {

class Tabs : public QWidget {
public:
    explicit Tabs(QWidget* parent) : QWidget(parent)
    {
        frame = new QFrame(this);
        frame->setFrameShape(QFrame::StyledPanel);
        bar = new QTabBar(this);
        bar->setDrawBase(false);
        bar->setExpanding(false);
    }
    int barHeight() const { return bar->sizeHint().height(); }
    void place()
    {
        int h = barHeight();
        bar->setGeometry(0, 0, width(), h);
        frame->setGeometry(0, h - 1, width(), height() - h + 1);
    }
    QTabBar* bar;
    QFrame* frame;
    int last = -1;

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
};

Tabs* tabs(const CWnd* w) { return dynamic_cast<Tabs*>(w->GetQWidget()); }

QWidget* create(const AfxControlCreate& cc)
{
    auto* t = new Tabs(cc.parent);
    t->setGeometry(cc.rect);
    t->place();
    t->setFocusPolicy(Qt::NoFocus);
    t->bar->setFocusPolicy(cc.style & WS_TABSTOP ? Qt::StrongFocus : Qt::ClickFocus);
    return t;
}

LRESULT notify(HWND h, UINT code)
{
    NMHDR hdr = {};
    hdr.code = code;
    return AfxNotifyParentNM(h, &hdr);
}

// A tab the user picked: the old one comes back while TCN_SELCHANGING is asked.
void userChange(HWND h, Tabs* t, int index)
{
    int old = t->last;
    {
        QSignalBlocker block(t->bar);
        t->bar->setCurrentIndex(old);
    }
    if (old >= 0 && notify(h, TCN_SELCHANGING))
        return;
    {
        QSignalBlocker block(t->bar);
        t->bar->setCurrentIndex(index);
    }
    t->last = index;
    notify(h, TCN_SELCHANGE);
}

void connect(QWidget* w, HWND h)
{
    auto* t = static_cast<Tabs*>(w);
    QObject::connect(t->bar, &QTabBar::currentChanged, t, [h, t](int index) { userChange(h, t, index); });
}

LRESULT proc(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM, bool& handled)
{
    auto* ctl = static_cast<CTabCtrl*>(pWnd);
    handled = true;
    switch (message) {
    case TCM_GETCURSEL: return ctl->GetCurSel();
    case TCM_SETCURSEL: return ctl->SetCurSel((int)wParam);
    case WM_GETDLGCODE: return DLGC_WANTARROWS;
    }
    handled = false;
    return 0;
}

} // namespace

void AfxRegisterTabClass()
{
    AfxRegisterControlClass({ "SysTabControl32", &create, [] { return static_cast<CWnd*>(new CTabCtrl); }, &proc, &connect });
}

void AfxTabUserChoice(CTabCtrl* pTab, int nItem)
{
    if (Tabs* t = tabs(pTab))
        t->bar->setCurrentIndex(nItem);
}

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("SysTabControl32", nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    Tabs* t = tabs(this);
    if (!t)
        return -1;
    QSignalBlocker block(t->bar);
    int at = t->bar->insertTab(nItem, AfxQ(lpszItem));
    t->last = t->bar->currentIndex();
    return at;
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem)
{
    LONG at = InsertItem(nItem, (pTabCtrlItem->mask & TCIF_TEXT) ? pTabCtrlItem->pszText : "");
    if (Tabs* t = tabs(this); t && at >= 0 && (pTabCtrlItem->mask & TCIF_PARAM))
        t->bar->setTabData(at, QVariant((qlonglong)pTabCtrlItem->lParam));
    return at;
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    Tabs* t = tabs(this);
    if (!t || nItem < 0 || nItem >= t->bar->count())
        return FALSE;
    QSignalBlocker block(t->bar);
    t->bar->removeTab(nItem);
    t->last = t->bar->currentIndex();
    return TRUE;
}

BOOL CTabCtrl::DeleteAllItems()
{
    Tabs* t = tabs(this);
    if (!t)
        return FALSE;
    QSignalBlocker block(t->bar);
    while (t->bar->count())
        t->bar->removeTab(0);
    t->last = -1;
    return TRUE;
}

int CTabCtrl::GetItemCount() const
{
    Tabs* t = tabs(this);
    return t ? t->bar->count() : 0;
}

int CTabCtrl::GetCurSel() const
{
    Tabs* t = tabs(this);
    return t ? t->bar->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int nItem)
{
    Tabs* t = tabs(this);
    if (!t || nItem < 0 || nItem >= t->bar->count())
        return -1;
    int old = t->bar->currentIndex();
    QSignalBlocker block(t->bar);
    t->bar->setCurrentIndex(nItem);
    t->last = nItem;
    return old;
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const
{
    Tabs* t = tabs(this);
    if (!t || nItem < 0 || nItem >= t->bar->count())
        return FALSE;
    if ((pTabCtrlItem->mask & TCIF_TEXT) && pTabCtrlItem->pszText && pTabCtrlItem->cchTextMax > 0)
        AfxCopyText(pTabCtrlItem->pszText, (UINT)pTabCtrlItem->cchTextMax, CString(t->bar->tabText(nItem)));
    if (pTabCtrlItem->mask & TCIF_PARAM)
        pTabCtrlItem->lParam = (LPARAM)t->bar->tabData(nItem).toLongLong();
    return TRUE;
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    Tabs* t = tabs(this);
    if (!t || nItem < 0 || nItem >= t->bar->count())
        return FALSE;
    QRect r = t->bar->tabRect(nItem);
    *lpRect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    return TRUE;
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    Tabs* t = tabs(this);
    int h = t ? t->barHeight() : 0;
    int d = bLarger ? -1 : 1;
    lpRect->left += 2 * d;
    lpRect->right -= 2 * d;
    lpRect->top += (h + 2) * d;
    lpRect->bottom -= 2 * d;
}
