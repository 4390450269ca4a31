// The two one-time schema steps of start-up, each guarded by a database
// constant that is "1" once the step is done: "system_spr_del" renames the
// old column date_deleted of the reference-book tables to dt_del, and
// "system_mono" creates the table system_mono. Each SQL dialect gets its own
// statements.
#pragma once
#include "afx.h"
#include "ndbcore.h"

#include <vector>

// The statement that renames a table's date_deleted to dt_del.
CString SprDelStatement(const CString& table, SqlDialect dialect);
// The query counting a table's columns named date_deleted (as "cnt").
CString SprDelColumnQuery(const CString& table, SqlDialect dialect);
// The batch that (re)creates the table system_mono.
CString MonoStatement(SqlDialect dialect);

// Runs "system_spr_del" unless done: each table named once, only tables that
// still have the old column are changed, and the constant is set only when
// every change succeeded (a failure is reported by the database layer and
// the step runs again at the next start). Table names that are no plain
// identifiers are skipped. Nonzero when the step is done.
int RunSprDelStep(const std::vector<CString>& tables);
// Runs "system_mono" unless done; 0 when its statement failed.
int RunMonoStep();
