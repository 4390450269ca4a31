#include "DbConstants.h"

#include "DbBatch.h"
#include "DbDialect.h"
#include "DbScalar.h"

namespace {

QString Literal(LPCTSTR value)
{
    return value ? QuoteSqlText(CString(value).ToQString(), CurrentDialect()) : QStringLiteral("NULL");
}

QString UpsertSql(const QString& name, const QString& value)
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer:
        return QStringLiteral("update system_const set val=%2 where name=%1\n"
                              "if @@ROWCOUNT=0 insert into system_const (name,val) values (%1,%2)").arg(name, value);
    case SqlDialect::PostgreSql:
        return QStringLiteral("insert into system_const (name,val) values (%1,%2) "
                              "on conflict (name) do update set val=excluded.val").arg(name, value);
    default:
        return QStringLiteral("insert into system_const (name,val) values (%1,%2) "
                              "on duplicate key update val=values(val)").arg(name, value);
    }
}

}  // namespace

CString GetConstant(LPCTSTR name, int)
{
    const QString sql = QStringLiteral("select val from system_const where name=") + Literal(name ? name : "");
    return RunReported(CString(), [&](DbSession& session) {
        return CString(ScalarOf(OpenConnectionOf(session), sql).text());
    });
}

int SetConstant(LPCTSTR name, LPCTSTR value, LPCTSTR)
{
    const QString sql = UpsertSql(Literal(name ? name : ""), Literal(value));
    return RunReported(0, [&](DbSession& session) {
        RunBatch(session, OpenConnectionOf(session), sql);
        return 1;
    });
}
