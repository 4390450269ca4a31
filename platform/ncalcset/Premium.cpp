#include "Premium.h"

#include "ndbcore.h"

#include <cstdlib>

double GetPrem(const char* tn, long year, long month, long sheet, const char* unused)
{
    (void)unused;
    bool number = false;
    const long person = QString::fromUtf8(tn ? tn : "").trimmed().toLong(&number);
    if (!number || month < 1 || month > 12)
        return 0;
    const CString first = ChangeDateUS0(FormatText("01.%02ld.%04ld", month, year), 0);
    CString sql = FormatText("select sum(n.s) as str from paymar_nuz n where n.tn=%ld and n.g=%ld and n.ms=%ld and n.kou "
                             "in (select p.Real_npp from spr_paymar_prem p where p.dt_del is null or p.dt_del>=%s)",
                             person, year, month, first);
    if (sheet != -1)
        sql += FormatText(" and n.nv=%ld", sheet);
    return RoundKopecks(atof(ExecuteString(sql)));
}
