// A year list is refused when its estimate, (prefix + suffix + 4 digits +
// the separator) for each year plus one, reaches the result limit of 65535
// bytes, and written whole below it.
#include <gtest/gtest.h>

#include <string>

#include "TestHost.h"
#include "host/FunctionIds.h"
#include "prefs/DateTimePrefs.h"

namespace {

TEST(YearListLimit, TheEstimateDecides) {
  struct Row { size_t prefix, suffix; int32_t lastYear; bool written; } rows[] = {
      {7, 7, 4448, true},    // 3449 years of 19: estimate 65532
      {4, 4, 6040, true},    // 5041 years of 13: estimate 65534, the longest written
      {4, 5, 5679, true},    // 4680 years of 14: estimate 65521
      {4, 5, 5680, false},   // 4681 years of 14: estimate 65535
      {7, 7, 4449, false},   // 3450 years of 19: estimate 65551
  };
  TestHost host;
  for (const Row& r : rows) {
    SetDefaultPrefs();
    DateTimePrefs.overflowMessageOn = 0;
    const std::string prefix(r.prefix, 'p'), suffix(r.suffix, 's');
    const std::string parameter = prefix + "|1/1/1000|1/1/" + std::to_string(r.lastYear) + "|" + suffix;
    const std::string list = host.Call(kListYears, parameter);
    const int32_t years = r.lastYear - 1000 + 1;
    if (r.written) {
      ASSERT_EQ(list.size(), static_cast<size_t>(years) * (r.prefix + r.suffix + 5) - 1) << parameter;
      EXPECT_EQ(list.substr(0, r.prefix + 4 + r.suffix + 1), prefix + "1000" + suffix + "\r");
      EXPECT_EQ(list.substr(list.size() - 4 - r.suffix), std::to_string(r.lastYear) + suffix);
    } else {
      EXPECT_EQ(list, "??") << parameter;
    }
  }
  SetDefaultPrefs();
}

}  // namespace
