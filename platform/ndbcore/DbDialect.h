// The SQL dialects the driver ids choose, and the fragments of SQL text that
// differ between them, written once here so a form never repeats a branch.
#pragma once
#include "afx.h"

#include <initializer_list>

enum class SqlDialect { SqlServer, MySql, PostgreSql };

// The dialect of a driver id: 0 and 3 SQL Server, 1 and 4 MariaDB/MySQL,
// 2 PostgreSQL. False for ids that are refused (5, MS Access, and unknown ids).
bool DialectOfDriver(long driverId, SqlDialect& dialect);
// The dialect of the current driver id (MySQL when it is refused).
SqlDialect CurrentDialect();

// Text made safe inside '...' of the dialect (quotes doubled; for MySQL also
// backslashes and NUL escaped).
QString EscapeSqlText(const QString& text, SqlDialect dialect);
QString QuoteSqlText(const QString& text, SqlDialect dialect);

// Date and date-time literals of the dialect, quoted, ready to write unquoted.
QString SqlDateLiteral(int year, int month, int day, SqlDialect dialect);
QString SqlDateTimeLiteral(int year, int month, int day, int hour, int minute, int second, SqlDialect dialect);

// Fragments for the current dialect.
CString SqlIfNull(LPCTSTR expression, LPCTSTR fallback);
CString SqlConcat(std::initializer_list<CString> parts);
CString SqlYear(LPCTSTR dateExpression);
// An expression as text (for comparing a key with a typed code).
CString SqlAsText(LPCTSTR expression);
// A column whose name the dialect reserves ("do"), quoted where it must be:
// bare on MySQL, "do" on PostgreSQL, [do] on SQL Server.
CString SqlReservedName(LPCTSTR name);
// How a user's text is matched with a column by LIKE.
enum class SqlLikeMatch {
    Contains,    // the text anywhere in the column
    BeginsWith,  // the column begins with the text
    WholeWord,   // the column's first word is the text: the text and a blank, or the whole value
};
// A condition matching the column with a user's text without regard to
// letter case, LIKE's own signs in the text ("%", "_", the escape sign, and
// "[" on SQL Server) taken literally. The column is the program's, never a user's.
CString SqlLikeText(LPCTSTR column, LPCTSTR text, SqlLikeMatch match);
// The full name of an employee over table tn: surname, name, patronymic by blanks.
CString SqlFullName();
// The next free number of a column: coalesce(max(column), 0) + 1 over the table and condition.
CString SqlNextNumber(LPCTSTR column, LPCTSTR table, LPCTSTR where = nullptr);
// A query of one column of the rows of `where` that takes their update lock
// until the transaction ends: a save reads its stored row so first, and a row
// another user deleted meanwhile gives no row ("... for update"; on SQL
// Server the table hint updlock).
CString SqlLockRow(LPCTSTR column, LPCTSTR table, LPCTSTR where);
// The whole number a text column begins with (null when it begins with no
// digit): the rule the scripts' Ledger.leading_number keeps too.
CString SqlLeadingNumber(LPCTSTR column);
// The next number of a text column numbered by its leading digits: the
// largest leading number over the table and condition plus one, 1 when there
// is none.
CString SqlNextLeadingNumber(LPCTSTR column, LPCTSTR table, LPCTSTR where = nullptr);
// Queries of the key the session last generated and of the session's server-side id.
CString SqlLastInsertId();
CString SqlSessionId();
