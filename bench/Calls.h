// One typical parameter for each of the 31 functions, and the largest list
// each list function accepts with the default preferences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FunctionRegistry.h"

struct BenchCall {
  const char* label;
  int32_t id;
  std::string parameter;
};

// One typical parameter for each function, by id.
inline const char* const kTypicalParameters[] = {
    "Total: |1/1/2001|8:00|1/3/2001|17:30| hrs",  // Kelv-DiffDaysString
    "1/1/2001|8:00|1/3/2001|17:30",
    "1/1/2001|0:00|1/2/2001|2:03:04.05",
    "1/1/2001|1/3/2001",  // Kelv-DiffDays
    "1/1/2001|1/3/2001",
    "8:00|17:30",
    "8:00|17:30:15",
    "1/1/2001|1/31/2001",
    "",  // Kelv-TimeStamp (full)
    "",
    "",
    "08:00|09:00",  // Kelv-DateList (Minutes)
    "1/1/2001|08:00|1/1/2001|09:00",
    "08:30|17:30",
    "1/1/2001|08:30|1/2/2001|08:30",
    "08:00|17:00",
    "1/1/2001|08:00|1/2/2001|08:00",
    "1/1/2001|1/31/2001",  // Kelv-DateList (days)
    "1/1/2001|12/1/2001",
    "1/1/2001|12/1/2001",
    "1/1/2001|1/1/2030",
    "start=1|end=30|inc=1|zeropad=3|pre=A-",  // Kelv-ListNumbers
    "a\rb\rc\rd|pre=<|post=>",
    "MMDDYYYY|/|1",  // Kelv-DatePrefs
    "12|:|1",
    "1",
    "1",
    "The date range specified is too large.",
    "3/5/2001",  // Kelv-FormatDate
    "14:05:33",
    "",  // Kelv-Version#
};
static_assert(sizeof kTypicalParameters / sizeof kTypicalParameters[0] == KELV_FUNCTION_COUNT,
              "a typical parameter for every function");

inline std::vector<BenchCall> TypicalCalls() {
  std::vector<BenchCall> calls;
#define KELV_BENCH_CALL(id, Ident, name, Handler, need) calls.push_back({name + 5, id, kTypicalParameters[id]});
  KELV_FUNCTION_TABLE(KELV_BENCH_CALL)  // the label drops "Kelv-"
#undef KELV_BENCH_CALL
  return calls;
}

inline const std::vector<BenchCall> kTypicalCalls = TypicalCalls();

// Estimates just below 65535 bytes with the default preferences (12-hour
// clock, MM/DD/YYYY, steps of 1).
// (0 + 0 + 1) x 21845 lines + 43689 = 65534: one-letter lines, no prefix or suffix.
inline std::string LargestMakeListText() {
  std::string text = "a";
  for (int line = 1; line < 21845; ++line) text += "\ra";
  return text;
}

// A range between the longest prefix and suffix a date list keeps, 64 characters each.
inline std::string LongestAffixes(const std::string& range) {
  return std::string(64, 'p') + "|" + range + "|" + std::string(64, 's');
}

inline const std::vector<BenchCall> kLargestLists = {
    // (1 + 8) x 1441 - 1: the whole day, every minute
    {"DateList (Minutes)", 11, "00:00:01|00:00"},
    // (1 + 19) x 3276 - 1
    {"DateList (Date Minutes)", 12, "1/1/2001|00:00|1/3/2001|06:35"},
    // A day's hours are at most 25 items, at their largest with the longest
    // prefix and suffix: (1 + 64 + 8 + 64) x 25 - 1
    {"DateList (Hours/Minutes)", 13, LongestAffixes("00:00:01|00:00")},
    // (1 + 19) x 3276 - 1
    {"DateList (Date Hours/Minutes)", 14, "1/1/2001|00:00|5/17/2001|11:00"},
    // (1 + 64 + 5 + 64) x 25 - 1
    {"DateList (Hours)", 15, LongestAffixes("00:00:01|00:00")},
    // (1 + 16) x 3855 - 1
    {"DateList (Date Hours)", 16, "1/1/2001|00:00|6/10/2001|14:00"},
    // (1 + 10) x 5957 - 1 = 65526
    {"DateList (days)", 17, "1/1/2001|4/23/2017"},
    // (7 + 1) x 8191 + 1 = 65529
    {"DateList (Months/Years)", 18, "1/1/1000|7/1/1682"},
    // (8 + 1) x 7281 + 1 = 65530
    {"DateList (MonthNames/Years)", 19, "1/1/1000|9/1/1606"},
    // (4 + 1) x 9000 + 1
    {"DateList (Years)", 20, "1/1/1000|1/1/9999"},
    // (5 + 1) x 10922 = 65532
    {"ListNumbers", 21, "start=1|end=10922|inc=1|zeropad=5"},
    {"MakeList", 22, LargestMakeListText()},
};

// A list of one item for each list function: what a list costs whatever its
// length.
inline const std::vector<BenchCall> kOneItemLists = {
    {"DateList (Minutes)", 11, "08:00|08:00"},
    {"DateList (Date Minutes)", 12, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (Hours/Minutes)", 13, "08:00|08:00"},
    {"DateList (Date Hours/Minutes)", 14, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (Hours)", 15, "08:00|08:00"},
    {"DateList (Date Hours)", 16, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (days)", 17, "1/1/2001|1/1/2001"},
    {"DateList (Months/Years)", 18, "1/1/2001|1/1/2001"},
    {"DateList (MonthNames/Years)", 19, "1/1/2001|1/1/2001"},
    {"DateList (Years)", 20, "1/1/2001|1/1/2001"},
    {"ListNumbers", 21, "start=1|end=2|inc=5"},
    {"MakeList", 22, "a"},
};
