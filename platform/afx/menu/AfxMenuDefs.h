// Menu flags, the menu item record of MENUITEMINFO, the owner-drawing records
// (MEASUREITEMSTRUCT, DRAWITEMSTRUCT) and the menu messages in message maps.
#pragma once
#include "res/AfxResources.h"
#include "wnd/AfxMsgMap.h"
#include "wnd/AfxWinTypes.h"

class CDC;
class CMenu;

#define MF_INSERT 0x0000
#define MF_CHANGE 0x0080
#define MF_APPEND 0x0100
#define MF_DELETE 0x0200
#define MF_REMOVE 0x1000
#define MF_BYCOMMAND 0x0000
#define MF_BYPOSITION 0x0400
#define MF_ENABLED 0x0000
#define MF_UNCHECKED 0x0000
#define MF_BITMAP 0x0004
#define MF_USECHECKBITMAPS 0x0200
#define MF_HILITE 0x0080
#define MF_UNHILITE 0x0000
#define MF_DEFAULT 0x1000
#define MF_RIGHTJUSTIFY 0x4000

#define MFT_STRING MF_STRING
#define MFT_BITMAP MF_BITMAP
#define MFT_MENUBARBREAK MF_MENUBARBREAK
#define MFT_MENUBREAK MF_MENUBREAK
#define MFT_OWNERDRAW MF_OWNERDRAW
#define MFT_RADIOCHECK 0x0200
#define MFT_SEPARATOR MF_SEPARATOR
#define MFT_RIGHTORDER 0x2000
#define MFT_RIGHTJUSTIFY MF_RIGHTJUSTIFY
#define MFS_GRAYED 0x0003
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED MF_CHECKED
#define MFS_HILITE MF_HILITE
#define MFS_ENABLED MF_ENABLED
#define MFS_UNCHECKED MF_UNCHECKED
#define MFS_UNHILITE MF_UNHILITE
#define MFS_DEFAULT MF_DEFAULT

#define MIIM_STATE 0x0001
#define MIIM_ID 0x0002
#define MIIM_SUBMENU 0x0004
#define MIIM_CHECKMARKS 0x0008
#define MIIM_TYPE 0x0010
#define MIIM_DATA 0x0020
#define MIIM_STRING 0x0040
#define MIIM_BITMAP 0x0080
#define MIIM_FTYPE 0x0100

struct MENUITEMINFO {
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPTSTR dwTypeData;
    UINT cch;
    HBITMAP hbmpItem;
};
typedef MENUITEMINFO* LPMENUITEMINFO;
typedef const MENUITEMINFO* LPCMENUITEMINFO;
typedef MENUITEMINFO MENUITEMINFOA;

#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

// Owner drawing.
#define ODT_MENU 1
#define ODT_LISTBOX 2
#define ODT_COMBOBOX 3
#define ODT_BUTTON 4
#define ODT_STATIC 5
#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT 0x0002
#define ODA_FOCUS 0x0004
#define ODS_SELECTED 0x0001
#define ODS_GRAYED 0x0002
#define ODS_DISABLED 0x0004
#define ODS_CHECKED 0x0008
#define ODS_FOCUS 0x0010
#define ODS_DEFAULT 0x0020
#define ODS_HOTLIGHT 0x0040
#define ODS_INACTIVE 0x0080
#define ODS_NOACCEL 0x0100

struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    ULONG_PTR itemData;
};
typedef MEASUREITEMSTRUCT* LPMEASUREITEMSTRUCT;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;   // for a menu: the HMENU of the item's menu
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;

#ifndef ON_WM_MEASUREITEM
#define ON_WM_MEASUREITEM() \
    { WM_MEASUREITEM, 0, 0, 0, AFX_THUNK(_p->OnMeasureItem((int)_c.wParam, \
          reinterpret_cast<LPMEASUREITEMSTRUCT>(_c.lParam)); return TRUE;) },
#endif
#ifndef ON_WM_DRAWITEM
#define ON_WM_DRAWITEM() \
    { WM_DRAWITEM, 0, 0, 0, AFX_THUNK(_p->OnDrawItem((int)_c.wParam, \
          reinterpret_cast<LPDRAWITEMSTRUCT>(_c.lParam)); return TRUE;) },
#endif
#ifndef ON_WM_INITMENU
#define ON_WM_INITMENU() \
    { WM_INITMENU, 0, 0, 0, AFX_THUNK(_p->OnInitMenu(CMenu::FromHandle((HMENU)_c.wParam)); return TRUE;) },
#endif
#ifndef ON_WM_INITMENUPOPUP
#define ON_WM_INITMENUPOPUP() \
    { WM_INITMENUPOPUP, 0, 0, 0, AFX_THUNK(_p->OnInitMenuPopup(CMenu::FromHandle((HMENU)_c.wParam), \
          (UINT)LOWORD(_c.lParam), (BOOL)HIWORD(_c.lParam)); return TRUE;) },
#endif
#ifndef ON_WM_CONTEXTMENU
#define ON_WM_CONTEXTMENU() \
    { WM_CONTEXTMENU, 0, 0, 0, AFX_THUNK(_p->OnContextMenu(CWnd::FromHandle((HWND)_c.wParam), \
          CPoint(GET_X_LPARAM(_c.lParam), GET_Y_LPARAM(_c.lParam))); return TRUE;) },
#endif
