// The calendar against its definitions: every day number the plug-in accepts,
// in both directions, against the year-by-year walk that defines the count.
#include <gtest/gtest.h>

#include "datetime/Calendar.h"

namespace {

// The definition of day numbers: count whole years, then whole months.
void DateByWalking(int32_t v, int32_t* year, int32_t* month, int32_t* day) {
  int32_t y = 1, base = 0;
  while (base < v) {
    int32_t length = IsLeapYear(y) ? 366 : 365;
    if (base + length >= v) break;
    ++y;
    base += length;
  }
  int32_t m = 1;
  while (m <= 12) {
    int32_t length = DaysInMonth(m, y);
    if (base + length >= v) break;
    ++m;
    base += length;
  }
  *year = y;
  *month = m;
  *day = v - base == 0 ? 1 : v - base;
}

int32_t DayNumberByFormula(int32_t year, int32_t month, int32_t day) {
  int32_t n = 0;
  for (int32_t m = 1; m < month; ++m) n += MonthLengths[m];
  n += day + (year - 1) * 365 + year / 4 - year / 100 + year / 400;
  if (IsLeapYear(year) && month <= 2) n -= 1;
  return n;
}

TEST(Calendar, EveryDayNumberRoundTripsAgainstTheWalk) {
  // The walk is incremental here: one step per day instead of a fresh walk.
  int32_t year = 1, month = 1, day = 1;
  for (int32_t v = 1; v <= 1095727; ++v) {
    int32_t y, m, d;
    DateFromDayNumber(v, &y, &m, &d);
    ASSERT_EQ(y, year) << "day number " << v;
    ASSERT_EQ(m, month) << "day number " << v;
    ASSERT_EQ(d, day) << "day number " << v;
    ASSERT_EQ(DayNumberFromDate(y, m, d), v);
    ASSERT_EQ(DayNumberByFormula(y, m, d), v);
    if (++day > DaysInMonth(month, year)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

TEST(Calendar, WalkAgreesAtSampledDayNumbers) {
  // The full walk is quadratic; a prime stride still crosses every month kind.
  for (int32_t v = 0; v <= 1095727; v += 997) {
    int32_t a[3], b[3];
    DateByWalking(v, &a[0], &a[1], &a[2]);
    DateFromDayNumber(v, &b[0], &b[1], &b[2]);
    ASSERT_EQ(a[0], b[0]) << v;
    ASSERT_EQ(a[1], b[1]) << v;
    ASSERT_EQ(a[2], b[2]) << v;
  }
}

TEST(Calendar, DayNumbers) {
  struct Case { int32_t year, month, day, expected; } cases[] = {
      {2001, 1, 1, 730486}, {1, 1, 1, 1},     {3000, 12, 31, 1095727}, {1900, 1, 1, 693596},
      {3001, 1, 1, 0},      {2001, 13, 1, 0}, {2001, 0, 1, 0},         {2001, 1, 0, 0},
      {2001, 1, 32, 0},     {0, 1, 1, 0},
      {2001, 2, 31, 730486 + 31 + 30},  // runs on into March: 3 March 2001
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayNumberFromDate(c.year, c.month, c.day), c.expected)
        << c.year << "-" << c.month << "-" << c.day;
  }
  EXPECT_EQ(DayNumberFromDate(2001, 2, 31), DayNumberFromDate(2001, 3, 3));
}

TEST(Calendar, DatesOfDayNumbers) {
  struct Case { int32_t v, year, month, day; } cases[] = {
      {0, 1, 1, 1}, {1, 1, 1, 1}, {730486, 2001, 1, 1}, {1095726, 3000, 12, 30},
      {DayNumberFromDate(2000, 2, 28) + 1, 2000, 2, 29},
  };
  for (const Case& c : cases) {
    int32_t y, m, d;
    DateFromDayNumber(c.v, &y, &m, &d);
    EXPECT_EQ(y, c.year) << c.v;
    EXPECT_EQ(m, c.month) << c.v;
    EXPECT_EQ(d, c.day) << c.v;
  }
}

TEST(Calendar, LeapYearsAndMonthLengths) {
  struct Case { int32_t year; bool leap; int32_t february; } cases[] = {
      {2000, true, 29}, {2004, true, 29}, {1900, false, 28}, {2001, false, 28}, {2100, false, 28},
      {2400, true, 29},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
    EXPECT_EQ(DaysInMonth(2, c.year), c.february) << c.year;
  }
  EXPECT_EQ(SecondsOfDay(13, 45, 30), 49530);
}

}  // namespace
