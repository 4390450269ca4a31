#include "doc/CScrollView.h"
#include "frm/AfxFrameWidgets.h"
#include "frm/CFrameWnd.h"
#include <QScrollBar>
#include <QWidget>

IMPLEMENT_DYNAMIC(CScrollView, CView)

const SIZE CScrollView::sizeDefault = { 0, 0 };

CScrollView::CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE&, const SIZE&)
{
    m_nMapMode = nMapMode;
    m_totalLog = CSize(sizeTotal.cx, sizeTotal.cy);
    // Smaller than its total size, the view scrolls inside the frame.
    if (QWidget* w = GetQWidget())
        w->setMinimumSize(qMax((int)sizeTotal.cx, 0), qMax((int)sizeTotal.cy, 0));
}

void CScrollView::SetScaleToFitSize(SIZE sizeTotal)
{
    m_totalLog = CSize(sizeTotal.cx, sizeTotal.cy);
    if (QWidget* w = GetQWidget())
        w->setMinimumSize(0, 0);
}

namespace {

AfxClientHost* hostOf(const CScrollView* view)
{
    CFrameWnd* frame = view->GetParentFrame();
    return frame ? frame->GetClientHost() : nullptr;
}

} // namespace

CPoint CScrollView::GetScrollPosition() const
{
    AfxClientHost* host = hostOf(this);
    if (!host)
        return CPoint(0, 0);
    return CPoint(host->horizontalScrollBar()->value(), host->verticalScrollBar()->value());
}

void CScrollView::ScrollToPosition(POINT pt)
{
    if (AfxClientHost* host = hostOf(this)) {
        host->horizontalScrollBar()->setValue(pt.x);
        host->verticalScrollBar()->setValue(pt.y);
    }
}

void CScrollView::ResizeParentToFit(BOOL bShrinkOnly)
{
    CFrameWnd* frame = GetParentFrame();
    AfxClientHost* host = frame ? frame->GetClientHost() : nullptr;
    QWidget* fw = frame ? frame->GetQWidget() : nullptr;
    if (!host || !fw)
        return;
    QSize client = AfxFrameClientSize(fw);
    QSize total(m_totalLog.cx, m_totalLog.cy);
    QSize wanted = bShrinkOnly ? client.boundedTo(total) : total;
    AfxSetFrameClientSize(fw, wanted);
}
