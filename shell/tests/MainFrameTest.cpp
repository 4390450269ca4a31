// The main frame of a started program: its menus and toolbar from the
// workplace, commands of both kinds, the period views it opens, the exit
// question, and a picture of it with a menu open.
#include "CCellwork.h"
#include "CSelectPieriodMonthView.h"
#include "CVR_MainFrame.h"
#include "CVR_MenuItem.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellProgram.h"
#include "ShellTestKit.h"
#include "StatusPanes.h"
#include "appcore.h"
#include "menu/OwnerDrawMenu.h"
#include "ndbcore.h"
#include "res/AppcoreResource.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using shelltest::ShellProgram;

constexpr UINT kAbout = 20001, kPeriodMonth = 20003, kPeriodKind = 20004, kSettings = 20005, kCloseAll = 20007,
               kPrintDirect = 20008, kJournal = 20101;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShellProgram::Prepare());
    }
    void Start(const char* arm)
    {
        afxtest::InteractionScript none;
        ASSERT_TRUE(program.Start(ShellProgram::LoginArguments("1", "123", GetDataArchive()->FindArm(arm))));
        frame = program.Frame();
        ASSERT_NE(frame, nullptr);
        afxtest::showActive(frame);
    }
    CView* ActiveView() const
    {
        CMDIChildWnd* child = frame->MDIGetActive();
        return child ? child->GetActiveView() : nullptr;
    }
    static QStringList TopMenu(CMenu* menu)
    {
        QStringList captions;
        for (int i = 0; i < menu->GetMenuItemCount(); ++i) {
            MENUITEMINFO info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_DATA;
            menu->GetMenuItemInfo(UINT(i), &info, TRUE);
            const auto* record = reinterpret_cast<const CVR_MenuItem*>(info.dwItemData);
            captions << (record ? record->m_strCaption.ToQString() : QString());
        }
        return captions;
    }
    ShellProgram program;
    CVR_MainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, MenusAndToolbarOfTheWorkplace)
{
    Start("ЛЕДМАРК");
    const QStringList top = TopMenu(&frame->GetMenuBar());
    ASSERT_GE(top.size(), 5);
    EXPECT_EQ(top.mid(0, 5), (QStringList{"&Файл", "&Операции", "&Сервис", "&Окно", "&Справка"}));
    CMenu* file = frame->GetMenuBar().GetSubMenu(0);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->GetMenuItemID(0), kPeriodKind);
    EXPECT_EQ(file->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
    CToolBarCtrl& bar = frame->GetToolBar(0)->GetToolBarCtrl();
    EXPECT_EQ(int(bar.SendMessage(TB_BUTTONCOUNT)), 5) << "three commands and two separators";
    EXPECT_EQ(frame->GetToolBar(1)->GetSafeHwnd(), nullptr) << "no second list, no second toolbar";
}

TEST_F(MainFrameTest, WindowCommandsAndScriptCommands)
{
    Start("ЛЕДМАРК");
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_ABOUTBOX, [](afxtest::DialogStep& d) { d.click(IDOK); });
        frame->SendMessage(WM_COMMAND, kAbout);
        script.verify();
    }
    // A configuration command without a window command waits for the frame's
    // next turn and is then run by the interpreter.
    afxtest::InteractionScript script;
    script.message("Форма «ProvodkiView» не найдена в конфигурации", IDOK);
    frame->SendMessage(WM_COMMAND, kJournal);
    EXPECT_EQ(CVR_MainFrame::PendingCommand(), CString("Ledger.Journal"));
    EXPECT_FALSE(script.finished()) << "not yet run";
    afxtest::deliverPosted();
    script.verify();
}

TEST_F(MainFrameTest, MonthViewChoosesThePeriodShownInTheStatusBar)
{
    Start("ПАЙМАР");
    frame->SendMessage(WM_COMMAND, kPeriodMonth);
    auto* view = dynamic_cast<CSelectPieriodMonthView*>(ActiveView());
    ASSERT_NE(view, nullptr);
    const int year = QDate::currentDate().year();
    EXPECT_EQ(view->GetShownYear(), year);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_OTP_GRID));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->GetNRows(), 12);
    grid->SetCurCell(1, 2);
    view->SendMessage(WM_COMMAND, IDOK);
    afxtest::deliverPosted();
    afxtest::flushDeletes();
    EXPECT_EQ(ActiveView(), nullptr) << "the choice closes the view";
    EXPECT_EQ(g_lMonth, 3);
    EXPECT_EQ(GetDPV1(), QString("01.03.%1").arg(year).toUtf8().constData());
    EXPECT_EQ(GetStatusPaneText(3), CString(QString(" Отчетный период март %1 г.").arg(year).toUtf8().constData()));
}

TEST_F(MainFrameTest, ExitQuestion)
{
    Start("ЛЕДМАРК");
    g_bAskExit = TRUE;
    {
        afxtest::InteractionScript script;
        script.message("Вы действительно хотите выйти из программы?", IDNO);
        EXPECT_FALSE(program.Close()) << "No keeps the program running";
    }
    afxtest::InteractionScript script;
    script.message("Вы действительно хотите выйти из программы?", IDYES);
    EXPECT_TRUE(program.Close());
    g_bAskExit = FALSE;
}

TEST_F(MainFrameTest, SettingsGoToTheGlobalsAndTheProfile)
{
    Start("ЛЕДМАРК");
    g_bAskExit = FALSE;
    g_lReportTipe = 0;
    afxtest::InteractionScript script;
    script.dialogCaption("Настройки", [](afxtest::DialogStep& d) {
        auto* sheet = dynamic_cast<CPropertySheet*>(d.window());
        ASSERT_NE(sheet, nullptr);
        afxtest::click(sheet->GetActivePage(), IDC_SETTINGS_ASK_EXIT);
        afxtest::typeInto(sheet->GetActivePage(), IDC_SETTINGS_REPORT, QStringLiteral("3"));
        d.click(IDOK);
    });
    frame->SendMessage(WM_COMMAND, kSettings);
    script.verify();
    EXPECT_TRUE(g_bAskExit);
    EXPECT_EQ(g_lReportTipe, 3);
    EXPECT_EQ(program.App().GetProfileInt("Application", "AskExit", 0), 1);
    EXPECT_EQ(program.App().GetProfileInt("Application", "ReportTipe", 0), 3);
    g_bAskExit = FALSE;
    program.App().WriteProfileInt("Application", "AskExit", 0);
}

// A user who never chose a period by kind works in the one the pane names,
// in the dates' usual form.
TEST_F(MainFrameTest, PeriodByKindWithoutDatesTakesTheKindsDates)
{
    ASSERT_TRUE(ExecuteSql("update tn set otp_id=7, g=2024, dpv1=NULL, dpv2=NULL where tn=1"));
    Start("ЛЕДМАРК");
    EXPECT_EQ(GetDPV1(), CString("01.04.2024"));
    EXPECT_EQ(GetDPV2(), CString("30.06.2024"));
    EXPECT_EQ(GetStatusPaneText(3), CString(" Отчетный период II квартал 2024 г."));
    // The demo user's period again, for the tests that follow.
    ASSERT_TRUE(ExecuteSql("update tn set otp_id=NULL, g=YEAR(CURDATE()), ms=MONTH(CURDATE()), "
                           "dpv1=DATE_FORMAT(CURDATE(), '%Y-%m-01'), dpv2=LAST_DAY(CURDATE()) where tn=1"));
}

TEST_F(MainFrameTest, DirectPrintingSwitchAndItsCheck)
{
    Start("ЛЕДМАРК");
    g_bPrintDirrect = FALSE;
    CMenu* file = frame->GetMenuBar().GetSubMenu(0);
    const int item = 3;
    ASSERT_EQ(file->GetMenuItemID(item), kPrintDirect);
    frame->SendMessage(WM_COMMAND, kPrintDirect);
    EXPECT_TRUE(g_bPrintDirrect);
    AfxPreparedMenu(file->m_hMenu);
    EXPECT_TRUE(file->GetMenuState(item, MF_BYPOSITION) & MF_CHECKED);
    frame->SendMessage(WM_COMMAND, kPrintDirect);
    EXPECT_FALSE(g_bPrintDirrect) << "twice leaves it as it was";
    AfxPreparedMenu(file->m_hMenu);
    EXPECT_FALSE(file->GetMenuState(item, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(MainFrameTest, PeriodByKindIsChosenAndAllWindowsClose)
{
    Start("ЛЕДМАРК");
    frame->SendMessage(WM_COMMAND, kPeriodKind);
    CView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_GRID));
    ASSERT_NE(grid, nullptr);
    const int year = QDate::currentDate().year();
    grid->SetCurCell(1, 3);  // the first quarter
    view->SendMessage(WM_COMMAND, IDOK);
    afxtest::deliverPosted();
    afxtest::flushDeletes();
    EXPECT_EQ(ActiveView(), nullptr);
    EXPECT_EQ(GetDPV1(), QString("01.01.%1").arg(year).toUtf8().constData());
    EXPECT_EQ(GetDPV2(), QString("31.03.%1").arg(year).toUtf8().constData());
    EXPECT_EQ(GetStatusPaneText(3), CString(QString(" Отчетный период I квартал %1 г.").arg(year).toUtf8().constData()));

    frame->SendMessage(WM_COMMAND, kPeriodKind);
    frame->SendMessage(WM_COMMAND, kPeriodMonth);
    ASSERT_NE(ActiveView(), nullptr);
    frame->SendMessage(WM_COMMAND, kCloseAll);
    afxtest::deliverPosted();
    afxtest::flushDeletes();
    EXPECT_EQ(frame->MDIGetActive(), nullptr);
}

// The main frame with its first menu open, as a picture beside the test binary.
TEST_F(MainFrameTest, PictureWithTheMenuOpen)
{
    Start("ЛЕДМАРК");
    frame->SendMessage(WM_COMMAND, kPeriodKind);
    QWidget* window = frame->GetQWidget();
    window->resize(900, 600);
    QMenu* popup = AfxPreparedMenu(frame->GetMenuBar().GetSubMenu(0)->m_hMenu);
    ASSERT_NE(popup, nullptr);
    popup->popup(window->mapToGlobal(QPoint(4, 24)));
    QCoreApplication::processEvents();
    popup->setActiveAction(popup->actions().at(0));
    QImage picture = window->grab().toImage();
    const QImage menu = popup->grab().toImage();
    {
        QPainter p(&picture);
        p.drawImage(QPoint(4, 24), menu);
    }
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/main_frame_menu.png")));
    popup->close();
    EXPECT_GT(menu.height(), 5 * 18) << "the items of the file menu";
    EXPECT_GT(afxtest::distinctColours(picture), 20);
}

} // namespace
