#include "StockYearProgram.h"

#include "AssetsStockYear.h"
#include "LedgerBenchProgram.h"

#include <appcore.h>
#include <ndbcore.h>

#include <cstdio>

CMDIFrameWnd* StartStockYearProgram(const BenchOptions& options, const QString& database, int year)
{
    if (!StartBenchDatabase(options, database) || !StartBenchScripts(QStringLiteral(VORNAL_BIN_DIR "/vornal.cfa")))
        return nullptr;
    CMDIFrameWnd* frame = StartLedgerProgram(year);
    if (!frame)
        return nullptr;
    ExecuteSql("delete from system_const where name='system_actual_date'");
    ExecuteSql("update system_doc_counter set last_id=greatest(last_id,100000) where id=1");
    if (!FillStockYear())
        return nullptr;
    ExecuteSql("analyze table ledmark_provodki");
    std::printf("%lld postings\n", ExecuteCount("select count(*) from ledmark_provodki"));
    return frame;
}
