// main() of every test binary: an offscreen application (unless a display
// is named), numbers with ".", no blinking cursor (so screenshots repeat), a
// profile folder of its own, and no modal step that waits for a person.
// A critical message fails the test that caused it: the program writes one
// for a modal step that nobody answered (no interaction script expected it)
// and for a question asked while the database holds locks.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtHandler = nullptr;

void FailOnCritical(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg)
        ADD_FAILURE() << "critical: " << text.toStdString();
    if (qtHandler)
        qtHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("VORNAL_UNATTENDED", "1", 1);
    QTemporaryDir profile;
    if (!std::getenv("VORNAL_PROFILE_DIR"))
        setenv("VORNAL_PROFILE_DIR", profile.path().toUtf8().constData(), 1);
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0);
    qtHandler = qInstallMessageHandler(FailOnCritical);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
