#include "DbExecute.h"

#include "DbBatch.h"
#include "DbLossWatch.h"
#include "DbScalar.h"
#include "SqlBatch.h"
#include "MoneyText.h"

#include <cmath>

int ExecuteSql(LPCTSTR sql, _Connection* connection, int, int, int)
{
    const QString text = CString(sql).ToQString();
    return RunReported(0, [&](DbSession& session) {
        RunBatch(session, ConnectionFor(session, connection), text);
        return 1;
    }, DbRetry::Write);
}

int ExecuteSql(LPCTSTR sql, int, int, int)
{
    return ExecuteSql(sql, nullptr);
}

int ExecuteSqlInItsOwnTransaction(LPCTSTR sql)
{
    const QString text = CString(sql).ToQString();
    return RunReported(0, [&](DbSession& session) {
        _Connection& connection = OpenConnectionOf(session);
        const SqlDialect dialect = CurrentDialect();
        if (dbsession::HasOpenTransaction(session) || dialect != SqlDialect::MySql)
            throw _com_error(E_FAIL, QStringLiteral("Пакет со своей транзакцией не может выполняться внутри "
                                                    "открытой транзакции или не на сервере MySQL."));
        RunRollingBack(connection, SplitSqlBatch(text, dialect), dialect);
        return 1;
    }, DbRetry::Write);
}

int ExecuteSqlUnlessRefused(LPCTSTR sql)
{
    const QString text = CString(sql).ToQString();
    return RunReported(0, [&](DbSession& session) {
        try {
            RunCommand(OpenConnectionOf(session), text);
        } catch (const _com_error& e) {
            if (e.Kind() != DbErrorKind::Constraint)
                throw;
            return -1;
        }
        return 1;
    }, DbRetry::Write);
}

CString ExecuteString(LPCTSTR sql, int)
{
    bool ok = false;
    return ExecuteString(sql, ok);
}

CString ExecuteString(LPCTSTR sql, bool& ok)
{
    ok = false;
    const QString text = CString(sql).ToQString();
    return RunReported(CString(), [&](DbSession& session) {
        const CString value(ScalarOf(OpenConnectionOf(session), text).text());
        ok = true;
        return value;
    });
}

long long ExecuteCount(LPCTSTR sql, _Connection* connection, int)
{
    const QString text = CString(sql).ToQString();
    return RunReported(0LL, [&](DbSession& session) {
        const _variant_t value = ScalarOf(ConnectionFor(session, connection), text);
        if (value.vt == VT_BSTR) {
            bool ok = false;
            const double number = value.text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
            return ok ? static_cast<long long>(std::trunc(number)) : 0LL;
        }
        if (value.isNull() || value.isEmpty())
            return 0LL;
        if (value.vt == VT_R8 || value.vt == VT_R4 || value.vt == VT_DECIMAL)
            return static_cast<long long>(std::trunc(value.toDouble()));
        return value.toInt64();
    });
}

_RecordsetPtr ExecuteRows(LPCTSTR sql)
{
    const QString text = CString(sql).ToQString();
    return RunReported(_RecordsetPtr(), [&](DbSession& session) {
        return OpenConnectionOf(session).Execute(_bstr_t(text), nullptr, adCmdText);
    });
}

CString ExecuteMony(LPCTSTR sql)
{
    bool ok = false;
    return ExecuteMony(sql, ok);
}

CString ExecuteMony(LPCTSTR sql, bool& ok)
{
    ok = false;
    const QString text = CString(sql).ToQString();
    return RunReported(CString(), [&](DbSession& session) {
        const _variant_t value = ScalarOf(OpenConnectionOf(session), text);
        ok = true;
        if (value.vt == VT_R8 || value.vt == VT_R4)
            return ftoa0(value.toDouble());
        const QString written = value.text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
        const QString amount = RoundDecimalText(written, 2);
        return CString(written.isEmpty() || amount.isEmpty() ? value.text() : amount);
    });
}

long ForEachRow(LPCTSTR sql, const std::function<void(_RecordsetPtr& row)>& each)
{
    const CString text(sql);
    return RunReported(-1L, [&](DbSession& session) {
        _RecordsetPtr rs;
        rs.CreateInstance(__uuidof(Recordset));
        rs->Open((LPCTSTR)text, &OpenConnectionOf(session), adOpenForwardOnly, adLockReadOnly, adCmdText);
        long rows = 0;
        for (; !rs->adoEOF; rs->MoveNext(), ++rows)
            each(rs);
        rs->Close();
        return rows;
    });
}
