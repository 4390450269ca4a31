// The program's MDI main window: the workplace's caption and icon, its menu
// bar of owner-drawn menus built from the configuration's numbered lists,
// one or two toolbars and the four status panes. Every menu or toolbar
// command becomes either a window command or a configuration command run
// by the script interpreter; closing runs the configuration's "UnLoad()".
#pragma once
#include "CVR_Menu.h"
#include "MenuPlan.h"
#include "CderivedMainFrame.h"
#include "afx.h"

// The frame runs the pending configuration command.
#define WM_EXECUTE_PENDING_COMMAND 0x8105

class CVR_MainFrame : public CderivedMainFrame {
    DECLARE_DYNCREATE(CVR_MainFrame)
public:
    CVR_MainFrame();
    ~CVR_MainFrame() override;

    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Fills `menu` with the items of the workplace's menu list `list`.
    BOOL BuildSubmenu(CMenu* menu, short list);

    CVR_Menu& GetMenuBar() { return m_menu; }
    // The configuration command that 0x8105 runs next.
    static CString& PendingCommand();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg LRESULT OnExecutePendingCommand(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

protected:
    BOOL FillMenu(CMenu* menu, const std::vector<PlannedMenuItem>& items);
    BOOL BuildMenuBar();
    BOOL CreateBars();

    CVR_Menu m_menu;
    CString m_strCaption;
    // The tool tip handed out last: the notification's own buffer holds 79
    // bytes, fewer than 79 letters of a Cyrillic text.
    CString m_strToolTip;

    DECLARE_MESSAGE_MAP()
};
