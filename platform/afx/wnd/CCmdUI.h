// CCmdUI: the update-UI request of one command (a menu item, a toolbar button,
// a status pane or a dialog control). The frame's menu and bar classes derive
// from it and override Enable/SetCheck/SetText for their items.
#pragma once
#include "wnd/AfxWinTypes.h"

class CCmdTarget;
class CWnd;
class CMenu;

class CCmdUI {
public:
    CCmdUI() = default;
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;     // the control or bar of this command, if any
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
    UINT m_nIndexMax = 0;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 off, 1 on, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's routing for an update handler; without one, the item is
    // disabled when bDisableIfNoHndler says so. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

// Records what an update handler set, without a visible item: used to learn
// whether a command is enabled before it runs.
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    CString m_strText;
    void Enable(BOOL bOn) override { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    void SetCheck(int nCheck) override { m_nCheck = nCheck; }
    void SetRadio(BOOL bOn) override { m_nCheck = bOn ? 1 : 0; }
    void SetText(LPCTSTR lpszText) override { m_strText = lpszText; }
};
