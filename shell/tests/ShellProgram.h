// The program vornal inside a test: its application object started with a
// command line as the process would get it, the test's database named in the
// connection arguments, and everything it built taken down again.
#pragma once
#include "CVornalApp.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace shelltest {

class ShellProgram {
public:
    ShellProgram();
    ~ShellProgram();

    // The connection arguments of the test database ("-driver -db password
    // -database -db user -server") after the number and password given.
    static QString LoginArguments(const QString& tn, const QString& password, int arm);
    static QString ConnectionArguments();

    // A fresh start: the test database connected, the default configuration
    // loaded, a database of any configuration, no exit question.
    static bool Prepare();
    // Runs InitInstance with `arguments` split at blanks as a shell does.
    BOOL Start(const QString& arguments);
    CVornalApp& App() { return *m_app; }
    CVR_MainFrame* Frame() const;
    // Closes the main frame as the user does (WM_CLOSE); true when it is gone.
    bool Close();

private:
    void Stop();
    std::unique_ptr<CVornalApp> m_app;
    bool m_started = false;
};

} // namespace shelltest
