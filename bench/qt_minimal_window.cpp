// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one main window and ends as soon as it is shown.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        std::puts("shown");
        std::fflush(stdout);
        window.close();
        app.quit();
    });
    return app.exec();
}
