#include "frm/AfxFrameWidgets.h"
#include <QLayout>
#include <QScrollBar>

AfxClientHost::AfxClientHost(QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setFocusPolicy(Qt::NoFocus);
}

void AfxClientHost::setView(QWidget* view)
{
    setWidget(view);
    view->show();
}

QSize AfxClientHost::sizeFor(const QSize& viewSize) const
{
    return viewSize + QSize(frameWidth() * 2, frameWidth() * 2);
}

AfxMainWindow::AfxMainWindow(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {}

AfxClientHost* AfxMainWindow::clientHost()
{
    if (auto* host = dynamic_cast<AfxClientHost*>(centralWidget()))
        return host;
    if (centralWidget())
        return nullptr;
    auto* host = new AfxClientHost(this);
    setCentralWidget(host);
    return host;
}

AfxMdiSubWindow::AfxMdiSubWindow(QWidget* parent) : QMdiSubWindow(parent), m_host(new AfxClientHost(this))
{
    setWidget(m_host);
}

AfxClientHost* AfxClientHostOf(QWidget* frameWidget)
{
    if (auto* main = dynamic_cast<AfxMainWindow*>(frameWidget))
        return main->clientHost();
    if (auto* sub = dynamic_cast<AfxMdiSubWindow*>(frameWidget))
        return sub->clientHost();
    return nullptr;
}

namespace {

// The frame's size around its client: borders and title of a subwindow;
// menu bar, toolbars and status bar of a main window.
QSize nonClientSize(QWidget* frameWidget)
{
    if (auto* sub = dynamic_cast<QMdiSubWindow*>(frameWidget)) {
        QMargins m = sub->contentsMargins();
        return QSize(m.left() + m.right(), m.top() + m.bottom());
    }
    if (auto* main = dynamic_cast<QMainWindow*>(frameWidget)) {
        if (main->layout())
            main->layout()->activate();
        QWidget* central = main->centralWidget();
        return central ? main->size() - central->size() : QSize(0, 0);
    }
    return QSize(0, 0);
}

} // namespace

QSize AfxFrameClientSize(QWidget* frameWidget)
{
    return frameWidget ? frameWidget->size() - nonClientSize(frameWidget) : QSize();
}

void AfxSetFrameClientSize(QWidget* frameWidget, const QSize& size)
{
    if (!frameWidget)
        return;
    frameWidget->resize(size + nonClientSize(frameWidget));
}
