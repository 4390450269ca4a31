// The asset list of the inventory cards of fixed assets: the assets posted to
// or from 101 up to the end of a year of 200,000 postings (50 cards of 5
// responsible persons among the postings of other accounts), read as the
// cards form reads it (OsCardItemsSql through ForEachRow, every column taken
// as the grid takes it), against the same union query read to the end on one
// plain unixODBC connection, side by side in one run. Prints both times and
// the ratio (target <= 1.5).
//
//   build/bin/assets_os_cards_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_os_cards_bench" with the schema of db/mysql.
#include "AssetCards.h"
#include "BenchSupport.h"
#include "CardListBench.h"

#include <appcore.h>
#include <gridbase.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <cstdio>

namespace {

// A year of postings: of every ten four receipts of cards 1001-1050 of
// persons 1-5 on 101.36, one disposal of them, one depreciation on 104.36
// and four postings of other accounts.
const char* const kAssetYear =
    "insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,deb_sb3,kred0,kred1,kred2,kred3,"
    "kred_sb1,kred_sb2,kred_sb3,kol,s,prim,fil_id) "
    "select seq div 4 + 1, seq mod 4 + 1, '2024-01-01' + interval (seq mod 366) day, '1', "
    "elt(k,'101','101','101','101','401','401','105','201','302','401'), "
    "elt(k,'36','36','36','36','01','01','36','34','11','01'), "
    "elt(k,'310','310','310','310','172','271','340','510','830','272'), "
    "if(k<=4,card,null), if(k<=4,tn,null), if(k<=4,1,null), '1', "
    "elt(k,'302','302','302','302','101','104','302','201','201','105'), "
    "elt(k,'19','19','19','19','36','36','34','11','34','36'), "
    "elt(k,'730','730','730','730','410','410','730','610','610','440'), "
    "if(k=5 or k=6,card,null), if(k=5,tn,null), if(k=5,1,null), "
    "if(k<=5,1,null), 100 + (seq * 37) mod 100000 / 100, 'Движение основных средств', 1 "
    "from (select seq, 1 + seq mod 10 as k, 1 + (seq div 10) mod 5 as tn, 1001 + (seq div 50) mod 50 as card "
    "from seq_0_to_199999) q";

bool FillAssetYear()
{
    CString cards = "insert into spr_osn_sr (id,name,code,fil_id,kol,sch,sch_iz,mol,prd) values ";
    for (int n = 1; n <= 50; ++n)
        cards += FormatText("%s(%d,'Основное средство %d','1013610%02d',1,1,'110136310','110436410',%d,1)",
                            n > 1 ? "," : "", 1000 + n, n, n, 1 + n % 5);
    return ExecuteSql("delete from ledmark_provodki") && ExecuteSql("delete from spr_osn_sr where id>1000")
           && ExecuteSql(cards) && ExecuteSql(kAssetYear);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 9);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_os_cards_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    if (!FillAssetYear()) {
        std::fprintf(stderr, "the year of postings could not be written\n");
        return 1;
    }
    ExecuteSql("analyze table ledmark_provodki");
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));
    nledmark::OsCardFilter filter;
    filter.periodEnd = "31.12.2024";
    const CString sql = nledmark::OsCardItemsSql(filter, SqlDialect::MySql);
    const int result = CompareListReads(options, sql, {"sb", "imat", "code", "sch"}, "assets",
                                        "The inventory cards' asset list over a year of postings");
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return result;
}
