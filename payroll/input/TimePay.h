// The time-based pay of the working month per position row, pay sheet and pay
// code, in three tables: plan and worked hours with the percentage of pay
// (paymar_povr), hours against the position's norm (paymar_povr_chts), and
// hours at a junior and a senior tariff (paymar_povr0). A department's
// positions with a rate on the sheet are listed; the copy brings last month's
// records of the department's positions on the sheet and code.
#pragma once
#include "afx.h"

#include <vector>

namespace npaymar {

enum class TimePayKind { Hours, Norm, TwoTariffs };

// The table of a kind and the columns of its figures.
const char* TimePayTable(TimePayKind kind);
const std::vector<const char*>& TimePayColumns(TimePayKind kind);

// The query of a department's positions on a sheet with the records of a pay
// code (checked codes). Hours: pr, plch, tn, fio, idol, ch and the hours
// form's plchkl, chkl; norm: tn, fio, idol, ch, chts; two tariffs: tar1,
// tar2, tn, fio, idol, ch1, ch2, okl.
CString TimePayLoadSql(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou);

// The statements of the copy: the working month's records of the department's
// positions on the sheet and code deleted, then last month's inserted (January
// takes December of the year before), only the table's own columns.
CString TimePayCopySql(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou);

// Runs the copy in one transaction; TRUE when done, FALSE (reported) when a
// statement failed, and then the month is as it was.
BOOL CopyTimePay(TimePayKind kind, const CString& prd, const CString& nv, const CString& kou);

} // namespace npaymar
