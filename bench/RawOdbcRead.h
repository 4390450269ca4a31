// Queries read to the end through the plain unixODBC calls: the yardsticks of
// the benchmarks that read. Kept apart because the ODBC headers and the
// MFC subset's headers do not mix.
#pragma once
#include <string>
#include <vector>

struct RawReadResult {
    double seconds = -1;  // from running the query to the last row read; < 0 on failure
    long rows = 0;
    std::string error;
};

// Row by row, every column fetched as text with SQLGetData, as a plain
// program reads a result it shows.
RawReadResult RunRawOdbcRead(const std::string& connectionString, const std::string& sql);
// Several queries one after another on one connection, each read to the end
// as RunRawOdbcRead reads it: the time from the first query to the last row
// of the last (connecting not counted), the rows of all of them; the texts of
// the first row of each query in `firstRows` (columns joined by "@").
RawReadResult RunRawOdbcReads(const std::string& connectionString, const std::vector<std::string>& sqls,
                              std::vector<std::string>* firstRows = nullptr);
// Only the first row: how long the driver takes before it hands over any row.
RawReadResult RunRawOdbcFirstRow(const std::string& connectionString, const std::string& sql);
// Columns bound to text buffers and fetched 256 rows at a time: the quickest
// way ODBC hands over a result.
RawReadResult RunRawOdbcBlockRead(const std::string& connectionString, const std::string& sql);

