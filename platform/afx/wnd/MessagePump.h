// Turns Qt events into window messages and carries posted messages.
//
// One application-wide event filter sees every event of a recorded widget:
// focus changes become WM_SETFOCUS/WM_KILLFOCUS (with the other window, as
// Windows gives it), resizes WM_SIZE, the close button WM_CLOSE, keys go
// through PreTranslateMessage (the window chain, then the application hook)
// and then WM_KEYDOWN/WM_CHAR/WM_KEYUP, and mouse and paint events reach a
// handler when the window's map has one. PostMessage queues on the event loop
// from any thread.
#pragma once
#include "wnd/AfxWinTypes.h"
#include <functional>

// Installs the event filter (on the user-interface thread, once QApplication
// exists). Creating any window does it.
void AfxInstallMessagePump();

// The application's PreTranslateMessage: the frame layer installs the
// application object's; without one, the window chain is walked.
typedef std::function<BOOL(MSG*)> AfxPreTranslateHook;
void AfxSetPreTranslateHook(AfxPreTranslateHook hook);
BOOL AfxPreTranslateMessage(MSG* pMsg);

BOOL AfxPostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
BOOL AfxPeekMessage(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
// Delivers the messages posted so far (tests, and modal steps driven without
// an event loop).
void AfxDeliverPostedMessages();

// Key codes of Qt key events, and the keys seen down.
class QKeyEvent;
UINT AfxVirtualKeyOf(const QKeyEvent* e);
void AfxNoteKeyState(UINT vk, bool down);
bool AfxIsKeyDown(UINT vk);
