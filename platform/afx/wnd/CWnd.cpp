// CWnd: creation, destruction and the message path.
#include "wnd/CWnd.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CCmdUI.h"
#include "wnd/MessagePump.h"
#include "wnd/NativeWindowProc.h"
#include "wnd/WndHandleTable.h"
#include <QApplication>
#include <QTimer>
#include <QWidget>

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    WndRecord* rec = m_hWnd ? WndHandleTable::find(m_hWnd) : nullptr;
    if (!rec)
        return;
    QWidget* widget = m_widget;
    bool owns = m_bOwnsWidget;
    if (rec->wnd == this)
        WndHandleTable::setWnd(rec, nullptr);
    AfxWndAccess::unbind(this);
    if (owns && widget)
        delete widget;
}

HWND CWnd::GetSafeHwnd() const
{
    const CWnd* self = this;
    asm("" : "+r"(self));  // modules call it on a null pointer
    return self ? self->m_hWnd : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    WndRecord* rec = WndHandleTable::findLive(hWnd);
    return rec ? rec->wnd : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) { return FromHandle(hWnd); }

CWnd* CWnd::FromQWidget(const QWidget* widget)
{
    WndRecord* rec = widget ? WndHandleTable::findWidget(widget) : nullptr;
    return rec && !rec->closing ? rec->wnd : nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, void*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, nullptr);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CRect rect(x, y, x + nWidth, y + nHeight);
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect, FromHandle(hWndParent),
                    (UINT)(UINT_PTR)nIDorHMenu, lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    AfxInstallMessagePump();
    CREATESTRUCT cs = {};
    cs.lpCreateParams = lpParam;
    cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    cs.hMenu = (HMENU)(UINT_PTR)nID;
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.style = (LONG)dwStyle;
    cs.dwExStyle = dwExStyle;
    cs.lpszName = lpszWindowName;
    cs.lpszClass = lpszClassName;
    if (!PreCreateWindow(cs))
        return FALSE;
    QWidget* parentWidget = pParentWnd ? pParentWnd->GetQWidget() : nullptr;
    QWidget* widget = CreateWidget(cs, parentWidget);
    if (!widget)
        return FALSE;
    const AfxControlClass* cls = cs.lpszClass ? AfxFindControlClass(cs.lpszClass) : nullptr;
    HWND h = WndHandleTable::add(widget, this, nullptr, cls, (DWORD)cs.style, cs.dwExStyle, (int)(UINT_PTR)cs.hMenu);
    m_bOwnsWidget = TRUE;
    if (cls && cls->connect)
        cls->connect(widget, h);
    if (SendMessage(WM_CREATE, 0, (LPARAM)&cs) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (cs.style & WS_VISIBLE)
        widget->show();
    return TRUE;
}

QWidget* CWnd::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    if (const AfxControlClass* cls = cs.lpszClass ? AfxFindControlClass(cs.lpszClass) : nullptr) {
        AfxControlCreate cc;
        cc.text = cs.lpszName ? cs.lpszName : "";
        cc.id = (UINT)(UINT_PTR)cs.hMenu;
        cc.style = (DWORD)cs.style;
        cc.exStyle = cs.dwExStyle;
        cc.rect = QRect(cs.x, cs.y, cs.cx, cs.cy);
        cc.parent = pParentWidget;
        return cls->create(cc);
    }
    bool child = (cs.style & WS_CHILD) && pParentWidget;
    QWidget* w = new QWidget(pParentWidget, child ? Qt::Widget : Qt::Window);
    w->setGeometry(cs.x, cs.y, qMax(cs.cx, 0), qMax(cs.cy, 0));
    if (cs.lpszName)
        w->setWindowTitle(AfxQ(cs.lpszName));
    return w;
}

BOOL CWnd::AttachWidget(QWidget* widget, LPCTSTR lpszClassName, DWORD dwStyle, UINT nID)
{
    AfxInstallMessagePump();
    if (!widget || m_hWnd)
        return FALSE;
    const AfxControlClass* cls = lpszClassName ? AfxFindControlClass(lpszClassName) : nullptr;
    HWND h = WndHandleTable::add(widget, this, nullptr, cls, dwStyle, 0, (int)nID);
    m_bOwnsWidget = TRUE;
    if (cls && cls->connect)
        cls->connect(widget, h);
    return TRUE;
}

namespace {

void destroyTree(WndRecord* rec)
{
    if (rec->closing)
        return;
    if (rec->wnd)
        AfxCallWndProc(rec->wnd, rec->hwnd, WM_DESTROY, 0, 0);
    WndHandleTable::markClosing(rec);
    for (QTimer* t : rec->timers)
        t->stop();
    if (!rec->widget)
        return;
    const auto children = rec->widget->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (WndRecord* c = WndHandleTable::findWidget(child))
            destroyTree(c);
    }
}

} // namespace

BOOL CWnd::DestroyWindow()
{
    WndRecord* rec = m_hWnd ? WndHandleTable::find(m_hWnd) : nullptr;
    if (!rec || !rec->widget)
        return FALSE;
    if (rec->closing)
        return TRUE;
    QPointer<QWidget> widget = rec->widget;
    destroyTree(rec);
    // The widget (and this object, for a self-deleting window) goes once the
    // message being handled has returned.
    if (widget) {
        widget->hide();
        widget->deleteLater();
    }
    return TRUE;
}

BOOL CWnd::Attach(HWND hWndNew)
{
    WndRecord* rec = WndHandleTable::findLive(hWndNew);
    if (!rec || m_hWnd)
        return FALSE;
    WndHandleTable::setWnd(rec, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND h = m_hWnd;
    WndRecord* rec = h ? WndHandleTable::find(h) : nullptr;
    if (rec && rec->wnd == this)
        WndHandleTable::setWnd(rec, nullptr);
    AfxWndAccess::unbind(this);
    m_bOwnsWidget = FALSE;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) { return Attach(hWnd); }

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND h = nullptr;
    if (pParent)
        pParent->GetDlgItem((int)nID, &h);
    return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

void CWnd::PostNcDestroy() {}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxCallWndProc(this, m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return AfxPostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* item = GetDlgItem(nID);
    return item ? item->SendMessage(message, wParam, lParam) : 0;
}

const MSG* CWnd::GetCurrentMessage() { return AfxCurrentMessage(); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
        return hdr && OnNotify(wParam, lParam, pResult);
    }
    UINT lookup = message;
    void* extra = nullptr;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        lookup = WM_CTLCOLOR;
        extra = reinterpret_cast<void*>((UINT_PTR)(message - WM_CTLCOLORMSGBOX));
    }
    const AFX_MSGMAP_ENTRY* e = FindMessageEntry(lookup, 0, 0);
    if (!e)
        return FALSE;
    AFX_MSGCALL call;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    call.pExtra = extra;
    e->pfn(this, call);
    lResult = call.lResult;
    *pResult = lResult;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled = false;
    LRESULT r = AfxNativeWindowProc(this, message, wParam, lParam, handled);
    if (!handled)
        AfxRequestQtDefault(message);
    return r;
}

LRESULT CWnd::Default()
{
    const MSG* m = AfxCurrentMessage();
    return m ? DefWindowProc(m->message, m->wParam, m->lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!hWndCtrl) {
        // A menu command, an accelerator or a posted command: a command that
        // its update handler disables does not run.
        if (nID == 0)
            return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, (int)CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
    if (ReflectLastMsg(hdr->hwndFrom, pResult))
        return TRUE;
    AFX_NOTIFY notify = { pResult, hdr };
    return OnCmdMsg((UINT)hdr->idFrom, MAKELONG(hdr->code, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND)
        return OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr);
    if (message == WM_NOTIFY) {
        NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
        LRESULT dummy = 0;
        AFX_NOTIFY notify = { pResult ? pResult : &dummy, hdr };
        return OnCmdMsg(0, MAKELONG(hdr->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, nullptr);
    }
    return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* child = FromHandle(hWndChild);
    const MSG* m = AfxCurrentMessage();
    if (!child || !m)
        return FALSE;
    return child->OnChildNotify(m->message, m->wParam, m->lParam, pResult);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    // The walk stays inside the window of the message: a key in a modal
    // dialog is not offered to the view that opened it.
    for (HWND h = pMsg->hwnd; h;) {
        WndRecord* rec = WndHandleTable::findLive(h);
        if (!rec)
            break;
        if (rec->wnd && rec->wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (h == hWndStop || !rec->widget || rec->widget->isWindow())
            break;
        WndRecord* parent = WndHandleTable::findOwning(rec->widget->parentWidget());
        h = parent ? parent->hwnd : nullptr;
    }
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST)
        && (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*)
{
    WndRecord* rec = m_hWnd ? WndHandleTable::findLive(m_hWnd) : nullptr;
    if (!rec || !rec->widget)
        return 0;
    QTimer*& timer = rec->timers[nIDEvent];
    if (!timer) {
        timer = new QTimer(rec->widget);
        HWND h = m_hWnd;
        QObject::connect(timer, &QTimer::timeout, [h, nIDEvent] {
            if (CWnd* w = CWnd::FromHandle(h))
                AfxGuardedCall(w, [&] { AfxCallWndProc(w, h, WM_TIMER, nIDEvent, 0); });
        });
    }
    timer->start((int)nElapse);
    return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    WndRecord* rec = m_hWnd ? WndHandleTable::find(m_hWnd) : nullptr;
    if (!rec || !rec->timers.contains(nIDEvent))
        return FALSE;
    QTimer* timer = rec->timers.take(nIDEvent);
    timer->stop();
    timer->deleteLater();
    return TRUE;
}

// Default handlers: the window's own behaviour.
int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return (HCURSOR)Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
