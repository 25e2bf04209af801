// A month list is refused when its estimate, (prefix + suffix + 7, one more
// with month names, + the separator) for each month plus one, reaches the
// result limit of 65535 bytes, and written whole below it.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(MonthListLimit, TheEstimateDecides) {
  struct Row { bool names; size_t prefix, suffix; int32_t lastYear; bool written; } rows[] = {
      {false, 2, 3, 1420, true},   // 5041 months of 13: estimate 65534
      {false, 3, 3, 1390, false},  // 4681 months of 14: estimate 65535
      {false, 3, 3, 1389, true},   // 4669 months of 14: estimate 65367
      {true, 2, 2, 1420, true},    // 5041 months of 13: estimate 65534
      {true, 2, 3, 1390, false},   // 4681 months of 14: estimate 65535
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    DateTimePrefs.overflowMessageOn = 0;
    const std::string prefix(r.prefix, 'p'), suffix(r.suffix, 's');
    const std::string parameter = prefix + "|1/1/1000|1/1/" + std::to_string(r.lastYear) + "|" + suffix;
    const std::string list = host.Call(r.names ? kListMonthNames : kListMonths, parameter);
    const int64_t months = (r.lastYear - 1000) * 12 + 1;
    const size_t item = r.prefix + r.suffix + (r.names ? 8 : 7);
    if (r.written) {
      EXPECT_EQ(list.size(), static_cast<size_t>(months) * (item + 1) - 1) << parameter;
      EXPECT_EQ(list.substr(0, r.prefix), prefix) << parameter;
      EXPECT_EQ(list.substr(list.size() - r.suffix), suffix) << parameter;
    } else {
      EXPECT_EQ(list, "??") << parameter;
    }
  }
  SetDefaultPrefs();
}

}  // namespace
