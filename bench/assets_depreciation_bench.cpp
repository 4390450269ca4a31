// The monthly depreciation run over 2,000 fixed-asset cards of two branches
// with 200,000 postings: the run as the form starts it (per card its asset
// and depreciation balances through the configuration's balance script, the
// amount, a register row and a posting; one batch per branch), against the
// same card and balance queries as plain aggregates on one unixODBC
// connection plus the same inserts sent through plain unixODBC in one
// transaction per branch, side by side in one run. Prints the times and the
// ratio (target at most 2).
//
//   build/bin/assets_depreciation_bench [--dir D] [--port P] [--rounds N]
//
// It starts (or reuses) the local server of tools/localdb in D on port P and
// works in a fresh database "vornal_depreciation_bench".
#include "BenchFigure.h"
#include "BenchSupport.h"
#include "DepreciationRun.h"
#include "RawOdbcInsert.h"
#include "RawOdbcRead.h"

#include <appcore.h>
#include <gridbase.h>
#include <ledmark.h>
#include <ndbcore.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>

namespace {

using namespace nledmark;

constexpr int kCards = 2000;
constexpr int kPostings = 200000;
const char* const kDate = "31.03.2024";

// 1,000 cards per branch, each of 60,000 a unit with a useful life of 60
// months taken on the books in January; their opening balances (one
// posting each) by the stored procedure; the rest of the year's postings
// are stock movements and cash.
bool FillRegister()
{
    CString cards;
    cards.Format("insert into spr_osn_sr (id,name,code,fil_id,kol,first_price,sch,sch_iz,kbk_deb,kbk_kred,iznos_all,"
                 "mol,prd,vrasx,nach_izn,d_post,d_ekspl,norm_izn) select seq, concat('Карточка ',seq), seq, "
                 "if(seq<=%d,1,2), 1, 60000, if(seq<=%d,'110134310','210134310'), if(seq<=%d,'110434410','210434410'), "
                 "2, 2, 0, 3, 1, 1, 1, '2024-01-10', '2024-01-10', 60 from seq_1_to_%d",
                 kCards / 2, kCards / 2, kCards / 2, kCards);
    CString year;
    year.Format("insert into ledmark_provodki (id,npp,d,deb0,deb1,deb2,deb3,deb_sb1,deb_sb2,kred0,kred1,kred2,kred3,"
                "kred_sb1,kred_sb2,kol,s,prim,fil_id) select seq div 4 + 1, seq mod 4 + 1, "
                "'2024-01-01' + interval (seq mod 366) day, '1', if(seq mod 2 = 0,'105','201'), "
                "if(seq mod 2 = 0,'36','34'), if(seq mod 2 = 0,'340','510'), if(seq mod 2 = 0, 1 + seq mod 50, null), "
                "if(seq mod 2 = 0, 1 + seq mod 5, null), '1', if(seq mod 2 = 0,'302','401'), "
                "if(seq mod 2 = 0,'34','01'), if(seq mod 2 = 0,'730','130'), null, null, if(seq mod 2 = 0, 3, null), "
                "10 + seq mod 1000, 'Проводка года', 1 + seq mod 2 from seq_0_to_%d",
                kPostings - kCards - 1);
    return ExecuteSql("delete from ledmark_provodki\ndelete from ledmark_oper_by_hand\ndelete from ledmark_prn_iz\n"
                      "delete from ledmark_prn_iz1\ndelete from ledmark_os_nach_ost\ndelete from spr_osn_sr") &&
           ExecuteSql(cards) && ExecuteSql(year) &&
           // The documents of the opening balances and of the run come after
           // the year's postings (ids up to 50,000) and before the
           // yardstick's (900,001 and 900,002).
           ExecuteSql("update system_doc_counter set last_id=greatest(last_id,100000) where id=1") &&
           ExecuteSql("call sproc_ledmark_vvod_noos('2024-01-01',1)") &&
           ExecuteSql("call sproc_ledmark_vvod_noos('2024-01-01',2)") && ExecuteSql("analyze table ledmark_provodki");
}

const char* const kClearRun = "delete from ledmark_provodki where id in (select doc_id from ledmark_prn_iz1)\n"
                              "delete from ledmark_oper_by_hand\ndelete from ledmark_prn_iz\ndelete from ledmark_prn_iz1";

// The balance of one card on one side as the balance script asks it.
std::string Aggregate(const char* source, const char* synthetic, const char* analytic, int card)
{
    return FormatText("select coalesce(sum(ds),0) as ds,coalesce(sum(ks),0) as ks,coalesce(sum(dq),0) as dq,"
                      "coalesce(sum(kq),0) as kq from (select sum(s) as ds,0 as ks,sum(kol) as dq,0 as kq "
                      "from ledmark_provodki where deb1='%s' and deb2='%s' and deb0='%s' and deb_sb1='%d' "
                      "and d<'2024-04-01' union all select 0,sum(s),0,sum(kol) from ledmark_provodki "
                      "where kred1='%s' and kred2='%s' and kred0='%s' and kred_sb1='%d' and d<'2024-04-01') q",
                      synthetic, analytic, source, card, synthetic, analytic, source, card)
        .ToStdString();
}

struct RawWork {
    std::vector<std::string> reads;
    std::vector<std::string> inserts[2];
};

// The yardstick's work, from what the run registered: the queries of the
// cards and of the earlier run per branch, two balances per card, and per
// branch its operation, header row, register rows and postings.
RawWork RawWorkOfRun()
{
    RawWork work;
    for (int branch = 1; branch <= 2; ++branch) {
        work.reads.push_back(
            FormatText("select doc_id from ledmark_prn_iz1 where g=2024 and ms=3 and fil_id=%d", branch).ToStdString());
        work.reads.push_back(FormatText("select id,sch,sch_iz,d_post,d_ekspl,norm_izn,vrasx,kbk_deb,kbk_kred from "
                                        "spr_osn_sr where nach_izn>0 and (d_ekspl<='2024-03-31' or "
                                        "d_post<='2024-03-31') and sch<>'' and sch_iz<>'' and fil_id=%d and "
                                        "(d_vybit is null or d_vybit>'2024-03-31') order by id",
                                        branch)
                                 .ToStdString());
        const char* source = branch == 1 ? "1" : "2";
        for (int card = (branch - 1) * kCards / 2 + 1; card <= branch * kCards / 2; ++card) {
            work.reads.push_back(Aggregate(source, "101", "34", card));
            work.reads.push_back(Aggregate(source, "104", "34", card));
        }
        const long document = 900000 + branch;
        std::vector<std::string>& inserts = work.inserts[branch - 1];
        inserts.push_back(FormatText("insert into ledmark_oper_by_hand (id,d,number,s,prim,m0,d0,fil_id) values "
                                     "(%ld,'2024-03-31','1',1000.00,'НАЧИСЛЕНИЕ АМОРТИЗАЦИИ',1,now(),%d)",
                                     document, branch)
                              .ToStdString());
        inserts.push_back(
            FormatText("insert into ledmark_prn_iz1 (g,ms,doc_id,fil_id) values (2023,3,%ld,%d)", document, branch)
                .ToStdString());
        unsigned npp = 0;
        ForEachRow(FormatText("select id,d,kol,s_bal,s_iz,s,mes_ost,deb,kred,kbk_deb,kbk_kred from ledmark_prn_iz "
                              "where fil_id=%d order by id",
                              branch),
                   [&](_RecordsetPtr& rs) {
                       auto f = [&](const char* name) { return SafeArayToString(rs->GetCollect(name)); };
                       inserts.push_back(
                           FormatText("insert into ledmark_prn_iz (d,kol,g,ms,id,s_bal,s_iz,s,mes_ost,deb,kred,"
                                      "kbk_deb,kbk_kred,fil_id) values (%s,%s,2023,3,%s,%s,%s,%s,%s,'%s','%s',%s,%s,%d)",
                                      ChangeDateUS0(f("d"), 0), f("kol"), f("id"), f("s_bal"), f("s_iz"), f("s"),
                                      f("mes_ost"), f("deb"), f("kred"), f("kbk_deb"), f("kbk_kred"), branch)
                               .ToStdString());
                       inserts.push_back(GL_InsertProvodka0((unsigned)document, ++npp, kDate, f("deb"), "271000",
                                                            "1", nullptr, f("kred"), f("id"), nullptr, nullptr,
                                                            f("s"), nullptr, "начислена амортизация", f("kbk_deb"),
                                                            f("kbk_kred"), branch, 0)
                                             .ToStdString());
                   });
    }
    return work;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions options = ParseBenchOptions(app.arguments(), 5);
    if (!StartBenchDatabase(options, QStringLiteral("vornal_depreciation_bench"))
        || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return 1;
    g_lYear = 2024;
    g_lTN = 1;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    if (!FillRegister()) {
        std::fprintf(stderr, "filling the register failed\n");
        return 1;
    }
    std::printf("%lld postings, %lld cards\n", ExecuteCount("select count(*) from ledmark_provodki"),
                ExecuteCount("select count(*) from spr_osn_sr"));
    const std::string raw = BenchConnectionString();
    std::vector<double> layer, plain;
    long rows = 0, postings = 0;
    for (int round = 0; round < options.rounds; ++round) {
        ExecuteSql(kClearRun);
        CDepreciationRun run(kDate, "040101271", "210604340", 0);
        const auto start = std::chrono::steady_clock::now();
        const BOOL done = run.Check() && run.Run();
        layer.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        rows = (long)ExecuteCount("select count(*) from ledmark_prn_iz");
        postings = (long)ExecuteCount("select count(*) from ledmark_provodki where id in (select doc_id from ledmark_prn_iz1)");
        const RawWork work = RawWorkOfRun();
        ExecuteSql(kClearRun);
        const RawReadResult reads = RunRawOdbcReads(raw, work.reads);
        std::string error;
        double inserts = 0;
        for (const auto& branch : work.inserts) {
            const double seconds = RunRawOdbcInserts(raw, branch, error);
            inserts = seconds < 0 ? -1 : (inserts < 0 ? -1 : inserts + seconds);
        }
        ExecuteSql("delete from ledmark_provodki where id>900000\ndelete from ledmark_oper_by_hand\n"
                   "delete from ledmark_prn_iz\ndelete from ledmark_prn_iz1");
        if (!done || rows != kCards || reads.seconds < 0 || inserts < 0) {
            std::fprintf(stderr, "the run failed (%ld register rows): %s%s\n", rows, reads.error.c_str(), error.c_str());
            return 1;
        }
        plain.push_back(reads.seconds + inserts);
    }
    const double ran = Median(layer), yardstick = Median(plain);
    std::printf("depreciation run over %d cards of two branches and %d postings, median of %d rounds\n", kCards,
                kPostings, options.rounds);
    std::printf("  the run: %ld register rows, %ld postings:         %8.2f ms\n", rows, postings, ran * 1000);
    std::printf("  raw unixODBC, queries, balances, inserts:        %8.2f ms\n", yardstick * 1000);
    PrintFigure("run / raw", ran / yardstick, 2);
    CInterpriter::mcc_dll_Global_uninit();
    UnInitDll();
    return ran / yardstick <= 2 ? 0 : 2;
}
