// CMDIFrameWnd: the main window of a program with MDI child frames. Its
// client is the MDI client window (m_hWndMDIClient, a QMdiArea of the window
// class "MDIClient"), which takes the MDI messages (WM_MDIACTIVATE,
// WM_MDIGETACTIVE, WM_MDICASCADE, WM_MDITILE, WM_MDIICONARRANGE, WM_MDINEXT,
// WM_MDIMAXIMIZE, WM_MDIRESTORE, WM_MDIDESTROY) and the window commands sent
// to it as WM_COMMAND (ID_WINDOW_ARRANGE..ID_WINDOW_TILE_VERT, answering 1), so
// an object that subclasses the client keeps that behaviour as its default.
//
// Commands go to the active child first (its view, document, frame), then
// to this frame and the application.
#pragma once
#include "frm/CFrameWnd.h"

class CMDIChildWnd;
class QMdiArea;

class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)
public:
    CMDIFrameWnd();

    HWND m_hWndMDIClient = nullptr;

    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDICascade();
    void MDICascade(int nType);
    void MDITile();
    void MDITile(int nType);
    void MDIIconArrange();

    CFrameWnd* GetActiveFrame() override;
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    afx_msg BOOL OnMDIWindowCmd(UINT nID);
    afx_msg void OnUpdateMDIWindowCmd(CCmdUI* pCmdUI);

    // The MDI area of the client window.
    QMdiArea* GetMdiArea() const;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;

    DECLARE_MESSAGE_MAP()
};

// Registers the "MDIClient" window class (done when the library loads).
void AfxRegisterMdiClientClass();
