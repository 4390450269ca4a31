// The proleptic Gregorian calendar as day numbers, shared by the date types.
#pragma once

// Days since 1.1.1970 (negative before it).
long long AfxDaysFromCivil(int year, int month, int day);
void AfxCivilFromDays(long long days, int& year, int& month, int& day);
bool AfxIsLeapYear(int year);
int AfxDaysInMonth(int year, int month);
// The full year of a year typed with two digits: 00-29 are 20xx, 30-99 19xx.
int AfxFullYear(int twoDigitYear);
