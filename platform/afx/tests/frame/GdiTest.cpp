// Drawing on a device context: a memory context on a bitmap (fills, lines,
// rectangles, text placement, copies with raster operations, greyed
// pictures, pixels), a context attached by handle, saved states, and a
// window painted in its WM_PAINT handler.
#include "FrameTestKit.h"
#include "GuiDriver.h"
#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace frametest;

namespace {

QColor at(CDC& dc, int x, int y) { return AfxQColor(dc.GetPixel(x, y)); }

// The columns of a region that hold text (not the background).
std::pair<int, int> inkColumns(CDC& dc, const CRect& r, COLORREF background)
{
    int first = -1, last = -1;
    for (int x = r.left; x < r.right; ++x) {
        for (int y = r.top; y < r.bottom; ++y) {
            if (dc.GetPixel(x, y) != background) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return { first, last };
}

} // namespace

TEST(GdiTest, AMemoryContextDrawsIntoItsBitmap)
{
    CDC screen;
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 200, 40));
    CBitmap* old = dc.SelectObject(&bmp);
    BITMAP info = {};
    bmp.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 200);
    EXPECT_EQ(info.bmHeight, 40);

    CRect all(0, 0, 200, 40);
    dc.FillSolidRect(&all, RGB(255, 255, 255));
    EXPECT_EQ(dc.GetBkColor(), RGB(255, 255, 255)) << "FillSolidRect sets the background colour";
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* oldPen = dc.SelectObject(&red);
    EXPECT_NE(oldPen, nullptr) << "the stock pen it replaced";
    dc.MoveTo(10, 5);
    dc.LineTo(20, 5);
    EXPECT_EQ(at(dc, 10, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(dc, 19, 5), QColor(255, 0, 0));
    EXPECT_EQ(at(dc, 20, 5), QColor(255, 255, 255)) << "the last point is left out";
    CBrush green(RGB(0, 128, 0));
    CBrush* oldBrush = dc.SelectObject(&green);
    dc.Rectangle(30, 2, 40, 12);
    EXPECT_EQ(at(dc, 30, 2), QColor(255, 0, 0)) << "the pen's border";
    EXPECT_EQ(at(dc, 39, 11), QColor(255, 0, 0));
    EXPECT_EQ(at(dc, 35, 7), QColor(0, 128, 0)) << "the brush inside";
    EXPECT_EQ(at(dc, 40, 12), QColor(255, 255, 255));
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);

    // The picture is the bitmap's: another context sees it, and it can be shown.
    CDC other;
    other.Attach(dc.Detach());
    EXPECT_EQ(at(other, 35, 7), QColor(0, 128, 0));
    dc.Attach(other.Detach());
    EXPECT_EQ(AfxQPixmap(bmp).toImage().pixelColor(35, 7), QColor(0, 128, 0));
    dc.SelectObject(old);
}

TEST(GdiTest, TextIsPlacedAndMeasuredAsWindowsPlacesIt)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(nullptr, 300, 30);
    dc.SelectObject(&bmp);
    CRect all(0, 0, 300, 30);
    dc.FillSolidRect(&all, RGB(255, 255, 255));
    CString text("Сумма");
    CSize extent = dc.GetTextExtent(text);
    EXPECT_EQ(extent.cx, QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Сумма")));
    EXPECT_GT(extent.cy, 0);

    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkMode(TRANSPARENT);
    CRect left(0, 0, 140, 30), right(150, 0, 300, 30);
    dc.DrawText(text, &left, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    dc.DrawText(text, &right, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    auto [l0, l1] = inkColumns(dc, left, RGB(255, 255, 255));
    auto [r0, r1] = inkColumns(dc, right, RGB(255, 255, 255));
    EXPECT_LE(l0, 2);
    EXPECT_GE(r1, 296) << "right-aligned to the rectangle's end";
    EXPECT_NEAR(r1 - r0, l1 - l0, 2);

    CRect calc(0, 0, 1000, 0);
    int h = dc.DrawText(CString("Две\nстроки"), &calc, DT_CALCRECT);
    EXPECT_EQ(h, calc.Height());
    EXPECT_GE(h, 2 * extent.cy - 2) << "two lines measured, nothing drawn";

    int saved = dc.SaveDC();
    dc.SetTextColor(RGB(255, 0, 0));
    dc.RestoreDC(saved);
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_GT(dc.GetDeviceCaps(LOGPIXELSY), 0);
}

TEST(GdiTest, CopiesWithRasterOperationsAndGreyedPictures)
{
    CDC dc, src;
    dc.CreateCompatibleDC(nullptr);
    src.CreateCompatibleDC(nullptr);
    CBitmap target, picture;
    target.CreateCompatibleBitmap(nullptr, 40, 20);
    ASSERT_TRUE(picture.LoadBitmap(IDB_PICTURE));
    dc.SelectObject(&target);
    src.SelectObject(&picture);
    CRect all(0, 0, 40, 20);
    dc.FillSolidRect(&all, RGB(166, 174, 255));
    // SRCAND: white (and the grey made white) keeps the background, dark
    // pixels darken it.
    src.SetPixel(0, 0, RGB(255, 255, 255));
    dc.BitBlt(0, 0, 16, 16, &src, 0, 0, SRCAND);
    EXPECT_EQ(at(dc, 0, 0), QColor(166, 174, 255));
    EXPECT_EQ(at(dc, 8, 8), QColor(0, 0, 160));
    dc.BitBlt(20, 0, 16, 16, &src, 0, 0, SRCCOPY);
    EXPECT_EQ(at(dc, 21, 1), QColor(192, 192, 192));

    // A disabled picture is drawn in grey tints.
    dc.FillSolidRect(&all, RGB(255, 255, 255));
    dc.DrawState(CPoint(0, 0), CSize(16, 16), &picture, DST_BITMAP | DSS_DISABLED);
    QColor greyed = at(dc, 8, 8);
    EXPECT_NE(greyed, QColor(0, 0, 160));
    EXPECT_LT(qAbs(greyed.red() - greyed.blue()), 60) << "no longer a strong blue";
}

namespace {

class PaintedWnd : public CWnd {
public:
    int paints = 0;
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++paints;
        CRect r;
        GetClientRect(&r);
        dc.FillSolidRect(&r, RGB(127, 0, 0));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(255, 255, 255));
        dc.TextOut(4, 4, CString("Идет загрузка программы"));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintedWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(GdiTest, AWindowPaintsItselfInItsPaintHandler)
{
    PaintedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(WS_EX_TOOLWINDOW, nullptr, "Заставка", WS_POPUP, CRect(0, 0, 240, 60), nullptr, 0));
    QImage picture = afxtest::grab(&wnd);
    EXPECT_GT(wnd.paints, 0);
    EXPECT_EQ(picture.pixelColor(200, 50), QColor(127, 0, 0));
    EXPECT_GT(afxtest::distinctColours(picture), 2) << "the text is drawn";
    CDC* dc = wnd.GetDC();
    EXPECT_GT(dc->GetTextExtent(CString("Ж")).cx, 0) << "a window's context outside a paint measures";
    wnd.ReleaseDC(dc);
    wnd.DestroyWindow();
    afxtest::flushDeletes();
}
