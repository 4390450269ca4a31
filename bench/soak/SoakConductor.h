// The conductor of the save soak: a private server of its own (tools/localdb
// in its own folder, on its own port), a fresh database, the client
// processes, the server killed (SIGKILL) and started again at random moments
// of the run, and the checker once every client has ended. The rates run
// times the plain save against raw inserts from 1, 4 and 8 processes.
#pragma once
#include <QString>

struct SoakOptions {
    int clients = 4;
    int docs = 25;
    int kills = 0;
    unsigned long long seed = 1;
    QString dir;            // the server's folder
    QString port = "auto";  // its port (auto: a free one)
    int year = 0;           // the working year (0: the current one)
};

// The run with its checker: 0 when every invariant held.
int RunSoak(const SoakOptions& options);
// The rates: 0 when the ratio at 8 processes is within its target.
int RunSoakRates(const SoakOptions& options);
