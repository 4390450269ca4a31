#include "COleDateTime.h"

#include "AfxCalendar.h"

#include <cmath>
#include <ctime>

namespace {

constexpr long long kSecondsPerDay = 86400;
// 1.1.100 and 31.12.9999 23:59:59, the range a DATE is defined for.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.99999;

bool inRange(DATE value)
{
    return std::isfinite(value) && value > kMinDate - 1 && value <= kMaxDate;
}

} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}

COleDateTime::COleDateTime(DATE value)
{
    *this = value;
}

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second)
{
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime& COleDateTime::operator=(DATE value)
{
    m_dt = value;
    m_status = inRange(value) ? valid : invalid;
    return *this;
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const bool ok = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= AfxDaysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0
        && minute <= 59 && second >= 0 && second <= 59;
    if (!ok) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    const long long days = AfxDaysFromCivil(year, month, day) - AfxDaysFromCivil(1899, 12, 30);
    const double time = (hour * 3600 + minute * 60 + second) / double(kSecondsPerDay);
    m_dt = fromLinear(double(days) + time);
    m_status = valid;
    return 0;
}

int COleDateTime::SetDate(int year, int month, int day)
{
    return SetDateTime(year, month, day, 0, 0, 0);
}

int COleDateTime::SetTime(int hour, int minute, int second)
{
    return SetDateTime(1899, 12, 30, hour, minute, second);
}

double COleDateTime::linear() const
{
    // DATE -1.25 is 29.12.1899 06:00: the day counts back, the time forward.
    const double day = std::trunc(m_dt);
    return day + std::fabs(m_dt - day);
}

DATE COleDateTime::fromLinear(double days)
{
    const double day = std::floor(days);
    const double time = days - day;
    return day >= 0 ? day + time : day - time;
}

bool COleDateTime::parts(Parts& out) const
{
    if (m_status != valid || !inRange(m_dt))
        return false;
    const long long total = std::llround(linear() * double(kSecondsPerDay));
    long long day = total / kSecondsPerDay;
    long long second = total % kSecondsPerDay;
    if (second < 0) {
        second += kSecondsPerDay;
        --day;
    }
    const long long civil = day + AfxDaysFromCivil(1899, 12, 30);
    AfxCivilFromDays(civil, out.year, out.month, out.day);
    out.hour = int(second / 3600);
    out.minute = int(second / 60 % 60);
    out.second = int(second % 60);
    out.dayOfWeek = int(((civil % 7) + 11) % 7) + 1; // 1.1.1970 was a Thursday (5)
    out.dayOfYear = int(civil - AfxDaysFromCivil(out.year, 1, 1)) + 1;
    return out.year >= 100 && out.year <= 9999;
}

int COleDateTime::part(int Parts::*field) const
{
    Parts p{};
    return parts(p) ? p.*field : -1;
}

int COleDateTime::GetYear() const { return part(&Parts::year); }
int COleDateTime::GetMonth() const { return part(&Parts::month); }
int COleDateTime::GetDay() const { return part(&Parts::day); }
int COleDateTime::GetHour() const { return part(&Parts::hour); }
int COleDateTime::GetMinute() const { return part(&Parts::minute); }
int COleDateTime::GetSecond() const { return part(&Parts::second); }
int COleDateTime::GetDayOfWeek() const { return part(&Parts::dayOfWeek); }
int COleDateTime::GetDayOfYear() const { return part(&Parts::dayOfYear); }

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& span) const
{
    COleDateTime r;
    if (m_status != valid || span.GetStatus() != COleDateTimeSpan::valid) {
        r.m_status = invalid;
        return r;
    }
    r = fromLinear(linear() + span.GetTotalDays());
    return r;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& span) const
{
    return *this + (-span);
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& span)
{
    return *this = *this + span;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& span)
{
    return *this = *this - span;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& other) const
{
    COleDateTimeSpan r(linear() - other.linear());
    if (m_status != valid || other.m_status != valid)
        r.SetStatus(COleDateTimeSpan::invalid);
    return r;
}

bool COleDateTime::operator==(const COleDateTime& other) const
{
    return m_status == other.m_status && m_dt == other.m_dt;
}

std::partial_ordering COleDateTime::operator<=>(const COleDateTime& other) const
{
    return linear() <=> other.linear();
}
