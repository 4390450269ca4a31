// Running SQL through the layer. None of these throws: a failure is reported
// (ReportDBError) and answered as 0 or an empty text, so a caller may stop
// quietly. A call without a connection runs on the session's own.
#pragma once
#include "afx.h"
#include "ado.h"

#include <functional>

// Runs a statement or a batch (statements separated by ";" or line feeds, see
// SqlBatch.h) as one unit; nonzero on success, 0 on a failure, after which
// nothing of the batch remains. The three trailing numbers have no effect.
int ExecuteSql(LPCTSTR sql, _Connection* connection = nullptr, int flag = 1, int unused1 = 1, int unused2 = -1);
// The four-number form some callers write: (sql, 1, 1, -1) is (sql, NULL, 1, 1, -1).
int ExecuteSql(LPCTSTR sql, int flag, int unused1, int unused2);
// Runs a batch on MySQL that opens and commits its transaction itself
// ("start transaction" ... "commit"; a statement before the start commits by
// itself), in as few calls as the batch allows. Only outside any
// transaction: inside one it is refused (its start would commit the open
// transaction's work). A failure rolls the batch's open transaction back.
// Nonzero on success.
int ExecuteSqlInItsOwnTransaction(LPCTSTR sql);

// The first column of the first row as text, whatever its alias: dates
// dd.mm.yyyy, date-times dd.mm.yyyy hh:mm:ss, numbers with "." and no
// grouping, NULL and no row "".
CString ExecuteString(LPCTSTR sql, int unused = -1);
// The same; `ok` false after a failure it reported, so a page built of such
// values knows it is incomplete (a NULL or no row is no failure).
CString ExecuteString(LPCTSTR sql, bool& ok);
// The first column of the first row as a number (a whole number; a fraction is
// cut off as atol would); 0 for NULL, no row or a text that is no number.
// Signed, so a stored -2 comes back as -2; callers may cast it.
long long ExecuteCount(LPCTSTR sql, _Connection* connection = nullptr, int unused = 0);
// The rows of a query, read as they are reached (a forward-only recordset of
// the session's connection); null on a failure, which has been reported.
// Reading on may still throw _com_error, which the reader reports.
_RecordsetPtr ExecuteRows(LPCTSTR sql);
// The first column of the first row as an amount: two decimals, "." and no
// grouping ("1234.50"); "" for NULL or no row.
CString ExecuteMony(LPCTSTR sql);
// The same; `ok` false after a failure it reported.
CString ExecuteMony(LPCTSTR sql, bool& ok);
// Runs a query on the session's connection and hands each row of its result
// to `each`, in order (read forward, once). The number of rows, or -1 after a
// failure of the query or of `each` (reported).
long ForEachRow(LPCTSTR sql, const std::function<void(_RecordsetPtr& row)>& each);
