#include "PayrollSql.h"

#include "ndbcore.h"

namespace npaymar {

CString PositionInForce(const char* rows)
{
    const CString first = ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth));
    const CString last = ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth));
    CString text;
    text.Format("(%s.d1 is null or %s.d1<=%s) and (%s.d2 is null or %s.d2>=%s) and (tn.du is null or tn.du>=%s)", rows,
                rows, (LPCTSTR)last, rows, rows, (LPCTSTR)first, (LPCTSTR)first);
    return text;
}

CString PositionKey(const char* rows)
{
    return SqlConcat({SqlAsText(CString(rows) + ".tn"), "'.'", SqlAsText(CString(rows) + ".npp")});
}

CString EmployeeListSql(const char* table, const char* condition)
{
    CString text;
    text.Format("select distinct %s.tn,%s as fio,ssv.name,tn.du from %s left join tn on %s.tn=tn.tn left join ssv on "
                "ssv.id=tn.dol",
                table, (LPCTSTR)SqlFullName(), table, table);
    if (condition && *condition)
        text += CString(" where ") + condition;
    return text + " order by " + table + ".tn";
}

} // namespace npaymar
