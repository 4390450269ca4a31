#include "app/AfxCommandLine.h"
#include "app/CWinApp.h"
#include <QCoreApplication>
#include <QStringList>
#include <mutex>
#include <string>

namespace {

struct CommandLine {
    std::mutex mutex;
    bool set = false;
    std::string whole;
    std::string arguments;
};

CommandLine& line()
{
    static CommandLine c;
    return c;
}

void build(CommandLine& c, const QStringList& args)
{
    // The program by its full path, as Windows gives it.
    QString program = QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                                   : (args.isEmpty() ? QString() : args.first());
    QStringList rest = args.mid(1);
    c.arguments = rest.join(QLatin1Char(' ')).toStdString();
    c.whole = "\"" + program.toStdString() + "\"";
    if (!rest.isEmpty())
        c.whole += " " + c.arguments;
    c.set = true;
}

} // namespace

void AfxSetCommandLine(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    CommandLine& c = line();
    std::lock_guard lock(c.mutex);
    build(c, args);
}

namespace {

CommandLine& ensured()
{
    CommandLine& c = line();
    std::lock_guard lock(c.mutex);
    if (!c.set && QCoreApplication::instance())
        build(c, QCoreApplication::arguments());
    return c;
}

} // namespace

LPCTSTR AfxCommandLineArguments() { return ensured().arguments.c_str(); }

LPTSTR GetCommandLine() { return ensured().whole.data(); }
