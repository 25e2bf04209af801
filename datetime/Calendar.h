// Calendar arithmetic on the proleptic Gregorian calendar.
//
// Day numbers are the host's date values: 1 January of year 1 is day 1,
// 1 January 2001 is day 730486, 31 December 3000 is day kLastDayNumber.
#pragma once

#include <cstdint>

#include "resources/PluginLimits.h"

// The units of a time of day.
constexpr int32_t kSecondsPerMinute = 60;
constexpr int32_t kMinutesPerHour = 60;
constexpr int32_t kHoursPerDay = 24;
constexpr int32_t kSecondsPerHour = kSecondsPerMinute * kMinutesPerHour;  // 3600
constexpr int32_t kSecondsPerDay = kSecondsPerHour * kHoursPerDay;         // 86400
constexpr int32_t kMillisecondsPerSecond = 1000;

// The calendar ends with year 3000: the host's dates end there, and every
// list and difference is bounded by it.
constexpr int32_t kLastYear = 3000;
// Day 1 is 1 January of year 1, so the last day is the count of days in
// years 1..kLastYear.
constexpr int32_t kLastDayNumber =
    kLastYear * 365 + kLastYear / 4 - kLastYear / 100 + kLastYear / 400;  // 1095727
static_assert(kLastDayNumber == 1095727, "31 December 3000");

// The years a two-digit year stands for. The host's dates of the 1900s were
// typed with two digits for decades, so each reading of a short year puts it
// in one of these two centuries.
constexpr int32_t kYear1900 = 1900;
constexpr int32_t kYear2000 = 2000;
constexpr int32_t kYearsPerCentury = 100;  // a year below it has two digits at most

// A typed year of two digits: from the pivot on in the 1900s, below it in
// the 2000s, so that a short year typed near the turn of the century lands
// on the nearer side of it.
//   89 -> 2089   90 -> 1990
inline int32_t TypedTwoDigitYear(int32_t year) {
  return year + (year >= KELV_TWO_DIGIT_YEAR_PIVOT ? kYear1900 : kYear2000);
}

// A difference reads the years of its stamps as the host's own short years:
// up to 10 in the 2000s, the rest before 1900 as years after 1900.
//   5 -> 2005   11 -> 1911   1899 -> 3799   2001 -> 2001
constexpr int32_t kDifferenceLastYearOf2000s = 10;
inline int32_t DifferenceYear(int32_t year) {
  if (year <= kDifferenceLastYearOf2000s) return kYear2000 + year;
  if (year < kYear1900) return kYear1900 + year;
  return year;
}

// The formats write a year below 100 as a year of the 1900s in four digits,
// and a year from 1900 on as its last two digits in two: a year that is
// neither (100..1899) has no two-digit form and keeps its digits.
//   FourDigitYearWritten(5) -> 1905   TwoDigitYearWritten(2001) -> 1
inline int32_t FourDigitYearWritten(int32_t year) { return year < kYearsPerCentury ? year + kYear1900 : year; }
inline int32_t TwoDigitYearWritten(int32_t year) { return year >= kYear1900 ? year % kYearsPerCentury : year; }

// Index 0 is "no month"; then January..December of a common year.
extern const int32_t MonthLengths[13];

//   IsLeapYear(2000) -> true; IsLeapYear(1900) -> false
bool IsLeapYear(int32_t year);

// month 1..12: 29 for February of a leap year, else MonthLengths[month].
int32_t DaysInMonth(int32_t month, int32_t year);

// The day number of a date in year 1..kLastYear, month 1..12, day 1..31, or 0
// outside that domain. A day past the end of its month runs on into the next:
//   DayNumberFromDate(2001, 2, 31) == DayNumberFromDate(2001, 3, 3)
int32_t DayNumberFromDate(int32_t year, int32_t month, int32_t day);

// The date of day number 0..kLastDayNumber; 0 and 1 both give 1 January of year 1.
void DateFromDayNumber(int32_t dayNumber, int32_t* year, int32_t* month, int32_t* day);

int32_t SecondsOfDay(int32_t hour, int32_t minute, int32_t second);

// Days from 1 January of year 1 (day 1) to year/month/day for any year of
// 1..9999, month 1..12 and day 1..31, with no domain check; a day past the
// end of its month runs on. Exact in 64 bits.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day);
