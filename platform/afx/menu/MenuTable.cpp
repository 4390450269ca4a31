#include "menu/MenuTable.h"
#include "menu/CMenu.h"
#include "menu/OwnerDrawMenu.h"
#include <QHash>
#include <QMenu>
#include <map>

namespace {

struct Table {
    quintptr next = 0x20000;
    std::map<quintptr, std::unique_ptr<MenuRecord>> records;
    QHash<HWND, HMENU> windowMenus;
};

Table& table()
{
    static Table t;
    return t;
}

quintptr number(HMENU h) { return reinterpret_cast<quintptr>(h); }

} // namespace

MenuRecord::~MenuRecord()
{
    // The objects of the handle no longer name it (a temporary object is
    // deleted with the record and must not destroy the menu again).
    if (temp)
        temp->m_hMenu = nullptr;
    if (object)
        object->m_hMenu = nullptr;
}

MenuRecord* MenuTable::find(HMENU h)
{
    auto it = table().records.find(number(h));
    return it == table().records.end() ? nullptr : it->second.get();
}

MenuRecord* MenuTable::make(bool bar)
{
    auto rec = std::make_unique<MenuRecord>();
    rec->handle = reinterpret_cast<HMENU>(table().next++);
    rec->bar = bar;
    MenuRecord* r = rec.get();
    table().records.emplace(number(r->handle), std::move(rec));
    return r;
}

void MenuTable::destroy(HMENU h)
{
    auto it = table().records.find(number(h));
    if (it == table().records.end())
        return;
    std::unique_ptr<MenuRecord> rec = std::move(it->second);
    table().records.erase(it);
    // A menu takes its submenus along, as on Windows.
    for (const MenuItem& item : rec->items) {
        if (item.sub)
            destroy(item.sub);
    }
    if (rec->object)
        rec->object->m_hMenu = nullptr;
    if (rec->qmenu)
        rec->qmenu->deleteLater();
    for (auto w = table().windowMenus.begin(); w != table().windowMenus.end();) {
        if (w.value() == h)
            w = table().windowMenus.erase(w);
        else
            ++w;
    }
}

MenuItem* MenuTable::item(HMENU h, UINT uItem, UINT uFlags, MenuRecord** pOwner, int* pIndex)
{
    MenuRecord* rec = find(h);
    if (!rec)
        return nullptr;
    if (uFlags & MF_BYPOSITION) {
        if (uItem >= rec->items.size())
            return nullptr;
        if (pOwner)
            *pOwner = rec;
        if (pIndex)
            *pIndex = (int)uItem;
        return &rec->items[uItem];
    }
    for (size_t i = 0; i < rec->items.size(); ++i) {
        MenuItem& it = rec->items[i];
        if (!(it.type & MF_POPUP) && !it.separator() && it.id == uItem) {
            if (pOwner)
                *pOwner = rec;
            if (pIndex)
                *pIndex = (int)i;
            return &it;
        }
        if (it.sub) {
            if (MenuItem* found = item(it.sub, uItem, uFlags, pOwner, pIndex))
                return found;
        }
    }
    return nullptr;
}

MenuRecord* MenuTable::parentOf(HMENU h, int* pIndex)
{
    for (auto& [n, rec] : table().records) {
        for (size_t i = 0; i < rec->items.size(); ++i) {
            if (rec->items[i].sub == h) {
                if (pIndex)
                    *pIndex = (int)i;
                return rec.get();
            }
        }
    }
    return nullptr;
}

HWND MenuTable::ownerOf(HMENU h)
{
    for (int depth = 0; h && depth < 32; ++depth) {
        MenuRecord* rec = find(h);
        if (!rec)
            return nullptr;
        if (rec->owner)
            return rec->owner;
        MenuRecord* parent = parentOf(h);
        h = parent ? parent->handle : nullptr;
    }
    return nullptr;
}

void MenuTable::setOwner(HMENU h, HWND owner)
{
    MenuRecord* rec = find(h);
    if (!rec)
        return;
    rec->owner = owner;
    for (const MenuItem& item : rec->items) {
        if (item.sub && item.sub != h)
            setOwner(item.sub, owner);
    }
}

HMENU MenuTable::windowMenu(HWND hWnd) { return table().windowMenus.value(hWnd, nullptr); }

void MenuTable::setWindowMenu(HWND hWnd, HMENU hMenu)
{
    if (hMenu)
        table().windowMenus.insert(hWnd, hMenu);
    else
        table().windowMenus.remove(hWnd);
}

namespace {

void appendTemplateItems(HMENU h, const std::vector<AfxMenuTemplateItem>& items)
{
    for (const AfxMenuTemplateItem& t : items) {
        if (t.flags & MF_POPUP) {
            HMENU sub = CreatePopupMenu();
            appendTemplateItems(sub, t.items);
            AppendMenu(h, t.flags, (UINT_PTR)sub, t.text);
        } else {
            AppendMenu(h, t.flags, t.id, (t.flags & MF_SEPARATOR) ? nullptr : (LPCTSTR)t.text);
        }
    }
}

} // namespace

HMENU AfxLoadMenuTemplate(const AfxMenuTemplate& t)
{
    HMENU h = CreateMenu();
    appendTemplateItems(h, t.items);
    return h;
}

HMENU AfxLoadFrameMenu(LPCTSTR lpszMenuName, HINSTANCE hPreferred)
{
    const AfxMenuTemplate* t = AfxFindMenuTemplate(lpszMenuName, hPreferred);
    return t ? AfxLoadMenuTemplate(*t) : nullptr;
}

HMENU LoadMenu(HINSTANCE hInstance, LPCTSTR lpMenuName) { return AfxLoadFrameMenu(lpMenuName, hInstance); }
