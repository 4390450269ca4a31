#include "dlg/AfxInteraction.h"
#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace {
AfxModalDriver* g_driver = nullptr;
}

void AfxSetModalDriver(AfxModalDriver* driver) { g_driver = driver; }
AfxModalDriver* AfxGetModalDriver() { return g_driver; }

int AfxRunModal(AfxModalRequest& req)
{
    if (!g_driver) {
        if (req.widget)
            return req.widget->exec();
        return req.show ? req.show(req) : req.result;
    }
    // Driven: the window is shown and active while the driver takes the
    // step, then the window and the focus that were active come back.
    QPointer<QWidget> prevActive = QApplication::activeWindow();
    QPointer<QWidget> prevFocus = QApplication::focusWidget();
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
    if (prevActive) {
        QApplication::setActiveWindow(prevActive);
        QApplication::processEvents();
        if (prevFocus)
            prevFocus->setFocus();
    }
    return dlg ? dlg->result() : req.result;
}
