// Saving a transfer of materials between responsible persons with empty lists
// for a sender who holds 500 stock items on 105.36 and on the off-balance
// account of items in personal use, over a year of 200,000 postings: the save
// of the stored transfer through the posting document protocol (the old
// postings deleted, the header updated, the two balance queries read inside
// the transaction, 2,000 posting statements made by the configuration's
// posting script and run as one batch) against the same delete, the same two
// balance queries read through plain unixODBC and the same header update and
// inserts sent through plain unixODBC in one transaction, side by side in one
// run (target <= 1.5).
//
//   build/bin/assets_transfer_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_assets_transfer_bench" with the schema of
// db/mysql.
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "CMolTransferRecord.h"
#include "MolTransferPostings.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using namespace nledmark;

// A year of stock movements of persons 1-5, each over items 2001-2500: of
// every ten postings six receipts on 105.36, three issues to expenses and one
// item handed over for personal use (027, by source).
const char* const kTransferYear =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kol,s,prim,fil_id,kbk_deb,kbk_kred) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, '1', "
    "elt(k,'105','105','105','105','105','105','401','401','401','027'), "
    "elt(k,'36','36','36','36','36','36','01','01','01','00'), "
    "elt(k,'340','340','340','340','340','340','272','272','272','000'), "
    "if(k<=6 or k=10,mat,null), if(k<=6 or k=10,tn,null), if(k=10,'1',null), "
    "if(k=10,null,'1'), elt(k,'302','302','302','302','302','302','105','105','105',null), "
    "elt(k,'34','34','34','34','34','34','36','36','36',null), "
    "elt(k,'730','730','730','730','730','730','440','440','440',null), "
    "if(k<=6,'1',if(k<=9,mat,null)), if(k between 7 and 9,tn,null), "
    "if(k=10,1,1 + seq mod 7), 10 + (seq * 37) mod 10000 / 100, 'Движение запасов', 1, 2, 2 "
    "from (select seq, 1 + seq mod 10 as k, 1 + (seq div 5000) mod 5 as tn, 2001 + (seq div 10) mod 500 as mat "
    "from seq_0_to_199999) q";

bool FillTransferYear()
{
    CString items = "insert into spr_stovan_mat (id,name,ei,ekr,sch) values ";
    for (int n = 1; n <= 500; ++n)
        items += FormatText("%s(%d,'Материал %d',1,340000,'110536000')", n > 1 ? "," : "", 2000 + n, n);
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql("delete from ledmark_mat_mol_to_mol")
           && ExecuteSql("delete from spr_stovan_mat where id>2000") && ExecuteSql(items)
           && ExecuteSql(kTransferYear);
}

CMolTransferRecord Transfer()
{
    CMolTransferRecord r(kMatTransfer);
    r.number = "1";
    r.date = "31.12.2024";
    r.icn = kMatTransfer.basis;
    r.sender = "1";
    r.receiver = "2";
    return r;
}

std::vector<std::string> Lines(const CString& batch)
{
    std::vector<std::string> statements;
    for (const QString& line : batch.ToQString().split('\n', Qt::SkipEmptyParts))
        statements.push_back(line.toStdString());
    return statements;
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
    if (!StartBenchDatabase(options, QStringLiteral("vornal_assets_transfer_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    ExecuteSql("update system_doc_counter set last_id=greatest(last_id,100000) where id=1");
    if (!FillTransferYear())
        return 1;
    ExecuteSql("analyze table ledmark_provodki");
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));

    // The stored transfer, and the statements its save sends after the reads.
    CMolTransferRecord record = Transfer();
    long realId = -1, id = 0;
    if (!SaveStoredDocument(record, realId, &id) || record.posted != 2000) {
        std::fprintf(stderr, "the transfer was not saved (%zu postings)\n", record.posted);
        return 1;
    }
    ExecuteSql(FormatText("delete from ledmark_provodki where id=%d", id));
    CString batch;
    if (!record.BuildBatch(id, batch))
        return 1;
    std::vector<std::string> writes{record.HeaderUpdateSql(id, realId).ToStdString()};
    for (const std::string& line : Lines(batch))
        writes.push_back(line);
    const std::vector<std::string> reads{MainBalanceSql(record).ToStdString(),
                                         HoldingBalanceSql(record, "027").ToStdString()};
    const std::vector<std::string> clear{FormatText("delete from ledmark_provodki where id=%d", id).ToStdString()};
    const std::string connection = BenchConnectionString();

    std::vector<double> saves, raws;
    bool ok = true;
    for (int round = 0; round < options.rounds && ok; ++round) {
        saves.push_back(Seconds([&] { return SaveStoredDocument(record, realId) && record.posted == 2000; }, ok));
        std::string error;
        const double removed = RunRawOdbcInserts(connection, clear, error);
        std::vector<std::string> firstRows;
        const RawReadResult read = RunRawOdbcReads(connection, reads, &firstRows);
        const double written = RunRawOdbcInserts(connection, writes, error);
        ok = ok && removed >= 0 && read.seconds >= 0 && read.rows == 1000 && written >= 0;
        if (!ok)
            std::fprintf(stderr, "raw ODBC failed (%ld rows): %s %s\n", read.rows, error.c_str(), read.error.c_str());
        raws.push_back(removed + read.seconds + written);
    }
    const long long moved = ExecuteCount(FormatText("select count(*) from ledmark_provodki where id=%d", id));
    if (!ok || moved != 2000) {
        std::fprintf(stderr, "the save failed (%lld postings)\n", moved);
        return 1;
    }
    const double save = Median(saves), raw = Median(raws);
    std::printf("transfer of 500 items (1,000 balances, 2,000 postings) over 200,000 postings, median of %d rounds\n",
                options.rounds);
    std::printf("  re-save of the stored transfer:                     %8.2f ms\n", save * 1000);
    std::printf("  raw unixODBC: delete, two balance reads, inserts:   %8.2f ms\n", raw * 1000);
    PrintFigure("save / raw", save / raw, 1.5);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return save / raw <= 1.5 ? 0 : 2;
}
