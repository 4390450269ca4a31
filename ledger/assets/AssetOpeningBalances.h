// The opening balances of a branch's fixed assets are the database's work
// (the stored procedure sproc_ledmark_vvod_noos): the program only calls it
// and reads back how many cards it posted.
#pragma once
#include "DbDialect.h"
#include "afx.h"

namespace nledmark {

// The call of the procedure on a server of `dialect`: the bare procedure
// with its arguments on SQL Server, "call ...(...)" elsewhere. `dateLiteral`
// is a date literal of that server.
CString OpeningBalancesCall(SqlDialect dialect, const CString& dateLiteral, int branch);
// The cards whose value the load of branch `branch` on `date` (dd.mm.yyyy)
// posted; -1 when that could not be read (reported).
long OpeningBalancesCards(const CString& date, int branch);

} // namespace nledmark
