#include "Calendar.h"

const int32_t MonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

static_assert(sizeof(int32_t) == 4 && sizeof(int64_t) == 8, "fixed widths");

bool IsLeapYear(int32_t year) {
  return year % 4 == 0 && (year % 400 == 0 || year % 100 != 0);
}

int32_t DaysInMonth(int32_t month, int32_t year) {
  if (month == 2 && IsLeapYear(year)) return 29;
  return MonthLengths[month];
}

// Both directions count days from 1 March of year 0 (host day -305), so that
// the leap day ends its year, and use Neri and Schneider's Euclidean affine
// forms ("Euclidean affine functions and their application to calendar
// algorithms", 2022): years and months come from multiplications and shifts
// instead of a walk or divisions. Unsigned throughout: every value is at
// least 0, and the ranges in the comments hold for years 1..9999.
constexpr uint32_t kMarch1OfYear0 = 305;  // host day 1 is 306 days after it

int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day) {
  const uint32_t january = month <= 2 ? 1 : 0;                                  // Jan, Feb end the year before
  const uint32_t marchYear = static_cast<uint32_t>(year) - january;                     // [0, 9999]
  const uint32_t marchMonth = static_cast<uint32_t>(month) + 12 * january;               // [3, 14]
  const uint32_t century = marchYear / 100;                                             // [0, 99]
  const uint32_t yearDays = 1461 * marchYear / 4 - century + century / 4;               // [0, 3652060]
  const uint32_t monthDays = (979 * marchMonth - 2919) / 32;                             // [0, 337]
  const uint32_t marchDays = yearDays + monthDays + static_cast<uint32_t>(day) - 1;     // days since 1 March of year 0
  return static_cast<int64_t>(marchDays) - kMarch1OfYear0;
}

int32_t DayNumberFromDate(int32_t year, int32_t month, int32_t day) {
  if (year <= 0 || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  return static_cast<int32_t>(DaysFromCivil(year, month, day));
}

void DateFromDayNumber(int32_t dayNumber, int32_t* year, int32_t* month, int32_t* day) {
  const uint32_t marchDays = static_cast<uint32_t>(dayNumber < 1 ? 1 : dayNumber) + kMarch1OfYear0;  // 0 reads as day 1
  const uint32_t n1 = 4 * marchDays + 3;
  const uint32_t century = n1 / 146097;                                         // [0, 30]
  const uint32_t n2 = n1 % 146097 / 4 * 4 + 3;                                  // 4 x day of the century + 3
  const uint64_t p2 = static_cast<uint64_t>(2939745) * n2;
  const uint32_t yearOfCentury = static_cast<uint32_t>(p2 >> 32);               // [0, 99]
  const uint32_t dayOfYear = static_cast<uint32_t>(p2) / 2939745 / 4;           // [0, 365] from 1 March
  const uint32_t n3 = 2141 * dayOfYear + 197913;
  const uint32_t marchMonth = n3 >> 16;                                                  // [3, 14]
  const uint32_t january = dayOfYear >= 306 ? 1 : 0;                            // January and February
  *year = static_cast<int32_t>(100 * century + yearOfCentury + january);
  *month = static_cast<int32_t>(marchMonth - 12 * january);
  *day = static_cast<int32_t>((n3 & 0xFFFF) / 2141 + 1);
}

int32_t SecondsOfDay(int32_t hour, int32_t minute, int32_t second) {
  return hour * kSecondsPerHour + minute * kSecondsPerMinute + second;
}
