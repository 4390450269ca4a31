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
#include <QDialog>
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
    // The demo user's period again, for the tests that follow.
    static void RestoreDemoPeriod()
    {
        ASSERT_TRUE(ExecuteSql("update tn set otp_id=NULL, g=YEAR(CURDATE()), ms=MONTH(CURDATE()), "
                               "dpv1=DATE_FORMAT(CURDATE(), '%Y-%m-01'), dpv2=LAST_DAY(CURDATE()) where tn=1"));
    }
    // Runs a command that opens a view and answers the view.
    CView* Open(UINT command)
    {
        frame->SendMessage(WM_COMMAND, command);
        return ActiveView();
    }
    // Presses the view's "Выбрать" and lets a closing view go.
    static void Choose(CView* view)
    {
        view->SendMessage(WM_COMMAND, IDOK);
        afxtest::deliverPosted();
        afxtest::flushDeletes();
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
    // The document families add their menus between "Операции" and "Сервис".
    EXPECT_EQ(top.mid(0, 2), (QStringList{"&Файл", "&Операции"}));
    EXPECT_EQ(top.mid(top.size() - 3), (QStringList{"&Сервис", "&Окно", "&Справка"}));
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
    // next turn and is then run by the interpreter: the ledger module, loaded
    // from beside the program, opens its journal.
    frame->SendMessage(WM_COMMAND, kJournal);
    EXPECT_EQ(CVR_MainFrame::PendingCommand(), CString("Ledger.Journal"));
    EXPECT_EQ(frame->MDIGetActive(), nullptr) << "not yet run";
    afxtest::deliverPosted();
    CMDIChildWnd* child = frame->MDIGetActive();
    ASSERT_NE(child, nullptr);
    CString name;
    child->GetActiveDocument()->GetDocTemplate()->GetDocString(name, CDocTemplate::docName);
    EXPECT_EQ(name, CString("ProvodkiView"));
}

TEST_F(MainFrameTest, MonthViewChoosesThePeriodShownInTheStatusBar)
{
    Start("ПАЙМАР");
    auto* view = dynamic_cast<CSelectPieriodMonthView*>(Open(kPeriodMonth));
    ASSERT_NE(view, nullptr);
    const int year = QDate::currentDate().year();
    EXPECT_EQ(view->GetShownYear(), year);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_OTP_GRID));
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->GetNRows(), 12);
    grid->SetCurCell(1, 2);
    Choose(view);
    EXPECT_EQ(ActiveView(), nullptr) << "the choice closes the view";
    EXPECT_EQ(g_lMonth, 3);
    EXPECT_EQ(GetDPV1(), QString("01.03.%1").arg(year).toUtf8().constData());
    EXPECT_EQ(GetStatusPaneText(3), CString(QString(" Отчетный период март %1 г.").arg(year).toUtf8().constData()));
}

// Adding the next year, changing a month's dates, and a month without a
// period that only beeps.
TEST_F(MainFrameTest, MonthViewAddsAYearAndChangesDates)
{
    const int year = QDate::currentDate().year();
    ASSERT_TRUE(ExecuteSql(QString("delete from otp where g>%1").arg(year).toUtf8().constData()));
    Start("ПАЙМАР");
    auto* view = dynamic_cast<CSelectPieriodMonthView*>(Open(kPeriodMonth));
    ASSERT_NE(view, nullptr);
    {
        afxtest::InteractionScript script;
        script.message(QString("Добавить год %1 ?").arg(year + 1), IDYES);
        afxtest::click(view, IDC_OTP_ADD_YEAR);
        script.verify();
    }
    CString sql;
    sql.Format("select count(*) as cnt from otp where g=%d and d2=LAST_DAY(d1)", year + 1);
    EXPECT_EQ(ExecuteCount(sql), 12);

    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_OTP_GRID));
    grid->SetCurCell(1, 4);
    {
        afxtest::InteractionScript script;
        script.dialog(IDD_OTP_FROM_TO, [&](afxtest::DialogStep& d) {
            afxtest::pickDate(d.window(), IDC_OTP_FROM, QDate(year, 4, 28));
            afxtest::pickDate(d.window(), IDC_OTP_TO, QDate(year, 5, 27));
            d.click(IDOK);
        });
        afxtest::click(view, IDC_OTP_EDIT);
        script.verify();
    }
    EXPECT_EQ(grid->GetCellValue(2, 4), CString(QString("28.04.%1").arg(year).toUtf8().constData()));
    sql.Format("select count(*) as cnt from otp where g=%d and ms=5 and d1='%d-04-28' and d2='%d-05-27'", year, year,
               year);
    EXPECT_EQ(ExecuteCount(sql), 1);

    sql.Format("delete from otp where g=%d and ms=6", year);
    ASSERT_TRUE(ExecuteSql(sql));
    afxtest::InteractionScript script;
    view->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OTP_YEARS, CBN_SELENDOK),
                      reinterpret_cast<LPARAM>(view->GetDlgItem(IDC_OTP_YEARS)->GetSafeHwnd()));
    grid->SetCurCell(1, 5);
    view->SendMessage(WM_COMMAND, IDOK);
    afxtest::deliverPosted();
    EXPECT_EQ(script.beeps().size(), 1) << "a month without a period only beeps";
    EXPECT_EQ(ActiveView(), view);
    // The periods of the demo data again.
    sql.Format("delete from otp where g=%d and ms in (5,6);\n"
               "insert into otp (g, ms, d1, d2) values (%d, 5, '%d-05-01', '%d-05-31'), (%d, 6, '%d-06-01', '%d-06-30')",
               year, year, year, year, year, year, year);
    ASSERT_TRUE(ExecuteSql(sql));
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
    RestoreDemoPeriod();
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
    CView* view = Open(kPeriodKind);
    ASSERT_NE(view, nullptr);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_GRID));
    ASSERT_NE(grid, nullptr);
    const int year = QDate::currentDate().year();
    grid->SetCurCell(1, 3);  // the first quarter
    Choose(view);
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

// Both period views open in a frame of the form's size: their buttons are in
// sight without scrolling.
TEST_F(MainFrameTest, PeriodViewsShowTheirButtons)
{
    Start("ЛЕДМАРК");
    frame->GetQWidget()->resize(1024, 768);
    for (UINT command : {kPeriodKind, kPeriodMonth}) {
        CView* view = Open(command);
        ASSERT_NE(view, nullptr);
        QCoreApplication::processEvents();
        for (int button : {IDOK, IDCANCEL}) {
            CWnd* item = view->GetDlgItem(button);
            ASSERT_NE(item, nullptr);
            const QWidget* widget = item->GetQWidget();
            EXPECT_EQ(widget->visibleRegion().boundingRect().size(), widget->size())
                << "command " << command << ", button " << button;
        }
        frame->SendMessage(WM_COMMAND, kCloseAll);
        afxtest::deliverPosted();
        afxtest::flushDeletes();
    }
}

// Dates typed into the period view by kind: a start after the end is refused
// and the view stays; a year typed in the edit gives its dates.
TEST_F(MainFrameTest, PeriodByKindChecksTypedDates)
{
    Start("ЛЕДМАРК");
    CView* view = Open(kPeriodKind);
    ASSERT_NE(view, nullptr);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_GRID));
    view->SetDlgItemText(IDC_OTP_YEAR, "2024");
    grid->SetCurCell(1, 18);
    grid->SetCellValue(2, 18, "01.12.2024");
    grid->SetCellValue(3, 18, "30.11.2024");
    {
        afxtest::InteractionScript script;
        script.message("Дата начала должна предшествовать дате окончания", IDOK);
        view->SendMessage(WM_COMMAND, IDOK);
        script.verify();
    }
    afxtest::deliverPosted();
    ASSERT_EQ(ActiveView(), view) << "the view stays";
    grid->SetCellValue(2, 18, "30.11.2024");
    Choose(view);
    EXPECT_EQ(ActiveView(), nullptr);
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from tn where tn=1 and g=2024 and otp_id=18 and "
                           "dpv1='2024-11-30' and dpv2='2024-11-30'"),
              1)
        << "equal days are accepted";
    RestoreDemoPeriod();
}

// Inner windows carry the workplace's icon, message boxes its caption.
TEST_F(MainFrameTest, InnerWindowsAndMessagesLookLikeTheWorkplaces)
{
    Start("ЛЕДМАРК");
    CView* view = Open(kPeriodKind);
    ASSERT_NE(view, nullptr);
    const HICON icon = view->GetParentFrame()->GetIcon(TRUE);
    EXPECT_NE(icon, nullptr);
    EXPECT_EQ(icon, frame->GetIcon(TRUE));
    struct CaptionDriver : AfxModalDriver {
        CString caption;
        void run(AfxModalRequest& req) override
        {
            caption = req.caption;
            if (req.widget)
                req.widget->reject();
        }
        void leftOpen(AfxModalRequest&) override {}
    } driver;
    AfxSetModalDriver(&driver);
    AfxMessageBox("Проверка");
    AfxSetModalDriver(nullptr);
    EXPECT_EQ(driver.caption, CString("Бухгалтерия"));
}

// A year typed into the period view by kind is the year whose dates are
// chosen, saved and named in the status bar, as a spun one is.
TEST_F(MainFrameTest, PeriodByKindTypedYearIsTheYearSavedAndShown)
{
    Start("ЛЕДМАРК");
    CView* view = Open(kPeriodKind);
    ASSERT_NE(view, nullptr);
    auto* grid = static_cast<CCellwork*>(view->GetDlgItem(IDC_GRID));
    afxtest::typeInto(view, IDC_OTP_YEAR, QStringLiteral("2024"));
    EXPECT_EQ(grid->GetCellValue(3, 1), CString("29.02.2024")) << "the typed year's dates at once";
    grid->SetCurCell(1, 1);  // February
    Choose(view);
    EXPECT_EQ(ActiveView(), nullptr);
    EXPECT_EQ(ExecuteCount("select count(*) as cnt from tn where tn=1 and g=2024 and otp_id=1 and "
                           "dpv1='2024-02-01' and dpv2='2024-02-29'"),
              1);
    EXPECT_EQ(GetStatusPaneText(3), CString(" Отчетный период февраль 2024 г."));
    RestoreDemoPeriod();
}

// A month chosen in a workplace of periods by month is the period the ledger
// (periods by kind) then works in, and its status bar names that period, not
// the kind stored before; days that are no kind are named as days.
TEST_F(MainFrameTest, StatusPaneNamesThePeriodTheQueriesUseAfterAWorkplaceChange)
{
    const int year = QDate::currentDate().year();
    ASSERT_TRUE(ExecuteSql("update tn set otp_id=16 where tn=1"));  // December stored
    Start("ПАЙМАР");
    CView* view = Open(kPeriodMonth);
    ASSERT_NE(view, nullptr);
    static_cast<CCellwork*>(view->GetDlgItem(IDC_OTP_GRID))->SetCurCell(1, 10);  // November
    Choose(view);
    Start("ЛЕДМАРК");
    EXPECT_EQ(GetDPV1(), QString("01.11.%1").arg(year).toUtf8().constData());
    EXPECT_EQ(GetStatusPaneText(3), CString(QString(" Отчетный период ноябрь %1 г.").arg(year).toUtf8().constData()));
    EXPECT_EQ(g_lOtpId, 15) << "the period view by kind opens on November";

    ASSERT_TRUE(ExecuteSql("update tn set dpv1='2024-11-05', dpv2='2024-11-20' where tn=1"));
    ShowPeriodInStatusBar();
    EXPECT_EQ(GetStatusPaneText(3), CString(" Отчетный период с 05.11.2024 по 20.11.2024"));
    RestoreDemoPeriod();
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

// The payroll workplace's menus, "Работники" open, as a picture beside the
// test binary: its top menus stand between "Файл" and "Сервис".
TEST_F(MainFrameTest, PictureOfThePayrollWorkersMenu)
{
    Start("ПАЙМАР");
    CMenu& bar = frame->GetMenuBar();
    QStringList captions;
    for (int i = 0; i < int(bar.GetMenuItemCount()); ++i) {
        MENUITEMINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        bar.GetMenuItemInfo(UINT(i), &info, TRUE);
        const auto* record = reinterpret_cast<const CVR_MenuItem*>(info.dwItemData);
        captions << (record ? record->m_strCaption.ToQString() : QString());
    }
    const int workers = int(captions.indexOf("&Работники"));
    ASSERT_GT(workers, 0);
    EXPECT_EQ(captions.front(), QString("&Файл"));
    EXPECT_EQ(captions.indexOf("&Справочники"), 1) << "the books first";
    EXPECT_GT(captions.indexOf("&Сервис"), workers);
    EXPECT_GT(captions.indexOf("&Ввод за месяц"), workers);
    EXPECT_LT(captions.indexOf("&Ввод за месяц"), captions.indexOf("&Сервис"));
    QWidget* window = frame->GetQWidget();
    window->resize(900, 600);
    QMenu* popup = AfxPreparedMenu(bar.GetSubMenu(workers)->m_hMenu);
    ASSERT_NE(popup, nullptr);
    popup->popup(window->mapToGlobal(QPoint(60 * workers, 24)));
    QCoreApplication::processEvents();
    popup->setActiveAction(popup->actions().at(0));
    QImage picture = window->grab().toImage();
    const QImage menu = popup->grab().toImage();
    {
        QPainter p(&picture);
        p.drawImage(QPoint(60 * workers, 24), menu);
    }
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/payroll_workers_menu.png")));
    MENUITEMINFO first = {};
    first.cbSize = sizeof first;
    first.fMask = MIIM_DATA;
    bar.GetSubMenu(workers)->GetMenuItemInfo(0, &first, TRUE);
    const auto* item = reinterpret_cast<const CVR_MenuItem*>(first.dwItemData);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->m_strCaption, CString("Личная карточка"));
    popup->close();
}

} // namespace
