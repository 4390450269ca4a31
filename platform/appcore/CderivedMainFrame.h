// The base of the program's MDI main window: the two toolbars, the status
// bar, the MDI client object and the organisation's name, which the program's
// frame creates and fills. The frame keeps its place on the screen for the
// next run as it closes.
#pragma once

#include "CMDIClient.h"
#include "afx.h"

class CderivedMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CderivedMainFrame)
public:
    CderivedMainFrame();
    ~CderivedMainFrame() override;

    CMDIClient& GetMDIClient() { return m_wndMDIClient; }
    CToolBar* GetToolBar(int n) { return n == 0 ? &m_wndToolBar : n == 1 ? &m_wndToolBar2 : nullptr; }
    CStatusBar& GetStatusBar() { return m_wndStatusBar; }
    const CString& GetOrganisationName() const { return m_strOrgName; }

    afx_msg void OnDestroy();

protected:
    CToolBar m_wndToolBar;
    CToolBar m_wndToolBar2;
    CStatusBar m_wndStatusBar;
    CMDIClient m_wndMDIClient;
    CString m_strOrgName;

    DECLARE_MESSAGE_MAP()
};
