#include "frm/CMDIFrameWnd.h"
#include "doc/CDocument.h"
#include "frm/AfxFrameWidgets.h"
#include "frm/CMDIChildWnd.h"
#include "wnd/AfxControlClass.h"
#include "wnd/AfxDispatch.h"
#include "wnd/CCmdUI.h"
#include <QMdiArea>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND_EX_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) { return CreateClient(lpcs, nullptr); }

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu*)
{
    auto* main = dynamic_cast<AfxMainWindow*>(GetQWidget());
    const AfxControlClass* cls = AfxFindControlClass("MDIClient");
    if (!main || !cls)
        return FALSE;
    AfxControlCreate cc;
    cc.id = AFX_IDW_PANE_FIRST;
    cc.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    cc.parent = main;
    m_hWndMDIClient = AfxCreateControl(cls, cc, nullptr);
    CWnd* client = CWnd::FromHandle(m_hWndMDIClient);
    if (!client)
        return FALSE;
    main->setCentralWidget(client->GetQWidget());
    return TRUE;
}

QMdiArea* CMDIFrameWnd::GetMdiArea() const
{
    CWnd* client = CWnd::FromHandle(m_hWndMDIClient);
    return client ? dynamic_cast<QMdiArea*>(client->GetQWidget()) : nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL maximized = FALSE;
    HWND h = reinterpret_cast<HWND>(::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&maximized));
    auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(h));
    if (pbMaximized)
        *pbMaximized = child ? maximized : FALSE;
    return child;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDICascade() { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDICascade(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, (WPARAM)nType, 0); }
void CMDIFrameWnd::MDITile() { ::SendMessage(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessage(m_hWndMDIClient, WM_MDITILE, (WPARAM)nType, 0); }
void CMDIFrameWnd::MDIIconArrange() { ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMDIChildWnd* child = MDIGetActive()) {
        if (child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    }
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The active child sees a command first, as a message of its own.
    if (CMDIChildWnd* child = MDIGetActive()) {
        if (AfxCallWndProc(child, child->m_hWnd, WM_COMMAND, wParam, lParam) != 0)
            return TRUE;
    }
    return CFrameWnd::OnCommand(wParam, lParam);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    return ::SendMessage(m_hWndMDIClient, WM_COMMAND, nID, 0) != 0;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd* child = MDIGetActive();
    CDocument* pDoc = child ? child->GetActiveDocument() : nullptr;
    if (bAddToTitle && child && !child->IsZoomed() && pDoc) {
        UpdateFrameTitleForDocument(pDoc->GetTitle());
        return;
    }
    CString childTitle = child && !child->IsZoomed() ? child->GetTitle() : CString();
    UpdateFrameTitleForDocument(childTitle.IsEmpty() ? nullptr : (LPCTSTR)childTitle);
}
