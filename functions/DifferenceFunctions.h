// The eight difference functions, ids 0 to 7.
//
// Parameter: start and end time stamps, "date|date", "time|time" or
// "date|time|date|time", optionally behind a prefix field and before a suffix
// field (read but not used here). An empty or unreadable parameter is "??".
//
//   Kelv-DiffDaysString   1/1/2001 9:00 -> 1/2/2001 11:00:05  "1 day 2 hours 5 seconds"
//   Kelv-DiffHoursString  2 days 3 hours                      "51 hours"
//   Kelv-DiffTimeString   1 day 2:03:04.05                    "26:03:04.050"
//                         minus 3 minutes                     "-0:03:00.000"
//   Kelv-DiffDays         1/1/2001|1/3/2001                   "2" (rounded, halves away from 0)
//   Kelv-DiffHours, Kelv-DiffMinutes                          rounded likewise
//   Kelv-DiffSeconds      exact seconds
//   Kelv-DiffMilliSeconds exact milliseconds (30 days -> "2592000000")
//
// The two text functions write no result at all for a zero difference.
#pragma once

#include <cstdint>

#include "host/CallBlock.h"

// "1 day 2 hours 5 seconds": zero components left out, only 1 is singular.
void WriteDurationText(HostHandle result, int32_t days, int32_t hours, int32_t minutes,
                       int32_t seconds, int32_t milliseconds);

// "H:MM:SS.mmm" with hours unbounded; a negative difference is "-" followed
// by the clock text of its magnitude.
void WriteClockDurationText(HostHandle result, int32_t hours, int32_t minutes, int32_t seconds,
                            int32_t milliseconds);

// totalSeconds rounded to whole units of unitSeconds, halves away from zero.
int64_t RoundToUnit(int64_t totalSeconds, int64_t unitSeconds);
