// CFrameWnd: a frame window with its view, menu, control bars and title.
//
// A top-level frame is a QMainWindow; an MDI child frame (CMDIChildWnd) is a
// QMdiSubWindow. The view is made by OnCreateClient from the creation
// context and fills the frame's client host (frm/AfxFrameWidgets.h).
//
// Commands go view -> document -> frame -> application (OnCmdMsg). Closing the
// last frame of a document closes the document; the frame, its view and the
// document go after the current message has returned (DestroyWindow defers
// the widget's deletion; the view's and frame's objects are deleted when their
// widgets are, and a document when its last view is).
#pragma once
#include "frm/AfxFrameDefs.h"
#include "menu/AfxMenuDefs.h"
#include "wnd/CWnd.h"

class CControlBar;
class CMenu;
class AfxClientHost;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    static const CRect rectDefault;

    // Makes the frame with the menu, icon and title of resource nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr, LPCTSTR lpszMenuName = nullptr,
                        DWORD dwExStyle = 0, CCreateContext* pContext = nullptr);
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The view and the document.
    virtual CFrameWnd* GetActiveFrame();
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
    virtual CDocument* GetActiveDocument();
    virtual CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);

    // The title: m_strTitle, with the active document's title when the
    // style has FWS_ADDTOTITLE.
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    CString GetTitle() const { return m_strTitle; }
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    void UpdateFrameTitleForDocument(LPCTSTR lpszDocName);
    // The document's title with this frame's number (":2") when the
    // document has several frames.
    CString NumberedTitle(LPCTSTR lpszDocName) const;

    // Layout and control bars.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void EnableDocking(DWORD dwDockStyle);
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    CControlBar* GetControlBar(UINT nID);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);
    // The update handlers of the control bars (run when the program is idle).
    virtual void OnIdleUpdateCmdUI();
    void SetMessageText(LPCTSTR lpszText);
    void SetMessageText(UINT nID);

    // The window class this frame was made with (RegisterClass), e.g. for
    // finding the program's other instance.
    CString GetWindowClassName() const { return m_strClassName; }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The client host of the view (null for an MDI frame).
    AfxClientHost* GetClientHost() const;

    BOOL m_bAutoMenuEnable = TRUE;
    HMENU m_hMenuDefault = nullptr;
    UINT m_nIDHelp = 0;
    int m_nWindow = -1;  // the number shown after the document title, -1 none
    CString m_strTitle;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    // Menus: the update handlers of a popup's items run before it opens;
    // owner-drawn items are measured and drawn by the menu's CMenu object.
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    int OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;
    void PostNcDestroy() override;
    // Applies the frame's menu (and shows it) once the window exists.
    virtual void ApplyMenu();

    CView* m_pViewActive = nullptr;
    CString m_strClassName;
    DWORD m_dwDockStyle = 0;
    CPtrList m_listControlBars;
    friend class CView;

    DECLARE_MESSAGE_MAP()
};

// The frame of a view or control: its nearest ancestor frame window.
CFrameWnd* AfxParentFrameOf(const CWnd* pWnd);
