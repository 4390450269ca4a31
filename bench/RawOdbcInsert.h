// The same inserts as the layer's batch, through the plain unixODBC calls in
// one transaction: the yardstick of the batch benchmark. Kept in a file of its
// own because the ODBC headers and the MFC subset's headers do not mix.
#pragma once
#include <string>
#include <vector>

// Runs the statements on a fresh connection inside one transaction; the
// seconds the statements and the commit took, or a negative value on failure
// (the message in `error`).
double RunRawOdbcInserts(const std::string& connectionString, const std::vector<std::string>& statements,
                         std::string& error);

// The statements a save sent (StatementCapture), replayed on a fresh
// connection inside one transaction, each read to the end (every row of every
// result): the yardstick of everything a save does between its statements. The
// seconds the statements and the commit took, or a negative value on failure.
double RunRawOdbcReplay(const std::string& connectionString, const std::vector<std::string>& statements,
                        std::string& error);
