// The numbers of the owner-drawn menu: item sizes, colours and the grey
// stripe on the left of drop-down items. Kept apart from the drawing so they
// can be checked on their own.
#pragma once
#include "afx.h"

// Kinds of menu item records.
enum MenuItemKind { kMenuBarItem = 0, kMenuSeparator = 1, kMenuCommand = 2, kMenuSubmenu = 3 };

constexpr COLORREF kMenuSelectionColour = RGB(166, 174, 255);
constexpr COLORREF kMenuTextColour = RGB(0, 0, 0);
constexpr COLORREF kMenuDisabledTextColour = RGB(127, 127, 127);
constexpr COLORREF kMenuPictureMask = RGB(192, 192, 192);
constexpr int kMenuStripeWidth = 24;
constexpr int kMenuTextIndent = 10;     // from the stripe to the text
constexpr int kMenuRightMargin = 15;    // kept free right of a drop-down item's text
constexpr int kMenuPictureLeft = 3;
constexpr int kMenuPictureTop = 2;

// Each channel ch of c moved to ch + x * (255 - ch), truncated; c itself
// unless 0 < x <= 1.
COLORREF LightenColour(COLORREF c, double x);
// The background of a selected, enabled menu-bar item.
COLORREF MenuBarSelectionColour();

// The size of an item from its trimmed caption's text extent: a menu-bar
// item is 10 pixels narrower than its text and as high; any other item is
// 80 pixels wider when its caption holds a tab (a shortcut text), else as
// much wider as its drawing keeps beside the text (the stripe, the indent
// and the right margin: 49), and 8 pixels high for a separator, 21 otherwise.
CSize MeasureMenuItem(int kind, CSize textExtent, bool hasTab);

// The grey level of the stripe's column `fromRight` (0 = its rightmost
// column): 194, 198, 202, ... up to 255, fading to white at the left.
int MenuStripeGrey(int fromRight);

// The picture of a disabled item: a pixel of grey level g = (R+G+B)/3 becomes
// lighten(shadow, g / 255); a pixel of the face colour becomes `background`
// when that is not 0 and stays otherwise.
COLORREF GreyPixel(COLORREF pixel, COLORREF face, COLORREF shadow, COLORREF background);
