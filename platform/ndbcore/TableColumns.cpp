#include "TableColumns.h"

#include "DbExecute.h"
#include "SqlLiterals.h"

#include <QStringList>

CString TableColumnQuery(LPCTSTR table, LPCTSTR column)
{
    return TableColumnQuery(table, column, CurrentDialect());
}

namespace {

const char* Owner(SqlDialect dialect)
{
    return dialect == SqlDialect::MySql        ? "table_schema=database()"
           : dialect == SqlDialect::PostgreSql ? "table_catalog=current_database()"
                                               : "table_catalog=db_name()";
}

ColumnKind KindOf(const QString& type)
{
    static const QStringList numbers = {"int", "integer", "bigint", "smallint", "tinyint", "mediumint", "decimal",
                                        "numeric", "float", "double", "real", "money", "smallmoney",
                                        "double precision"};
    static const QStringList dates = {"date", "datetime", "datetime2", "timestamp",
                                      "timestamp without time zone", "smalldatetime"};
    const QString lower = type.trimmed().toLower();
    if (numbers.contains(lower))
        return ColumnKind::Number;
    if (dates.contains(lower))
        return ColumnKind::Date;
    return ColumnKind::Text;
}

} // namespace

CString TableColumnQuery(LPCTSTR table, LPCTSTR column, SqlDialect dialect)
{
    const char* const owner = Owner(dialect);
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

std::vector<TableColumnInfo> TableColumnsOf(LPCTSTR table)
{
    std::vector<TableColumnInfo> columns;
    CString sql;
    sql.Format("select column_name,data_type,is_nullable,column_default from information_schema.columns "
               "where %s and lower(table_name)=lower('%s') order by ordinal_position",
               Owner(CurrentDialect()), (LPCTSTR)MakeSqlStr(table));
    const long rows = ForEachRow(sql, [&](_RecordsetPtr& rs) {
        TableColumnInfo column;
        column.name = CString(rs->GetCollect(0L).text());
        column.kind = KindOf(rs->GetCollect(1L).text());
        column.nullable = rs->GetCollect(2L).text().compare(QStringLiteral("YES"), Qt::CaseInsensitive) == 0;
        const _variant_t fallback = rs->GetCollect(3L);
        // MariaDB writes a NULL default as the text NULL.
        column.hasDefault = !fallback.isNull() && fallback.text().compare(QStringLiteral("NULL"), Qt::CaseInsensitive) != 0;
        columns.push_back(column);
    });
    if (rows < 0)
        columns.clear();
    return columns;
}
