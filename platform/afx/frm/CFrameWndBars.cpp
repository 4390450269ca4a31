// CFrameWnd: its control bars and their idle update.
#include "bars/CControlBar.h"
#include "frm/CFrameWnd.h"
#include "res/AfxResources.h"
#include <QWidget>
#include <vector>

void CFrameWnd::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (pBar && !m_listControlBars.Find(pBar)) {
        m_listControlBars.AddTail(pBar);
        pBar->m_pDockSite = this;
    }
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT, LPCRECT)
{
    // The main window keeps its bars docked where they were made.
    AddControlBar(pBar);
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL)
{
    if (pBar && pBar->GetQWidget())
        pBar->GetQWidget()->setVisible(bShow);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;) {
        auto* bar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if ((UINT)bar->GetDlgCtrlID() == nID)
            return bar;
    }
    return nullptr;
}

void CFrameWnd::OnIdleUpdateCmdUI()
{
    // Copied first: an update handler may add or remove a bar.
    std::vector<HWND> bars;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos;)
        bars.push_back(static_cast<CControlBar*>(m_listControlBars.GetNext(pos))->m_hWnd);
    for (HWND h : bars) {
        auto* bar = dynamic_cast<CControlBar*>(CWnd::FromHandle(h));
        if (bar && bar->IsVisible())
            bar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
    }
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    if (CWnd* bar = GetControlBar(AFX_IDW_STATUS_BAR))
        bar->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    CString text;
    if (AfxLoadString(nID, text, nullptr)) {
        int nl = text.Find('\n');
        SetMessageText(nl < 0 ? text : text.Left(nl));
    }
}
