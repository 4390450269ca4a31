#include "SelectionQueries.h"

#include "gridbase.h"
#include "ndbcore.h"

namespace naddviews {

namespace {

// "" when no source narrows the list, " and <key> in (select ...)" when one
// does; false when the source is not a plain table name.
bool Narrowing(const CString& source, const char* key, const char* column, long year, long month, CString& text)
{
    text.Empty();
    CString table = source;
    table.Trim();
    if (table.IsEmpty())
        return true;
    if (!IsSqlIdentifier(table.ToQString())) {
        AfxMessageBox(CString("Неверное имя таблицы списка: ") + table, MB_OK | MB_ICONSTOP);
        return false;
    }
    CString period;
    if (year)
        period.Format(" and g=%ld", year);
    if (month)
        period.AppendFormat(" and ms=%ld", month);
    text.Format(" and %s in (select %s from %s where %s is not null%s)", key, column, (LPCTSTR)table, column,
                (LPCTSTR)period);
    return true;
}

} // namespace

CString EmployeesQuery()
{
    CString sql;
    sql.Format("select tn.tn, %s as fio, ssv.name, tn.du from tn left join ssv on ssv.id=tn.dol "
               "order by fio, tn.tn",
               (LPCTSTR)GL_SqlFio());
    return sql;
}

CString DepartmentsQuery(const CString& source, long year, long month)
{
    CString narrowing;
    if (!Narrowing(source, "id", "prd", year, month, narrowing))
        return CString();
    return "select id, name from spr_prd where dt_del is null" + narrowing + " order by name, id";
}

CString SheetsQuery(const CString& source, long year, long month)
{
    CString narrowing;
    if (!Narrowing(source, "id", "nv", year, month, narrowing))
        return CString();
    return "select id, name from nv where 1=1" + narrowing + " order by id";
}

} // namespace naddviews
