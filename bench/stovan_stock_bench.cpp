// The stock check of an issue requisition of 50 lines (each line's stock
// left: receipts minus issues of its material for the department and
// statement) over a year of 100,000 receipt and issue lines, against the same
// 50 stock statements read through plain unixODBC; and the requisition's
// save (the stock read again under lock, the number, header and lines in one
// transaction) against its header and 50 line inserts sent through plain
// unixODBC in one transaction. Prints the times and the ratios (targets:
// check <= 1.5, save <= 2).
//
//   build/bin/stovan_stock_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_stovan_stock_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CRashodRecord.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"
#include "StockData.h"

#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <QDate>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using nstovan::CRashodRecord;

CRashodRecord Requisition()
{
    CRashodRecord r;
    r.date = CString(QDate::currentDate().toString("dd.MM.yyyy"));
    r.prd = "3";
    r.nv = "1";
    r.kab = "20";
    r.tn = "51";
    for (int n = 0; n < 50; ++n)
        r.lines.push_back({utoa(1001 + n * 5), "", "", "1", ""});
    return r;
}

// The stock statement of a material, as the requisition reads it.
std::string StockStatement(const CString& material)
{
    return ("select coalesce(sum(kol),0) as str from (select kol from stovan_prx1 where prd=3 and nv=1 and id="
            + material + " union all select -kol from stovan_rsx1 where prd=3 and nv=1 and id=" + material + ") q")
        .ToStdString();
}

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_stovan_stock_bench")))
        return 1;
    const QDate today = QDate::currentDate();
    g_lYear = today.year();
    g_lMonth = today.month();
    if (!FillStockData(today.year() - 1)) {
        std::fprintf(stderr, "the bench stock could not be written\n");
        return 1;
    }
    const std::string raw = BenchConnectionString();
    const CRashodRecord prototype = Requisition();
    const CString d = ChangeDateUS0(prototype.date, 0);
    std::vector<std::string> inserts{
        FormatText("insert into stovan_rsx0 (ntreb,d,prd,nv,kab,org,tn) values (1,%s,3,1,'20',NULL,51)", d).ToStdString()};
    for (const nstovan::CRashodLine& line : prototype.lines)
        inserts.push_back(FormatText("insert into stovan_rsx1 (ntreb,d,prd,nv,id,kol,ost) values (1,%s,3,1,%s,1,1)", d,
                                     line.id)
                              .ToStdString());
    const CString clear = FormatText("delete from stovan_rsx0 where d=%s and prd=3\ndelete from stovan_rsx1 where d=%s and prd=3", d, d);
    std::vector<double> check, rawCheck, save, rawSave;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        check.push_back(Seconds([&] {
            CRashodRecord r = prototype;
            return r.ComputeRemainders() && r.lines.back().ost.GetLength() > 0;
        }, ok));
        double reads = 0;
        for (const nstovan::CRashodLine& line : prototype.lines) {
            const RawReadResult result = RunRawOdbcRead(raw, StockStatement(line.id));
            if (result.seconds < 0)
                std::fprintf(stderr, "raw read failed: %s\n", result.error.c_str());
            ok = ok && result.seconds >= 0;
            reads += result.seconds;
        }
        rawCheck.push_back(reads);
        ExecuteSql(clear);
        save.push_back(Seconds([&] {
            CRashodRecord r = prototype;
            long shortLine = -1;
            bool created = false;
            const bool saved = r.Save(shortLine, created);
            if (!saved || r.ntreb != "1")
                std::fprintf(stderr, "save failed (short line %ld, number %s)\n", shortLine, (const char*)r.ntreb);
            return saved && r.ntreb == "1";
        }, ok));
        ExecuteSql(clear);
        std::string error;
        rawSave.push_back(RunRawOdbcInserts(raw, inserts, error));
        if (rawSave.back() < 0)
            std::fprintf(stderr, "raw inserts failed: %s\n", error.c_str());
        ok = ok && rawSave.back() >= 0;
        ExecuteSql(clear);
    }
    if (!ok) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    std::printf("issue requisition of 50 lines over 100,000 stock lines, median of %d rounds\n", options.rounds);
    std::printf("  stock check through the record:          %8.2f ms\n", Median(check) * 1000);
    std::printf("  raw unixODBC, the 50 stock statements:   %8.2f ms\n", Median(rawCheck) * 1000);
    PrintFigure("check / raw", Median(check) / Median(rawCheck), 1.5);
    std::printf("  save through the record:                 %8.2f ms\n", Median(save) * 1000);
    std::printf("  raw unixODBC, header + 50 inserts:       %8.2f ms\n", Median(rawSave) * 1000);
    PrintFigure("save / raw", Median(save) / Median(rawSave), 2);
    UnInitDll();
    return Median(check) / Median(rawCheck) <= 1.5 && Median(save) / Median(rawSave) <= 2 ? 0 : 2;
}
