#include "MaterialCards.h"

#include "ndbcore.h"

namespace nledmark {

CString InventAccountText(const InventAccount& account)
{
    if (account.analytic.IsEmpty())
        return account.synthetic;
    return "0 " + account.synthetic + " " + account.analytic + " 000";
}

CString InventAccountCondition(const std::vector<InventAccount>& accounts)
{
    CString condition;
    for (const InventAccount& account : accounts) {
        CString one;
        if (account.analytic.IsEmpty())
            one.Format("col1='%s'", (LPCTSTR)MakeSqlStr(account.synthetic));
        else
            one.Format("(col1='%s' and col2='%s')", (LPCTSTR)MakeSqlStr(account.synthetic),
                       (LPCTSTR)MakeSqlStr(account.analytic));
        condition += (condition.IsEmpty() ? " and (" : " or ") + one;
    }
    if (!condition.IsEmpty())
        condition += ")";
    return condition;
}

CString InventAccountsSql(long bookId, const char* leftOut)
{
    CString without;
    if (leftOut && *leftOut)
        without.Format(" and (col1<>'%s')", (LPCTSTR)MakeSqlStr(leftOut));
    CString sql;
    sql.Format("select distinct zab,col1,col2,name from spr_plan_sch where col0=0 and (sb1=%ld or sb2=%ld or sb3=%ld) "
               "and (col3='000' or col3 is null) and (col2<>'00' or col2 is null)%s group by zab,col1,col2,name "
               "order by zab,col1,col2",
               bookId, bookId, bookId, (LPCTSTR)without);
    return sql;
}

CString MatAccountTextSql(SqlDialect dialect)
{
    switch (dialect) {
    case SqlDialect::MySql:
        return "concat(coalesce(sch0,''),' ',sch1,' ',coalesce(sch2,''))";
    case SqlDialect::PostgreSql:
        return "coalesce(sch0,'')||' '||sch1||' '||coalesce(sch2,'')";
    case SqlDialect::SqlServer:
        break;
    }
    return "isnull(convert(varchar(1),sch0),'')+' '+sch1+' '+isnull(sch2,'')";
}

CString CardSideFilter(long branch, int source, long tn, const char* side)
{
    CString text, part;
    if (source != 0) {
        part.Format(" and %s0='%d'", side, source);
        text += part;
    }
    if (tn != 0) {
        part.Format(" and %s_sb2='%ld'", side, tn);
        text += part;
    }
    if (branch >= 0) {
        part.Format(" and fil_id=%ld", branch);
        text += part;
    }
    return text;
}

CString MatCardItemsSql(const MatCardFilter& filter, SqlDialect dialect)
{
    const CString end = ChangeDateUS0(filter.periodEnd, 0);
    CString sql;
    sql.Format("select distinct sb,spr_stovan_mat.name as imat,spr_ei.name as iei,%s as sch from ("
               "select distinct deb_sb1 as sb,deb0 as sch0,deb1 as sch1,deb2 as sch2 from ledmark_provodki "
               "where d<=%s and deb1='105'%s "
               "union "
               "select distinct kred_sb1 as sb,kred0 as sch0,kred1 as sch1,kred2 as sch2 from ledmark_provodki "
               "where d<=%s and kred1='105'%s"
               ") q left join spr_stovan_mat on %s=sb left join spr_ei on spr_ei.id=spr_stovan_mat.ei "
               "order by spr_stovan_mat.name",
               (LPCTSTR)MatAccountTextSql(dialect), (LPCTSTR)end,
               (LPCTSTR)CardSideFilter(filter.branch, filter.source, filter.tn, "deb"), (LPCTSTR)end,
               (LPCTSTR)CardSideFilter(filter.branch, filter.source, filter.tn, "kred"),
               dialect == SqlDialect::MySql ? "spr_stovan_mat.id" : "cast(spr_stovan_mat.id as varchar(30))");
    return sql;
}

CString MatCardItemList(const std::vector<MatCardItem>& items)
{
    CString list;
    for (const MatCardItem& item : items)
        list += (list.IsEmpty() ? "" : ",") + item.id + ":" + item.account + " 000";
    return list;
}

} // namespace nledmark
