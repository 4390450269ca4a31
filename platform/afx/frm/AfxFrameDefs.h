// Ids, styles and messages of the frame layer with their MFC and Windows
// values, the creation context that carries a new frame's document and view
// class, and the message-map entries of the frame messages.
#pragma once
#include "wnd/AfxMsgMap.h"
#include "wnd/AfxWinTypes.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;
class CWnd;

// Frame styles.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)
#define CW_USEDEFAULT ((int)0x80000000)

// Window class styles (RegisterClass; kept for the one-instance class name).
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_NOCLOSE 0x0200

// Child window ids of a frame.
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF

// Strings of the application.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
#define AFX_IDS_UNTITLED 0xF000

// Window commands of an MDI frame.
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_FILE_MRU_FIRST 0xE110
#define ID_FILE_MRU_LAST 0xE11F
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151

// MDI messages (the MDI client's) and their arguments.
#define WM_MDICREATE 0x0220
#define WM_MDIDESTROY 0x0221
#define WM_MDIRESTORE 0x0223
#define WM_MDINEXT 0x0224
#define WM_MDIMAXIMIZE 0x0225
#define WM_MDITILE 0x0226
#define WM_MDICASCADE 0x0227
#define WM_MDIICONARRANGE 0x0228
#define WM_MDIGETACTIVE 0x0229
#define WM_MDISETMENU 0x0230
#define WM_MDIREFRESHMENU 0x0234
#define MDITILE_VERTICAL 0x0000
#define MDITILE_HORIZONTAL 0x0001
#define MDITILE_SKIPDISABLED 0x0002

// Frame messages of MFC.
#define WM_QUERYENDSESSION 0x0011
#define WM_SETMESSAGESTRING 0x0362
#define WM_INITIALUPDATE 0x0364
#define WM_ACTIVATEAPP 0x001C
#define WA_INACTIVE 0
#define WA_ACTIVE 1
#define WA_CLICKACTIVE 2

// What a new frame is made with: its document and the class of its view.
struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// Frame messages in message maps.
#ifndef ON_WM_MDIACTIVATE
#define ON_WM_MDIACTIVATE() \
    { WM_MDIACTIVATE, 0, 0, 0, AFX_THUNK(_p->OnMDIActivate((HWND)_c.lParam == _p->m_hWnd, \
          CWnd::FromHandle((HWND)_c.lParam), CWnd::FromHandle((HWND)_c.wParam)); return TRUE;) },
#endif
#ifndef ON_WM_ACTIVATE
#define ON_WM_ACTIVATE() \
    { WM_ACTIVATE, 0, 0, 0, AFX_THUNK(_p->OnActivate((UINT)LOWORD(_c.wParam), CWnd::FromHandle((HWND)_c.lParam), \
          (BOOL)HIWORD(_c.wParam)); return TRUE;) },
#endif
#define ON_MESSAGE_VOID(message, fn) \
    { (UINT)(message), 0, 0, 0, AFX_THUNK(_p->fn(); return TRUE;) },
#ifndef ON_COMMAND_EX_RANGE
#define ON_COMMAND_EX_RANGE(id, idLast, fn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AFX_THUNK(return _p->fn(_c.nID) ? TRUE : FALSE;) },
#endif

// WM_SETICON kinds.
#define ICON_SMALL 0
#define ICON_BIG 1
#ifndef ON_NOTIFY_EX_RANGE
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), \
      AFX_THUNK(return _p->fn(_c.nID, reinterpret_cast<NMHDR*>(_c.lParam), &_c.lResult) ? TRUE : FALSE;) },
#endif
