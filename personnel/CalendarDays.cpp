#include "CalendarDays.h"

#include "ndbcore.h"

namespace nperso {

const char* CalendarTable(int mode)
{
    switch (mode) {
    case 0: return "spr_sub";
    case 1: return "spr_vix_prazd";
    }
    return nullptr;
}

bool CalendarDayStored(const char* table, const CString& day)
{
    return ExecuteCount(FormatText("select count(*) as cnt from %s where d=%s", table, ChangeDateUS0(day, 0))) > 0;
}

bool SetCalendarDay(const char* table, const CString& day, bool on)
{
    const CString d = ChangeDateUS0(day, 0);
    CString sql = FormatText("delete from %s where d=%s", table, d);
    if (on)
        sql += FormatText("\ninsert into %s (d) values (%s)", table, d);
    ExecuteSql(sql, 1, 1, -1);
    return CalendarDayStored(table, day);
}

} // namespace nperso
