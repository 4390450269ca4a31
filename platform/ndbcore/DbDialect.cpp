#include "DbDialect.h"

#include "DbSettings.h"

bool DialectOfDriver(long driverId, SqlDialect& dialect)
{
    switch (driverId) {
    case 0:
    case 3: dialect = SqlDialect::SqlServer; return true;
    case 1:
    case 4: dialect = SqlDialect::MySql; return true;
    case 2: dialect = SqlDialect::PostgreSql; return true;
    default: return false;
    }
}

SqlDialect CurrentDialect()
{
    SqlDialect dialect = SqlDialect::MySql;
    DialectOfDriver(GetDriverId(-1), dialect);
    return dialect;
}

QString EscapeSqlText(const QString& text, SqlDialect dialect)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text) {
        if (c == QLatin1Char('\''))
            out += QStringLiteral("''");
        else if (dialect == SqlDialect::MySql && c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (dialect == SqlDialect::MySql && c == QChar(0))
            out += QStringLiteral("\\0");
        else if (c == QChar(0))
            continue;  // other servers keep no NUL in text
        else
            out += c;
    }
    return out;
}

QString QuoteSqlText(const QString& text, SqlDialect dialect)
{
    return QLatin1Char('\'') + EscapeSqlText(text, dialect) + QLatin1Char('\'');
}

QString SqlDateLiteral(int year, int month, int day, SqlDialect dialect)
{
    if (dialect == SqlDialect::SqlServer)  // yyyymmdd reads the same in every server language
        return QStringLiteral("'%1%2%3'").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'))
            .arg(day, 2, 10, QLatin1Char('0'));
    return QStringLiteral("'%1-%2-%3'").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString SqlDateTimeLiteral(int year, int month, int day, int hour, int minute, int second, SqlDialect dialect)
{
    // 'yyyy-mm-dd hh:mm:ss'; SQL Server reads 'yyyy-mm-ddThh:mm:ss' in every language.
    QString date = SqlDateLiteral(year, month, day, SqlDialect::MySql).chopped(1);
    date += dialect == SqlDialect::SqlServer ? QLatin1Char('T') : QLatin1Char(' ');
    return date + QStringLiteral("%1:%2:%3'").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'));
}

CString SqlIfNull(LPCTSTR expression, LPCTSTR fallback)
{
    static const char* const names[] = {"isnull", "ifnull", "coalesce"};
    CString text;
    text.Format("%s(%s,%s)", names[static_cast<int>(CurrentDialect())], expression, fallback);
    return text;
}

CString SqlConcat(std::initializer_list<CString> parts)
{
    CString text;
    if (CurrentDialect() == SqlDialect::SqlServer) {
        for (const CString& part : parts)
            text += (text.IsEmpty() ? CString() : CString("+")) + part;
        return text;
    }
    for (const CString& part : parts)
        text += (text.IsEmpty() ? CString() : CString(",")) + part;
    return "concat(" + text + ")";
}

CString SqlYear(LPCTSTR dateExpression)
{
    CString text;
    if (CurrentDialect() == SqlDialect::PostgreSql)
        text.Format("cast(extract(year from %s) as integer)", dateExpression);
    else
        text.Format("year(%s)", dateExpression);
    return text;
}

CString SqlAsText(LPCTSTR expression)
{
    static const char* const forms[] = {"cast(%s as nvarchar(100))", "cast(%s as char)", "cast(%s as varchar)"};
    CString text;
    text.Format(forms[static_cast<int>(CurrentDialect())], expression);
    return text;
}

CString SqlReservedName(LPCTSTR name)
{
    static const char* const forms[] = {"[%s]", "%s", "\"%s\""};
    CString text;
    text.Format(forms[static_cast<int>(CurrentDialect())], name);
    return text;
}

namespace {

// One LIKE of the column with a pattern: the escaped text and the wildcard around it.
QString LikePattern(const QString& column, const QString& pattern, SqlDialect dialect)
{
    return QStringLiteral("upper(%1) like upper(%2) escape %3")
        .arg(column, QuoteSqlText(pattern, dialect), QuoteSqlText(QStringLiteral("\\"), dialect));
}

} // namespace

CString SqlLikeText(LPCTSTR column, LPCTSTR text, SqlLikeMatch match)
{
    const SqlDialect dialect = CurrentDialect();
    QString literal = CString(text).ToQString();
    literal.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    literal.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    literal.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    if (dialect == SqlDialect::SqlServer)
        literal.replace(QLatin1Char('['), QStringLiteral("\\["));
    const QString name = CString(column).ToQString();
    switch (match) {
    case SqlLikeMatch::Contains:
        return CString(LikePattern(name, QLatin1Char('%') + literal + QLatin1Char('%'), dialect));
    case SqlLikeMatch::BeginsWith:
        return CString(LikePattern(name, literal + QLatin1Char('%'), dialect));
    case SqlLikeMatch::WholeWord:
        break;
    }
    return CString(QLatin1Char('(') + LikePattern(name, literal + QStringLiteral(" %"), dialect)
                   + QStringLiteral(" or ") + LikePattern(name, literal, dialect) + QLatin1Char(')'));
}

CString SqlFullName()
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer:
        return "ltrim(rtrim(isnull(tn.f,'')+' '+isnull(tn.i,'')+' '+isnull(tn.o,'')))";
    default:
        return "concat_ws(' ',tn.f,tn.i,tn.o)";
    }
}

CString SqlNextNumber(LPCTSTR column, LPCTSTR table, LPCTSTR where)
{
    CString text;
    text.Format("select %s+1 from %s%s%s", (LPCTSTR)SqlIfNull(CString("max(") + column + ")", "0"), table,
                where && *where ? " where " : "", where ? where : "");
    return text;
}

CString SqlLockRow(LPCTSTR column, LPCTSTR table, LPCTSTR where)
{
    CString text;
    if (CurrentDialect() == SqlDialect::SqlServer)
        text.Format("select %s from %s with (updlock, rowlock, holdlock) where %s", column, table, where);
    else
        text.Format("select %s from %s where %s for update", column, table, where);
    return text;
}

CString SqlLeadingNumber(LPCTSTR column)
{
    CString text;
    switch (CurrentDialect()) {
    case SqlDialect::PostgreSql:
        text.Format("cast(nullif(substring(cast(%s as varchar) from '^[0-9]+'),'') as bigint)", column);
        break;
    case SqlDialect::SqlServer:
        text.Format("cast(left(%s,patindex('%%[^0-9]%%',cast(%s as varchar(30))+'x')-1) as bigint)", column, column);
        break;
    default:
        text.Format("cast(%s as unsigned)", column);
        break;
    }
    return text;
}

CString SqlNextLeadingNumber(LPCTSTR column, LPCTSTR table, LPCTSTR where)
{
    return SqlNextNumber(SqlLeadingNumber(column), table, where);
}

CString SqlLastInsertId()
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer: return "select @@IDENTITY";
    case SqlDialect::PostgreSql: return "select lastval()";
    default: return "select LAST_INSERT_ID()";
    }
}

CString SqlSessionId()
{
    switch (CurrentDialect()) {
    case SqlDialect::SqlServer: return "select @@SPID";
    case SqlDialect::PostgreSql: return "select pg_backend_pid()";
    default: return "select CONNECTION_ID()";
    }
}
