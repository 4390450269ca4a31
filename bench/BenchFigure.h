// A benchmark's figure beside its target, printed in the one form that
// bench/run-all gathers from every program:
//   "  figure: <what>: <value> (target <= <target>) held" (or "MISSED")
// so that a figure that stopped holding is seen at once in the whole set.
#pragma once
#include <cstdio>

// Prints the figure and gives whether it holds (at most its target).
inline bool PrintFigure(const char* what, double value, double target)
{
    const bool held = value <= target;
    std::printf("  figure: %s: %.3f (target <= %g) %s\n", what, value, target, held ? "held" : "MISSED");
    std::fflush(stdout);
    return held;
}
