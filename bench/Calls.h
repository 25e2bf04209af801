// One typical parameter for each function, and the largest list
// each list function accepts with the default preferences.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FunctionRegistry.h"
#include "host/FunctionIds.h"

struct BenchCall {
  const char* label;
  int32_t id;
  std::string parameter;
};

// The benchmark's own typical parameter of a function, in the order of the
// table. A function without one is measured with the parameter of its first
// example in the registry.
struct TypicalParameter {
  int32_t id;
  const char* parameter;
};
inline constexpr TypicalParameter kTypicalParameters[] = {
    {kDiffDaysString, "Total: |1/1/2001|8:00|1/3/2001|17:30| hrs"},
    {kDiffHoursString, "1/1/2001|8:00|1/3/2001|17:30"},
    {kDiffTimeString, "1/1/2001|0:00|1/2/2001|2:03:04.05"},
    {kDiffDays, "1/1/2001|1/3/2001"},
    {kDiffHours, "1/1/2001|1/3/2001"},
    {kDiffMinutes, "8:00|17:30"},
    {kDiffSeconds, "8:00|17:30:15"},
    {kDiffMilliSeconds, "1/1/2001|1/31/2001"},
    {kTimeStampFull, ""},
    {kTimeStampTime, ""},
    {kTimeStampDate, ""},
    {kListMinutes, "08:00|09:00"},
    {kListDateMinutes, "1/1/2001|08:00|1/1/2001|09:00"},
    {kListHoursMinutes, "08:30|17:30"},
    {kListDateHoursMinutes, "1/1/2001|08:30|1/2/2001|08:30"},
    {kListHours, "08:00|17:00"},
    {kListDateHours, "1/1/2001|08:00|1/2/2001|08:00"},
    {kListDays, "1/1/2001|1/31/2001"},
    {kListMonths, "1/1/2001|12/1/2001"},
    {kListMonthNames, "1/1/2001|12/1/2001"},
    {kListYears, "1/1/2001|1/1/2030"},
    {kListNumbers, "start=1|end=30|inc=1|zeropad=3|pre=A-"},
    {kMakeList, "a\rb\rc\rd|pre=<|post=>"},
    {kDatePrefs, "MMDDYYYY|/|1"},
    {kTimePrefs, "12|:|1"},
    {kMinuteIncrementPrefs, "1"},
    {kHourIncrementPrefs, "1"},
    {kOverflowMessagePrefs, "The date range specified is too large."},
    {kFormatDate, "3/5/2001"},
    {kFormatTime, "14:05:33"},
    {kVersion, ""},
};
// Every build compiles this check (the unit tests include this header): the
// rows name functions of the table, each once, in the table's order.
template <int32_t row>
struct TypicalParametersInIdOrder {
  static constexpr bool value = kTypicalParameters[row].id < KELV_FUNCTION_COUNT &&
                                kTypicalParameters[row - 1].id < kTypicalParameters[row].id &&
                                TypicalParametersInIdOrder<row - 1>::value;
};
template <>
struct TypicalParametersInIdOrder<0> {
  static constexpr bool value = kTypicalParameters[0].id >= 0;
};
static_assert(TypicalParametersInIdOrder<sizeof kTypicalParameters / sizeof kTypicalParameters[0] - 1>::value,
              "the typical parameters name functions of the table, in its order");

inline std::vector<BenchCall> TypicalCalls() {
  std::vector<BenchCall> calls;
#define KELV_BENCH_CALL(id, Ident, name, Handler, need) calls.push_back({&name[sizeof "Kelv-" - 1], id, ""});
  KELV_FUNCTION_TABLE(KELV_BENCH_CALL)  // the label drops "Kelv-"
#undef KELV_BENCH_CALL
  std::vector<bool> given(calls.size(), false);
  for (const TypicalParameter& typical : kTypicalParameters) {
    calls[typical.id].parameter = typical.parameter;
    given[typical.id] = true;
  }
#define KELV_BENCH_EXAMPLE(Ident, setupName, setupParameter, exampleParameter, result) \
  if (!given[k##Ident]) calls[k##Ident].parameter = exampleParameter, given[k##Ident] = true;
  KELV_FUNCTION_EXAMPLES(KELV_BENCH_EXAMPLE)
#undef KELV_BENCH_EXAMPLE
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
    {"DateList (Minutes)", kListMinutes, "00:00:01|00:00"},
    // (1 + 19) x 3276 - 1
    {"DateList (Date Minutes)", kListDateMinutes, "1/1/2001|00:00|1/3/2001|06:35"},
    // A day's hours are at most 25 items, at their largest with the longest
    // prefix and suffix: (1 + 64 + 8 + 64) x 25 - 1
    {"DateList (Hours/Minutes)", kListHoursMinutes, LongestAffixes("00:00:01|00:00")},
    // (1 + 19) x 3276 - 1
    {"DateList (Date Hours/Minutes)", kListDateHoursMinutes, "1/1/2001|00:00|5/17/2001|11:00"},
    // (1 + 64 + 5 + 64) x 25 - 1
    {"DateList (Hours)", kListHours, LongestAffixes("00:00:01|00:00")},
    // (1 + 16) x 3855 - 1
    {"DateList (Date Hours)", kListDateHours, "1/1/2001|00:00|6/10/2001|14:00"},
    // (1 + 10) x 5957 - 1 = 65526
    {"DateList (days)", kListDays, "1/1/2001|4/23/2017"},
    // (7 + 1) x 8191 + 1 = 65529
    {"DateList (Months/Years)", kListMonths, "1/1/1000|7/1/1682"},
    // (8 + 1) x 7281 + 1 = 65530
    {"DateList (MonthNames/Years)", kListMonthNames, "1/1/1000|9/1/1606"},
    // (4 + 1) x 9000 + 1
    {"DateList (Years)", kListYears, "1/1/1000|1/1/9999"},
    // (5 + 1) x 10922 = 65532
    {"ListNumbers", kListNumbers, "start=1|end=10922|inc=1|zeropad=5"},
    {"MakeList", kMakeList, LargestMakeListText()},
};

// A list of one item for each list function: what a list costs whatever its
// length.
inline const std::vector<BenchCall> kOneItemLists = {
    {"DateList (Minutes)", kListMinutes, "08:00|08:00"},
    {"DateList (Date Minutes)", kListDateMinutes, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (Hours/Minutes)", kListHoursMinutes, "08:00|08:00"},
    {"DateList (Date Hours/Minutes)", kListDateHoursMinutes, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (Hours)", kListHours, "08:00|08:00"},
    {"DateList (Date Hours)", kListDateHours, "1/1/2001|08:00|1/1/2001|08:00"},
    {"DateList (days)", kListDays, "1/1/2001|1/1/2001"},
    {"DateList (Months/Years)", kListMonths, "1/1/2001|1/1/2001"},
    {"DateList (MonthNames/Years)", kListMonthNames, "1/1/2001|1/1/2001"},
    {"DateList (Years)", kListYears, "1/1/2001|1/1/2001"},
    {"ListNumbers", kListNumbers, "start=1|end=2|inc=5"},
    {"MakeList", kMakeList, "a"},
};
