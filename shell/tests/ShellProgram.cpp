#include "ShellProgram.h"

#include "CVR_MainFrame.h"
#include "FreshDatabase.h"
#include "GuiDriver.h"
#include "ShellTestKit.h"
#include "app/AfxCommandLine.h"
#include "appcore.h"
#include "ndbcore.h"

#include <QByteArray>
#include <vector>

namespace shelltest {

ShellProgram::ShellProgram() = default;

ShellProgram::~ShellProgram()
{
    Stop();
}

bool ShellProgram::Prepare()
{
    g_bAskExit = FALSE;
    return vornal::testing::UseFreshDatabase() && LoadDefaultConfiguration() && SetConstant("HashKey", "");
}

QString ShellProgram::ConnectionArguments()
{
    vornal::testing::TestServer server;
    if (!vornal::testing::CreateFreshDatabase(&server))
        return QString();
    return QStringLiteral("-1 - -%1 -root -%2:%3").arg(server.database, server.host).arg(server.port);
}

QString ShellProgram::LoginArguments(const QString& tn, const QString& password, int arm)
{
    return QStringLiteral("-%1 -%2 %3 -%4").arg(tn, password, ConnectionArguments()).arg(arm);
}

BOOL ShellProgram::Start(const QString& arguments)
{
    Stop();
    std::vector<QByteArray> words{QByteArray("vornal")};
    for (const QString& word : arguments.split(' ', Qt::SkipEmptyParts))
        words.push_back(word.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    AfxSetCommandLine(int(argv.size()), argv.data());
    m_app = std::make_unique<CVornalApp>();
    m_started = true;
    return m_app->InitInstance();
}

CVR_MainFrame* ShellProgram::Frame() const
{
    return m_app ? dynamic_cast<CVR_MainFrame*>(m_app->m_pMainWnd) : nullptr;
}

bool ShellProgram::Close()
{
    CVR_MainFrame* frame = Frame();
    if (!frame)
        return true;
    const HWND hwnd = frame->GetSafeHwnd();
    frame->SendMessage(WM_CLOSE);
    afxtest::flushDeletes();
    if (::IsWindow(hwnd))
        return false;
    m_app->m_pMainWnd = nullptr;
    return true;
}

// What AfxWinMain does once the program's loop has ended.
void ShellProgram::Stop()
{
    if (!m_app)
        return;
    if (m_app->m_pMainWnd && m_app->m_pMainWnd->GetSafeHwnd())
        m_app->m_pMainWnd->DestroyWindow();
    afxtest::flushDeletes();
    m_app->m_pMainWnd = nullptr;
    if (m_started)
        m_app->ExitInstance();
    m_app->CloseAllDocuments(TRUE);
    afxtest::flushDeletes();
    m_app->DeleteTemplates();
    m_app.reset();
    m_started = false;
    // The program's end gives up its one-instance claims, as the process's end would.
    SetMyClassName("");
}

} // namespace shelltest
