#include "doc/CView.h"
#include "doc/CDocument.h"
#include "gdi/AfxGdi.h"
#include "frm/AfxFrameWidgets.h"
#include "frm/CFrameWnd.h"
#include <QApplication>
#include <QWidget>

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_MESSAGE_VOID(WM_INITIALUPDATE, OnInitialUpdate)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

BOOL CView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, void* pContext)
{
    // The creation context reaches OnCreate, which joins the document.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID, pContext);
}

QWidget* CView::CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget)
{
    auto* frame = dynamic_cast<CFrameWnd*>(CWnd::FromQWidget(pParentWidget));
    AfxClientHost* host = frame ? frame->GetClientHost() : nullptr;
    auto* w = new QWidget(host ? static_cast<QWidget*>(host) : pParentWidget);
    w->setFocusPolicy(Qt::StrongFocus);
    if (host)
        host->setView(w);
    else
        w->setGeometry(cs.x, cs.y, qMax(cs.cx, 0), qMax(cs.cy, 0));
    return w;
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pCurrentDoc)
        pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy()
{
    CFrameWnd* frame = GetParentFrame();
    if (frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
    CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*)
{
    if (pSender != this)
        Invalidate(TRUE);
}

void CView::OnDraw(CDC*) {}

void CView::OnPaint()
{
    CPaintDC dc(this);
    OnDraw(&dc);
}

BOOL CView::IsTopParentActive() const
{
    QWidget* w = GetQWidget();
    return w && QApplication::activeWindow() == w->window();
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*)
{
    QWidget* w = GetQWidget();
    if (!bActivate || pActivateView != this || !w || !IsTopParentActive())
        return;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (focus != w && !w->isAncestorOf(focus)))
        SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CView::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    UINT nID = LOWORD(wParam);
    if (!lParam || nID == 0 || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    // A form's button that neither the view nor the document takes goes the
    // way of a menu command: the main frame (its active child first), then
    // the application.
    CFrameWnd* frame = GetTopLevelFrame();
    return frame && frame->OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) { return DoPreparePrinting(pInfo); }

BOOL CView::DoPreparePrinting(CPrintInfo*) { return FALSE; }

void CView::OnFilePrint()
{
    CPrintInfo info;
    info.m_bDirect = GetCurrentMessage() && LOWORD(GetCurrentMessage()->wParam) == ID_FILE_PRINT_DIRECT;
    OnPreparePrinting(&info);
}

void CView::OnFilePrintPreview()
{
    CPrintInfo info;
    info.m_bPreview = TRUE;
    OnPreparePrinting(&info);
}
