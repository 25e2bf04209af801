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

// Eras of 400 years starting 1 March, after Hinnant's days_from_civil, shifted
// so that 1 January of year 1 is day 1.
int64_t DaysFromCivil(int32_t year, int32_t month, int32_t day) {
  const int32_t y = month <= 2 ? year - 1 : year;                 // [0, 9999]
  const int32_t era = y / 400;                                    // [0, 24]
  const int32_t yoe = y - era * 400;                              // [0, 399]
  const int32_t mp = month > 2 ? month - 3 : month + 9;           // [0, 11]
  const int32_t doy = (153 * mp + 2) / 5 + day - 1;               // [0, 365], more past a month's end
  const int32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;      // [0, 146096]
  // Day 0 of this count is 1 March of year 0, which is day -305 of the host's.
  return static_cast<int64_t>(era) * 146097 + doe - 305;
}

int32_t DayNumberFromDate(int32_t year, int32_t month, int32_t day) {
  if (year <= 0 || year > 3000 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  return static_cast<int32_t>(DaysFromCivil(year, month, day));
}

// Inverse of DaysFromCivil (Hinnant's civil_from_days), constant time.
void DateFromDayNumber(int32_t dayNumber, int32_t* year, int32_t* month, int32_t* day) {
  if (dayNumber < 1) dayNumber = 1;                               // 0 reads as day 1
  const int32_t z = dayNumber + 305;                              // days since 1 March of year 0
  const int32_t era = z / 146097;                                 // [0, 7]
  const int32_t doe = z - era * 146097;                           // [0, 146096]
  const int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);    // [0, 365]
  const int32_t mp = (5 * doy + 2) / 153;                         // [0, 11]
  const int32_t d = doy - (153 * mp + 2) / 5 + 1;                 // [1, 31]
  const int32_t m = mp < 10 ? mp + 3 : mp - 9;                    // [1, 12]
  *year = yoe + era * 400 + (m <= 2 ? 1 : 0);
  *month = m;
  *day = d;
}

int32_t SecondsOfDay(int32_t hour, int32_t minute, int32_t second) {
  return hour * 3600 + minute * 60 + second;
}
