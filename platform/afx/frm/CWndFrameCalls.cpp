// The CWnd calls that belong to the frame layer: the enclosing frame and
// messages to every descendant.
#include "frm/CFrameWnd.h"
#include "wnd/WndHandleTable.h"
#include <QWidget>
#include <vector>

CFrameWnd* CWnd::GetParentFrame() const
{
    const CWnd* self = this;
    asm("" : "+r"(self));  // modules call it on a null pointer
    return self ? AfxParentFrameOf(self) : nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    CFrameWnd* frame = dynamic_cast<CFrameWnd*>(const_cast<CWnd*>(this));
    if (!frame)
        frame = GetParentFrame();
    while (CFrameWnd* outer = frame ? frame->GetParentFrame() : nullptr)
        frame = outer;
    return frame;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
    // The children as they are now: a handler may make or destroy windows.
    std::vector<HWND> children;
    for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT))
        children.push_back(child->m_hWnd);
    for (HWND h : children) {
        WndRecord* rec = WndHandleTable::findLive(h);
        if (!rec || !rec->wnd)
            continue;
        CWnd* child = rec->wnd;
        if (!bOnlyPerm || child != rec->autoWnd.get())
            child->SendMessage(message, wParam, lParam);
        if (bDeep && (child = CWnd::FromHandle(h)))
            child->SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
    }
}
