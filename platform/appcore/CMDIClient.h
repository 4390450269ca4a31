// The main frame's MDI client as the application core keeps it: the frame's
// client window subclassed, a window that follows the MDI children (the view
// manager) told by a message of its own whenever another child becomes
// active or the last one closes, and the main frame's place on the screen
// kept in the profile from one run to the next.
#pragma once

#include "afx.h"

#include <QMetaObject>

class CMDIClient : public CWnd {
    DECLARE_DYNAMIC(CMDIClient)
public:
    CMDIClient();
    ~CMDIClient() override;

    // Takes over the client window of `frame`. The view manager (may be
    // NULL) then gets `notifyMessage` with the active child frame's handle in
    // wParam (NULL when none is left). FALSE when the frame has no client.
    BOOL SubclassMDIClient(CMDIFrameWnd* frame, CWnd* viewManager, UINT notifyMessage);
    // Shows the main frame where it was when the program last ended (the
    // profile's "Settings", "MainFrame": left, top, width, height, maximised),
    // otherwise with the show command given (3: maximised). FALSE before
    // SubclassMDIClient.
    BOOL RestoreMainFrameState(int nCmdShow);
    // Keeps the main frame's place in the profile (the main frame does it as it closes).
    BOOL SaveMainFrameState();

    CMDIFrameWnd* GetMainFrame() const { return m_pFrame; }

private:
    void NotifyViewManager();
    void Release();

    CMDIFrameWnd* m_pFrame = nullptr;
    HWND m_hViewManager = nullptr;
    UINT m_nNotifyMessage = 0;
    QMetaObject::Connection m_activation;
};
