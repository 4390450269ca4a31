#include "dlg/AfxInteraction.h"
#include "dlg/AfxMessageHold.h"
#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QPointer>

namespace {
AfxModalDriver* g_driver = nullptr;
}

void AfxSetModalDriver(AfxModalDriver* driver) { g_driver = driver; }
AfxModalDriver* AfxGetModalDriver() { return g_driver; }

int AfxRunModal(AfxModalRequest& req)
{
    // The window and the focus that were active come back afterwards (Qt
    // does not always give the focus back by itself).
    QPointer<QWidget> prevActive = QApplication::activeWindow();
    QPointer<QWidget> prevFocus = QApplication::focusWidget();
    auto restore = [&] {
        if (!prevActive)
            return;
        QApplication::setActiveWindow(prevActive);
        QApplication::processEvents();
        if (prevFocus)
            prevFocus->setFocus();
    };
    if (AfxMessagesHeld()) {
        // A step that needs an answer cannot wait while the database holds locks.
        qCritical("a modal step while the database holds locks, refused without showing it: %s \"%s\"",
                  req.kind == AfxModalKind::Message ? "message" : "window",
                  (const char*)(req.kind == AfxModalKind::Message ? req.text : req.caption));
        return 0;
    }
    if (!g_driver
        && (QGuiApplication::platformName() == QLatin1String("offscreen")
            || qEnvironmentVariableIsSet("VORNAL_UNATTENDED"))) {
        // Nobody can answer a window that is never seen, nor one of a test
        // run on a display: a test without an interaction script must not
        // hang on it.
        qCritical("a modal step with no one to answer it (install an interaction script): %s \"%s\"",
                  req.kind == AfxModalKind::Message ? "message" : "window",
                  (const char*)(req.kind == AfxModalKind::Message ? req.text : req.caption));
        return 0;
    }
    if (!g_driver) {
        int result = req.widget ? req.widget->exec() : (req.show ? req.show(req) : req.result);
        restore();
        return result;
    }
    // Driven: the window is shown and active while the driver takes the step.
    QPointer<QDialog> dlg = req.widget;
    if (dlg) {
        dlg->setWindowModality(Qt::ApplicationModal);
        dlg->show();
        QApplication::setActiveWindow(dlg);
        QApplication::processEvents();
    }
    g_driver->run(req);
    if (dlg && dlg->isVisible()) {
        g_driver->leftOpen(req);
        dlg->reject();
    }
    restore();
    return dlg ? dlg->result() : req.result;
}
