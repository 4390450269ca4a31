// The copies of command pictures that the toolbars and the menu draw.
#include "dlgkit.h"
#include <QImage>
#include <gtest/gtest.h>

namespace {

// A 2x2 picture: grey background, one black and one grey-ish pixel.
HBITMAP smallPicture()
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(192, 192, 192));
    image.setPixel(1, 0, qRgb(0, 0, 0));
    image.setPixel(0, 1, qRgb(192, 192, 193));
    image.setPixel(1, 1, qRgb(192, 192, 192));
    return AfxBitmapHandle(QPixmap::fromImage(image));
}

QRgb pixel(HBITMAP h, int x, int y) { return AfxQPixmap(h).toImage().pixel(x, y) & 0xFFFFFF; }

TEST(BitmapTest, CloneIsACopyThatChangesAloneAndGreyTurnsWhite)
{
    HBITMAP original = smallPicture();
    HBITMAP copy = CBitmapToIcon::Clone(original);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, original);
    EXPECT_TRUE(ChangeColor(copy));
    EXPECT_EQ(pixel(copy, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(pixel(copy, 1, 1), 0xFFFFFFu);
    EXPECT_EQ(pixel(copy, 1, 0), 0x000000u);
    EXPECT_EQ(pixel(copy, 0, 1), 0xC0C0C1u) << "only the exact grey changes";
    EXPECT_EQ(pixel(original, 0, 0), 0xC0C0C0u) << "the original keeps its colours";
    EXPECT_TRUE(DeleteObject(copy));
    EXPECT_TRUE(DeleteObject(original));
}

TEST(BitmapTest, NoBitmapGivesNothing)
{
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(CBitmapToIcon::Clone((HBITMAP)brush), nullptr);
    EXPECT_FALSE(ChangeColor((HBITMAP)brush));
    EXPECT_EQ(CBitmapToIcon::Clone(nullptr), nullptr);
    DeleteObject(brush);
}

} // namespace
