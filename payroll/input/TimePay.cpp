#include "TimePay.h"

#include "PayrollSql.h"
#include "gridbase.h"
#include "ndbcore.h"

namespace npaymar {

namespace {

CString Join(const std::vector<const char*>& columns, const char* prefix = "")
{
    CString text;
    for (const char* column : columns)
        text += FormatText("%s%s%s", text.IsEmpty() ? "" : ",", prefix, column);
    return text;
}

// The position rows of a department in force in the month, with the sheet's
// rate of their position (the same in every kind).
CString Positions(const char* table, const CString& nv, const CString& prd)
{
    return FormatText("left join spr_paymar_dol on spr_paymar_dol.id=paymar_bux.dol right join spr_paymar_dol1 on "
                      "spr_paymar_dol1.id=spr_paymar_dol.id and spr_paymar_dol1.nv=%s left join tn on "
                      "tn.tn=paymar_bux.tn %swhere paymar_bux.prd=%s and %s",
                      nv, table, prd, PositionInForce());
}

} // namespace

const char* TimePayTable(TimePayKind kind)
{
    static const char* const tables[] = {"paymar_povr", "paymar_povr_chts", "paymar_povr0"};
    return tables[int(kind)];
}

const std::vector<const char*>& TimePayColumns(TimePayKind kind)
{
    static const std::vector<const char*> columns[] = {
        {"plch", "ch", "pr"}, {"ch"}, {"ch1", "ch2", "tar1", "tar2"}};
    return columns[int(kind)];
}

CString TimePayLoadSql(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou)
{
    const char* table = TimePayTable(kind);
    const CString record = FormatText("left join %s on %s.tn=paymar_bux.tn and %s.npp=paymar_bux.npp and %s.g=%ld and "
                                      "%s.ms=%ld and %s.kou=%s and %s.nv=%s ",
                                      table, table, table, table, g_lYear, table, g_lMonth, table, kou, table, nv);
    const CString order = " order by paymar_bux.tn+0,paymar_bux.npp+0";
    if (kind == TimePayKind::Hours) {
        const CString sheet = FormatText("left join paymar_trv_chas on paymar_trv_chas.tn=paymar_bux.tn and "
                                         "paymar_trv_chas.npp=paymar_bux.npp and paymar_trv_chas.nv=%s and "
                                         "paymar_trv_chas.g=%ld and paymar_trv_chas.ms=%ld ",
                                         nv, g_lYear, g_lMonth);
        return FormatText("select paymar_povr.pr,paymar_povr.plch,%s as tn,%s as fio,spr_paymar_dol.name as "
                          "idol,paymar_povr.ch,paymar_trv_chas.pl as plchkl,paymar_trv_chas.ch as chkl from "
                          "paymar_bux %s%s and (spr_paymar_dol1.okl>0 or paymar_povr.ch>0)%s",
                          PositionKey(), GL_SqlFio(), record, Positions(sheet, nv, prd), order);
    }
    if (kind == TimePayKind::Norm)
        return FormatText("select %s as tn,%s as fio,spr_paymar_dol.name as idol,paymar_povr_chts.ch,"
                          "spr_paymar_dol1.chts from paymar_bux %s%s and (spr_paymar_dol1.chts>0 or "
                          "paymar_povr_chts.ch>0)%s",
                          PositionKey(), GL_SqlFio(), record, Positions("", nv, prd), order);
    return FormatText("select paymar_povr0.tar1,paymar_povr0.tar2,%s as tn,%s as fio,spr_paymar_dol.name as "
                      "idol,paymar_povr0.ch1,paymar_povr0.ch2,spr_paymar_dol1.okl from paymar_bux %s%s and "
                      "(spr_paymar_dol1.okl>0 or paymar_povr0.ch1>0 or paymar_povr0.ch2>0)%s",
                      PositionKey(), GL_SqlFio(), record, Positions("", nv, prd), order);
}

CString TimePayCopySql(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou)
{
    const char* table = TimePayTable(kind);
    const long year = g_lMonth == 1 ? g_lYear - 1 : g_lYear;
    const long month = g_lMonth == 1 ? 12 : g_lMonth - 1;
    const CString columns = Join(TimePayColumns(kind));
    const CString department = FormatText(
        "exists (select b.npp from paymar_bux b where b.tn=%%s.tn and b.npp=%%s.npp and b.prd=%s)", prd);
    return FormatText("delete from %s where g=%ld and ms=%ld and nv=%s and kou=%s and ", table, g_lYear, g_lMonth, nv,
                      kou)
           + FormatText(department, table, table) + ";\n"
           + FormatText("insert into %s (tn,npp,g,ms,nv,kou,%s) select p.tn,p.npp,%ld,%ld,p.nv,p.kou,%s from %s p "
                        "where p.g=%ld and p.ms=%ld and p.nv=%s and p.kou=%s and ",
                        table, columns, g_lYear, g_lMonth, Join(TimePayColumns(kind), "p."), table, year, month, nv,
                        kou)
           + FormatText(department, "p", "p") + ";\n";
}

BOOL CopyTimePay(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou)
{
    CDbTransaction copy;
    if (!ExecuteSql(TimePayCopySql(kind, prd, nv, kou)))
        return FALSE;
    return copy.Commit();
}

} // namespace npaymar
