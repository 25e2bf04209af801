// The eight difference functions: how far apart two time stamps
// are, as readable text or as one number, from a parameter of the form
// [prefix|]start|end[|suffix] (prefix and suffix are read and not used).
//
//   Kelv-DiffDaysString("1/1/2001|9:00|1/2/2001|11:00:05") -> "1 day 2 hours 5 seconds"
//   Kelv-DiffTimeString("8:00|9:30")                        -> "1:30:00.000"
//   Kelv-DiffDays("1/1/2001|1/3/2001")                      -> "2"
//   Kelv-DiffMinutes("10:00|9:59:29")                       -> "-1" (halves round away from zero)
//
// An empty or unreadable parameter answers "??". The two readable-text
// functions write no result at all for two equal stamps.
#pragma once

#include <cstdint>

#include "datetime/Calendar.h"
#include "host/CallBlock.h"

// The largest unit of a difference in words: days, or hours counting the
// whole days as hours.
enum class LargestSpanUnit { Days, Hours };

// The unit of a difference as a number, in milliseconds.
enum class DifferenceUnit : int64_t {
  Milliseconds = 1,
  Seconds = kMillisecondsPerSecond * Milliseconds,
  Minutes = kSecondsPerMinute * Seconds,
  Hours = kMinutesPerHour * Minutes,
  Days = kHoursPerDay * Hours,
};

// "2 days 9 hours 30 minutes" from the largest unit down, the units of 0 left out.
void DifferenceInWords(LargestSpanUnit largest, HostHandle parameter, HostHandle result);
// "26:03:04.050", hours not limited to 24.
void DifferenceAsClock(HostHandle parameter, HostHandle result);
// Whole units, the exact difference rounded half away from zero.
void RoundedDifference(DifferenceUnit unit, HostHandle parameter, HostHandle result);
// Whole units, the fraction dropped toward zero.
void TruncatedDifference(DifferenceUnit unit, HostHandle parameter, HostHandle result);

void WriteDurationText(HostHandle result, int32_t days, int32_t hours, int32_t minutes,
                       int32_t seconds, int32_t milliseconds);

void WriteClockDurationText(HostHandle result, int32_t hours, int32_t minutes, int32_t seconds,
                            int32_t milliseconds);
