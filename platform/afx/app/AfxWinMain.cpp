#include "app/AfxWinMain.h"
#include "app/AfxCommandLine.h"
#include "app/AfxQtCaptions.h"
#include "app/CWinApp.h"
#include "wnd/CWnd.h"
#include <QApplication>
#include <QPointer>
#include <clocale>

int AfxWinMain(int argc, char** argv)
{
    static int s_argc = argc;  // QApplication keeps a reference to it
    QApplication qapp(s_argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Qt's own windows (file and print dialogs) speak the interface's language.
    AfxInstallQtCaptions();
    // Closing the last window is not the end: the main frame ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    AfxSetCommandLine(argc, argv);
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->InitApplicationState();
    int code = 0;
    if (app->InitInstance()) {
        code = app->Run();
    } else {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        code = app->ExitInstance();
    }
    app->CloseAllDocuments(TRUE);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app->DeleteTemplates();
    app->m_pMainWnd = nullptr;
    // No window outlives the QApplication.
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        windows << w;
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
    return code;
}
