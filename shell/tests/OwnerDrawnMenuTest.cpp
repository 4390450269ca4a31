// The owner-drawn menu: items measured from their captions' text extent,
// plain menus' items made owner-drawn with the right kinds, and a drawn
// command item with its stripe, text and the selection colour.
#include "CVR_Menu.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class OwnerDrawnMenuTest : public ::testing::Test {
protected:
    void TearDown() override { CVR_MenuItem::DeleteAll(); }
};

MEASUREITEMSTRUCT Measure(const CVR_MenuItem* record)
{
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemData = reinterpret_cast<ULONG_PTR>(record);
    CVR_Menu::MeasureRecord(record, &mis);
    return mis;
}

TEST_F(OwnerDrawnMenuTest, MeasuredFromTheCaption)
{
    CClientDC dc(nullptr);
    const CSize plain = dc.GetTextExtent(CString("&Отчетный период..."));
    const CSize tabbed = dc.GetTextExtent(CString("&Выход Alt+F4"));
    const CSize bar = dc.GetTextExtent(CString("&Файл"));

    MEASUREITEMSTRUCT mis = Measure(CVR_MenuItem::Create("  &Отчетный период...  ", kMenuCommand));
    EXPECT_EQ(long(mis.itemWidth), plain.cx + kMenuStripeWidth + kMenuTextIndent + kMenuRightMargin)
        << "the caption is trimmed, and its text fits between the stripe and the right margin";
    EXPECT_EQ(mis.itemHeight, 21u);
    mis = Measure(CVR_MenuItem::Create("&Выход\tAlt+F4", kMenuCommand));
    EXPECT_EQ(long(mis.itemWidth), tabbed.cx + 80);
    mis = Measure(CVR_MenuItem::Create("", kMenuSeparator));
    EXPECT_EQ(mis.itemHeight, 8u);
    mis = Measure(CVR_MenuItem::Create("&Файл", kMenuBarItem));
    EXPECT_EQ(long(mis.itemWidth), bar.cx - 10);
    EXPECT_EQ(long(mis.itemHeight), bar.cy);
    MEASUREITEMSTRUCT none = {};
    none.itemWidth = 7;
    CVR_Menu::MeasureRecord(nullptr, &none);
    EXPECT_EQ(none.itemWidth, 7u) << "an item without a record is left alone";
}

TEST_F(OwnerDrawnMenuTest, PlainMenuMadeOwnerDrawn)
{
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, 101, "Открыть");
    popup.AppendMenu(MF_SEPARATOR);
    popup.AppendMenu(MF_STRING | MF_GRAYED, 102, "Закрыть");
    bar.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Detach()), "&Файл");
    bar.AppendMenu(MF_STRING, 103, "Справка");

    CVR_Menu::MakeOwnerDrawn(&bar, 1);
    CVR_Menu::MakeOwnerDrawn(bar.GetSubMenu(0), 0);
    EXPECT_EQ(CVR_MenuItem::Count(), 5);
    CVR_Menu::MakeOwnerDrawn(&bar, 1);
    EXPECT_EQ(CVR_MenuItem::Count(), 5) << "owner-drawn items are left as they are";

    const struct {
        CMenu* menu;
        UINT pos;
        int kind;
        const char* caption;
        UINT id;
    } items[] = {{&bar, 0, kMenuBarItem, "&Файл", 0},         {&bar, 1, kMenuCommand, "Справка", 103},
                 {bar.GetSubMenu(0), 0, kMenuCommand, "Открыть", 101}, {bar.GetSubMenu(0), 1, kMenuSeparator, "", 0},
                 {bar.GetSubMenu(0), 2, kMenuCommand, "Закрыть", 102}};
    for (const auto& item : items) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE | MIIM_DATA | MIIM_ID | MIIM_STATE;
        ASSERT_TRUE(item.menu->GetMenuItemInfo(item.pos, &info, TRUE));
        EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << item.caption;
        const auto* record = reinterpret_cast<const CVR_MenuItem*>(info.dwItemData);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->m_nKind, item.kind) << item.caption;
        EXPECT_EQ(record->m_strCaption, CString(item.caption));
        if (item.id)
            EXPECT_EQ(info.wID, item.id);
    }
    EXPECT_TRUE(bar.GetSubMenu(0)->GetMenuState(2, MF_BYPOSITION) & MF_GRAYED) << "the old state is kept";
}

QImage Draw(const CVR_MenuItem* record, UINT state)
{
    QImage image(200, 21, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    const HDC hdc = CDC::AfxCreatePainterDC(&painter, nullptr);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.hDC = hdc;
    dis.rcItem = CRect(0, 0, 200, 21);
    dis.itemData = reinterpret_cast<ULONG_PTR>(record);
    dis.itemState = state;
    CVR_Menu::DrawRecord(record, &dis);
    CDC::AfxDeletePainterDC(hdc);
    return image;
}

int DarkPixels(const QImage& image, int from, int to)
{
    int dark = 0;
    for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y).lightness() < 80)
                ++dark;
    return dark;
}

TEST_F(OwnerDrawnMenuTest, DrawnItems)
{
    const CVR_MenuItem* record = CVR_MenuItem::Create("Отчетный период\tF5", kMenuCommand);
    const QImage plain = Draw(record, 0);
    EXPECT_EQ(plain.pixelColor(23, 10), QColor(194, 194, 194)) << "the stripe's right column";
    EXPECT_EQ(plain.pixelColor(0, 10), QColor(255, 255, 255)) << "the stripe fades to white";
    EXPECT_EQ(plain.pixelColor(199, 10), QColor(Qt::magenta)) << "a drop-down item leaves its last pixel";
    EXPECT_GT(DarkPixels(plain, 34, 120), 20) << "the command text, left";
    EXPECT_GT(DarkPixels(plain, 150, 185), 5) << "the shortcut, right-aligned";
    EXPECT_EQ(DarkPixels(plain, 185, 199), 0) << "15 pixels kept free on the right";

    const QImage selected = Draw(record, ODS_SELECTED);
    EXPECT_EQ(selected.pixelColor(100, 10), QColor(166, 174, 255)) << "the selection colour";

    const QImage disabled = Draw(record, ODS_DISABLED);
    EXPECT_EQ(DarkPixels(disabled, 34, 185), 0) << "disabled text is grey";

    const QImage separator = Draw(CVR_MenuItem::Create("", kMenuSeparator), 0);
    EXPECT_NE(separator.pixelColor(100, 10), separator.pixelColor(100, 3)) << "the etched line";
    EXPECT_EQ(separator.pixelColor(26, 10), separator.pixelColor(26, 3)) << "the line starts 4 pixels right of the stripe";
}

// A picture with a transparent background, or with the grey 192 one, shows
// the item's own background around its drawing, plain, selected or greyed.
TEST_F(OwnerDrawnMenuTest, PicturesSitOnTheItemsBackground)
{
    QImage transparent(16, 16, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    QImage grey(16, 16, QImage::Format_RGB32);
    grey.fill(QColor(192, 192, 192));
    for (QImage* image : {&transparent, &grey})
        for (int i = 4; i < 12; ++i)
            image->setPixel(i, 8, qRgb(0, 0, 0));
    const QPoint drawing(3 + 8, 2 + 8), around(3 + 1, 2 + 1), edge(3 + 14, 2 + 14);
    for (const QImage* image : {&transparent, &grey}) {
        CVR_MenuItem* bare = CVR_MenuItem::Create("Выход", kMenuCommand);
        CVR_MenuItem* pictured = CVR_MenuItem::Create("Выход", kMenuCommand);
        pictured->m_hBitmap = AfxBitmapHandle(QPixmap::fromImage(*image));
        for (UINT state : {0u, UINT(ODS_SELECTED), UINT(ODS_DISABLED)}) {
            SCOPED_TRACE(::testing::Message() << (image == &grey ? "grey" : "transparent") << " state " << state);
            const QImage with = Draw(pictured, state);
            const QImage without = Draw(bare, state);
            EXPECT_EQ(with.pixelColor(around), without.pixelColor(around));
            EXPECT_EQ(with.pixelColor(edge), without.pixelColor(edge));
            if (state == ODS_DISABLED)
                EXPECT_GT(with.pixelColor(drawing).lightness(), 80) << "greyed";
            else
                EXPECT_LT(with.pixelColor(drawing).lightness(), 80) << "the drawing";
        }
        DeleteObject(pictured->m_hBitmap);
    }
}

} // namespace
