#include "DepreciationRules.h"

#include "ndbcore.h"

namespace nledmark {

namespace {

// The first day of the month after the month of `date` (December rolls over
// into January of the next year), dd.mm.yyyy.
CString FirstOfNextMonth(const CString& date)
{
    const COleDateTime day = qwDMG(date, 1);
    if (day.GetStatus() != COleDateTime::valid)
        return CString();
    const int month = day.GetMonth() == 12 ? 1 : day.GetMonth() + 1;
    const int year = day.GetMonth() == 12 ? day.GetYear() + 1 : day.GetYear();
    return FormatText("01.%02d.%04d", month, year);
}

// -1, 0 or 1 as `a` is before, on or after `b`.
int CompareDates(const CString& a, const CString& b)
{
    const COleDateTime x = qwDMG(a, 1), y = qwDMG(b, 1);
    return x < y ? -1 : (y < x ? 1 : 0);
}

} // namespace

DepreciationLimits LimitsOfStart(const CString& start)
{
    const COleDateTime day = qwDMG(start, 1);
    COleDateTime change;
    change.SetDate(2009, 1, 1);
    if (day.GetStatus() == COleDateTime::valid && day < change)
        return {1000, 10000};
    return {3000, 20000};
}

AssetDepreciation DepreciateAsset(const AssetFigures& f)
{
    AssetDepreciation r;
    if (f.value == 0 || f.quantity == 0) {
        r.skip = DepreciationSkip::NoValue;
        return r;
    }
    r.unitPrice = RoundKopecks(f.value / f.quantity);
    if (qwDMG(f.start, 1).GetStatus() != COleDateTime::valid) {
        r.skip = DepreciationSkip::NoStart;
        return r;
    }
    const DepreciationLimits limits = LimitsOfStart(f.start);
    if (r.unitPrice < limits.lower) {
        r.skip = DepreciationSkip::BelowLimit;
        return r;
    }
    const CString firstMonth = FirstOfNextMonth(f.start);
    const bool monthly = r.unitPrice >= limits.upper;
    if (monthly) {
        r.monthsLeft = f.usefulLife - (int)GetTotalMonths(firstMonth, f.monthStart);
        if (r.monthsLeft < 0)
            r.monthsLeft = 0;
    }
    if (f.accumulated >= f.value) {
        r.skip = DepreciationSkip::FullyDepreciated;
        return r;
    }
    const double perUnit = RoundKopecks(f.accumulated / f.quantity);
    if (r.unitPrice <= perUnit) {
        r.skip = DepreciationSkip::FullyDepreciated;
        return r;
    }
    if (!monthly || r.monthsLeft == 0) {
        r.monthsLeft = 0;
        r.amount = r.unitPrice * f.quantity;
    } else {
        if (CompareDates(f.monthStart, firstMonth) < 0) {
            r.skip = DepreciationSkip::NotStarted;
            return r;
        }
        r.amount = RoundKopecks((r.unitPrice - perUnit) / r.monthsLeft) * f.quantity;
    }
    if (f.accumulated + r.amount > f.value)
        r.amount = f.value - f.accumulated;
    r.amount = RoundKopecks(r.amount);
    return r;
}

} // namespace nledmark
