// The month's records of the payroll input kept per position row (paymar_bux)
// with further key columns of their own (the month, a pay sheet, a pay code):
// the hours per sheet, the time-based pay and the hours at two tariffs. A
// form checks its rows first; the records of the rows are then written as
// one batch in one transaction, the stored ones read under their update lock
// first, so no row costs a query of its own.
#pragma once
#include "afx.h"

#include <vector>

class CCellwork;

namespace npaymar {

// A grid's columns of figures: the column and its caption for a message.
struct FigureColumn {
    long col;
    const char* caption;
};

// Where a check stopped: the row and column to make current and the message;
// a row of -1 when the fault was reported already.
struct GridRefusal {
    long row = -1;
    long col = 0;
    CString message;
};

// The record of one position row as a form's save wants it.
struct PositionRecord {
    CString tn, npp;              // checked whole numbers
    std::vector<CString> values;  // SQL values, in the order of the columns written
    bool remove = false;          // no figures: the record goes
};

// Reads the grid's rows into records: the key "tn.npp" of column `keyCol`
// split into checked numbers and each column's figure as SQL (CellFigure:
// NULL when empty, "7,5" as 7.5), in the order of `figures`. False at the
// first key or figure refused, with the refusal naming its row.
bool ReadPositionFigures(CCellwork& grid, long keyCol, const std::vector<FigureColumn>& figures,
                         std::vector<PositionRecord>& records, GridRefusal& refusal);

// The part of a table a form writes: its condition on the key columns other
// than tn and npp ("g=2026 and ms=12 and nv=1 and kou=2"), and those columns
// with their values for an insert ("g,ms,nv,kou", "2026,12,1,2").
struct RecordScope {
    CString table;
    CString condition;
    CString columns;
    CString values;
};

// The scope of the working month (g_lYear, g_lMonth) with further key
// columns and their values, each a checked number ("nv", "1").
RecordScope MonthScope(const char* table, std::vector<std::pair<const char*, CString>> keys = {});

// Writes the records of `scope`: each row's record is updated when stored,
// inserted otherwise, or deleted when it is to go; `columns` name the values.
// TRUE when written; FALSE (reported) when a statement failed, and then
// nothing was changed.
BOOL WritePositionRecords(const RecordScope& scope, const std::vector<const char*>& columns,
                          const std::vector<PositionRecord>& records);

// A figure of a cell as SQL (CellFigure) that is empty or zero.
bool NoFigure(const CString& sql);

} // namespace npaymar
