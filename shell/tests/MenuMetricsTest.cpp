// The owner-drawn menu's numbers: item sizes, colours, the stripe and the
// greyed pictures of disabled items.
#include "MenuMetrics.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuMetricsTest, ItemSizes)
{
    const struct {
        int kind;
        CSize text;
        bool tab;
        CSize size;
    } cases[] = {
        {kMenuBarItem, CSize(60, 16), false, CSize(50, 16)},
        {kMenuCommand, CSize(100, 16), false, CSize(149, 21)},  // the text and what the drawing keeps beside it
        {kMenuCommand, CSize(100, 16), true, CSize(180, 21)},
        {kMenuSubmenu, CSize(70, 16), false, CSize(119, 21)},
        {kMenuSeparator, CSize(0, 16), false, CSize(49, 8)},
    };
    for (const auto& c : cases) {
        const CSize s = MeasureMenuItem(c.kind, c.text, c.tab);
        EXPECT_EQ(s.cx, c.size.cx) << "kind " << c.kind;
        EXPECT_EQ(s.cy, c.size.cy) << "kind " << c.kind;
    }
}

TEST(MenuMetricsTest, Colours)
{
    EXPECT_EQ(MenuBarSelectionColour(), RGB(201, 206, 255));
    EXPECT_EQ(LightenColour(RGB(128, 128, 128), 1.0), RGB(255, 255, 255));
    EXPECT_EQ(LightenColour(RGB(10, 20, 30), 0.0), RGB(10, 20, 30)) << "x outside (0, 1] keeps the colour";
    EXPECT_EQ(LightenColour(RGB(10, 20, 30), 1.5), RGB(10, 20, 30));
    EXPECT_EQ(LightenColour(RGB(0, 100, 255), 0.5), RGB(127, 177, 255)) << "channels are truncated";
}

TEST(MenuMetricsTest, StripeFadesToWhite)
{
    EXPECT_EQ(MenuStripeGrey(0), 194);
    EXPECT_EQ(MenuStripeGrey(1), 198);
    EXPECT_EQ(MenuStripeGrey(15), 254);
    EXPECT_EQ(MenuStripeGrey(16), 255);
    EXPECT_EQ(MenuStripeGrey(kMenuStripeWidth - 1), 255);
}

TEST(MenuMetricsTest, GreyedPicture)
{
    const COLORREF face = RGB(240, 240, 240);
    const COLORREF shadow = RGB(160, 160, 160);
    EXPECT_EQ(GreyPixel(face, face, shadow, 0), face) << "the face colour stays when the background is 0";
    EXPECT_EQ(GreyPixel(face, face, shadow, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(GreyPixel(RGB(0, 0, 0), face, shadow, 0), shadow);
    EXPECT_EQ(GreyPixel(RGB(255, 255, 255), face, shadow, 0), RGB(255, 255, 255));
    EXPECT_EQ(GreyPixel(RGB(255, 0, 0), face, shadow, 0), LightenColour(shadow, 85 / 255.0));
}

} // namespace
