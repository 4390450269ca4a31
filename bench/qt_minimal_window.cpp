// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one main window, prints "shown" with the monotonic clock's nanoseconds once
// the window has been painted, and ends.
#include "FirstPaintWindow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FirstPaintWindow window;
    window.resize(800, 600);
    window.show();
    return app.exec();
}
