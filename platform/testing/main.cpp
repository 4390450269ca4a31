// main() of every test binary: an offscreen application, numbers with ".",
// no blinking cursor (so screenshots repeat), and a profile folder of its own.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir profile;
    if (!std::getenv("VORNAL_PROFILE_DIR"))
        setenv("VORNAL_PROFILE_DIR", profile.path().toUtf8().constData(), 1);
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
