// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one main window, prints "shown" with the monotonic clock's nanoseconds once
// the window has been painted, and ends.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class Window : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override
    {
        QMainWindow::paintEvent(event);
        if (m_told)
            return;
        m_told = true;
        timespec now = {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("shown %lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QApplication::quit);
    }

private:
    bool m_told = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}
