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
    long rows = 200000;  // --rows: the postings of a benchmark that fills a year of them
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

// A year of `rows` postings for the ledger registers, spread over `year` in
// both branches, for an empty ledmark_provodki, in 25 kinds. Twenty are of
// the cash account 1 201 34: receipts from ten correspondents and payments to
// ten others, so the cash account has twenty correspondents; the five others
// are the bank against the financial body, food from a supplier (with
// quantities), the off-balance account 17 (one side only), parents' fees on
// source 2 and services on source 2. Source 1 postings carry KBK 1 or 2,
// source 2 KBK 3 or 4; each posting's day, amount and counterparty vary.
std::string BenchRegisterYear(long rows, int year);
