#include "PositionBook.h"

#include "StaffNumbers.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace nvenzol {

namespace {

bool Blank(const CString& text)
{
    return text.ToQString().trimmed().isEmpty();
}

// The grade and the allowance are kept as texts of numbers.
bool NumberText(const CString& text, CString& sql)
{
    if (!NumberLiteral(text, sql))
        return false;
    if (sql != "NULL")
        sql = NullStr(sql);
    return true;
}

CString NextCode()
{
    const CString next = SqlIsNull("max(id)", "0") + "+1 as str";
    return ExecuteString(SqlLockRow(next, "ssv", "1=1"));
}

bool InsertRates(const CString& code, const std::vector<PositionRate>& rates)
{
    for (const PositionRate& rate : rates) {
        CString nv, st, s;
        if (Blank(rate.nv) || (Blank(rate.st) && Blank(rate.s)))
            continue;
        if (!CheckedNumber(rate.nv, nv) || !NumberLiteral(rate.st, st) || !NumberLiteral(rate.s, s))
            return false;
        if (nv == FormatText("%d", kUnlistedStatement))
            continue;
        if (!ExecuteSql(FormatText("insert into ssv1 (id,nv,st,s) values (%s,%s,%s,%s)", code, nv, st, s)))
            return false;
    }
    return true;
}

} // namespace

PositionWritten WritePosition(PositionRecord& record)
{
    CString kat = NullStr(record.kat), raz, vr, gr;
    if (Blank(record.name) || !NumberText(record.raz, raz) || !NumberText(record.vr, vr) || !CodeLiteral(record.gr, gr))
        return PositionWritten::Failed;
    CDbTransaction save;
    if (!save.IsUsable())
        return PositionWritten::Failed;
    CString code;
    if (Blank(record.code)) {
        if (!CheckedNumber(NextCode(), code))
            return PositionWritten::Failed;
    } else {
        if (!CheckedNumber(record.code, code))
            return PositionWritten::Failed;
        if (!ExecuteSql(FormatText("delete from ssv1 where id=%s and nv<>%d", code, kUnlistedStatement))
            || !ExecuteSql(FormatText("delete from ssv where id=%s", code)))
            return PositionWritten::Failed;
    }
    const CString insert = FormatText("insert into ssv (id,name,kat,raz,vr,gr) values (%s,'%s',%s,%s,%s,%s)", code,
                                      MakeSqlStr(record.name), kat, raz, vr, gr);
    if (!ExecuteSql(insert) || !InsertRates(code, record.rates) || !save.Commit())
        return PositionWritten::Failed;
    record.code = code;
    return PositionWritten::Yes;
}

} // namespace nvenzol
