// A length of time in days (the fraction is the time of day), with a status.
#pragma once

#include "afx_types.h"

#include <compare>

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() = default;
    COleDateTimeSpan(double days);
    COleDateTimeSpan(LONG days, int hours, int minutes, int seconds);

    DateTimeSpanStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    void SetDateTimeSpan(LONG days, int hours, int minutes, int seconds);

    // Whole days, and the hour, minute and second parts of what is left
    // (all negative for a negative span).
    LONG GetDays() const;
    LONG GetHours() const;
    LONG GetMinutes() const;
    LONG GetSeconds() const;
    double GetTotalDays() const { return m_span; }
    double GetTotalHours() const { return m_span * 24; }
    double GetTotalMinutes() const { return m_span * 24 * 60; }
    double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }
    operator double() const { return m_span; }

    COleDateTimeSpan operator+(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& other) const;
    COleDateTimeSpan operator-() const;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& other);
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& other);
    bool operator==(const COleDateTimeSpan& other) const;
    std::partial_ordering operator<=>(const COleDateTimeSpan& other) const;

private:
    LONG wholeSeconds() const;

    double m_span = 0;
    DateTimeSpanStatus m_status = valid;
};
