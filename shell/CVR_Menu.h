// A menu whose items are all owner-drawn: a grey stripe on the left of every
// drop-down item with the command's picture, a blue-tinted selection,
// etched separators, right-aligned shortcut texts and greyed pictures of
// disabled items. The main frame builds its menu bar and submenus of these
// and has plain menus' owner-drawn items measured and drawn here too.
#pragma once
#include "CVR_MenuItem.h"
#include "afx.h"

class CVR_Menu : public CMenu {
public:
    CVR_Menu() = default;
    // The menu goes with its window: the handle is detached, not destroyed.
    ~CVR_Menu() override;

    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, CVR_MenuItem* record);
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, CVR_MenuItem* record);

    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    // Turns every item of `menu` that is not yet owner-drawn into one; a
    // submenu item is a menu-bar item when `menuBar` is nonzero.
    static void MakeOwnerDrawn(CMenu* menu, int menuBar);
    // Recolours a disabled item's picture (see GreyPixel).
    static void GreyBitmap(CDC* pDC, CBitmap& bitmap, COLORREF background);

    // The application's submenu table: a new empty popup menu object kept
    // until DeleteSubmenus (the program's end).
    static CVR_Menu* CreateSubmenu();
    static void DeleteSubmenus();
    static int SubmenuCount();

    static void MeasureRecord(const CVR_MenuItem* record, LPMEASUREITEMSTRUCT lpMIS);
    static void DrawRecord(const CVR_MenuItem* record, LPDRAWITEMSTRUCT lpDIS);
};
