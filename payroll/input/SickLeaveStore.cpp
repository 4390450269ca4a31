#include "SickLeaveStore.h"

#include "ndbcore.h"

namespace npaymar {

namespace {

const char* const kTables[] = {"paymar_bol", "paymar_bol1", "paymar_bol2"};

CString Key(const CString& tn, const CString& npp)
{
    return FormatText("g=%ld and ms=%ld and tn=%s and npp=%s", g_lYear, g_lMonth, tn, npp);
}

BOOL RemoveRows(const CString& tn, const CString& npp)
{
    for (const char* table : kTables)
        if (!ExecuteSql(FormatText("delete from %s where %s", table, Key(tn, npp))))
            return FALSE;
    return TRUE;
}

} // namespace

BOOL StoreSickLeave(SickLeaveRecord& record)
{
    CWaitCursor wait;
    CDbTransaction save;
    // Two saves of one employee's new certificates take turns for the number.
    if (ForEachRow(SqlLockRow("tn", "tn", FormatText("tn=%s", record.tn)), [](_RecordsetPtr&) {}) < 0)
        return FALSE;
    CString npp = record.npp;
    if (npp.IsEmpty()) {
        npp = ExecuteString(FormatText("select max(npp)+1 as str from paymar_bol where g=%ld and ms=%ld and tn=%s",
                                       g_lYear, g_lMonth, record.tn));
        if (npp.IsEmpty())
            npp = "1";
    } else if (!RemoveRows(record.tn, npp)) {
        return FALSE;
    }
    if (!ExecuteSql(FormatText("insert into paymar_bol (g,ms,tn,npp,vou,BOLs,npp_bux) values (%ld,%ld,%s,%s,%s,%s,%s)",
                               g_lYear, g_lMonth, record.tn, npp, record.vou, record.start, record.nppBux)))
        return FALSE;
    for (const SickLeavePeriodSql& period : record.periods) {
        // The line value: 1 for the first period, then the certificate's
        // number, as the certificates stored before it have it.
        long npp1 = long(ExecuteCount(FormatText("select max(npp) as cnt from paymar_bol1 where %s", Key(record.tn, npp))));
        if (npp1 <= 0)
            npp1 = 1;
        if (!ExecuteSql(FormatText(
                "insert into paymar_bol1 (g,ms,tn,npp,d1,d2,dn,pr,npp1) values (%ld,%ld,%s,%s,%s,%s,%s,%s,%ld)", g_lYear,
                g_lMonth, record.tn, npp, period.d1, period.d2, period.dn, period.pr, npp1)))
            return FALSE;
    }
    for (const SheetAmount& share : record.shares)
        if (!ExecuteSql(FormatText("insert into paymar_bol2 (g,ms,tn,npp,nv,s) values (%ld,%ld,%s,%s,%s,%s)", g_lYear,
                                   g_lMonth, record.tn, npp, share.nv, AmountSql(share.s))))
            return FALSE;
    if (!save.Commit())
        return FALSE;
    record.npp = npp;
    return TRUE;
}

BOOL RemoveSickLeave(const CString& tn, const CString& npp)
{
    CWaitCursor wait;
    CDbTransaction remove;
    return RemoveRows(tn, npp) && remove.Commit();
}

} // namespace npaymar
