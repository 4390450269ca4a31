#include "COleDateTimeSpan.h"

#include <cmath>

namespace {
constexpr double kSecondsPerDay = 86400.0;
}

COleDateTimeSpan::COleDateTimeSpan(double days) : m_span(days) {}

COleDateTimeSpan::COleDateTimeSpan(LONG days, int hours, int minutes, int seconds)
{
    SetDateTimeSpan(days, hours, minutes, seconds);
}

void COleDateTimeSpan::SetDateTimeSpan(LONG days, int hours, int minutes, int seconds)
{
    m_span = days + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay;
    m_status = valid;
}

LONG COleDateTimeSpan::wholeSeconds() const
{
    // The part of the span below one day, rounded to the second.
    const double rest = m_span - std::trunc(m_span);
    return LONG(std::lround(rest * kSecondsPerDay));
}

LONG COleDateTimeSpan::GetDays() const
{
    // Rounding to the second may carry a day (0.99999999 days is one day).
    return LONG(std::trunc(m_span)) + wholeSeconds() / 86400;
}

LONG COleDateTimeSpan::GetHours() const
{
    return (wholeSeconds() % 86400) / 3600;
}

LONG COleDateTimeSpan::GetMinutes() const
{
    return (wholeSeconds() % 3600) / 60;
}

LONG COleDateTimeSpan::GetSeconds() const
{
    return wholeSeconds() % 60;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& other) const
{
    COleDateTimeSpan r(m_span + other.m_span);
    r.m_status = (m_status == valid && other.m_status == valid) ? valid : invalid;
    return r;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& other) const
{
    return *this + (-other);
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan r(-m_span);
    r.m_status = m_status;
    return r;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& other)
{
    return *this = *this + other;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& other)
{
    return *this = *this - other;
}

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& other) const
{
    return m_status == other.m_status && m_span == other.m_span;
}

std::partial_ordering COleDateTimeSpan::operator<=>(const COleDateTimeSpan& other) const
{
    return m_span <=> other.m_span;
}
