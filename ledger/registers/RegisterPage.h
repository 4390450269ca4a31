// What the ledger registers share: the signature lines under a page, the
// label of their catch-all message, the period named in a heading, a page's
// break before it and the borders of its cells.
#pragma once
#include "ado.h"
#include "afx.h"

namespace nledmark {

// The label the registers' catch-all message names.
extern const char* const kRegisterCatchAllLabel;
// Inside a catch block of a register: "*** Unhandled Exception from
// CPrnJurnalBolView ***" with the exception's own message under it.
void ReportRegisterException();

// The rows under a register page (rows of the page's outer table): the chief
// accountant (constant ORG_GL_BUH), the executor and the date line.
CString RegisterSignatures(const CString& chief, const CString& executor, const COleDateTime& date);
// The same for the constant, the short name of the user who prints (g_lTN)
// and today.
CString RegisterSignatures();

// The period of a heading: the name of the working period and its year when
// the dates are that period, else "с dd.mm.yyyy по dd.mm.yyyy".
CString RegisterPeriodText(const COleDateTime& from, const COleDateTime& to);

// A date as the SQL literal of the connection's dialect.
CString RegisterSqlDate(const COleDateTime& date);
// The text of a column of the row a query reached, "" for NULL.
CString RegisterColumn(_RecordsetPtr& row, const char* name);

// The style of a page that starts a new printed page.
extern const char* const kPageBreakBefore;
// The style of a bordered cell: a thin line on each side.
extern const char* const kCellBorder;

} // namespace nledmark
