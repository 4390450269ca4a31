// What the benchmarks of the card forms' lists share: a list read as its form
// fills the grid, and the run that times it against the same query read to
// the end on a plain unixODBC connection.
#pragma once
#include "BenchSupport.h"

#include <afx.h>

#include <vector>

// The rows of a list read through ForEachRow, every named column taken as the
// grid takes it; -1 on a failure.
long ReadListAsForm(const CString& sql, const std::vector<const char*>& columns);

// Checks that both ways list the same rows, then times both for the rounds of
// `options` and prints the medians and their ratio under `title`; `rows` names
// what is listed ("items"). The program's exit code: 0 within a ratio of 1.5,
// 2 beyond it, 1 when a run failed.
int CompareListReads(const BenchOptions& options, const CString& sql, const std::vector<const char*>& columns,
                     const char* rows, const char* title);
