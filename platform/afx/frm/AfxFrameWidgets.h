// The Qt widgets behind the frames: a top-level frame is a QMainWindow
// (menu bar, toolbars, status bar, and a central widget: the MDI area of an
// MDI frame or the client host of a view), an MDI child frame a
// QMdiSubWindow. The client host is a scroll area holding the frame's view:
// the view fills it, and a form view larger than its frame scrolls.
#pragma once
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QScrollArea>

class AfxClientHost : public QScrollArea {
public:
    explicit AfxClientHost(QWidget* parent);
    // Puts the view's widget in the host (made by the view as a child of it).
    void setView(QWidget* view);
    QWidget* view() const { return widget(); }
    // The extra size of the host around a view of `viewSize` shown whole.
    QSize sizeFor(const QSize& viewSize) const;
};

class AfxMainWindow : public QMainWindow {
public:
    explicit AfxMainWindow(QWidget* parent, Qt::WindowFlags flags);
    // The client host, made the central widget on first use.
    AfxClientHost* clientHost();
};

class AfxMdiSubWindow : public QMdiSubWindow {
public:
    explicit AfxMdiSubWindow(QWidget* parent);
    AfxClientHost* clientHost() const { return m_host; }

private:
    AfxClientHost* m_host;
};

// The client host of a frame's widget (either kind), or null.
AfxClientHost* AfxClientHostOf(QWidget* frameWidget);

// The size of a frame's client (where its view is), also before the frame
// has been shown, and the frame resized so that its client has `size`.
QSize AfxFrameClientSize(QWidget* frameWidget);
void AfxSetFrameClientSize(QWidget* frameWidget, const QSize& size);
