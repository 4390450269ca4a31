// Menus as Windows keeps them: a handle (HMENU, a number from the table of
// live menus) names a list of items (text, command id or submenu, flags,
// item data of owner-drawn items). The Windows menu calls work on the list;
// the Qt menus are made from it when a menu is shown (menu/OwnerDrawMenu.h).
#pragma once
#include "menu/AfxMenuDefs.h"
#include <QPointer>
#include <memory>
#include <vector>

class QMenu;

struct MenuItem {
    UINT type = MF_STRING;   // MF_STRING, MF_SEPARATOR, MF_POPUP, MF_OWNERDRAW, MF_BITMAP, breaks
    UINT state = 0;          // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_DEFAULT, MF_HILITE
    UINT id = 0;
    HMENU sub = nullptr;
    CString text;
    ULONG_PTR data = 0;
    HBITMAP bitmap = nullptr;
    bool ownerDrawn() const { return (type & MF_OWNERDRAW) != 0; }
    bool separator() const { return (type & MF_SEPARATOR) != 0; }
    bool enabled() const { return !(state & (MF_GRAYED | MF_DISABLED)); }
};

struct MenuRecord {
    HMENU handle = nullptr;
    bool bar = false;
    std::vector<MenuItem> items;
    CMenu* object = nullptr;             // the CMenu attached (permanent)
    std::unique_ptr<CMenu> temp;         // FromHandle's object when none is attached
    HWND owner = nullptr;                // the window that gets its commands and drawing
    QPointer<QMenu> qmenu;               // the Qt popup, once shown
    MenuRecord() = default;
    ~MenuRecord();
    MenuRecord(const MenuRecord&) = delete;
    MenuRecord& operator=(const MenuRecord&) = delete;
};

class MenuTable {
public:
    static MenuRecord* find(HMENU h);
    static MenuRecord* make(bool bar);
    static void destroy(HMENU h);
    // The item (uItem by position, or by command in this menu and its
    // submenus); the record that holds it in *pOwner.
    static MenuItem* item(HMENU h, UINT uItem, UINT uFlags, MenuRecord** pOwner = nullptr, int* pIndex = nullptr);
    // The menu holding h as a submenu, and its position there.
    static MenuRecord* parentOf(HMENU h, int* pIndex = nullptr);
    // The window of h's menu tree (its own or an ancestor's owner).
    static HWND ownerOf(HMENU h);
    // Sets the owner of h and of every submenu below it.
    static void setOwner(HMENU h, HWND owner);
    // The menu of a window (SetMenu).
    static HMENU windowMenu(HWND hWnd);
    static void setWindowMenu(HWND hWnd, HMENU hMenu);
};

// A menu template of the resource scripts as a new menu.
HMENU AfxLoadMenuTemplate(const AfxMenuTemplate& t);
// The menu of a frame's resource id (NULL when there is none).
HMENU AfxLoadFrameMenu(LPCTSTR lpszMenuName, HINSTANCE hPreferred);

HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU hMenu);
BOOL IsMenu(HMENU hMenu);
BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL ModifyMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem);
BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
int GetMenuItemCount(HMENU hMenu);
UINT GetMenuItemID(HMENU hMenu, int nPos);
HMENU GetSubMenu(HMENU hMenu, int nPos);
int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags);
UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
BOOL GetMenuItemInfo(HMENU hMenu, UINT item, BOOL fByPosition, LPMENUITEMINFO lpmii);
BOOL SetMenuItemInfo(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFO lpmii);
BOOL InsertMenuItem(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFO lpmii);
HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName);
HMENU GetMenu(HWND hWnd);
BOOL SetMenu(HWND hWnd, HMENU hMenu);
BOOL DrawMenuBar(HWND hWnd);
#define AppendMenuA AppendMenu
#define InsertMenuA InsertMenu
#define ModifyMenuA ModifyMenu
#define GetMenuStringA GetMenuString
#define GetMenuItemInfoA GetMenuItemInfo
#define SetMenuItemInfoA SetMenuItemInfo
#define InsertMenuItemA InsertMenuItem
#define LoadMenuA LoadMenu
