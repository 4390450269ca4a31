#include "SchemaSteps.h"

#include <set>

namespace {

const char* const kSprDelConstant = "system_spr_del";
const char* const kMonoConstant = "system_mono";

bool Done(const char* constant)
{
    return atol(GetConstant(constant, 0)) != 0;
}

} // namespace

CString SprDelStatement(const CString& table, SqlDialect dialect)
{
    CString sql;
    switch (dialect) {
    case SqlDialect::MySql:
        sql.Format("ALTER TABLE %s CHANGE date_deleted dt_del DATETIME;\n", table);
        break;
    case SqlDialect::PostgreSql:
        sql.Format("ALTER TABLE %s RENAME COLUMN date_deleted TO dt_del;\n"
                   "ALTER TABLE %s ALTER COLUMN dt_del TYPE timestamp;\n",
                   table, table);
        break;
    case SqlDialect::SqlServer:
        sql.Format("EXEC sp_rename '%s.date_deleted', 'dt_del', 'COLUMN';\n"
                   "ALTER TABLE %s ALTER COLUMN dt_del DATETIME;\n",
                   table, table);
        break;
    }
    return sql;
}

CString SprDelColumnQuery(const CString& table, SqlDialect dialect)
{
    return TableColumnQuery(table, "date_deleted", dialect);
}

CString MonoStatement(SqlDialect dialect)
{
    switch (dialect) {
    case SqlDialect::PostgreSql:
        return "DROP TABLE IF EXISTS system_mono;\nCREATE UNLOGGED TABLE system_mono (id int);";
    case SqlDialect::SqlServer:
        return "IF OBJECT_ID('system_mono', 'U') IS NOT NULL DROP TABLE system_mono;\n"
               "CREATE TABLE system_mono (id int);";
    case SqlDialect::MySql:
        break;
    }
    return "DROP TABLE IF EXISTS `system_mono`;\n \t\t\t\t\t CREATE TABLE `system_mono` (`id` int(12)) "
           "ENGINE=MEMORY DEFAULT CHARSET=cp1251;";
}

int RunSprDelStep(const std::vector<CString>& tables)
{
    if (Done(kSprDelConstant))
        return 1;
    const SqlDialect dialect = CurrentDialect();
    std::set<QString> seen;
    bool failed = false;
    for (const CString& table : tables) {
        const QString key = table.ToQString().toLower();
        if (table.IsEmpty() || !IsSqlIdentifier(table.ToQString()) || !seen.insert(key).second)
            continue;
        if (ExecuteCount(SprDelColumnQuery(table, dialect)) == 0)
            continue;
        if (!ExecuteSql(SprDelStatement(table, dialect), NULL, 1, 1, -1))
            failed = true;
    }
    if (failed)
        return 0;
    return SetConstant(kSprDelConstant, "1", NULL);
}

int RunMonoStep()
{
    if (Done(kMonoConstant))
        return 1;
    if (!ExecuteSql(MonoStatement(CurrentDialect()), NULL, 1, 1, -1))
        return 0;
    return SetConstant(kMonoConstant, "1", NULL);
}
