#include "VacationStore.h"

#include "SheetSplit.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace npaymar {

namespace {

CString Key(const CString& tn, const CString& npp)
{
    return FormatText("g=%ld and ms=%ld and tn=%s and npp=%s", g_lYear, g_lMonth, tn, npp);
}

CString CodeSql(const CString& code)
{
    return code.IsEmpty() ? CString("NULL") : code;
}

BOOL WriteRecord(const VacationRecord& r, bool isNew)
{
    if (isNew)
        return ExecuteSql(FormatText(
            "insert into paymar_otpusk (calc,g,ms,tn,npp,dn,dn2,d1,kou,kou2,period,number,d,d2,nv,nv2,tip,osn,mes,mes2,"
            "nv_s,nv_s2,sovokup,sovokup2) values (%d,%ld,%ld,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%d,%s,%s,%s,%s,%s,%s,%s)",
            r.calc, g_lYear, g_lMonth, r.tn, r.npp, r.dn, r.dn2, r.d1, CodeSql(r.kou), CodeSql(r.kou2), NullStr(r.period),
            NullStr(r.number), r.d, r.d2, NullStr(r.nv), NullStr(r.nv2), r.tip, NullStr(r.osn), NullStr(r.mes),
            NullStr(r.mes2), NullStr(r.nvS), NullStr(r.nvS2), NullStr(r.sovokup), NullStr(r.sovokup2)));
    return ExecuteSql(FormatText(
        "update paymar_otpusk set calc=%d,dn=%s,dn2=%s,d1=%s,kou=%s,kou2=%s,period=%s,number=%s,d=%s,d2=%s,nv=%s,nv2=%s,"
        "tip=%d,osn=%s,mes=%s,mes2=%s,nv_s=%s,nv_s2=%s,sovokup=%s,sovokup2=%s where %s",
        r.calc, r.dn, r.dn2, r.d1, CodeSql(r.kou), CodeSql(r.kou2), NullStr(r.period), NullStr(r.number), r.d, r.d2,
        NullStr(r.nv), NullStr(r.nv2), r.tip, NullStr(r.osn), NullStr(r.mes), NullStr(r.mes2), NullStr(r.nvS),
        NullStr(r.nvS2), NullStr(r.sovokup), NullStr(r.sovokup2), Key(r.tn, r.npp)));
}

} // namespace

VacationStored StoreVacation(VacationRecord& record)
{
    CDbTransaction save;
    // Two saves of one employee's records take turns for the number.
    if (ForEachRow(SqlLockRow("tn", "tn", "tn=" + record.tn), [](_RecordsetPtr&) {}) < 0)
        return VacationStored::Failed;
    const bool isNew = record.npp.IsEmpty();
    CString npp = record.npp;
    if (isNew) {
        npp = ExecuteString(
            SqlNextNumber("npp", "paymar_otpusk", FormatText("g=%ld and ms=%ld and tn=%s", g_lYear, g_lMonth, record.tn)));
        if (npp.IsEmpty())
            return VacationStored::Failed;
    } else {
        CString stored;
        const long read = ForEachRow(SqlLockRow("npp", "paymar_otpusk", Key(record.tn, npp)),
                                     [&stored](_RecordsetPtr& row) { stored = SafeArayToString(row->GetCollect("npp")); });
        if (read < 0)
            return VacationStored::Failed;
        if (stored.IsEmpty())
            return VacationStored::Gone;
        if (!ExecuteSql("delete from paymar_otpusk1 where " + Key(record.tn, npp)))
            return VacationStored::Failed;
    }
    VacationRecord row = record;
    row.npp = npp;
    if (!WriteRecord(row, isNew))
        return VacationStored::Failed;
    for (const VacationAmount& amount : record.amounts)
        if (!ExecuteSql(FormatText("insert into paymar_otpusk1 (g,ms,tn,npp,nv,s,kou) values (%ld,%ld,%s,%s,%s,%s,%s)",
                                   g_lYear, g_lMonth, record.tn, npp, amount.nv, AmountSql(amount.s), amount.kou)))
            return VacationStored::Failed;
    if (!save.Commit())
        return VacationStored::Failed;
    record.npp = npp;
    return VacationStored::Written;
}

BOOL RemoveVacation(const CString& tn, const CString& npp)
{
    CDbTransaction remove;
    return ExecuteSql("delete from paymar_otpusk where " + Key(tn, npp)) &&
           ExecuteSql("delete from paymar_otpusk1 where " + Key(tn, npp)) && remove.Commit();
}

BOOL LoadVacation(const CString& tn, const CString& npp, StoredVacation& stored)
{
    bool found = false;
    const long read = ForEachRow(
        "select nv,nv2,d1,d2,kou,kou2,period,number,d,dn,dn2,osn,tip,calc from paymar_otpusk where " + Key(tn, npp),
        [&](_RecordsetPtr& row) {
            auto text = [&row](const char* column) { return SafeArayToString(row->GetCollect(column)); };
            stored.nv = text("nv");
            stored.nv2 = text("nv2");
            stored.d1 = DMG(text("d1"), 1, 0);
            stored.d2 = DMG(text("d2"), 1, 0);
            stored.kou = text("kou");
            stored.kou2 = text("kou2");
            stored.period = text("period");
            stored.number = text("number");
            stored.d = DMG(text("d"), 1, 0);
            stored.dn = text("dn").IsEmpty() ? CString() : Number(text("dn"), 0);
            stored.dn2 = text("dn2").IsEmpty() ? CString() : Number(text("dn2"), 0);
            stored.osn = text("osn");
            stored.tip = int(atol(text("tip")));
            stored.calc = int(atol(text("calc")));
            found = true;
        });
    return read >= 0 && found;
}

std::vector<CString> VacationNumbers(const CString& tn)
{
    std::vector<CString> numbers;
    ForEachRow(FormatText("select npp from paymar_otpusk where g=%ld and ms=%ld and tn=%s order by npp", g_lYear,
                          g_lMonth, tn),
               [&numbers](_RecordsetPtr& row) { numbers.push_back(SafeArayToString(row->GetCollect("npp"))); });
    return numbers;
}

} // namespace npaymar
