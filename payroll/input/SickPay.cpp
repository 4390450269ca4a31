#include "SickPay.h"

#include "gridbase.h"
#include "ndbcore.h"

#include <algorithm>
#include <cstdlib>

namespace npaymar {

namespace {

double Kopecks(double value)
{
    return atof(FormatNumber(value, "", 2));
}

// The date of a typed text; false when it is none.
bool DateOf(const CString& text, COleDateTime& date)
{
    const CString day = DMG(text, 1, 0);
    if (day.IsEmpty())
        return false;
    date = qwDMG(day, 1);
    return date.GetStatus() == COleDateTime::valid;
}

// The whole days from `from` to `to`, both counted.
long DaysFromTo(const COleDateTime& from, const COleDateTime& to)
{
    return atol(GetDateDif(DMGtoStr(from), DMGtoStr(to)));
}

} // namespace

double SickPayMaximum(const CString& firstDay, long alg)
{
    const CString day = ChangeDateUS0(DMG(firstDay, 1, 0), 0);
    if (day == "NULL")
        return 0;
    CString found;
    ForEachRow(FormatText("select s from spr_paymar_bol_max where dt<=%s and alg=%ld order by dt desc", day, alg),
               [&found](_RecordsetPtr& row) {
                   if (found.IsEmpty())
                       found = SafeArayToString(row->GetCollect("s"));
               });
    return atof(found);
}

SickPeriodPay PaySickPeriod(double average, double maximum, double percent, const CString& first,
                            const CString& last)
{
    SickPeriodPay pay;
    COleDateTime from, to;
    if (maximum <= 0 || !DateOf(first, from) || !DateOf(last, to) || to < from)
        return pay;
    pay.paid = true;
    COleDateTime day = from;
    long left = DaysFromTo(from, to);
    while (left > 0) {
        const long monthDays = atol(GetDaysPerMonth(day.GetMonth(), day.GetYear()));
        const double rate = std::min(average, maximum / monthDays);
        pay.daily = Kopecks(percent * rate / 100.0);
        const COleDateTime monthEnd(day.GetYear(), day.GetMonth(), monthDays, 0, 0, 0);
        const COleDateTime end = to < monthEnd ? to : monthEnd;
        const long days = std::min(left, DaysFromTo(day, end));
        pay.amount += days * pay.daily;
        pay.days += days;
        left -= days;
        day = end + COleDateTimeSpan(1, 0, 0, 0);
    }
    pay.amount = Kopecks(pay.amount);
    return pay;
}

long SickPeriodDays(const CString& first, const CString& last)
{
    const CString from = DMG(first, 1, 0), to = DMG(last, 1, 0);
    if (from.IsEmpty() || to.IsEmpty())
        return -1;
    const CString a = ChangeDateUS0(from, 0), b = ChangeDateUS0(to, 0);
    const long long off = ExecuteCount(FormatText("select count(distinct d) as cnt from ( select d from spr_vix_prazd where "
                                             "d>=%s and d<=%s union select d from spr_sub where d>=%s and d<=%s) query",
                                             a, b, a, b));
    return atol(GetPart(GetDateDif(from, to), ":", 1)) - long(std::max(off, 0LL));
}

} // namespace npaymar
