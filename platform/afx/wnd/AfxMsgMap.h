// Message maps: the MFC macros over typed tables.
//
// Each BEGIN_MESSAGE_MAP(theClass, baseClass) ... END_MESSAGE_MAP() defines
// theClass::GetThisMessageMap(), a static table of entries chained to the base
// class's table. An entry keeps the message, the notification code, the id range
// and a small function ("thunk") that unpacks wParam/lParam and calls the
// handler with its own parameter types; a handler of the wrong shape does not
// compile. Handlers are named as in MFC: ON_BN_CLICKED(IDC_X, OnX).
#pragma once
#include "wnd/AfxWinTypes.h"
#include "wnd/AfxMessages.h"

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDC;

// One call in flight: what the thunk reads and where it puts the answer.
struct AFX_MSGCALL {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT nID = 0;
    void* pExtra = nullptr;
    LRESULT lResult = 0;
};

// Returns FALSE only for handlers that may decline (ON_COMMAND_EX, ..._EX).
typedef BOOL (*AFX_MSGTHUNK)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // WM_COMMAND, WM_NOTIFY, WM_xxx, or WM_REFLECT_BASE + those
    UINT nCode;     // notification code (CN_UPDATE_COMMAND_UI for update handlers)
    UINT nID;       // first control or command id
    UINT nLastID;   // last id of a range
    AFX_MSGTHUNK pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#define afx_msg

#define DECLARE_MESSAGE_MAP()                                                  \
protected:                                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();                             \
    const AFX_MSGMAP* GetMessageMap() const override;                          \
                                                                               \
private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                 \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                            \
    {                                                                          \
        using ThisClass [[maybe_unused]] = theClass;                           \
        typedef baseClass TheBaseClass;                                        \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                      \
        { 0, 0, 0, 0, nullptr } };                                             \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap;                                                    \
    }

#define AFX_THUNK(...) [](CCmdTarget* _t, AFX_MSGCALL& _c) -> BOOL { \
        ThisClass* _p = static_cast<ThisClass*>(_t); (void)_p; (void)_c; __VA_ARGS__ }

// Commands and control notifications (WM_COMMAND).
#define ON_COMMAND(id, fn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(_p->fn(); return TRUE;) },
#define ON_COMMAND_EX(id, fn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(return _p->fn(_c.nID) ? TRUE : FALSE;) },
#define ON_COMMAND_RANGE(id, idLast, fn) \
    { WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AFX_THUNK(_p->fn(_c.nID); return TRUE;) },
#define ON_UPDATE_COMMAND_UI(id, fn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), \
      AFX_THUNK(_p->fn(static_cast<CCmdUI*>(_c.pExtra)); return TRUE;) },
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn) \
    { WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), \
      AFX_THUNK(_p->fn(static_cast<CCmdUI*>(_c.pExtra)); return TRUE;) },
#define ON_CONTROL(code, id, fn) \
    { WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), AFX_THUNK(_p->fn(); return TRUE;) },
#define ON_CONTROL_RANGE(code, id, idLast, fn) \
    { WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(idLast), AFX_THUNK(_p->fn(_c.nID); return TRUE;) },
#define ON_CONTROL_REFLECT(code, fn) \
    { WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AFX_THUNK(_p->fn(); return TRUE;) },
#define ON_CONTROL_REFLECT_EX(code, fn) \
    { WM_REFLECT_BASE + WM_COMMAND, (UINT)(code), 0, 0, AFX_THUNK(return _p->fn() ? TRUE : FALSE;) },

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_CLBN_CHKCHANGE(id, fn) ON_CONTROL(CLBN_CHKCHANGE, id, fn)
#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)

// Common-control notifications (WM_NOTIFY): void fn(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, fn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), \
      AFX_THUNK(_p->fn(reinterpret_cast<NMHDR*>(_c.lParam), &_c.lResult); return TRUE;) },
#define ON_NOTIFY_RANGE(code, id, idLast, fn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(idLast), \
      AFX_THUNK(_p->fn(_c.nID, reinterpret_cast<NMHDR*>(_c.lParam), &_c.lResult); return TRUE;) },
#define ON_NOTIFY_EX(code, id, fn) \
    { WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), \
      AFX_THUNK(return _p->fn(_c.nID, reinterpret_cast<NMHDR*>(_c.lParam), &_c.lResult) ? TRUE : FALSE;) },
#define ON_NOTIFY_REFLECT(code, fn) \
    { WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, \
      AFX_THUNK(_p->fn(reinterpret_cast<NMHDR*>(_c.lParam), &_c.lResult); return TRUE;) },

// Any message by number: LRESULT fn(WPARAM, LPARAM).
#define ON_MESSAGE(message, fn) \
    { (UINT)(message), 0, 0, 0, AFX_THUNK(_c.lResult = _p->fn(_c.wParam, _c.lParam); return TRUE;) },

// Window messages with their MFC handler shapes.
#define ON_WM_CREATE() \
    { WM_CREATE, 0, 0, 0, AFX_THUNK(_c.lResult = _p->OnCreate(reinterpret_cast<LPCREATESTRUCT>(_c.lParam)); return TRUE;) },
#define ON_WM_DESTROY() { WM_DESTROY, 0, 0, 0, AFX_THUNK(_p->OnDestroy(); return TRUE;) },
#define ON_WM_CLOSE() { WM_CLOSE, 0, 0, 0, AFX_THUNK(_p->OnClose(); return TRUE;) },
#define ON_WM_SIZE() \
    { WM_SIZE, 0, 0, 0, AFX_THUNK(_p->OnSize((UINT)_c.wParam, LOWORD(_c.lParam), HIWORD(_c.lParam)); return TRUE;) },
#define ON_WM_MOVE() \
    { WM_MOVE, 0, 0, 0, AFX_THUNK(_p->OnMove(GET_X_LPARAM(_c.lParam), GET_Y_LPARAM(_c.lParam)); return TRUE;) },
#define ON_WM_SETFOCUS() \
    { WM_SETFOCUS, 0, 0, 0, AFX_THUNK(_p->OnSetFocus(CWnd::FromHandle((HWND)_c.wParam)); return TRUE;) },
#define ON_WM_KILLFOCUS() \
    { WM_KILLFOCUS, 0, 0, 0, AFX_THUNK(_p->OnKillFocus(CWnd::FromHandle((HWND)_c.wParam)); return TRUE;) },
#define ON_WM_TIMER() { WM_TIMER, 0, 0, 0, AFX_THUNK(_p->OnTimer((UINT_PTR)_c.wParam); return TRUE;) },
#define ON_WM_PAINT() { WM_PAINT, 0, 0, 0, AFX_THUNK(_p->OnPaint(); return TRUE;) },
#define ON_WM_ERASEBKGND() \
    { WM_ERASEBKGND, 0, 0, 0, AFX_THUNK(_c.lResult = _p->OnEraseBkgnd(reinterpret_cast<CDC*>(_c.wParam)); return TRUE;) },
#define ON_WM_CTLCOLOR() \
    { WM_CTLCOLOR, 0, 0, 0, AFX_THUNK(_c.lResult = (LRESULT)_p->OnCtlColor(reinterpret_cast<CDC*>(_c.wParam), \
          CWnd::FromHandle((HWND)_c.lParam), (UINT)(UINT_PTR)_c.pExtra); return TRUE;) },
#define ON_WM_SHOWWINDOW() \
    { WM_SHOWWINDOW, 0, 0, 0, AFX_THUNK(_p->OnShowWindow((BOOL)_c.wParam, (UINT)_c.lParam); return TRUE;) },
#define AFX_KEY_THUNK(msg, fn) \
    { msg, 0, 0, 0, AFX_THUNK(_p->fn((UINT)_c.wParam, LOWORD(_c.lParam), HIWORD(_c.lParam)); return TRUE;) },
#define ON_WM_KEYDOWN() AFX_KEY_THUNK(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_KEY_THUNK(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_KEY_THUNK(WM_CHAR, OnChar)
#define AFX_MOUSE_THUNK(msg, fn) \
    { msg, 0, 0, 0, AFX_THUNK(_p->fn((UINT)_c.wParam, CPoint(GET_X_LPARAM(_c.lParam), GET_Y_LPARAM(_c.lParam))); return TRUE;) },
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_THUNK(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_THUNK(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_MOUSE_THUNK(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MOUSE_THUNK(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MOUSE_THUNK(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_THUNK(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_QUERYDRAGICON() \
    { WM_QUERYDRAGICON, 0, 0, 0, AFX_THUNK(_c.lResult = (LRESULT)_p->OnQueryDragIcon(); return TRUE;) },
#define ON_WM_SYSCOMMAND() \
    { WM_SYSCOMMAND, 0, 0, 0, AFX_THUNK(_p->OnSysCommand((UINT)_c.wParam, _c.lParam); return TRUE;) },
#define ON_WM_NCDESTROY() { WM_NCDESTROY, 0, 0, 0, AFX_THUNK(_p->OnNcDestroy(); return TRUE;) },
