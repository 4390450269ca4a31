#include "BenchFigure.h"
#include "CardListBench.h"

#include "RawOdbcRead.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <chrono>
#include <cstdio>

long ReadListAsForm(const CString& sql, const std::vector<const char*>& columns)
{
    long rows = 0;
    CString text;
    const long read = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        for (const char* column : columns)
            text = SafeArayToString(rs->GetCollect(column));
        ++rows;
    });
    return read < 0 ? -1 : rows;
}

int CompareListReads(const BenchOptions& options, const CString& sql, const std::vector<const char*>& columns,
                     const char* rows, const char* title)
{
    const std::string raw = BenchConnectionString();

    // Both must list the same rows before the times mean anything.
    const long listed = ReadListAsForm(sql, columns);
    const RawReadResult check = RunRawOdbcRead(raw, (LPCTSTR)sql);
    if (listed <= 0 || check.seconds < 0 || check.rows != listed) {
        std::fprintf(stderr, "the lists differ: %ld against %ld %s\n", listed, check.rows, check.error.c_str());
        return 1;
    }
    std::printf("%ld %s listed by both\n", listed, rows);

    std::vector<double> viaForm, plain;
    for (int round = 0; round < options.rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        if (ReadListAsForm(sql, columns) != listed) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        viaForm.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        const RawReadResult read = RunRawOdbcRead(raw, (LPCTSTR)sql);
        if (read.seconds < 0) {
            std::fprintf(stderr, "a plain run failed %s\n", read.error.c_str());
            return 1;
        }
        plain.push_back(read.seconds);
    }
    const double a = Median(viaForm), b = Median(plain);
    std::printf("%s, median of %d rounds\n", title, options.rounds);
    std::printf("  ForEachRow as the form reads it:    %8.2f ms\n", a * 1000);
    std::printf("  the same query, plain ODBC:         %8.2f ms\n", b * 1000);
    PrintFigure("form / plain", a / b, 1.5);
    return a / b <= 1.5 ? 0 : 2;
}
