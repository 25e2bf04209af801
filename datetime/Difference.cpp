#include "Calendar.h"
#include "TimeStamp.h"

namespace {

constexpr int64_t kDayNumberOf1900 = 693596;  // 1 January 1900

// Seconds from 1 January 1900 00:00:00, in 64 bits: a year of 9999 and a
// year of 1000 are both reachable, and their distance needs more than 32 bits.
int64_t InstantOf(const TimeStampParts& stamp, bool dateless) {
  int64_t days = 0;
  if (!dateless) days = DaysFromCivil(DifferenceYear(stamp.year), stamp.month, stamp.day) - kDayNumberOf1900;
  return days * kSecondsPerDay + SecondsOfDay(stamp.hour, stamp.minute, stamp.second);
}

}  // namespace

TimeStampDifference DiffTimeStamps(const TimeStampParts& start, const TimeStampParts& end) {
  const bool dateless = !CarriesDate(start) || !CarriesDate(end);
  int64_t total = InstantOf(end, dateless) - InstantOf(start, dateless);

  TimeStampDifference difference{};
  if (start.millisecond > end.millisecond) {
    total -= 1;
    difference.milliseconds = end.millisecond + kMillisecondsPerSecond - start.millisecond;
  } else {
    difference.milliseconds = end.millisecond - start.millisecond;
  }
  difference.totalSeconds = total;
  // Divisions truncate toward zero, so every component carries the sign.
  difference.days = static_cast<int32_t>(total / kSecondsPerDay);
  int64_t rest = total - static_cast<int64_t>(difference.days) * kSecondsPerDay;
  difference.hours = static_cast<int32_t>(rest / kSecondsPerHour);
  rest -= static_cast<int64_t>(difference.hours) * kSecondsPerHour;
  difference.minutes = static_cast<int32_t>(rest / kSecondsPerMinute);
  difference.seconds = static_cast<int32_t>(rest - static_cast<int64_t>(difference.minutes) * kSecondsPerMinute);
  return difference;
}
