// The date number of the variant (days since 30.12.1899, the fraction being
// the time of day) to and from calendar parts.
#pragma once
#include "AdoTypes.h"

namespace vornal::ado {

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

bool IsValidCalendarDate(int year, int month, int day);
int DaysInMonth(int year, int month);
// False when the parts are out of range (month 13, 31 February, year 0 ...).
bool MakeOleDate(const DateParts& parts, DATE& out);
DateParts SplitOleDate(DATE value);

}  // namespace vornal::ado
