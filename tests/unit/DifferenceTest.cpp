// Differences of two time stamps, the worked examples first.
#include <gtest/gtest.h>

#include "datetime/TimeStamp.h"

namespace {

TimeStampParts Date(int32_t y, int32_t m, int32_t d, int32_t h = 0, int32_t mi = 0, int32_t s = 0, int32_t ms = 0) {
  return TimeStampParts{y, m, d, h, mi, s, ms};
}
TimeStampParts Time(int32_t h, int32_t mi, int32_t s = 0, int32_t ms = 0) {
  return TimeStampParts{0, 0, 0, h, mi, s, ms};
}

TEST(DiffTimeStamps, Table) {
  struct Case {
    TimeStampParts start, end;
    int64_t total;
    int32_t days, hours, minutes, seconds, milliseconds;
  } cases[] = {
      {Date(2001, 1, 1), Date(2001, 1, 3), 172800, 2, 0, 0, 0, 0},
      {Time(8, 0), Time(17, 30, 15), 34215, 0, 9, 30, 15, 0},
      {Time(10, 0, 0, 500), Time(10, 0, 0, 200), -1, 0, 0, 0, -1, 700},
      {Time(10, 0, 0, 200), Time(10, 0, 0, 500), 0, 0, 0, 0, 0, 300},
      {Time(17, 30), Time(8, 0), -34200, 0, -9, -30, 0, 0},
      {Date(2000, 12, 31, 23), Date(2001, 1, 1, 1), 7200, 0, 2, 0, 0, 0},
      {Date(2001, 1, 2, 1, 1, 1), Date(2001, 1, 1), -90061, -1, -1, -1, -1, 0},
      {Date(2001, 1, 1), Date(2001, 1, 1), 0, 0, 0, 0, 0, 0},
      // One stamp without a date: both count as times of day.
      {Date(2001, 1, 1, 8), Time(9, 0), 3600, 0, 1, 0, 0, 0},
      {Date(2001, 0, 5, 8), Date(2002, 3, 5, 9), 3600, 0, 1, 0, 0, 0},
      // Year 5 is 2005; 95 is 1995; 1500 is 3400.
      {Date(5, 1, 1), Date(2005, 1, 2), 86400, 1, 0, 0, 0, 0},
      {Date(95, 1, 1), Date(1995, 1, 1), 0, 0, 0, 0, 0, 0},
      {Date(1500, 1, 1), Date(3400, 1, 1), 0, 0, 0, 0, 0, 0},
      // The edges of the three readings: 0 and 10 are 2000 and 2010, 11 is
      // 1911, 1899 is 3799, and 1900 is itself.
      {Date(0, 1, 1), Date(2000, 1, 1), 0, 0, 0, 0, 0, 0},
      {Date(10, 1, 1), Date(2010, 1, 1), 0, 0, 0, 0, 0, 0},
      {Date(11, 1, 1), Date(1911, 1, 1), 0, 0, 0, 0, 0, 0},
      {Date(1899, 1, 1), Date(3799, 1, 1), 0, 0, 0, 0, 0, 0},
      {Date(1900, 1, 1), Date(1901, 1, 1), 31536000, 365, 0, 0, 0, 0},
      // A day past its month's end runs on: 31 February 2001 is 3 March.
      {Date(2001, 2, 31), Date(2001, 3, 3), 0, 0, 0, 0, 0, 0},
      // Beyond the 32-bit window, exact: 1 January 2900 to 31 December 9999.
      {Date(1000, 1, 1), Date(9999, 12, 31), 224054208000, 2593220, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TimeStampDifference d = DiffTimeStamps(c.start, c.end);
    EXPECT_EQ(d.totalSeconds, c.total) << c.total;
    EXPECT_EQ(d.days, c.days) << c.total;
    EXPECT_EQ(d.hours, c.hours) << c.total;
    EXPECT_EQ(d.minutes, c.minutes) << c.total;
    EXPECT_EQ(d.seconds, c.seconds) << c.total;
    EXPECT_EQ(d.milliseconds, c.milliseconds) << c.total;
  }
}

TEST(DiffTimeStamps, PartsAlwaysAddUp) {
  // totalSeconds = days x 86400 + hours x 3600 + minutes x 60 + seconds, with
  // one sign for all parts, over a spread of spans both ways.
  for (int32_t day = 1; day <= 28; day += 3) {
    for (int32_t hour = 0; hour < 24; hour += 5) {
      TimeStampParts a = Date(2001, 3, 10, 12, 30, 30, 400);
      TimeStampParts b = Date(2001, 4, day, hour, 7, 59, 100);
      for (int flip = 0; flip < 2; ++flip) {
        TimeStampDifference d = flip ? DiffTimeStamps(b, a) : DiffTimeStamps(a, b);
        EXPECT_EQ(d.totalSeconds, d.days * 86400LL + d.hours * 3600 + d.minutes * 60 + d.seconds);
        EXPECT_GE(d.milliseconds, 0);
        EXPECT_LE(d.milliseconds, 999);
        bool allNonNegative = d.days >= 0 && d.hours >= 0 && d.minutes >= 0 && d.seconds >= 0;
        bool allNonPositive = d.days <= 0 && d.hours <= 0 && d.minutes <= 0 && d.seconds <= 0;
        EXPECT_TRUE(allNonNegative || allNonPositive);
      }
    }
  }
}

}  // namespace
