// The list of children who reach an age in the working month: the age the
// list is asked for ("Y:M:D", years, months and days), the query of the
// children of employees without a position in force whose day of reaching it
// falls after the month's first day, and the days of the month up to that day.
#pragma once
#include "afx.h"

namespace npaymar {

struct ChildAge {
    long years = 0;
    long months = 0;
    long days = 0;
};

// "1:6:0" gives 1 year 6 months 0 days; a missing or unreadable part is 0.
ChildAge ParseChildAge(const CString& parameter);
// The allowance's mark the age asks for: up to one and a half years b15, up
// to three years b3; "" for any other age.
CString ChildAgeFlag(const ChildAge& age);
// The query in the current dialect: tn, fio, dr and "do" (the day the child
// reaches the age: birth date plus the years, then the months, then the days)
// of children whose employee has a closed position row, is not dismissed
// before `first` (a date literal) and who reach the age after it. Every
// dialect moves a 29 February birth day to the 28th in a year without one.
CString ChildrenReachingAgeSql(const ChildAge& age, const CString& first);
// Whether a child of `age` ("y-m-d", CalcVoz0) at the month's last day is
// listed for the age asked: younger in years, or of its years and at most
// its months, whatever the days.
bool ChildAgeListed(const CString& age, const ChildAge& asked);
// The days of the month from `first` up to the day `reached`, or up to
// `last` when that is earlier (dd.mm.yyyy texts), both counted.
long DaysUntilReached(const CString& first, const CString& last, const CString& reached);

} // namespace npaymar
