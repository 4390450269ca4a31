// The application's base, the main frame's base with its MDI client, the
// settings sheet and the pictures the core supplies to the program's frame.
#include "GuiDriver.h"
#include "InteractionScript.h"
#include "appcore.h"
#include "gridbase.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/ViewsResource.h"

#include <QImage>
#include <QMdiArea>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A window that stands for the program's window list: it notes what the
// MDI client tells it.
class ViewManager : public CWnd {
public:
    std::vector<HWND> told;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == 0x8003)
            told.push_back(reinterpret_cast<HWND>(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class ApplicationFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = new CVornalGlobalApp("Тест");
        ASSERT_TRUE(app->InitInstance());
        app->SetRegistryKey("VornalTest");
    }
    void TearDown() override
    {
        if (frame && frame->GetSafeHwnd())
            frame->DestroyWindow();
        afxtest::flushDeletes();
        app->ExitInstance();
        delete app;
    }
    CderivedMainFrame* NewFrame()
    {
        frame = new CderivedMainFrame;
        EXPECT_TRUE(frame->LoadFrame(IDR_TEST_MAIN, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE));
        app->m_pMainWnd = frame;
        return frame;
    }
    CVornalGlobalApp* app = nullptr;
    CderivedMainFrame* frame = nullptr;
};

TEST_F(ApplicationFrame, TheMdiClientTellsTheViewManagerAndTheFrameKeepsItsPlace)
{
    NewFrame();
    ViewManager manager;
    ASSERT_TRUE(manager.CreateEx(0, "Static", "", WS_CHILD, CRect(0, 0, 10, 10), frame, 4711));
    ASSERT_TRUE(frame->GetMDIClient().SubclassMDIClient(frame, &manager, 0x8003));
    EXPECT_EQ(frame->GetMDIClient().GetSafeHwnd(), frame->m_hWndMDIClient);
    ASSERT_TRUE(frame->GetMDIClient().RestoreMainFrameState(3));
    EXPECT_TRUE(frame->GetQWidget()->isMaximized()) << "nothing kept yet: the show command given";
    afxtest::showActive(frame);

    auto* child = new CMDIChildWnd;
    ASSERT_TRUE(child->Create(nullptr, "Окно", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200),
                              frame));
    child->MDIActivate();
    ASSERT_FALSE(manager.told.empty());
    EXPECT_EQ(manager.told.back(), child->GetSafeHwnd());
    frame->SendMessage(WM_COMMAND, ID_WINDOW_CASCADE, 0);  // the client's own commands still work
    child->DestroyWindow();
    afxtest::flushDeletes();
    EXPECT_EQ(manager.told.back(), nullptr) << "no child left";

    frame->ShowWindow(SW_SHOWNORMAL);
    frame->MoveWindow(40, 30, 700, 500);
    frame->DestroyWindow();  // keeps the place for the next run
    afxtest::flushDeletes();
    EXPECT_EQ(AfxGetApp()->GetProfileString("Settings", "MainFrame", ""), CString("40,30,700,500,0"));

    NewFrame();
    ASSERT_TRUE(frame->GetMDIClient().SubclassMDIClient(frame, nullptr, 0x8003));
    ASSERT_TRUE(frame->GetMDIClient().RestoreMainFrameState(3));
    EXPECT_FALSE(frame->GetQWidget()->isMaximized());
    EXPECT_EQ(frame->GetQWidget()->size(), QSize(700, 500));
}

TEST_F(ApplicationFrame, TheSettingsSheetShowsTheCurrentValuesAndGivesTheChosenOnes)
{
    g_bAskExit = TRUE;
    g_bMultyProcess = FALSE;
    m_bPlayWavFiles = FALSE;
    g_lReportTipe = 1;
    CSettingsPropSheet sheet(128, nullptr, 0);
    afxtest::InteractionScript script;
    script
        .dialogCaption("Настройки",
                       [&](afxtest::DialogStep& d) {
                           CPropertyPage* page = sheet.GetActivePage();
                           EXPECT_TRUE(page->IsDlgButtonChecked(IDC_SETTINGS_ASK_EXIT));
                           EXPECT_FALSE(page->IsDlgButtonChecked(IDC_SETTINGS_MULTI));
                           EXPECT_EQ(afxtest::text(page, IDC_SETTINGS_REPORT), QStringLiteral("1"));
                           afxtest::click(page, IDC_SETTINGS_ASK_EXIT);
                           afxtest::click(page, IDC_SETTINGS_SOUND);
                           afxtest::typeInto(page, IDC_SETTINGS_REPORT, QStringLiteral("12"));
                           d.click(IDOK);  // out of range: told, the sheet stays
                           afxtest::typeInto(page, IDC_SETTINGS_REPORT, QStringLiteral("2"));
                           d.click(IDOK);
                       })
        .message("Введите целое число от 0 до 9.", IDOK);
    EXPECT_EQ(sheet.DoModal(), IDOK);
    script.verify();
    EXPECT_FALSE(sheet.m_bAskExit);
    EXPECT_FALSE(sheet.m_bMultyProcess);
    EXPECT_TRUE(sheet.m_bPlayWavFiles);
    EXPECT_EQ(sheet.m_lReportTipe, 2);
    EXPECT_TRUE(g_bAskExit) << "the program stores the values, not the sheet";

    CSettingsPropSheet cancelled(128, nullptr, 0);
    afxtest::InteractionScript again;
    again.dialogCaption("Настройки", [&](afxtest::DialogStep& d) {
        afxtest::click(cancelled.GetActivePage(), IDC_SETTINGS_MULTI);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    EXPECT_FALSE(cancelled.m_bMultyProcess);
}

TEST_F(ApplicationFrame, SettingsAreReadFromTheProfile)
{
    g_bAskExit = FALSE;
    g_bMultyProcess = FALSE;
    g_lReportTipe = 0;
    m_bPlayWavFiles = TRUE;
    app->WriteProfileInt("Application", "AskExit", 1);
    app->WriteProfileInt("Application", "ReportTipe", 3);
    app->WriteProfileInt("Settings", "PlayWavFiles", 0);
    appcore::ReadApplicationSettings();
    EXPECT_TRUE(g_bAskExit);
    EXPECT_FALSE(g_bMultyProcess) << "not in the profile: left as it was";
    EXPECT_EQ(g_lReportTipe, 3);
    EXPECT_FALSE(m_bPlayWavFiles);
}

TEST_F(ApplicationFrame, PicturesOfTheCoreAndOfTheConfigurationsCommands)
{
    ASSERT_NE(GetDLL_Appcore(), nullptr) << "the core made itself known as it started";
    EXPECT_TRUE(AfxResourceErrors().isEmpty()) << AfxResourceErrors().join("\n").toStdString();
    for (int id : {IDB_MENU_CHECK, IDB_LEAVING_MARK}) {
        HBITMAP bitmap = LoadBitmap(GetDLL_Appcore(), MAKEINTRESOURCE(id));
        ASSERT_NE(bitmap, nullptr) << id;
        EXPECT_EQ(AfxQPixmap(bitmap).size(), QSize(16, 16));
        DeleteObject(bitmap);
    }

    const std::string archive = std::string(std::getenv("VORNAL_BIN")) + "/vornal.cfa";
    ASSERT_TRUE(GetDataArchive()->LoadFile(archive.c_str()));
    HBITMAP about = I_GetCommandHBitMap("App.About", 16, 16);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(I_GetCommandHBitMap("App.About", 16, 16), about) << "the core keeps its picture";
    QImage image = AfxQPixmap(about).toImage();
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the background stays transparent";
    EXPECT_EQ(AfxQPixmap(I_GetCommandHBitMap("App.About", 32, 32)).size(), QSize(32, 32));
    EXPECT_EQ(I_GetCommandHBitMap("Window.Arrange", 16, 16), nullptr) << "a command without a picture";
    EXPECT_EQ(I_GetCommandHBitMap("Нет.Такой", 16, 16), nullptr);
    EXPECT_EQ(I_GetCommandHBitMap(nullptr, 16, 16), nullptr);
}

} // namespace
