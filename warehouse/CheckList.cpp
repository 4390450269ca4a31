#include "CheckList.h"

#include "CPrixodRecord.h"
#include "ndbcore.h"

namespace nstovan {

CString QualifiedClause(const CString& clause, const char* prefix, const char* qualified)
{
    CString text = clause;
    text.Replace(prefix, qualified);
    return text;
}

CString WorkingMonthFrom()
{
    return ChangeDateUS0(GetOtpD1(g_lYear, g_lMonth), 0);
}

CString WorkingMonthTo()
{
    return ChangeDateUS0(GetOtpD2(g_lYear, g_lMonth), 0);
}

bool ReportPeriod(const COleDateTime& from, const COleDateTime& to, CString& fromSql, CString& toSql)
{
    fromSql = ChangeDateUS0(DMGtoStr(from), 0);
    toSql = ChangeDateUS0(DMGtoStr(to), 0);
    return !(from.GetStatus() == COleDateTime::valid && to.GetStatus() == COleDateTime::valid && from > to);
}

} // namespace nstovan
