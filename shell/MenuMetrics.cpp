#include "MenuMetrics.h"

#include <algorithm>

namespace {

int LightenChannel(int ch, double x)
{
    return int(ch + x * (255 - ch));
}

} // namespace

COLORREF LightenColour(COLORREF c, double x)
{
    if (!(x > 0.0 && x <= 1.0))
        return c;
    return RGB(LightenChannel(GetRValue(c), x), LightenChannel(GetGValue(c), x), LightenChannel(GetBValue(c), x));
}

COLORREF MenuBarSelectionColour()
{
    return LightenColour(kMenuSelectionColour, 0.4);
}

CSize MeasureMenuItem(int kind, CSize textExtent, bool hasTab)
{
    if (kind == kMenuBarItem)
        return CSize(textExtent.cx - 10, textExtent.cy);
    // The drawing keeps the stripe, the indent and the right margin beside the
    // text; measured in the font it is drawn in, an item only 30 pixels wider
    // than its text would lose its last letters.
    const int drawn = kMenuStripeWidth + kMenuTextIndent + kMenuRightMargin;
    const int width = textExtent.cx + (hasTab ? std::max(80, drawn) : drawn);
    return CSize(width, kind == kMenuSeparator ? 8 : 21);
}

int MenuStripeGrey(int fromRight)
{
    return std::min(255, 194 + 4 * fromRight);
}

COLORREF GreyPixel(COLORREF pixel, COLORREF face, COLORREF shadow, COLORREF background)
{
    if (pixel == face)
        return background != 0 ? background : pixel;
    const int grey = (GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel)) / 3;
    return LightenColour(shadow, grey / 255.0);
}
