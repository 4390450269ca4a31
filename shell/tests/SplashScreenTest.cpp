// The splash: shown only while start-up runs, with the status text in its
// strip, and gone at the first message after start-up has ended.
#include "CWelcomeScreenWnd.h"
#include "GuiDriver.h"
#include "SplashScreen.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class SplashScreenTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSplash(); }
    void TearDown() override { ResetSplash(); }
};

TEST_F(SplashScreenTest, OnlyWhileStartupRuns)
{
    ShowSplash(nullptr);
    EXPECT_EQ(GetSplashWindow(), nullptr) << "not enabled yet";
    EnableSplash();
    EXPECT_EQ(GetSplashText(), CString("Идет загрузка программы"));
    ShowSplash(nullptr);
    CWelcomeScreenWnd* splash = GetSplashWindow();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->IsWindowVisible());
    CRect client;
    splash->GetClientRect(&client);
    EXPECT_EQ(client.Width(), 400);
    EXPECT_EQ(client.Height(), 240);
    const CRect strip = splash->StatusStrip();
    EXPECT_EQ(strip.left, 15);
    EXPECT_EQ(strip.right, 385);
    EXPECT_EQ(strip.top, 215);
    EXPECT_EQ(strip.bottom, 235);

    SetSplashText("Загрузка меню");
    EXPECT_EQ(splash->GetStatusText(), CString("Загрузка меню"));
    const QImage picture = splash->GetQWidget()->grab().toImage();
    const QImage strip1 = picture.copy(15, 215, 370, 20);
    SetSplashText("");
    const QImage strip2 = splash->GetQWidget()->grab().toImage().copy(15, 215, 370, 20);
    EXPECT_NE(strip1, strip2) << "the text is drawn in the strip";

    HideSplashOnFirstMessage(nullptr);
    EXPECT_NE(GetSplashWindow(), nullptr) << "start-up has not ended";
    EndSplashStartup();
    HideSplashOnFirstMessage(nullptr);
    EXPECT_EQ(GetSplashWindow(), nullptr);
    ShowSplash(nullptr);
    EXPECT_EQ(GetSplashWindow(), nullptr) << "never again after start-up";
    afxtest::flushDeletes();
}

} // namespace
