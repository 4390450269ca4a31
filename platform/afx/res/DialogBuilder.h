// Building a window's controls from a dialog template: dialog units become
// pixels from the font the form shows (Windows' rule: a quarter of the average
// character width across, an eighth of the font height down), each control is
// made by its class, and the radio groups are formed.
//
// The usual dialog faces ("MS Sans Serif", "MS Shell Dlg", ...) map to the UI
// font, whose base units at 8 points are those the layouts were drawn in
// (6 x 13). Pixel sizes that a layout gives outside the dialog units (grid
// column widths in a template) are pixels of that scale and follow the units
// through layoutX/layoutY.
#pragma once
#include "res/AfxResources.h"
#include <QFont>
#include <QRect>
#include <QSize>

class CWnd;
class QPaintDevice;
class QWidget;

struct AfxDialogUnits {
    static constexpr int kLayoutBaseX = 6;
    static constexpr int kLayoutBaseY = 13;
    QFont font;
    int baseX = kLayoutBaseX;
    int baseY = kLayoutBaseY;
    QRect toPixels(int x, int y, int cx, int cy) const;
    // Pixels of the layouts' scale in these units.
    int layoutX(int px) const;
    int layoutY(int px) const;
};

// The family that the dialog faces map to: Carlito when installed, else
// DejaVu Sans, else the application's font.
QString AfxUiFontFamily();
// The font of a template.
QFont AfxDialogFont(const AfxDlgTemplate& t);
// Base units of a font (on the device when given, as a window resolves it).
AfxDialogUnits AfxDialogUnitsOfFont(const QFont& font, const QPaintDevice* device = nullptr);
AfxDialogUnits AfxDialogUnitsOf(const AfxDlgTemplate& t);
// The units of the font a window shows.
AfxDialogUnits AfxDialogUnitsOf(const QWidget* w);

// Creates the template's controls on pParent's widget; answers the client
// size in pixels.
QSize AfxCreateDialogControls(CWnd* pParent, const AfxDlgTemplate& t, HINSTANCE hModule);

// Sent to every control of a template once all exist (an up-down control
// takes its buddy then).
#define WM_AFX_SIBLINGSREADY 0x0363
