// The main window of the start-up benchmark's yardsticks: prints "shown" with
// the monotonic clock's nanoseconds once it has been painted, and ends the
// program.
#pragma once
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

class FirstPaintWindow : public QMainWindow {
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
