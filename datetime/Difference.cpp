#include "Calendar.h"
#include "TimeStamp.h"

namespace {

constexpr int64_t kDayNumberOf1900 = 693596;  // 1 January 1900

int32_t FullYear(int32_t year) {
  if (year <= 10) return 2000 + year;
  if (year < 1900) return 1900 + year;
  return year;
}

// Seconds from 1 January 1900 00:00:00, in 64 bits: a year of 9999 and a
// year of 1000 are both reachable, and their distance needs more than 32 bits.
int64_t InstantOf(const TimeStampParts& stamp, bool dateless) {
  int64_t days = 0;
  if (!dateless) days = DaysFromCivil(FullYear(stamp.year), stamp.month, stamp.day) - kDayNumberOf1900;
  return days * 86400 + SecondsOfDay(stamp.hour, stamp.minute, stamp.second);
}

}  // namespace

TimeStampDifference DiffTimeStamps(const TimeStampParts& start, const TimeStampParts& end) {
  const bool dateless = !CarriesDate(start) || !CarriesDate(end);
  int64_t total = InstantOf(end, dateless) - InstantOf(start, dateless);

  TimeStampDifference d{};
  if (start.millisecond > end.millisecond) {
    total -= 1;
    d.milliseconds = end.millisecond + 1000 - start.millisecond;
  } else {
    d.milliseconds = end.millisecond - start.millisecond;
  }
  d.totalSeconds = total;
  // Divisions truncate toward zero, so every component carries the sign.
  d.days = static_cast<int32_t>(total / 86400);
  int64_t rest = total - static_cast<int64_t>(d.days) * 86400;
  d.hours = static_cast<int32_t>(rest / 3600);
  rest -= static_cast<int64_t>(d.hours) * 3600;
  d.minutes = static_cast<int32_t>(rest / 60);
  d.seconds = static_cast<int32_t>(rest - static_cast<int64_t>(d.minutes) * 60);
  return d;
}
