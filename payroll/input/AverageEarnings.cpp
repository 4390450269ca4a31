#include "AverageEarnings.h"

#include "gridbase.h"
#include "ncalcset.h"
#include "ndbcore.h"

#include <cmath>
#include <cstdlib>

namespace npaymar {

namespace {

// What each month of the short-service path counts.
const char* const kShortServiceBase = "600.00";

} // namespace

void StepBack(long& year, long& month)
{
    if (--month == 0) {
        month = 12;
        --year;
    }
}

CString SheetExclusion(const CString& tn)
{
    if (g_lProjectType == 1)
        return " and nv<>3";
    if (g_lProjectType != 0)
        return CString();
    switch (atol(GetTN(tn, "prd"))) {
    case 1:
    case 2:
    case 4:
    case 6:
    case 7: return " and nv<>2";
    case 3: return " and nv<>1";
    default: return CString();
    }
}

AverageEarnings ComputeAverageEarnings(const CString& tn, const CString& code, const CString& date,
                                       const CString& daysToPay)
{
    AverageEarnings result;
    const CString start = DMG(date, 1, 0);
    long year = 0, month = 0;
    if (tn.IsEmpty() || start.IsEmpty() || code.IsEmpty() || CString(daysToPay).Trim().IsEmpty() ||
        !otp(start, year, month))
        return result;

    long y = year, m = month;
    result.filter = "(";
    for (int i = 0; i < 12; ++i) {
        StepBack(y, m);
        result.filter += FormatText(i == 0 ? "(g=%ld and ms=%ld)" : " or (g=%ld and ms=%ld)", y, m);
    }
    result.filter += ")" + SheetExclusion(tn);

    const CString hired = DMG(ExecuteString(FormatText("select min(d1) as str from paymar_bux where tn=%s", tn)), 1, 0);
    const CString service = CalcVoz0(hired, start);
    result.shortService = atol(GetPart(service, "-", 1)) == 0 && atol(GetPart(service, "-", 2)) < 3;

    if (!result.shortService) {
        const CString sql = FormatText(
            "select query.g,query.ms,sum(query.s) as s,max(paymar_trv.dn) as dn from ( select paymar_nuz.g,paymar_nuz.ms,"
            "sum(s) as s,tn from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id where %s and tn=%s and "
            "spr_tvx.kou=%s and spr_tvx.id<=200 group by g,ms,tn union all select paymar_nuz.g,paymar_nuz.ms,-sum(s) as "
            "s,tn from paymar_nuz left join spr_tvx on paymar_nuz.kou=spr_tvx.id where %s and tn=%s and spr_tvx.kou=%s "
            "and spr_tvx.id>200 group by g,ms,tn ) query left join paymar_trv on query.g=paymar_trv.g and "
            "query.ms=paymar_trv.ms and query.tn=paymar_trv.tn group by query.g,query.ms order by query.g,query.ms",
            result.filter, tn, code, result.filter, tn, code);
        ForEachRow(sql, [&result](_RecordsetPtr& row) {
            AverageEarningsMonth month;
            month.year = SafeArayToString(row->GetCollect("g"));
            month.month = GetMonthName(atol(SafeArayToString(row->GetCollect("ms"))));
            const CString dn = SafeArayToString(row->GetCollect("dn"));
            if (!dn.IsEmpty()) {
                month.days = Number(dn, 0);
                // A month counts its whole days worked; a fraction is cut off.
                result.days += std::floor(atof(dn));
            }
            const CString s = SafeArayToString(row->GetCollect("s"));
            result.earnings += atof(s);
            month.earnings = FormatNumber(atof(s), "", 2);
            result.months.push_back(month);
        });
    } else {
        long sy = year, sm = month;
        for (int i = 0; i < 3; ++i) {
            StepBack(sy, sm);
            const CString norm = ExecuteString(FormatText("select dn as str from spr_kl1 where g=%ld and ms=%ld", sy, sm));
            if (CString(norm).Trim().IsEmpty()) {
                result.problem = FormatText("Не указаны плановые дни за %s %ldг", GetMonthName(sm), sy);
                return result;
            }
            result.months.push_back({utoa(sy), GetMonthName(sm), Number(norm, 0), kShortServiceBase});
            result.days += atol(norm);
            result.earnings += atof(kShortServiceBase);
        }
    }
    if (result.days == 0)
        return result;
    result.reached = true;
    result.average = FormatNumber(result.earnings / result.days, "", 2);
    CString days = daysToPay;
    days.Replace(",", ".");
    result.amount = FormatNumber(atof(days) * atof(result.average), "", 2);
    return result;
}

} // namespace npaymar
