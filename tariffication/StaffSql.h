// The statements of the position assignments (perso_tn_nip) and time-sheet
// marks (perso_trv) that the personnel and tariffication forms share. Values
// come as the forms' texts: personnel numbers, running numbers and codes go
// into SQL only as checked numbers (an empty code as NULL), texts through the
// literal helpers, dates (dd.mm.yyyy) as date literals. A builder answers ""
// when a personnel or running number is no number, and nothing is run then.
#pragma once
#include "NipColumns.h"
#include "VenzExport.h"
#include "afx.h"

namespace nvenzol {

// How many rows the assignment (tn, npp) has (0 or 1), as "cnt".
NVENZOL_EXPORT CString NipCountSql(const CString& tn, const CString& npp);
// The next running number of the employee: one above the highest, 1 for an
// employee without assignments, in the dialect of the current driver.
NVENZOL_EXPORT CString NipNextNumberSql(const CString& tn);
// The set's columns of an assignment written: a new row, or the row (tn, npp)
// changed; columns outside the set stay as they are. An empty number of
// rates is written as 1, an empty number, code or date as NULL, a number with
// "," or "." as the number; "" when a key, code, number or date is none.
NVENZOL_EXPORT CString NipInsertSql(const NipColumnSet& set, const NipRecord& nip);
NVENZOL_EXPORT CString NipUpdateSql(const NipColumnSet& set, const NipRecord& nip);
// The row (tn, npp) read under its update lock, as "cnt" (1, or 0 when it is
// gone): a change takes it first.
NVENZOL_EXPORT CString NipLockSql(const CString& tn, const CString& npp);
// One column of the row as "str", for any column an assignment form edits
// (VenzNipColumns); "" for any other column.
NVENZOL_EXPORT CString NipColumnSql(const char* column, const CString& tn, const CString& npp);
// The employee's first assignment current at the period's first day (as
// "str", oldest start first, of one day's the lowest number): without an end
// or ending on or after that day; `strictlyAfter` asks for an end after it (the position time sheet's rule).
NVENZOL_EXPORT CString FirstCurrentNipSql(const CString& tn, const CString& periodStart, bool strictlyAfter);

// A time-sheet mark: the assignment, the day and the mark (hours or a code of uo).
struct TrvMark {
    CString tn, npp, d, t;
};

NVENZOL_EXPORT CString MarkCountSql(const TrvMark& mark);
NVENZOL_EXPORT CString MarkUpdateSql(const TrvMark& mark);
NVENZOL_EXPORT CString MarkInsertSql(const TrvMark& mark);
NVENZOL_EXPORT CString MarkDeleteSql(const TrvMark& mark);
NVENZOL_EXPORT CString MarkReadSql(const TrvMark& mark);

} // namespace nvenzol
