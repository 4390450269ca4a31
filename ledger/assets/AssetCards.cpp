#include "AssetCards.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace nledmark {

CString OsCardItemsSql(const OsCardFilter& filter, SqlDialect dialect)
{
    const CString end = ChangeDateUS0(filter.periodEnd, 0);
    CString sql;
    sql.Format("select distinct code,sb,spr_osn_sr.name as imat,%s as sch from ("
               "select distinct deb_sb1 as sb,deb0 as sch0,deb1 as sch1,deb2 as sch2 from ledmark_provodki "
               "where d<=%s and deb1='101'%s "
               "union "
               "select distinct kred_sb1 as sb,kred0 as sch0,kred1 as sch1,kred2 as sch2 from ledmark_provodki "
               "where d<=%s and kred1='101'%s"
               ") q left join spr_osn_sr on %s=sb order by spr_osn_sr.name",
               (LPCTSTR)MatAccountTextSql(dialect), (LPCTSTR)end,
               (LPCTSTR)CardSideFilter(filter.branch, filter.source, filter.tn, "deb"), (LPCTSTR)end,
               (LPCTSTR)CardSideFilter(filter.branch, filter.source, filter.tn, "kred"),
               dialect == SqlDialect::MySql ? "spr_osn_sr.id" : "cast(spr_osn_sr.id as varchar(30))");
    return sql;
}

// The KOSGU column is a text: the whole account is the row of code "000".
CString OsAccountsSql(long bookId)
{
    CString sql;
    sql.Format("select distinct zab,col1,col2,name from spr_plan_sch where col0=0 and (sb1=%ld or sb2=%ld or "
               "sb3=%ld) and (col3='000' or col3 is null) and (col2<>'00' or col2 is null) and (col1<>'104') "
               "group by zab,col1,col2,name order by zab,col1,col2",
               bookId, bookId, bookId);
    return sql;
}

CString OsOpisCall(const OsOpisArgs& args)
{
    const CString branch = args.branch == -2 ? CString() : FormatText("%ld", args.branch);
    CString call;
    call.Format("prn(\"%s\",\"%s\",\"%s\",\"%d\",\"%s\",\"%s\",\"%s\",\"%s\")", (LPCTSTR)MakeParam(args.periodEnd),
                (LPCTSTR)MakeParam(args.tn), (LPCTSTR)MakeParam(args.prd), args.source, (LPCTSTR)MakeParam(branch),
                (LPCTSTR)MakeParam(args.accounts), (LPCTSTR)MakeParam(args.from), (LPCTSTR)MakeParam(args.to));
    return call;
}

bool OsBound(const CString& typed, CString& bound)
{
    const CString text = CString(typed).Trim();
    bound.Empty();
    if (text.IsEmpty())
        return true;
    QString number;
    if (!NormalizeNumberText(text.ToQString(), number))
        return false;
    bound = CString(number);
    return true;
}

} // namespace nledmark
