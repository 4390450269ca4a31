#include "OleDate.h"

#include <cmath>

namespace vornal::ado {
namespace {

// Days from 1 March of year 0 counted the proleptic Gregorian way.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

const long long kOleEpoch = DaysFromCivil(1899, 12, 30);

}  // namespace

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

bool IsValidCalendarDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= DaysInMonth(year, month);
}

bool MakeOleDate(const DateParts& p, DATE& out)
{
    if (!IsValidCalendarDate(p.year, p.month, p.day) || p.hour < 0 || p.hour > 23 || p.minute < 0
        || p.minute > 59 || p.second < 0 || p.second > 59)
        return false;
    const long long days = DaysFromCivil(p.year, static_cast<unsigned>(p.month),
                                         static_cast<unsigned>(p.day)) - kOleEpoch;
    const double fraction = (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight.
    out = days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
    return true;
}

DateParts SplitOleDate(DATE value)
{
    double whole = std::trunc(value);
    long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += value >= 0 ? 1 : -1;
    }
    DateParts p;
    CivilFromDays(static_cast<long long>(whole) + kOleEpoch, p.year, p.month, p.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    return p;
}

}  // namespace vornal::ado
