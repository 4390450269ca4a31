#include "RefBooks.h"

#include "DbDialect.h"
#include "DbScalar.h"
#include "DbSession.h"
#include "SqlLiterals.h"

#include <QRegularExpression>

namespace {

void RequireIdentifier(const QString& name)
{
    if (!IsSqlIdentifier(name))
        throw _com_error(E_INVALIDARG, QStringLiteral("Недопустимое имя таблицы или поля: «%1»").arg(name));
}

// A whole number is compared as it is written (the key's index serves); any
// other code is compared with the key as text, so "2abc" never matches 2.
QString KeyCondition(const QString& table, const QString& code)
{
    RequireIdentifier(table);
    static const QRegularExpression whole(QStringLiteral("^-?\\d+$"));
    const QString key = whole.match(code).hasMatch() ? QStringLiteral("id") : SqlAsText("id").ToQString();
    return QStringLiteral(" from %1 where %2=%3").arg(table, key, QuoteSqlText(code, CurrentDialect()));
}

QStringList Fragments(LPCTSTR text)
{
    return CString(text).ToQString().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// A name condition: every fragment a substring of `name`, any case, with LIKE's own signs taken literally.
QString NameCondition(const QStringList& fragments)
{
    QStringList parts;
    for (const QString& fragment : fragments)
        parts << SqlLikeText("name", CString(fragment), SqlLikeMatch::Contains).ToQString();
    return parts.join(QStringLiteral(" and "));
}

// 0, 1 or 2 as SuUniqByName answers; the id of a single match into `id`.
int UniqueByName(LPCTSTR table, LPCTSTR condition, LPCTSTR fragments, QString& id)
{
    const QString tableName = CString(table).ToQString();
    const QStringList words = Fragments(fragments);
    if (words.isEmpty())
        return 0;
    const QString base = CString(condition).ToQString().trimmed();
    QString where = NameCondition(words);
    if (!base.isEmpty())
        where = QStringLiteral("(%1) and %2").arg(base, where);
    return RunReported(0, [&](DbSession& session) {
        RequireIdentifier(tableName);
        _RecordsetPtr rows = OpenConnectionOf(session).Execute(
            _bstr_t(QStringLiteral("select id from %1 where %2").arg(tableName, where)));
        if (rows->GetadoEOF())
            return 0;
        const QString first = rows->GetCollect(0L).text();
        rows->MoveNext();
        if (!rows->GetadoEOF())
            return 2;
        id = first;
        return 1;
    });
}

}  // namespace

bool IsSqlIdentifier(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

CString GetFromSPR(LPCTSTR table, LPCTSTR code, LPCTSTR column)
{
    const QString key = CString(code).ToQString().trimmed();
    if (key.isEmpty())
        return CString();
    const QString tableName = CString(table).ToQString();
    const QString columnName = column && *column ? CString(column).ToQString() : QStringLiteral("name");
    return RunReported(CString(), [&](DbSession& session) {
        RequireIdentifier(columnName);
        const QString sql = QStringLiteral("select ") + columnName + KeyCondition(tableName, key);
        return CString(ScalarOf(OpenConnectionOf(session), sql).text());
    });
}

int SprOk(LPCTSTR table, LPCTSTR code)
{
    const QString key = CString(code).ToQString().trimmed();
    if (key.isEmpty())
        return 0;
    const QString tableName = CString(table).ToQString();
    return RunReported(0, [&](DbSession& session) {
        const QString sql = QStringLiteral("select count(*)") + KeyCondition(tableName, key);
        return ScalarOf(OpenConnectionOf(session), sql).toInt64() > 0 ? 1 : 0;
    });
}

int SuUniqByName(LPCTSTR table, LPCTSTR fragments, long& id)
{
    return SuUniqByName(table, nullptr, fragments, id);
}

int SuUniqByName(LPCTSTR table, LPCTSTR fragments, CString& id)
{
    return SuUniqByName(table, nullptr, fragments, id);
}

int SuUniqByName(LPCTSTR table, LPCTSTR condition, LPCTSTR fragments, long& id)
{
    QString found;
    const int result = UniqueByName(table, condition, fragments, found);
    if (result == 1)
        id = found.toLong();
    return result;
}

int SuUniqByName(LPCTSTR table, LPCTSTR condition, LPCTSTR fragments, CString& id)
{
    QString found;
    const int result = UniqueByName(table, condition, fragments, found);
    if (result == 1)
        id = CString(found);
    return result;
}

CString SqlNameCondition(LPCTSTR fragments)
{
    return CString(NameCondition(Fragments(fragments)));
}


CString GetFio(LPCTSTR tn)
{
    QString number;
    if (!NormalizeNumberText(CString(tn).ToQString(), number))
        return CString();
    return RunReported(CString(), [&](DbSession& session) {
        const QString sql = QStringLiteral("select ") + SqlFullName().ToQString() + QStringLiteral(" from tn where tn=")
            + number;
        return CString(ScalarOf(OpenConnectionOf(session), sql).text().simplified());
    });
}

CString GetFioShort0(LPCTSTR fullName)
{
    const QStringList words = CString(fullName).ToQString().split(QRegularExpression(QStringLiteral("\\s+")),
                                                                  Qt::SkipEmptyParts);
    if (words.isEmpty())
        return CString();
    QString text = words.front();
    if (words.size() > 1)
        text += QLatin1Char(' ');
    for (qsizetype i = 1; i < words.size(); ++i)
        text += words[i].left(1).toUpper() + QLatin1Char('.');
    return CString(text);
}
