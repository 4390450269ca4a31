// The Qt side of the menus: a menu bar of a main window and the popups are
// made from the menu table when shown. Before a popup opens its owner gets
// WM_INITMENUPOPUP (the frame runs the items' update handlers then), and the
// popup is made from the items as they are after it. Owner-drawn items
// (MF_OWNERDRAW) are measured with WM_MEASUREITEM and painted with
// WM_DRAWITEM to the owner, on a CDC over the menu's painter; other items are
// drawn by the style. A chosen command is posted to the owner as WM_COMMAND.
#pragma once
#include "menu/MenuTable.h"
#include <QPoint>

class QMenu;

// Called by the menu calls when a menu's items changed.
void AfxMenuChanged(MenuRecord* rec);
// Makes the window's menu bar from its menu (SetMenu, DrawMenuBar).
void AfxApplyMenuBar(HWND hWnd);
// Shows hMenu as a modal popup at pos; answers the command chosen, 0 for none.
int AfxExecMenu(HMENU hMenu, const QPoint& pos);
// The popup of hMenu as it would open now (update handlers run, items made,
// sized), e.g. for a picture of it.
QMenu* AfxPreparedMenu(HMENU hMenu);
// The menu whose item is being measured (for the default WM_MEASUREITEM).
HMENU AfxMeasuringMenu();
// What an owner window without a handler does with WM_MEASUREITEM and
// WM_DRAWITEM of a menu item: the menu's permanent CMenu object measures and
// draws it.
void AfxDefaultMeasureMenuItem(LPMEASUREITEMSTRUCT lpMIS);
void AfxDefaultDrawMenuItem(LPDRAWITEMSTRUCT lpDIS);
