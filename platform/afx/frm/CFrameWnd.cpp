// CFrameWnd: creation from resources, the client view, the title.
#include "frm/CFrameWnd.h"
#include "app/CWinApp.h"
#include "doc/CDocTemplate.h"
#include "doc/CDocument.h"
#include "doc/CView.h"
#include "frm/AfxFrameWidgets.h"
#include "frm/AfxWndClass.h"
#include "gdi/AfxGdi.h"
#include "menu/CMenu.h"
#include "menu/MenuTable.h"
#include "res/AfxResources.h"
#include "wnd/AfxControlClass.h"
#include "wnd/CCmdUI.h"
#include <QApplication>
#include <QScreen>
#include <QThread>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_DESTROY()
    ON_WM_INITMENU()
    ON_WM_INITMENUPOPUP()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace {

// The first field of a frame's string: its title.
CString titleOfResource(UINT nID, HINSTANCE hModule)
{
    CString full;
    if (!AfxLoadString(nID, full, hModule))
        return CString();
    int nl = full.Find('\n');
    return nl < 0 ? full : full.Left(nl);
}

HINSTANCE moduleOfContext(CCreateContext* pContext)
{
    return pContext && pContext->m_pNewDocTemplate ? pContext->m_pNewDocTemplate->GetResourceModule() : nullptr;
}

} // namespace

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    HINSTANCE hModule = moduleOfContext(pContext);
    m_strTitle = titleOfResource(nIDResource, hModule);
    if (!Create(nullptr, m_strTitle, dwDefaultStyle, rectDefault, pParentWnd, MAKEINTRESOURCE(nIDResource), 0L,
                pContext))
        return FALSE;
    if (!GetIcon(TRUE)) {
        if (HICON icon = LoadIcon(hModule ? hModule : AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), "ICON"),
                                  MAKEINTRESOURCE(nIDResource)))
            SetIcon(icon, TRUE);
    }
    if (!pContext)
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    // The name may be m_strTitle's own text (LoadFrame): copied first.
    const CString name(lpszWindowName ? lpszWindowName : "");
    m_strTitle = name;
    // The default rectangle becomes an empty one: the frame picks its size.
    CRect r = rect.left == CW_USEDEFAULT ? CRect(0, 0, 0, 0) : CRect(rect);
    if (lpszMenuName)
        m_hMenuDefault = AfxLoadFrameMenu(lpszMenuName, moduleOfContext(pContext));
    if (!CreateEx(dwExStyle, lpszClassName, name, dwStyle, r, pParentWnd, 0, pContext))
        return FALSE;
    ApplyMenu();
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!cs.lpszClass && !m_strClassName.IsEmpty())
        cs.lpszClass = m_strClassName;
    return TRUE;
}

QWidget* CFrameWnd::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    auto* w = new AfxMainWindow(pParentWidget, Qt::Window);
    if (cs.lpszName)
        w->setWindowTitle(AfxQ(cs.lpszName));
    if (cs.cx > 0 && cs.cy > 0 && cs.cx != CW_USEDEFAULT) {
        w->resize(cs.cx, cs.cy);
        if (cs.x != CW_USEDEFAULT)
            w->move(cs.x, cs.y);
    } else if (QScreen* screen = QApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        w->resize(area.width() * 3 / 4, area.height() * 3 / 4);
    }
    if (cs.style & WS_MAXIMIZE)
        w->setWindowState(Qt::WindowMaximized);
    m_strClassName = cs.lpszClass && !IS_INTRESOURCE(cs.lpszClass) ? CString(cs.lpszClass) : CString();
    if (const WNDCLASS* wc = AfxFindWndClass(m_strClassName)) {
        if (wc->hIcon)
            w->setWindowIcon(QIcon(AfxQPixmap(wc->hIcon)));
    }
    return w;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    return OnCreateHelper(lpCreateStruct, pContext);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    if (!OnCreateClient(lpcs, pContext))
        return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext && pContext->m_pNewViewClass)
        return CreateView(pContext, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    auto* pView = dynamic_cast<CWnd*>(object);
    if (!pView) {
        qWarning("CreateView: %s is not a window class", pContext->m_pNewViewClass->m_lpszClassName);
        delete object;
        return nullptr;
    }
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) {
        // A view whose window was made goes with it; one without is ours.
        if (!pView->m_hWnd)
            delete pView;
        return nullptr;
    }
    return pView;
}

AfxClientHost* CFrameWnd::GetClientHost() const { return AfxClientHostOf(GetQWidget()); }

void CFrameWnd::RecalcLayout(BOOL)
{
    // The main window lays out its bars and its client itself.
    if (QWidget* w = GetQWidget())
        w->updateGeometry();
}


void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CDocument* pDoc = GetActiveDocument();
    if (bAddToTitle && pDoc)
        UpdateFrameTitleForDocument(pDoc->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

CString CFrameWnd::NumberedTitle(LPCTSTR lpszDocName) const
{
    CString title(lpszDocName ? lpszDocName : "");
    if (m_nWindow > 0)
        title += CString(QStringLiteral(":%1").arg(m_nWindow));
    return title;
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString title = m_strTitle;
    if (lpszDocName && *lpszDocName) {
        if (GetStyle() & FWS_PREFIXTITLE)
            title = NumberedTitle(lpszDocName) + " - " + m_strTitle;
        else
            title += " - " + NumberedTitle(lpszDocName);
    }
    CString current;
    GetWindowText(current);
    if (current != title)
        SetWindowText(title);
}

void CFrameWnd::OnDestroy()
{
    if (m_pViewActive) {
        m_pViewActive = nullptr;
    }
    CWnd::OnDestroy();
}

void CFrameWnd::PostNcDestroy()
{
    // The main window's end is the program's end.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        if (qApp && QThread::currentThread()->loopLevel() > 0)
            PostQuitMessage(0);
    }
    delete this;
}

CFrameWnd* AfxParentFrameOf(const CWnd* pWnd)
{
    for (CWnd* w = pWnd ? pWnd->GetParent() : nullptr; w; w = w->GetParent()) {
        if (auto* frame = dynamic_cast<CFrameWnd*>(w))
            return frame;
    }
    return nullptr;
}
