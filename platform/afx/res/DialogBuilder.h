// Building a window's controls from a dialog template: dialog units become
// pixels from the template's font (Windows' rule: a quarter of the average
// character width across, an eighth of the font height down), each control is
// made by its class, and the radio groups are formed.
#pragma once
#include "res/AfxResources.h"
#include <QFont>
#include <QRect>
#include <QSize>

class CWnd;

struct AfxDialogUnits {
    QFont font;
    int baseX = 6;
    int baseY = 13;
    QRect toPixels(int x, int y, int cx, int cy) const;
};

// The font of a template (the usual dialog faces map to the desktop's sans
// serif font) and its base units.
AfxDialogUnits AfxDialogUnitsOf(const AfxDlgTemplate& t);

// Creates the template's controls on pParent's widget; answers the client
// size in pixels.
QSize AfxCreateDialogControls(CWnd* pParent, const AfxDlgTemplate& t, HINSTANCE hModule);

// Sent to every control of a template once all exist (an up-down control
// takes its buddy then).
#define WM_AFX_SIBLINGSREADY 0x0363
