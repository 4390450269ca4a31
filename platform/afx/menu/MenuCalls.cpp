// The Windows menu calls over the table of menus.
#include "menu/MenuTable.h"
#include "menu/OwnerDrawMenu.h"
#include <cstring>

namespace {

const UINT kTypeBits = MF_SEPARATOR | MF_POPUP | MF_OWNERDRAW | MF_BITMAP | MF_MENUBREAK | MF_MENUBARBREAK
    | MF_RIGHTJUSTIFY | MFT_RADIOCHECK;
const UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_DEFAULT | MF_HILITE;

MenuItem makeItem(UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem, const MenuItem* old)
{
    MenuItem item;
    item.type = uFlags & kTypeBits;
    item.state = uFlags & kStateBits;
    if (uFlags & MF_POPUP)
        item.sub = reinterpret_cast<HMENU>(uIDNewItem);
    else
        item.id = (UINT)uIDNewItem;
    if (uFlags & MF_OWNERDRAW) {
        // The item data of an owner-drawn item; its text stays for the keys.
        item.data = reinterpret_cast<ULONG_PTR>(lpNewItem);
        item.text = old ? old->text : CString();
    } else if (uFlags & MF_BITMAP) {
        item.bitmap = reinterpret_cast<HBITMAP>(const_cast<char*>(lpNewItem));
    } else if (!(uFlags & MF_SEPARATOR)) {
        item.text = lpNewItem ? lpNewItem : "";
    }
    return item;
}

void changed(MenuRecord* rec)
{
    if (rec)
        AfxMenuChanged(rec);
}

int copyText(const CString& text, LPTSTR buffer, int size)
{
    int n = (int)std::strlen(text);
    if (!buffer || size <= 0)
        return n;
    n = qMin(n, size - 1);
    std::memcpy(buffer, (const char*)text, n);
    buffer[n] = 0;
    return n;
}

} // namespace

HMENU CreateMenu() { return MenuTable::make(true)->handle; }
HMENU CreatePopupMenu() { return MenuTable::make(false)->handle; }

BOOL DestroyMenu(HMENU hMenu)
{
    if (!MenuTable::find(hMenu))
        return FALSE;
    MenuRecord* parent = MenuTable::parentOf(hMenu);
    if (parent) {
        for (MenuItem& item : parent->items) {
            if (item.sub == hMenu)
                item.sub = nullptr;
        }
    }
    MenuTable::destroy(hMenu);
    changed(parent);
    return TRUE;
}

BOOL IsMenu(HMENU hMenu) { return MenuTable::find(hMenu) != nullptr; }

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    if (!rec)
        return FALSE;
    rec->items.push_back(makeItem(uFlags, uIDNewItem, lpNewItem, nullptr));
    if (uFlags & MF_POPUP)
        MenuTable::setOwner(reinterpret_cast<HMENU>(uIDNewItem), rec->owner);
    changed(rec);
    return TRUE;
}

BOOL InsertMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    if (!rec)
        return FALSE;
    size_t at = rec->items.size();
    if (uFlags & MF_BYPOSITION) {
        if (uPosition != (UINT)-1 && uPosition < at)
            at = uPosition;
    } else {
        MenuRecord* owner = nullptr;
        int index = 0;
        if (!MenuTable::item(hMenu, uPosition, MF_BYCOMMAND, &owner, &index))
            return FALSE;
        rec = owner;
        at = (size_t)index;
    }
    rec->items.insert(rec->items.begin() + (long)at, makeItem(uFlags, uIDNewItem, lpNewItem, nullptr));
    if (uFlags & MF_POPUP)
        MenuTable::setOwner(reinterpret_cast<HMENU>(uIDNewItem), rec->owner);
    changed(rec);
    return TRUE;
}

BOOL ModifyMenu(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    MenuRecord* rec = nullptr;
    MenuItem* item = MenuTable::item(hMenu, uPosition, uFlags & MF_BYPOSITION, &rec);
    if (!item)
        return FALSE;
    MenuItem updated = makeItem(uFlags, uIDNewItem, lpNewItem, item);
    HMENU oldSub = item->sub;
    *item = updated;
    // A submenu that is replaced by something else goes, as on Windows.
    if (oldSub && oldSub != updated.sub)
        MenuTable::destroy(oldSub);
    if (updated.sub)
        MenuTable::setOwner(updated.sub, rec->owner);
    changed(rec);
    return TRUE;
}

namespace {

BOOL takeOut(HMENU hMenu, UINT uPosition, UINT uFlags, bool destroySub)
{
    MenuRecord* rec = nullptr;
    int index = -1;
    MenuItem* item = MenuTable::item(hMenu, uPosition, uFlags & MF_BYPOSITION, &rec, &index);
    if (!item)
        return FALSE;
    HMENU sub = item->sub;
    rec->items.erase(rec->items.begin() + index);
    if (destroySub && sub)
        MenuTable::destroy(sub);
    changed(rec);
    return TRUE;
}

} // namespace

BOOL RemoveMenu(HMENU hMenu, UINT uPosition, UINT uFlags) { return takeOut(hMenu, uPosition, uFlags, false); }
BOOL DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags) { return takeOut(hMenu, uPosition, uFlags, true); }

int GetMenuItemCount(HMENU hMenu)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    return rec ? (int)rec->items.size() : -1;
}

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    MenuItem* item = nPos < 0 ? nullptr : MenuTable::item(hMenu, (UINT)nPos, MF_BYPOSITION);
    if (!item || (item->type & MF_POPUP))
        return (UINT)-1;
    return item->separator() ? 0 : item->id;
}

HMENU GetSubMenu(HMENU hMenu, int nPos)
{
    MenuItem* item = nPos < 0 ? nullptr : MenuTable::item(hMenu, (UINT)nPos, MF_BYPOSITION);
    return item ? item->sub : nullptr;
}

int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags)
{
    MenuItem* item = MenuTable::item(hMenu, uIDItem, flags & MF_BYPOSITION);
    if (lpString && cchMax > 0)
        lpString[0] = 0;
    // An owner-drawn item has no string of its own.
    if (!item || item->ownerDrawn() || item->separator() || (item->type & MF_BITMAP))
        return 0;
    return copyText(item->text, lpString, cchMax);
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    MenuItem* item = MenuTable::item(hMenu, uId, uFlags & MF_BYPOSITION);
    if (!item)
        return (UINT)-1;
    UINT bits = item->state | (item->type & ~MF_POPUP);
    if (item->type & MF_POPUP) {
        int count = qMax(GetMenuItemCount(item->sub), 0);
        return ((UINT)count << 8) | (bits & 0xFF) | MF_POPUP;
    }
    return bits;
}

UINT EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable)
{
    MenuRecord* rec = nullptr;
    MenuItem* item = MenuTable::item(hMenu, uIDEnableItem, uEnable & MF_BYPOSITION, &rec);
    if (!item)
        return (UINT)-1;
    UINT previous = item->state & (MF_GRAYED | MF_DISABLED);
    UINT wanted = uEnable & (MF_GRAYED | MF_DISABLED);
    if (previous != wanted) {
        item->state = (item->state & ~(MF_GRAYED | MF_DISABLED)) | wanted;
        changed(rec);
    }
    return previous;
}

DWORD CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck)
{
    MenuRecord* rec = nullptr;
    MenuItem* item = MenuTable::item(hMenu, uIDCheckItem, uCheck & MF_BYPOSITION, &rec);
    if (!item)
        return (DWORD)-1;
    DWORD previous = item->state & MF_CHECKED;
    if (previous != (uCheck & MF_CHECKED)) {
        item->state = (item->state & ~MF_CHECKED) | (uCheck & MF_CHECKED);
        changed(rec);
    }
    return previous;
}

BOOL GetMenuItemInfo(HMENU hMenu, UINT item, BOOL fByPosition, LPMENUITEMINFO lpmii)
{
    MenuItem* it = lpmii ? MenuTable::item(hMenu, item, fByPosition ? MF_BYPOSITION : 0) : nullptr;
    if (!it)
        return FALSE;
    UINT mask = lpmii->fMask;
    if (mask & MIIM_STATE)
        lpmii->fState = it->state;
    if (mask & MIIM_ID)
        lpmii->wID = (it->type & MF_POPUP) ? (UINT)(UINT_PTR)it->sub : it->id;
    if (mask & MIIM_SUBMENU)
        lpmii->hSubMenu = it->sub;
    if (mask & MIIM_CHECKMARKS)
        lpmii->hbmpChecked = lpmii->hbmpUnchecked = nullptr;
    if (mask & (MIIM_TYPE | MIIM_FTYPE))
        lpmii->fType = it->type & ~MF_POPUP;
    if (mask & MIIM_DATA)
        lpmii->dwItemData = it->data;
    if (mask & MIIM_BITMAP)
        lpmii->hbmpItem = it->bitmap;
    if (mask & (MIIM_TYPE | MIIM_STRING)) {
        bool text = !it->ownerDrawn() && !it->separator() && !(it->type & MF_BITMAP);
        CString s = text ? it->text : CString();
        lpmii->cch = (UINT)copyText(s, lpmii->dwTypeData, lpmii->dwTypeData ? (int)lpmii->cch + 1 : 0);
    }
    return TRUE;
}

namespace {

void applyInfo(MenuItem& it, LPCMENUITEMINFO lpmii)
{
    UINT mask = lpmii->fMask;
    if (mask & MIIM_STATE)
        it.state = lpmii->fState & kStateBits;
    if (mask & MIIM_ID)
        it.id = lpmii->wID;
    if (mask & MIIM_SUBMENU) {
        it.sub = lpmii->hSubMenu;
        it.type = it.sub ? it.type | MF_POPUP : it.type & ~MF_POPUP;
    }
    if (mask & (MIIM_TYPE | MIIM_FTYPE))
        it.type = (lpmii->fType & kTypeBits & ~MF_POPUP) | (it.type & MF_POPUP);
    if (mask & MIIM_DATA)
        it.data = lpmii->dwItemData;
    if (mask & MIIM_BITMAP)
        it.bitmap = lpmii->hbmpItem;
    if ((mask & MIIM_STRING) || ((mask & MIIM_TYPE) && !(lpmii->fType & (MF_SEPARATOR | MF_BITMAP | MF_OWNERDRAW))))
        it.text = lpmii->dwTypeData ? lpmii->dwTypeData : "";
}

} // namespace

BOOL SetMenuItemInfo(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFO lpmii)
{
    MenuRecord* rec = nullptr;
    MenuItem* it = lpmii ? MenuTable::item(hMenu, item, fByPosition ? MF_BYPOSITION : 0, &rec) : nullptr;
    if (!it)
        return FALSE;
    applyInfo(*it, lpmii);
    changed(rec);
    return TRUE;
}

BOOL InsertMenuItem(HMENU hMenu, UINT item, BOOL fByPosition, LPCMENUITEMINFO lpmii)
{
    MenuRecord* rec = MenuTable::find(hMenu);
    if (!rec || !lpmii)
        return FALSE;
    size_t at = rec->items.size();
    if (fByPosition) {
        at = qMin((size_t)item, at);
    } else {
        int index = 0;
        if (!MenuTable::item(hMenu, item, MF_BYCOMMAND, &rec, &index))
            return FALSE;
        at = (size_t)index;
    }
    MenuItem it;
    applyInfo(it, lpmii);
    rec->items.insert(rec->items.begin() + (long)at, it);
    if (it.sub)
        MenuTable::setOwner(it.sub, rec->owner);
    changed(rec);
    return TRUE;
}

HMENU GetMenu(HWND hWnd) { return MenuTable::windowMenu(hWnd); }

BOOL SetMenu(HWND hWnd, HMENU hMenu)
{
    if (hMenu && !MenuTable::find(hMenu))
        return FALSE;
    MenuTable::setWindowMenu(hWnd, hMenu);
    MenuTable::setOwner(hMenu, hWnd);
    AfxApplyMenuBar(hWnd);
    return TRUE;
}

BOOL DrawMenuBar(HWND hWnd)
{
    AfxApplyMenuBar(hWnd);
    return TRUE;
}
