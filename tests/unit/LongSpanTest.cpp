// Differences over long spans in every unit, whole multiples so that no
// rounding enters: a unit's length off by one second shows at once. And the
// shortest lists: one month, one year.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(LongSpan, EveryUnitOverACentury) {
  struct Row { int32_t id; const char* parameter; const char* result; } rows[] = {
      {kDiffDays, "1/1/2001|1/1/2101", "36524"},
      {kDiffHours, "1/1/2001|1/1/2101", "876576"},
      {kDiffMinutes, "1/1/2001|1/1/2101", "52594560"},
      {kDiffSeconds, "1/1/2001|1/1/2101", "3155673600"},
      {kDiffMilliSeconds, "1/1/2001|1/1/2101", "3155673600000"},
      {kDiffHours, "1/1/2001|5/31/2001", "3600"},
      {kDiffMinutes, "1/1/2001|3/2/2001", "86400"},
      {kDiffDays, "1/1/2101|1/1/2001", "-36524"},
      {kDiffHours, "1/1/2101|1/1/2001", "-876576"},
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    EXPECT_EQ(host.Call(r.id, r.parameter), r.result) << r.id << " " << r.parameter;
  }
}

TEST(LongSpan, ListsOfOneItem) {
  struct Row { int32_t id; const char* parameter; const char* result; } rows[] = {
      {kListMonths, "1/1/2001|1/31/2001", "01/2001"},
      {kListYears, "1/1/2001|12/31/2001", "2001"},
      {kListDays, "1/1/2001|1/1/2001", "01/01/2001"},
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    EXPECT_EQ(host.Call(r.id, r.parameter, "host's bytes"), r.result) << r.parameter;
  }
}

}  // namespace
