#include "frm/CMDIChildWnd.h"
#include "app/CWinApp.h"
#include "doc/CDocTemplate.h"
#include "doc/CDocument.h"
#include "doc/CScrollView.h"
#include "doc/CView.h"
#include "frm/AfxFrameWidgets.h"
#include "frm/CMDIFrameWnd.h"
#include "gdi/AfxGdi.h"
#include "wnd/AfxControlClass.h"
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

namespace {

// Marks a child frame that was given no size of its own.
constexpr char kDefaultSize[] = "afxDefaultSize";

// A child frame of the default size grows, when it first shows, until its
// form is seen whole, as far as the MDI area allows. The forms were drawn for
// a smaller dialog font than the one here; at the default two thirds of the
// area the bookkeeper would otherwise meet a scroll bar and cut columns.
void FitDefaultFrameToForm(CMDIChildWnd* child, QMdiArea* area)
{
    auto* sub = dynamic_cast<QMdiSubWindow*>(child->GetQWidget());
    auto* view = dynamic_cast<CScrollView*>(child->GetActiveView());
    if (!sub || !view || !area || !sub->property(kDefaultSize).toBool())
        return;
    sub->setProperty(kDefaultSize, false);
    const CSize total = view->GetTotalSize();
    const QSize client = AfxFrameClientSize(sub);
    const QSize wanted = client.expandedTo(QSize(total.cx, total.cy));
    if (wanted == client)
        return;
    const QSize room = area->viewport()->size();
    QSize outer = (sub->size() + (wanted - client)).boundedTo(room);
    sub->resize(outer);
    // Kept inside the area: a cascaded child moves back as far as it grew.
    QPoint at = sub->pos();
    at.setX(qMax(0, qMin(at.x(), room.width() - outer.width())));
    at.setY(qMax(0, qMin(at.y(), room.height() - outer.height())));
    sub->move(at);
}

} // namespace

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    HINSTANCE hModule = pContext && pContext->m_pNewDocTemplate ? pContext->m_pNewDocTemplate->GetResourceModule()
                                                                  : nullptr;
    CString full;
    m_strTitle.Empty();
    if (AfxLoadString(nIDResource, full, hModule))
        AfxExtractSubString(m_strTitle, full, 0, '\n');
    auto* parent = dynamic_cast<CMDIFrameWnd*>(pParentWnd ? pParentWnd : AfxGetMainWnd());
    if (!parent) {
        qWarning("an MDI child frame needs the MDI frame as the main window");
        return FALSE;
    }
    if (!Create(nullptr, m_strTitle, dwDefaultStyle & ~WS_VISIBLE, rectDefault, parent, pContext))
        return FALSE;
    // The template's own icon, else the program's window's (the workplace's).
    HINSTANCE iconModule = hModule ? hModule : AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), "ICON");
    HICON icon = iconModule ? LoadIcon(iconModule, MAKEINTRESOURCE(nIDResource)) : nullptr;
    if (!icon)
        icon = parent->GetIcon(TRUE);
    if (icon)
        SetIcon(icon, TRUE);
    return TRUE;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (!pParentWnd)
        pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (!pParentWnd)
        return FALSE;
    const CString name(lpszWindowName ? lpszWindowName : "");  // may be m_strTitle's own text
    m_strTitle = name;
    CRect r = rect.left == CW_USEDEFAULT ? CRect(0, 0, 0, 0) : CRect(rect);
    return CreateEx(0, lpszClassName, name, dwStyle | WS_CHILD, r, pParentWnd, 0, pContext);
}

QWidget* CMDIChildWnd::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    auto* mdi = dynamic_cast<CMDIFrameWnd*>(CWnd::FromQWidget(pParentWidget));
    QMdiArea* area = mdi ? mdi->GetMdiArea() : nullptr;
    if (!area)
        return nullptr;
    auto* sub = new AfxMdiSubWindow(nullptr);
    area->addSubWindow(sub);
    // Our objects decide when the window goes, not the close button.
    sub->setAttribute(Qt::WA_DeleteOnClose, false);
    sub->hide();
    if (cs.lpszName)
        sub->setWindowTitle(AfxQ(cs.lpszName));
    QSize areaSize = area->viewport()->size();
    if (cs.cx > 0 && cs.cy > 0 && cs.cx != CW_USEDEFAULT) {
        sub->resize(cs.cx, cs.cy);
    } else {
        sub->resize(qMax(areaSize.width() * 2 / 3, 200), qMax(areaSize.height() * 2 / 3, 150));
        sub->setProperty(kDefaultSize, true);
    }
    // The program's caption names a maximized child itself ("... - [form]"),
    // so the frame's own title drops the form's name then and takes it back
    // when the child is restored.
    QObject::connect(sub, &QMdiSubWindow::windowStateChanged, sub,
                     [sub](Qt::WindowStates before, Qt::WindowStates now) {
                         if (!((before ^ now) & Qt::WindowMaximized))
                             return;
                         auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromQWidget(sub));
                         if (CMDIFrameWnd* mdi = child ? child->GetMDIFrame() : nullptr)
                             mdi->OnUpdateFrameTitle(TRUE);
                     });
    if (cs.x != CW_USEDEFAULT && (cs.x != 0 || cs.y != 0)) {
        sub->move(cs.x, cs.y);
    } else {
        // Cascaded below the children already shown.
        int step = sub->contentsMargins().top();
        int shown = 0;
        for (QMdiSubWindow* other : area->subWindowList())
            shown += other != sub && other->isVisible();
        int x = (shown * step) % qMax(areaSize.width() - sub->width(), step);
        int y = (shown * step) % qMax(areaSize.height() - sub->height(), step);
        sub->move(x, y);
    }
    if (cs.style & WS_MAXIMIZE)
        sub->setWindowState(Qt::WindowMaximized);
    return sub;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    // The MDI client is this frame's parent, the MDI frame the client's.
    CWnd* client = GetParent();
    return client ? dynamic_cast<CMDIFrameWnd*>(client->GetParent()) : nullptr;
}

void CMDIChildWnd::MDIDestroy()
{
    if (CMDIFrameWnd* mdi = GetMDIFrame())
        ::SendMessage(mdi->m_hWndMDIClient, WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
    else
        DestroyWindow();
}

void CMDIChildWnd::MDIActivate()
{
    if (CMDIFrameWnd* mdi = GetMDIFrame())
        mdi->MDIActivate(this);
}
void CMDIChildWnd::MDIMaximize()
{
    if (CMDIFrameWnd* mdi = GetMDIFrame())
        mdi->MDIMaximize(this);
}
void CMDIChildWnd::MDIRestore()
{
    if (CMDIFrameWnd* mdi = GetMDIFrame())
        mdi->MDIRestore(this);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    CMDIFrameWnd* mdi = GetMDIFrame();
    BOOL maximized = FALSE;
    CMDIChildWnd* active = mdi ? mdi->MDIGetActive(&maximized) : nullptr;
    if (nCmdShow == -1 && !IsWindowVisible()) {
        // A new child follows a maximized active one.
        nCmdShow = (maximized && active != this) || (GetStyle() & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW;
        FitDefaultFrameToForm(this, mdi ? mdi->GetMdiArea() : nullptr);
    }
    if (nCmdShow != -1)
        ShowWindow(nCmdShow);
    if (mdi)
        mdi->MDIActivate(this);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    CMDIFrameWnd* mdi = GetMDIFrame();
    auto* sub = dynamic_cast<QMdiSubWindow*>(GetQWidget());
    BOOL done = CFrameWnd::DestroyWindow();
    // Out of the MDI area at once: the next child becomes the active one.
    if (QMdiArea* area = mdi ? mdi->GetMdiArea() : nullptr) {
        if (sub && area->subWindowList().contains(sub))
            area->removeSubWindow(sub);
        mdi->OnUpdateFrameTitle(TRUE);
    }
    return done;
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (CMDIFrameWnd* mdi = GetMDIFrame())
        mdi->OnUpdateFrameTitle(bAddToTitle);
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    if (!bAddToTitle || !pDoc)
        return;
    CString title = NumberedTitle(pDoc->GetTitle());
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*)
{
    CView* view = GetActiveView();
    if (bActivate) {
        if (view)
            view->OnActivateView(TRUE, view, view);
        if (CMDIFrameWnd* mdi = GetMDIFrame())
            mdi->OnUpdateFrameTitle(TRUE);
    } else if (view) {
        view->OnActivateFrame(WA_INACTIVE, this);
        view->OnActivateView(FALSE, view, view);
    }
}
