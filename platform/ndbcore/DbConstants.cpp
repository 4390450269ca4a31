#include "DbConstants.h"

#include "DbBatch.h"
#include "DbDialect.h"
#include "DbScalar.h"

namespace {

QString Literal(LPCTSTR value)
{
    return value ? QuoteSqlText(CString(value).ToQString(), CurrentDialect()) : QStringLiteral("NULL");
}

QString InsertIfMissingSql(const QString& name)
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer:
        return QStringLiteral("if not exists (select 1 from system_const where name=%1) "
                              "insert into system_const (name,val) values (%1,NULL)").arg(name);
    case SqlDialect::PostgreSql:
        return QStringLiteral("insert into system_const (name,val) values (%1,NULL) on conflict (name) do nothing")
            .arg(name);
    default:
        return QStringLiteral("insert ignore into system_const (name,val) values (%1,NULL)").arg(name);
    }
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
    }, DbRetry::Write);
}

int SetConstantIf(LPCTSTR name, LPCTSTR expected, LPCTSTR value)
{
    const QString key = Literal(name ? name : "");
    const QString was = QuoteSqlText(CString(expected).ToQString(), CurrentDialect());
    const QString update = QStringLiteral("update system_const set val=%1 where name=%2 and %3=%4")
                               .arg(Literal(value), key, SqlIfNull("val", "''").ToQString(), was);
    return RunReported(0, [&](DbSession& session) {
        // Two single statements, each atomic: the row exists, then a conditional
        // update of it under its own lock (no gap locks that two users could cross).
        _Connection& connection = OpenConnectionOf(session);
        RunCommand(connection, InsertIfMissingSql(key));
        const long long changed = RunCommand(connection, update);
        // MySQL counts rows changed, not rows found: setting the value it already holds changes none.
        if (changed == 0 && CString(expected) == CString(value))
            return ScalarOf(connection, QStringLiteral("select val from system_const where name=") + key).text()
                       == CString(value).ToQString() ? 1 : 0;
        return changed > 0 ? 1 : 0;
    }, DbRetry::Write);
}
