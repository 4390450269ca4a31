// One client process of the save soak: its own connection to the run's
// server, the configuration's scripts, the demo chart, then its stream of
// documents into its log. In the rates run a client first says it is ready
// and waits for the conductor's start, so all clients begin together.
#pragma once
#include <QString>

struct SoakClientArgs {
    int client = 0;
    int docs = 0;
    unsigned long long seed = 0;
    QString port;
    QString database;
    QString log;
    int year = 0;
    enum class Mode { Mixed, Plain, Raw } mode = Mode::Mixed;
    QString ready;  // the file that says the client is ready ("" none)
    QString go;     // the file whose appearance starts the client ("" none)
};

// The exit code of the client process: 0 when its stream ran to its end.
int RunSoakClientProcess(const SoakClientArgs& args);
