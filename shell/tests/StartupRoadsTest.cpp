// The roads of start-up, each from the command line to the main frame or to
// its end, with the person's part played by the interaction script.
#include "CVR_MainFrame.h"
#include "FreshDatabase.h"
#include "InteractionScript.h"
#include "ShellProgram.h"
#include "ShellTestKit.h"
#include "StatusPanes.h"
#include "appcore.h"
#include "ndbcore.h"
#include "res/resource.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QRegularExpression>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using shelltest::ShellProgram;

class StartupRoadsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShellProgram::Prepare());
    }
    void TearDown() override
    {
        program.reset();
        ASSERT_TRUE(vornal::testing::UseFreshDatabase());
    }
    static int Arm(const char* id) { return GetDataArchive()->FindArm(id); }
    static void Login(afxtest::DialogStep& d)
    {
        d.type(IDC_LOGIN_TN, "1");
        d.type(IDC_LOGIN_PASSWORD, "123");
        d.click(IDOK);
    }
    // The frame shows the workplace the login string names.
    void ExpectWorkplaceShown()
    {
        CString caption, index;
        program->Frame()->GetWindowText(caption);
        EXPECT_EQ(caption, GetDataArchive()->GetArm(int(g_lARM))->m_strCaption);
        index.Format(" -%d", g_lARM);
        EXPECT_TRUE(program->App().GetLoginString().Right(index.GetLength()) == index);
    }
    std::unique_ptr<ShellProgram> program = std::make_unique<ShellProgram>();
};

TEST_F(StartupRoadsTest, LoginArgumentsOpenTheWorkplaceWithoutAsking)
{
    afxtest::InteractionScript script;
    ASSERT_TRUE(program->Start(ShellProgram::LoginArguments("1", "123", Arm("ЛЕДМАРК"))));
    CVR_MainFrame* frame = program->Frame();
    ASSERT_NE(frame, nullptr);
    CString caption;
    frame->GetWindowText(caption);
    EXPECT_EQ(caption, CString("Бухгалтерия"));
    EXPECT_EQ(g_lTN, 1);
    EXPECT_EQ(GetStatusPaneText(1), CString("Петрова Анна Сергеевна"));
    EXPECT_EQ(GetStatusPaneText(2), GetConstant("ORG_NAME", 0));
    EXPECT_TRUE(GetStatusPaneText(3).Find("Отчетный период") >= 0) << GetStatusPaneText(3).ToStdString();
    EXPECT_EQ(atol(GetConstant("system_mono", 0)), 1);
    EXPECT_EQ(atol(GetConstant("system_spr_del", 0)), 1);
    EXPECT_TRUE(program->App().ModulesLoaded());
}

TEST_F(StartupRoadsTest, ConnectionArgumentsAloneAskForTheLogin)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, Login).dialog(IDD_SELECT_ARM, [](afxtest::DialogStep& d) {
        shelltest::doubleClickCell(*static_cast<CCellwork*>(d.item(IDC_GRID)), 0, 0);
    });
    ASSERT_TRUE(program->Start("- - " + ShellProgram::ConnectionArguments() + " -"));
    ASSERT_NE(program->Frame(), nullptr);
    ExpectWorkplaceShown();
    EXPECT_TRUE(program->App().GetLoginString().Find("-1 -123 -1") == 0) << program->App().GetLoginString().ToStdString();
}

TEST_F(StartupRoadsTest, NoArgumentsAskForTheLoginOnTheKnownDatabase)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, Login).dialog(IDD_SELECT_ARM, [](afxtest::DialogStep& d) {
        shelltest::doubleClickCell(*static_cast<CCellwork*>(d.item(IDC_GRID)), 0, 1);
    });
    ASSERT_TRUE(program->Start(""));
    ASSERT_NE(program->Frame(), nullptr);
    ExpectWorkplaceShown();
}

TEST_F(StartupRoadsTest, ChooserSwitchRunsTheChooserAndEnds)
{
    afxtest::InteractionScript script;
    script.dialog(IDD_WELCOME, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
    EXPECT_FALSE(program->Start("-$$$"));
    EXPECT_EQ(program->Frame(), nullptr);
}

// Runs the program as a process of its own until it ends or has run the
// configuration's Load(); answers what it printed. The test's own program
// answers meanwhile (a second instance asks the first to come forward).
QByteArray RunSecondProgram(const QString& arguments, int milliseconds = 30000)
{
    QProcess second;
    second.setProcessChannelMode(QProcess::MergedChannels);
    second.start(qEnvironmentVariable("VORNAL_BIN") + "/vornal", arguments.split(' ', Qt::SkipEmptyParts));
    if (!second.waitForStarted(10000))
        return QByteArray();
    QByteArray output;
    QDeadlineTimer deadline(milliseconds);
    while (second.state() != QProcess::NotRunning && !deadline.hasExpired() && !output.contains("Конфигурация загружена")) {
        QCoreApplication::processEvents();
        second.waitForReadyRead(20);
        output += second.readAll();
    }
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished(10000);
    }
    return output + second.readAll();
}

// A second program for the same server, workplace and user ends before the
// configuration's Load(); once the first has ended, it starts.
TEST_F(StartupRoadsTest, SecondInstanceOfTheSameWorkplaceEnds)
{
    const QString arguments = ShellProgram::LoginArguments("1", "123", Arm("ЛЕДМАРК"));
    ASSERT_TRUE(program->Start(arguments));
    const QByteArray refused = RunSecondProgram(arguments);
    EXPECT_TRUE(refused.contains("уже запущена")) << "the second was refused: " << refused.constData();
    EXPECT_FALSE(refused.contains("Конфигурация загружена")) << refused.constData();
    EXPECT_NE(program->Frame(), nullptr) << "the first runs on";
    program.reset();
    const QByteArray started = RunSecondProgram(arguments);
    EXPECT_TRUE(started.contains("Конфигурация загружена")) << started.constData();
}

// While this program's login dialog is open, a second program comes to its
// own login dialog: a login names no server, database, workplace or user yet,
// and claims nothing.
TEST_F(StartupRoadsTest, ALoginDialogKeepsNoOtherProgramOut)
{
    QByteArray second;
    afxtest::InteractionScript script;
    script.dialog(IDD_REGISTER_USER, [&second](afxtest::DialogStep& d) {
        second = RunSecondProgram(QString(), 3000);
        d.click(IDCANCEL);
    });
    EXPECT_FALSE(program->Start(""));
    script.verify();
    EXPECT_FALSE(second.contains("уже")) << "the second was refused: " << second.constData();
}

// The ends of start-up: each road stops with its message and leaves no frame.
TEST_F(StartupRoadsTest, FailureTable)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<QString()> arguments;
        std::function<void(afxtest::InteractionScript&)> person;
    };
    const Case cases[] = {
        {"the login dialog cancelled", [] {}, [] { return "- - " + ShellProgram::ConnectionArguments() + " -"; },
         [](afxtest::InteractionScript& s) {
             s.dialog(IDD_REGISTER_USER, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
         }},
        {"a wrong password among the arguments", [] {},
         [] { return ShellProgram::LoginArguments("1", "999", 0); },
         [](afxtest::InteractionScript& s) { s.message("Имя пользователя или пароль неверны", IDOK); }},
        {"a password that is SQL", [] {},
         [] { return ShellProgram::LoginArguments("1", "'or'1'='1", 0); },
         [](afxtest::InteractionScript& s) { s.message("Имя пользователя или пароль неверны", IDOK); }},
        {"a database of another configuration", [] { SetConstant("HashKey", "0000"); },
         [] { return ShellProgram::LoginArguments("1", "123", 0); },
         [](afxtest::InteractionScript& s) { s.messageContaining("Неверная структура базы данных", IDOK); }},
        {"an unreachable server given up",
         [] {}, [] { return ShellProgram::LoginArguments("1", "123", 0).replace(QRegularExpression(":\\d+ "), ":1 "); },
         [](afxtest::InteractionScript& s) {
             s.messageContaining("Нет связи с сервером базы данных", IDOK)
                 .dialog(IDD_SQL_PARAMS, [](afxtest::DialogStep& d) { d.click(IDCANCEL); });
         }},
        {"no configuration file", [] { setenv("VORNAL_CONFIG_ARCHIVE", "/nonexistent/vornal.cfa", 1); },
         [] { return ShellProgram::LoginArguments("1", "123", 0); },
         [](afxtest::InteractionScript& s) { s.messageContaining("Файл конфигурации не найден", IDOK); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(ShellProgram::Prepare());
        const QString arguments = c.arguments();
        c.prepare();
        afxtest::InteractionScript script;
        c.person(script);
        EXPECT_FALSE(program->Start(arguments));
        script.verify();
        EXPECT_EQ(program->Frame(), nullptr);
        program = std::make_unique<ShellProgram>();
    }
    SetConstant("HashKey", "");
}

} // namespace
