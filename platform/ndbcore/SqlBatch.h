// Splitting a batch into its statements: at ";" and at line feeds, never
// inside quoted text ('...', "...", `...` of MySQL) or a comment (-- ..., # ...
// of MySQL, /* ... */). Blank pieces and pieces of comments alone are dropped.
// SQL Server batches stay whole: T-SQL variables live as long as their batch.
#pragma once
#include "DbDialect.h"

#include <QStringList>

QStringList SplitSqlBatch(const QString& text, SqlDialect dialect);
// The statements a batch holds, whatever piece it is sent as: a whole T-SQL
// batch of several statements counts as several, so it runs in one
// transaction like every other batch of more than one statement.
int CountSqlStatements(const QString& text, SqlDialect dialect);

// Statements joined into texts that the server runs in one call each, to save
// a round trip per statement: MySQL runs several statements of one call in
// order and stops at the first failure (the connection allows it). Other
// dialects get one statement per text.
QStringList JoinForServer(const QStringList& statements, SqlDialect dialect);
