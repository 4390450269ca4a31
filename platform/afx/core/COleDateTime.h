// A date and time with a status, as the DATE value the database layer and the
// date pickers exchange: days since 30.12.1899, the fraction is the time of day
// (for days before that date the fraction counts forward from the day, as DATE
// does). Years 100 to 9999.
//
// The status is valid, invalid (an impossible date was set or a text did not
// parse: "no date" for the forms) or null. The getters of an invalid or null date
// answer -1 and Format gives an empty text.
#pragma once

#include "COleDateTimeSpan.h"
#include "CString.h"
#include "afx_types.h"

#include <compare>

#ifndef VAR_DATEVALUEONLY
#define VAR_TIMEVALUEONLY 0x00000001
#define VAR_DATEVALUEONLY 0x00000002
#endif

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    static COleDateTime GetCurrentTime();

    COleDateTime() = default;  // 30.12.1899 00:00:00, valid
    COleDateTime(DATE value);
    COleDateTime(int year, int month, int day, int hour, int minute, int second);

    DateTimeStatus GetStatus() const { return m_status; }
    void SetStatus(DateTimeStatus status) { m_status = status; }
    operator DATE() const { return m_dt; }
    COleDateTime& operator=(DATE value);

    // 0 on success; an impossible date or time (31.02, 29.02.1900, hour 24)
    // gives 1 and leaves the value invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day);
    int SetTime(int hour, int minute, int second);

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday .. 7 = Saturday
    int GetDayOfYear() const;  // 1 = 1 January

    // strftime-style codes: %d %m %Y %y %H %M %S %I %p %j %w %a %A %b %B %x %X %c %%,
    // with "#" after "%" dropping leading zeros (%#d). Names are Russian.
    // Without a format: "dd.mm.yyyy", and " hh:mm:ss" after it when the time is not midnight.
    CString Format(const char* format = nullptr) const;

    // Reads "dd.mm.yyyy" (also "d.m.yy", "/" or "-" between the parts), ISO
    // "yyyy-mm-dd", either followed by "hh:mm[:ss]" (ISO also with "T"), or a
    // time alone. VAR_DATEVALUEONLY ignores the time, VAR_TIMEVALUEONLY the date.
    // Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. On failure the
    // value becomes invalid and the answer is false.
    bool ParseDateTime(const char* text, DWORD flags = 0, DWORD locale = 0);

    COleDateTime operator+(const COleDateTimeSpan& span) const;
    COleDateTime operator-(const COleDateTimeSpan& span) const;
    COleDateTime& operator+=(const COleDateTimeSpan& span);
    COleDateTime& operator-=(const COleDateTimeSpan& span);
    COleDateTimeSpan operator-(const COleDateTime& other) const;

    // Compares the moments (DATE values of days before 1899 do not sort as numbers).
    bool operator==(const COleDateTime& other) const;
    std::partial_ordering operator<=>(const COleDateTime& other) const;

private:
    struct Parts {
        int year, month, day, hour, minute, second, dayOfWeek, dayOfYear;
    };
    bool parts(Parts& out) const;
    int part(int Parts::*field) const;
    double linear() const;
    static DATE fromLinear(double days);

    DATE m_dt = 0;
    DateTimeStatus m_status = valid;
};
