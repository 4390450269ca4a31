// What the benchmark programs share: their options (--dir, --port, --rounds,
// --buffer-pool),
// a fresh database on the local server of tools/localdb with the database
// layer connected to it, the application's interpreter with the built
// configuration, and the median of the rounds.
#pragma once
#include <QString>
#include <QStringList>
#include <chrono>
#include <string>
#include <vector>

struct BenchOptions {
    QString dir;
    QString port = QStringLiteral("33390");
    int rounds = 9;
    QString bufferPool;  // --buffer-pool: the server's buffer pool when it starts ("" the default)
};

BenchOptions ParseBenchOptions(const QStringList& arguments, int rounds);
// Starts (or reuses) the server, makes `database` afresh with the schema of
// db/mysql and connects the database layer to it.
bool StartBenchDatabase(const BenchOptions& options, const QString& database);
// Loads the configuration archive and starts the interpreter with its
// scripts alone (a benchmark links the module code it measures; no module is loaded).
bool StartBenchScripts(const QString& archive);
double Median(std::vector<double> values);
// Seconds from `start` to now.
double SecondsSince(std::chrono::steady_clock::time_point start);
// The connection string of the database the database layer is connected to,
// for a yardstick that reads it through plain unixODBC.
std::string BenchConnectionString();

// 500,000 postings of ten kinds of operation spread over 2024 (cash, bank,
// advances to employees 1-5 on 208.12, suppliers, stock), for an empty
// ledmark_provodki; each posting's day, amount and analytic values vary.
extern const char* const kBenchYearOfPostings;
