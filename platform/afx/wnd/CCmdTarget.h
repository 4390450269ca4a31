// CCmdTarget: an object with a message map and an event sink map, the root of
// every window, document and application object.
#pragma once
#include "wnd/AfxMsgMap.h"
#include "wnd/AfxEventSink.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override;

    // Offers a command (nCode CN_COMMAND or a control notification), an
    // update-UI request (CN_UPDATE_COMMAND_UI, pExtra = CCmdUI*) or a notify
    // (MAKELONG(code, WM_NOTIFY), pExtra = AFX_NOTIFY*) to this object's
    // message map. Windows, views and frames override it to route on.
    // With pHandlerInfo the handler is only found, not called.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Runs the handler of (control id, dispid) from this object's event sink map.
    virtual BOOL OnEvent(UINT idCtrl, long dispid, const AfxEventArgs& args);

    // The wait cursor, counted: every Begin needs its End.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_EVENTSINKMAP* GetThisEventSinkMap();
    virtual const AFX_EVENTSINKMAP* GetEventSinkMap() const;

    // The first entry of this object's map chain that takes (message, code, id).
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

private:
    int m_nWaitCursor = 0;
};

// Payload of a WM_NOTIFY offered through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// The wait cursor for the life of a scope.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

void AfxBeginWaitCursor();
void AfxEndWaitCursor();
