#include "TableColumns.h"

#include "DbExecute.h"
#include "SqlLiterals.h"

CString TableColumnQuery(LPCTSTR table, LPCTSTR column)
{
    return TableColumnQuery(table, column, CurrentDialect());
}

CString TableColumnQuery(LPCTSTR table, LPCTSTR column, SqlDialect dialect)
{
    const char* const owner = dialect == SqlDialect::MySql        ? "table_schema=database()"
                              : dialect == SqlDialect::PostgreSql ? "table_catalog=current_database()"
                                                                  : "table_catalog=db_name()";
    CString sql;
    sql.Format("select count(*) as cnt from information_schema.columns where %s and lower(table_name)=lower('%s') "
               "and lower(column_name)=lower('%s')",
               owner, (LPCTSTR)MakeSqlStr(table), (LPCTSTR)MakeSqlStr(column));
    return sql;
}

BOOL TableHasColumn(LPCTSTR table, LPCTSTR column)
{
    return ExecuteCount(TableColumnQuery(table, column)) > 0 ? TRUE : FALSE;
}
