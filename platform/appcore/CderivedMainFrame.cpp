#include "CderivedMainFrame.h"

IMPLEMENT_DYNCREATE(CderivedMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CderivedMainFrame, CMDIFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CderivedMainFrame::CderivedMainFrame() = default;

CderivedMainFrame::~CderivedMainFrame() = default;

void CderivedMainFrame::OnDestroy()
{
    if (m_wndMDIClient.GetMainFrame() == this)
        m_wndMDIClient.SaveMainFrameState();
    CMDIFrameWnd::OnDestroy();
}
