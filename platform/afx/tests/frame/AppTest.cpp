// The application object: its names, the profile under the registry key,
// the command line in Windows form and the template list.
#include "FrameTestKit.h"
#include <QCoreApplication>
#include <QProcess>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

using namespace frametest;

TEST(AppTest, NamesProfileAndTemplates)
{
    TestApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(app.m_pszAppName, "Тестовая бухгалтерия");
    EXPECT_EQ(app.GetProfileInt("constants", "select_fil", 1), 1u);

    // A program may free the key and set another, as the shell does.
    app.SetRegistryKey("KestromOld");
    std::free(const_cast<char*>(app.m_pszRegistryKey));
    app.m_pszRegistryKey = nullptr;
    app.SetRegistryKey("Kestrom42");
    EXPECT_STREQ(app.m_pszRegistryKey, "Kestrom42");
    EXPECT_STREQ(app.m_pszProfileName, "Тестовая бухгалтерия");
    EXPECT_TRUE(app.WriteProfileInt("constants", "select_fil", 3));
    EXPECT_TRUE(app.WriteProfileString("Settings", "welcome", "Главная|База"));
    EXPECT_EQ(app.GetProfileInt("constants", "select_fil", 1), 3u);
    EXPECT_EQ(app.GetProfileString("Settings", "welcome"), CString("Главная|База"));
    EXPECT_EQ(CProfileStore("Kestrom42", "Тестовая бухгалтерия").GetInt("constants", "select_fil", 0), 3u)
        << "under Software\\<key>\\<application>";

    auto* t = new CMultiDocTemplate(IDR_PKO, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(ChildFrame),
                                    RUNTIME_CLASS(PkoView));
    app.AddDocTemplate(t);
    POSITION pos = app.GetFirstDocTemplatePosition();
    EXPECT_EQ(app.GetNextDocTemplate(pos), t);
    EXPECT_EQ(pos, nullptr);
}

TEST(AppTest, CommandLineInWindowsForm)
{
    // The program path in double quotes, then the arguments as given: the
    // shell splits it at '"' and at "-".
    const char* argv[] = { "vornal", "-", "15", "-secret", "-1" };
    AfxSetCommandLine(5, const_cast<char**>(argv));
    QString line = QString::fromUtf8(GetCommandLine());
    QString program = QCoreApplication::applicationFilePath();
    EXPECT_EQ(line, QStringLiteral("\"%1\" - 15 -secret -1").arg(program));
    TestApp app;
    EXPECT_STREQ(app.m_lpCmdLine, "- 15 -secret -1");
}

TEST(AppTest, TheTestResourcesParse)
{
    EXPECT_EQ(AfxResourceErrors().join('\n').toStdString(), "");
}

TEST(AppTest, AProgramRunsFromAfxWinMainToExitInstance)
{
    QProcess program;
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/afx_frame_program");
    program.start(path, { QStringLiteral("-"), QStringLiteral("15"), QStringLiteral("-пароль") });
    ASSERT_TRUE(program.waitForFinished(20000)) << "the event loop ended when the frame closed";
    QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.exitCode(), 7) << "ExitInstance's code";
    EXPECT_TRUE(out.contains(QStringLiteral("args=[- 15 -пароль]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("line=[\"%1\" - 15 -пароль]").arg(path))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("number=12.50")));
    EXPECT_TRUE(out.contains(QStringLiteral("name=Тестовая бухгалтерия"))) << "the application title string";
    EXPECT_TRUE(out.contains(QStringLiteral("documents at exit=0"))) << "closing the frame closed its documents";
}
