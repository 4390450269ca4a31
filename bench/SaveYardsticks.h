// The figures every save benchmark prints beside its own yardstick: the save
// against the very statements it sent, captured (StatementCapture) and
// replayed raw on one plain connection (RunRawOdbcReplay): what lies between
// the statements (scripts, the grid, allocations) at most half the
// statements' own time; and the number of statements the save sends for a few
// lines and for many, which must not grow with the lines.
#pragma once
#include "BenchFigure.h"
#include "RawOdbcInsert.h"

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// The seconds the statements a save sent take replayed raw, or a negative
// value when there were none or they failed (the reason on stderr).
inline double ReplaySaveStatements(const std::string& connection, const std::vector<std::string>& sent)
{
    std::string error = "no statement was captured";
    const double seconds = sent.empty() ? -1 : RunRawOdbcReplay(connection, sent, error);
    if (seconds < 0)
        std::fprintf(stderr, "the save's statements did not replay: %s\n", error.c_str());
    return seconds;
}

// Prints both figures; true when both hold.
inline bool PrintSaveYardsticks(double save, double replay, std::size_t statementsFew, int few,
                                std::size_t statementsMany, int many)
{
    std::printf("  its own statements replayed raw:         %8.2f ms\n", replay * 1000);
    std::printf("  statements sent: %zu for %d lines, %zu for %d lines\n", statementsFew, few, statementsMany, many);
    const bool near = PrintFigure("save / its statements replayed raw", save / replay, 1.5);
    char what[96];
    std::snprintf(what, sizeof what, "statements for %d lines / for %d lines", many, few);
    const bool flat = PrintFigure(what, statementsFew ? double(statementsMany) / double(statementsFew) : 0, 1);
    return near && flat;
}
