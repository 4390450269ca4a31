#include "DateFunctions.h"

#include "DateText.h"

#include <cmath>

namespace {

bool Read(LPCTSTR text, DateParts& parts)
{
    return text && ParseDateText(CString(text).ToQString(), parts);
}

long long DayNumber(const DateParts& p)
{
    DATE value = 0;
    vornal::ado::MakeOleDate({p.year, p.month, p.day, 0, 0, 0}, value);
    return static_cast<long long>(std::llround(value));
}

int Compare(const DateParts& a, const DateParts& b)
{
    const long long x = DayNumber(a), y = DayNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

// The date some months later (earlier), the day kept or clamped to the month's last day.
DateParts AddMonths(DateParts p, long long months)
{
    const long long index = static_cast<long long>(p.year) * 12 + (p.month - 1) + months;
    p.year = static_cast<int>(index >= 0 ? index / 12 : (index - 11) / 12);
    p.month = static_cast<int>(index - static_cast<long long>(p.year) * 12) + 1;
    p.day = std::min(p.day, vornal::ado::DaysInMonth(p.year, p.month));
    return p;
}

}  // namespace

COleDateTime qwDMG(LPCTSTR text, int)
{
    DateParts p;
    if (!Read(text, p)) {
        COleDateTime none;
        none.SetStatus(COleDateTime::invalid);
        return none;
    }
    return COleDateTime(p.year, p.month, p.day, p.hour, p.minute, p.second);
}

CString AddDate(LPCTSTR date, long years, long months, long days)
{
    DateParts p;
    if (!Read(date, p))
        return CString();
    p = AddMonths(p, static_cast<long long>(years) * 12 + months);
    DATE value = 0;
    if (!vornal::ado::MakeOleDate({p.year, p.month, p.day, 0, 0, 0}, value))
        return CString();
    const DateParts moved = vornal::ado::SplitOleDate(value + static_cast<double>(days));
    if (!vornal::ado::IsValidCalendarDate(moved.year, moved.month, moved.day))
        return CString();
    return CString(DateText(moved));
}

CString MinDate(LPCTSTR a, LPCTSTR b)
{
    DateParts x, y;
    const bool hasX = Read(a, x), hasY = Read(b, y);
    if (hasX && hasY)
        return CString(DateText(Compare(x, y) <= 0 ? x : y));
    if (hasX || hasY)
        return CString(DateText(hasX ? x : y));
    return CString();
}

long GetTotalMonths(LPCTSTR from, LPCTSTR to)
{
    DateParts a, b;
    if (!Read(from, a) || !Read(to, b))
        return 0;
    return (b.year * 12L + b.month) - (a.year * 12L + a.month);
}

CString GetDateDif(LPCTSTR d1, LPCTSTR d2)
{
    DateParts a, b;
    if (!Read(d1, a) || !Read(d2, b))
        return CString();
    const long long days = DayNumber(b) - DayNumber(a) + 1;
    return CString(QString::number(std::max(0LL, days)));
}

CString CalcVoz0(LPCTSTR from, LPCTSTR to)
{
    DateParts a, b;
    if (!Read(from, a) || !Read(to, b) || Compare(b, a) < 0)
        return CString();
    // The most whole months that do not pass the second date, then the days left.
    long long months = (b.year * 12LL + b.month) - (a.year * 12LL + a.month);
    if (Compare(AddMonths(a, months), b) > 0)
        --months;
    const long long days = DayNumber(b) - DayNumber(AddMonths(a, months));
    return CString(QStringLiteral("%1-%2-%3").arg(months / 12).arg(months % 12).arg(days));
}

bool otp(LPCTSTR date, long& year, long& month)
{
    DateParts p;
    if (!Read(date, p))
        return false;
    year = p.year;
    month = p.month;
    return true;
}

CString GetDaysPerMonth(long month, long year)
{
    return CString(QString::number(vornal::ado::DaysInMonth(static_cast<int>(year), static_cast<int>(month))));
}
