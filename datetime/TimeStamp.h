// Time stamps as the parsers deliver them, and the difference of two.
#pragma once

#include <cstdint>

// A month or day of 0 means the stamp carries no date.
struct TimeStampParts {
  int32_t year;
  int32_t month;
  int32_t day;
  int32_t hour;
  int32_t minute;
  int32_t second;
  int32_t millisecond;
};

// False for a stamp that holds a time alone: the parameter reading leaves
// month and day 0 when a field held no date.
inline bool CarriesDate(const TimeStampParts& stamp) { return stamp.month != 0 && stamp.day != 0; }

// End minus start. days, hours, minutes and seconds carry the sign of
// totalSeconds; milliseconds is always 0..999 (a borrow is taken from the
// seconds), so the exact difference in milliseconds is
// totalSeconds * 1000 + milliseconds.
struct TimeStampDifference {
  int32_t days;
  int32_t hours;    // -23..23
  int32_t minutes;  // -59..59
  int32_t seconds;  // -59..59
  int32_t milliseconds;
  int64_t totalSeconds;  // exact for any two stamps the parsers accept
};

// Years of 10 or less mean 2000 + year, 11..1899 mean 1900 + year. When
// either stamp has no date, both are placed on 1 January 1900 and only the
// times of day count.
//   1/1/2001 -> 1/3/2001: totalSeconds 172800, days 2
//   10:00:00.500 -> 10:00:00.200: totalSeconds -1, milliseconds 700
TimeStampDifference DiffTimeStamps(const TimeStampParts& start, const TimeStampParts& end);
