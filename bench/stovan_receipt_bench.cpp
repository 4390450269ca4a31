// Saving a stock receipt of 200 lines through its record (the number taken
// inside the transaction, the header and the lines as one batch) against the
// same header and 200 line inserts sent through plain unixODBC in one
// transaction; and loading it back through the record against the same two
// queries read on one plain ODBC connection. Prints the times and the ratios
// (targets: save <= 2, load <= 1.5).
//
//   build/bin/stovan_receipt_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_stovan_bench" with the schema of db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CPrixodRecord.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"

#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using nstovan::CPrixodRecord;

const char* const kDay = "15.03.2024";
const char* const kClear = "delete from stovan_prx0 where prd=1 and nv=1\ndelete from stovan_prx1 where prd=1 and nv=1";

CPrixodRecord Receipt()
{
    CPrixodRecord r;
    r.date = kDay;
    r.prd = "1";
    r.nv = "1";
    r.ndoc = "ТН-200";
    r.org = "1";
    for (int n = 0; n < 200; ++n) {
        const CString kol = FormatText("%d.%03d", 1 + n % 40, n % 1000);
        const CString price = FormatText("%d.%02d", 10 + n * 3, n % 100);
        r.lines.push_back({utoa(1 + n % 5), "", "", price, kol, ""});
    }
    return r;
}

double Seconds(const std::function<bool()>& body, bool& ok)
{
    const auto start = std::chrono::steady_clock::now();
    ok = body() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the raw run sends: the next number read, the header and the lines.
std::vector<std::string> RawStatements(const CPrixodRecord& r)
{
    const CString day = "d='2024-03-15' and prd=1 and nv=1";
    std::vector<std::string> statements{
        (SqlNextNumber("npp", "stovan_prx0", day)).ToStdString(),
        FormatText("insert into stovan_prx0 (d,prd,nv,ndoc,org,tn,npp) values ('2024-03-15',1,1,%s,1,NULL,1)",
                   NullStr(r.ndoc))
            .ToStdString()};
    for (const nstovan::CPrixodLine& line : r.lines)
        statements.push_back(FormatText("insert into stovan_prx1 (d,prd,nv,npp,id,price,kol,s) values "
                                        "('2024-03-15',1,1,1,%s,%s,%s,NULL)",
                                        line.id, NullInt0(line.price), NullInt0(line.kol))
                                 .ToStdString());
    return statements;
}

const char* const kRawHeader = "select tn,org,ndoc from stovan_prx0 where d='2024-03-15' and prd=1 and nv=1 and npp=1";
const char* const kRawLines =
    "select stovan_prx1.*,spr_stovan_mat.name as imat,spr_ei.name as iei from stovan_prx1 "
    "left join spr_stovan_mat on spr_stovan_mat.id=stovan_prx1.id left join spr_ei on spr_ei.id=spr_stovan_mat.ei "
    "where d='2024-03-15' and prd=1 and nv=1 and npp=1 order by stovan_prx1.id";

struct Rounds {
    std::vector<double> save, raw, load, rawLoad;
};

bool MeasureRound(Rounds& r, const std::vector<std::string>& statements, const std::string& raw)
{
    bool ok = true;
    ExecuteSql(kClear);
    r.save.push_back(Seconds([] {
        CPrixodRecord receipt = Receipt();
        return receipt.Save() && receipt.npp == "1";
    }, ok));
    r.load.push_back(Seconds([] {
        CPrixodRecord receipt;
        receipt.date = kDay;
        receipt.prd = "1";
        receipt.nv = "1";
        receipt.npp = "1";
        return receipt.Load() && receipt.lines.size() == 200;
    }, ok));
    const RawReadResult header = RunRawOdbcRead(raw, kRawHeader);
    const RawReadResult lines = RunRawOdbcRead(raw, kRawLines);
    if (header.seconds < 0 || lines.seconds < 0 || lines.rows != 200) {
        std::fprintf(stderr, "raw read failed: %s%s\n", header.error.c_str(), lines.error.c_str());
        return false;
    }
    r.rawLoad.push_back(header.seconds + lines.seconds);
    ExecuteSql(kClear);
    std::string error;
    r.raw.push_back(RunRawOdbcInserts(raw, statements, error));
    if (r.raw.back() < 0)
        std::fprintf(stderr, "raw ODBC failed: %s\n", error.c_str());
    return ok && r.raw.back() >= 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_stovan_bench")))
        return 1;
    const std::vector<std::string> statements = RawStatements(Receipt());
    const std::string raw = BenchConnectionString();
    Rounds r;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round)
        ok = MeasureRound(r, statements, raw);
    if (!ok) {
        std::fprintf(stderr, "the receipt's save or load failed\n");
        return 1;
    }
    const double save = Median(r.save), plain = Median(r.raw), load = Median(r.load), plainLoad = Median(r.rawLoad);
    std::printf("stock receipt of 200 lines, median of %d rounds\n", options.rounds);
    std::printf("  save through the record:                 %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC, number + header + 200 inserts: %8.2f ms\n", plain * 1000);
    PrintFigure("save / raw", save / plain, 2);
    std::printf("  load through the record:                 %8.2f ms\n", load * 1000);
    std::printf("  raw unixODBC, header and lines read:     %8.2f ms\n", plainLoad * 1000);
    PrintFigure("load / raw", load / plainLoad, 1.5);
    UnInitDll();
    return save / plain <= 2 && load / plainLoad <= 1.5 ? 0 : 2;
}
