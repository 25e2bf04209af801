// The parsers, one table per reading, with the separators at their defaults
// unless a row says otherwise. The separators are the readings' argument:
// the process-wide ones stay at their defaults throughout, so a reading that
// looked at them instead would fail the rows of other separators.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "datetime/Parsing.h"

namespace {

constexpr ReadingSeparators kDefaultSeparators{':', '/'};

struct TimeCase {
  const char* text;
  bool ok;
  int32_t h, m, s, ms;
};

TEST(ParseTimeText, Table) {
  const TimeCase cases[] = {
      {"10:30 pm", true, 22, 30, 0, 0},  {"10:30PM", true, 22, 30, 0, 0},
      {"pm 10:30", false, 0, 0, 0, 0},   {"12:30 am", true, 12, 30, 0, 0},
      {"12:30 pm", true, 12, 30, 0, 0},  {"0:15 pm", true, 0, 15, 0, 0},
      {"10:30 am pm", true, 10, 30, 0, 0}, {"10:30 pm am", true, 22, 30, 0, 0},
      {"30:15", true, 0, 30, 15, 0},     {"30:15 pm", false, 0, 0, 0, 0},
      {"1:30.5", true, 0, 1, 30, 500},   {"10:20:30.25", true, 10, 20, 30, 250},
      {"10:20:30.123", true, 10, 20, 30, 123}, {".5", false, 0, 0, 0, 0},
      {"12:30:45.1234", true, 12, 30, 45, 0}, {"12:30:45.12345", true, 12, 30, 45, 0},
      {"3600", true, 1, 0, 0, 0},        {"49530", true, 13, 45, 30, 0},
      {"86400", false, 0, 0, 0, 0},      {"", true, 0, 0, 0, 0},
      {" 10:30", false, 0, 0, 0, 0},     {"10:30 ", true, 10, 30, 0, 0},
      {"1:2:3:4", false, 0, 0, 0, 0},    {"1:2:3.4", true, 1, 2, 3, 400},
      {"10:", false, 0, 0, 0, 0},        {"1:5", true, 1, 5, 0, 0},
      {"23:59:59.999", true, 23, 59, 59, 999}, {"24:00:00", false, 0, 0, 0, 0},
      {"99999999999:00", false, 0, 0, 0, 0}, {"1:60", false, 0, 0, 0, 0},
      // The edges of every component, and of two numbers read as minutes and seconds.
      {"10:00:59", true, 10, 0, 59, 0},  {"10:00:60", false, 0, 0, 0, 0},
      {"10:59:00", true, 10, 59, 0, 0},  {"10:60:00", false, 0, 0, 0, 0},
      {"23:00:00", true, 23, 0, 0, 0},   {"1:2:3.999", true, 1, 2, 3, 999},
      {"23:05", true, 23, 5, 0, 0},      {"24:05", true, 0, 24, 5, 0},
      {"59:59", true, 0, 59, 59, 0},     {"60:00", false, 0, 0, 0, 0},
      {"23:05 pm", true, 23, 5, 0, 0},   {"11:05 pm", true, 23, 5, 0, 0},
      {"1:05 pm", true, 13, 5, 0, 0},    {"86399", true, 23, 59, 59, 0},
  };
  for (const TimeCase& c : cases) {
    int32_t h = -1, m = -1, s = -1, ms = -1;
    EXPECT_EQ(ParseTimeText(kDefaultSeparators, c.text, &h, &m, &s, &ms), c.ok) << c.text;
    EXPECT_EQ(h, c.h) << c.text;
    EXPECT_EQ(m, c.m) << c.text;
    EXPECT_EQ(s, c.s) << c.text;
    EXPECT_EQ(ms, c.ms) << c.text;
  }
  int32_t h = 1, m = 1, s = 1, ms = 1;
  EXPECT_FALSE(ParseTimeText(kDefaultSeparators, nullptr, &h, &m, &s, &ms));
  EXPECT_EQ(h + m + s + ms, 0) << "a failure clears every output";
}

TEST(ParseTimeText, OtherSeparators) {
  int32_t h, m, s, ms;
  {
    const ReadingSeparators dot{'.', '/'};
    EXPECT_TRUE(ParseTimeText(dot, "12.30.45", &h, &m, &s, &ms));
    EXPECT_EQ(h * 10000 + m * 100 + s, 123045);
    EXPECT_FALSE(ParseTimeText(dot, "12:30", &h, &m, &s, &ms));
  }
  {
    const ReadingSeparators none{'\0', '/'};  // an emptied separator box
    EXPECT_FALSE(ParseTimeText(none, "12:30", &h, &m, &s, &ms));
    EXPECT_TRUE(ParseTimeText(none, "3600", &h, &m, &s, &ms)) << "seconds of the day still read";
  }
}

struct DateCase {
  const char* text;
  bool ok;
  int32_t y, m, d;
};

TEST(ParseDateText, Table) {
  const DateCase cases[] = {
      {"1/1/01", true, 2001, 1, 1},       {"1/1/1", false, 0, 0, 0},
      {"12/25/89", true, 2089, 12, 25},   {"12/25/90", true, 1990, 12, 25},
      {"25/12/2001", true, 2001, 12, 25}, {"2001-12-25", true, 2001, 12, 25},
      {"2001/25/12", true, 2001, 12, 25}, {"05/06/2001", true, 2001, 5, 6},
      {"0/0/2001", true, 2001, 0, 0},     {"2/31/2001", true, 2001, 2, 31},
      {"12/25/2001 10:30", true, 2001, 12, 25}, {"12/25/200", false, 0, 0, 0},
      {"1-2-3-4567", true, 2003, 1, 2},   {"13/13/2001", false, 0, 0, 0},
      {"32/1/2001", false, 0, 0, 0},      {"12/25/10000", true, 1000, 12, 25},
      {"730486", true, 2001, 1, 1},       {"1095726", true, 3000, 12, 30},
      {"1095727", false, 0, 0, 0},        {"0", true, 1, 1, 1},
      {"", true, 1, 1, 1},                {"2001", true, 6, 6, 24},
      {"//1/1/2001", true, 2001, 1, 1},   {"1/1/2001/5", true, 2001, 1, 1},
      {"ab/cd/2001", false, 0, 0, 0},
      // The edges of the day and month readings: 12 is a month, 13..31 a day
      // first, 32 a day that no month has; a year first takes a day above 12.
      {"12/31/2001", true, 2001, 12, 31}, {"31/12/2001", true, 2001, 12, 31},
      {"12/13/2001", true, 2001, 12, 13}, {"13/12/2001", true, 2001, 12, 13},
      {"12/32/2001", false, 0, 0, 0},     {"31/13/2001", false, 0, 0, 0},
      {"2001/12/13", true, 2001, 12, 13}, {"2001/13/12", true, 2001, 12, 13},
      {"2001/12/12", true, 2001, 12, 12}, {"2001/32/12", false, 0, 0, 0},
      {"1/1/1000", true, 1000, 1, 1},     {"1/1/9999", true, 9999, 1, 1},
      {"1/1/999", false, 0, 0, 0},        {"1/1/100", false, 0, 0, 0},
      {"1/1/99", true, 1999, 1, 1},       {"1/1/00", true, 2000, 1, 1},
  };
  for (const DateCase& c : cases) {
    int32_t y = -1, m = -1, d = -1;
    EXPECT_EQ(ParseDateText(kDefaultSeparators, c.text, &y, &m, &d), c.ok) << c.text;
    EXPECT_EQ(y, c.y) << c.text;
    EXPECT_EQ(m, c.m) << c.text;
    EXPECT_EQ(d, c.d) << c.text;
  }
}

TEST(ParseDateText, DateSeparatorPreference) {
  int32_t y, m, d;
  const ReadingSeparators dot{':', '.'};
  EXPECT_TRUE(ParseDateText(dot, "25.12.2001", &y, &m, &d));
  EXPECT_EQ(y * 10000 + m * 100 + d, 20011225);
  EXPECT_FALSE(ParseDateText(dot, "12/25/2001", &y, &m, &d));
  EXPECT_TRUE(ParseDateText(dot, "12-25-2001", &y, &m, &d)) << "the hyphen always separates";
}

struct RangeResult {
  bool ok;
  std::string prefix, suffix;
  TimeStampParts start, end;
};

RangeResult StampRange(const std::string& parameter) {
  RangeResult r{};
  char prefix[kRangeTextCapacity + 1] = "x";
  char suffix[kRangeTextCapacity + 1] = "x";
  r.ok = ParseTimeStampRange(kDefaultSeparators, parameter.data(), static_cast<int32_t>(parameter.size()), prefix,
                             suffix, &r.start, &r.end);
  r.prefix = prefix;
  r.suffix = suffix;
  return r;
}

bool SameStamp(const TimeStampParts& a, const TimeStampParts& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(ParseTimeStampRange, Table) {
  struct Case {
    const char* parameter;
    bool ok;
    const char* prefix;
    const char* suffix;
    TimeStampParts start, end;
  } cases[] = {
      {"1/1/2001|1/3/2001", true, "", "", {2001, 1, 1, 0, 0, 0, 0}, {2001, 1, 3, 0, 0, 0, 0}},
      {"8:00|17:30", true, "", "", {0, 0, 0, 8, 0, 0, 0}, {0, 0, 0, 17, 30, 0, 0}},
      {"Total: |1/1/2001|8:00|1/3/2001|17:30| hrs", true, "Total: ", " hrs",
       {2001, 1, 1, 8, 0, 0, 0}, {2001, 1, 3, 17, 30, 0, 0}},
      {"3600|7200", true, "", "", {10, 11, 9, 0, 0, 0, 0}, {20, 9, 17, 0, 0, 0, 0}},
      {"x|3600|7200|y", true, "x", "y", {0, 0, 0, 1, 0, 0, 0}, {0, 0, 0, 2, 0, 0, 0}},
      {"2001|1/1/2001|1/3/2001", true, "", "1/3/2001", {6, 6, 24, 0, 0, 0, 0}, {2001, 1, 1, 0, 0, 0, 0}},
      {"1/1/2001", false, "", "", {}, {}},
      {"", false, "", "", {}, {}},
      {"1/1/2001|8:00|bad|17:30", false, "", "", {}, {}},
      {"p|1/1/2001|8:00|1/3/2001|17:30|s|extra", true, "p", "s",
       {2001, 1, 1, 8, 0, 0, 0}, {2001, 1, 3, 17, 30, 0, 0}},
      // A form tried and left keeps none of its fields: no prefix from the
      // dates' form before the times' form that reads.
      {"8:00|17:30|tail", true, "", "tail", {0, 0, 0, 8, 0, 0, 0}, {0, 0, 0, 17, 30, 0, 0}},
      {"pre|8:00|17:30|post", true, "pre", "post", {0, 0, 0, 8, 0, 0, 0}, {0, 0, 0, 17, 30, 0, 0}},
      {"p|1/1/2001|8:00|1/3/2001|17:30", true, "p", "", {2001, 1, 1, 8, 0, 0, 0}, {2001, 1, 3, 17, 30, 0, 0}},
  };
  for (const Case& c : cases) {
    RangeResult r = StampRange(c.parameter);
    EXPECT_EQ(r.ok, c.ok) << c.parameter;
    EXPECT_EQ(r.prefix, c.prefix) << c.parameter;
    EXPECT_EQ(r.suffix, c.suffix) << c.parameter;
    EXPECT_TRUE(SameStamp(r.start, c.start)) << c.parameter;
    EXPECT_TRUE(SameStamp(r.end, c.end)) << c.parameter;
  }
}

TEST(ParseTimeStampRange, BoundsItsReads) {
  // 300 bytes with no terminator: only 255 are read, and a 100-character
  // prefix comes back as its first 64.
  std::string parameter(100, 'p');
  parameter += "|1/1/2001|1/3/2001|";
  parameter += std::string(300 - parameter.size(), 's');
  RangeResult r = StampRange(parameter);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.prefix, std::string(64, 'p'));
  EXPECT_EQ(r.suffix, std::string(64, 's'));
}

TEST(ParseTimeRange, StartAfterEnd) {
  struct Case { const char* parameter; bool ok; uint8_t after; const char* prefix; const char* suffix; } cases[] = {
      {"22:00|06:00", true, 1, "", ""},
      {"06:00|06:00", true, 0, "", ""},
      {"06:00:01|06:00", true, 1, "", ""},
      {"06:00|06:00:00.001", true, 0, "", ""},
      {"a|06:00|07:00", true, 0, "a", ""},
      {"06:00|07:00|b", true, 0, "", "b"},
      {"a|06:00|07:00|b", true, 0, "a", "b"},
      {"a|x|07:00|b", false, 0, "", ""},
      {"06:00", false, 0, "", ""},
  };
  for (const Case& c : cases) {
    char prefix[kRangeTextCapacity + 1], suffix[kRangeTextCapacity + 1];
    TimeStampParts start, end;
    uint8_t after = 9;
    EXPECT_EQ(ParseTimeRange(kDefaultSeparators, c.parameter, static_cast<int32_t>(std::strlen(c.parameter)), prefix,
                             suffix, &start, &end, &after), c.ok) << c.parameter;
    EXPECT_EQ(after, c.after) << c.parameter;
    EXPECT_STREQ(prefix, c.prefix) << c.parameter;
    EXPECT_STREQ(suffix, c.suffix) << c.parameter;
  }
}

}  // namespace
