// The ledger program over the year of stock movements (AssetsStockYear.h), for
// the benchmarks that save a materials or fixed-asset document through its form.
#pragma once

#include "BenchSupport.h"

class CMDIFrameWnd;

// Starts database `database` of `options` with the configuration's scripts and
// the ledger program of `year`; no actuality date, new documents' ids above
// 100000 (apart from the year's), the year written and analysed and its size
// printed. The main frame, or null when a step failed.
CMDIFrameWnd* StartStockYearProgram(const BenchOptions& options, const QString& database, int year);
