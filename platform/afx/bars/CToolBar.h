// CToolBar: a toolbar of a frame (a QToolBar in the main window's top area,
// or the bottom with CBRS_ALIGN_BOTTOM). Buttons come from a TOOLBAR resource
// with its bitmap strip (LoadToolBar), or from SetButtons and an image list;
// the raw TB_ messages and CToolBarCtrl work on the same buttons. Its update
// handlers run when the program is idle; tool tips come from the frame
// (TTN_GETDISPINFOA) or the command's string.
#pragma once
#include "bars/CControlBar.h"
#include "bars/CToolBarCtrl.h"

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                        UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                          UINT nID = AFX_IDW_TOOLBAR);

    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Buttons of these commands (ID_SEPARATOR: a separator), pictures in order.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    int GetCount() const;
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    CToolBarCtrl& GetToolBarCtrl() const;
    // The tool tip the program gives for a command.
    CString GetToolTipText(UINT nID) const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    QWidget* CreateWidget(CREATESTRUCT& cs, QWidget* pParentWidget) override;

private:
    mutable CToolBarCtrl m_ctrl;
    QSize m_imageSize { 16, 15 };
};

// The toolbar button's update-UI request.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn = TRUE) override;
    void SetCheck(int nCheck = 1) override;
    void SetText(LPCTSTR) override {}
};
