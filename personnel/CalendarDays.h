// The calendar lists of single days: spr_vix_prazd (days off and public
// holidays) and spr_sub (the other non-working days). Payroll leaves the days
// of both out of a sick-leave count. A day is in a list when its row is.
#pragma once
#include "afx.h"

namespace nperso {

// The table of a list mode: 0 spr_sub, 1 spr_vix_prazd; nullptr for any other.
const char* CalendarTable(int mode);

// Whether the day (dd.mm.yyyy) stands in the table.
bool CalendarDayStored(const char* table, const CString& day);

// Puts the day into the table (exactly one row) or takes it out, the delete
// and the insert as one batch, so a failed insert leaves the day as it was.
// Answers whether the day stands in the table afterwards.
bool SetCalendarDay(const char* table, const CString& day, bool on);

} // namespace nperso
