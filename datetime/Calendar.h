// Calendar arithmetic on the proleptic Gregorian calendar.
//
// Day numbers are the host's date values: 1 January of year 1 is day 1,
// 1 January 2001 is day 730486, 31 December 3000 is day 1095727.
#pragma once

#include <cstdint>

// Index 0 is "no month"; then January..December of a common year.
extern const int32_t MonthLengths[13];

//   IsLeapYear(2000) -> true; IsLeapYear(1900) -> false
bool IsLeapYear(int32_t year);

// month 1..12: 29 for February of a leap year, else MonthLengths[month].
int32_t DaysInMonth(int32_t month, int32_t year);

// The day number of a date in year 1..3000, month 1..12, day 1..31, or 0
// outside that domain. A day past the end of its month runs on into the next:
//   DayNumberFromDate(2001, 2, 31) == DayNumberFromDate(2001, 3, 3)
int32_t DayNumberFromDate(int32_t year, int32_t month, int32_t day);

// The date of day number 0..1095727; 0 and 1 both give 1 January of year 1.
void DateFromDayNumber(int32_t dayNumber, int32_t* year, int32_t* month, int32_t* day);

int32_t SecondsOfDay(int32_t hour, int32_t minute, int32_t second);

// Days from 1 January of year 1 (day 1) to year/month/day for any year of
// 1..9999, month 1..12 and day 1..31, with no domain check; a day past the
// end of its month runs on. Exact in 64 bits.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day);
