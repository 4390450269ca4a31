#include "bars/CControlBar.h"
#include "frm/CFrameWnd.h"
#include <QWidget>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar() = default;

CControlBar::~CControlBar()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

void CControlBar::EnableDocking(DWORD dwDockStyle) { m_dwDockStyle = dwDockStyle; }

BOOL CControlBar::IsVisible() const { return GetQWidget() && !GetQWidget()->isHidden(); }

void CControlBar::PostNcDestroy()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
}
